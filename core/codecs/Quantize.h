#pragma once
// Colour reduction for palette formats.
#include <cstdint>
#include <vector>

#include "core/gfx/Bitmap32.h"

namespace viramo {

struct IndexedPicture {
    int width = 0, height = 0;
    std::vector<Color32> palette;        // opaque colours
    std::vector<std::uint8_t> indices;   // one per pixel, rows top-down
};

// Median-cut reduction to at most maxColors (2..256) colours chosen from the
// picture itself; pictures with few colours keep them exactly.
IndexedPicture QuantizeMedianCut(const Bitmap32& bmp, int maxColors);
// Black and white by intensity (below 128 black).
IndexedPicture QuantizeBlackWhite(const Bitmap32& bmp);

// Number of distinct RGB colours (alpha ignored).
std::size_t CountColors(const Bitmap32& bmp);

}  // namespace viramo
