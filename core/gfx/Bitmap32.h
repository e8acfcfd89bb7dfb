#pragma once
// Bitmap32: a 32-bit $AARRGGBB picture with the drawing attributes that travel
// with it (master alpha, draw mode, stretch filter, outer colour).
#include <cstdint>
#include <vector>

#include "core/gfx/Color.h"
#include "core/gfx/Geometry.h"
#include "core/util/LargeAlloc.h"

namespace viramo {

enum class DrawMode { Opaque, Blend };
enum class StretchFilter { Nearest, Linear, Spline };

class Bitmap32 {
public:
    Bitmap32() = default;
    Bitmap32(int width, int height);                 // all bits zero
    Bitmap32(int width, int height, Color32 fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    Rect boundsRect() const { return Rect{0, 0, width_, height_}; }

    // New size with every bit zero. Throws PictureError for negative sizes or
    // sizes beyond what can be addressed.
    void setSize(int width, int height);
    void clear(Color32 color);

    Color32* bits() { return pixels_.data(); }
    const Color32* bits() const { return pixels_.data(); }
    Color32* scanLine(int y) { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
    const Color32* scanLine(int y) const {
        return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    }

    // Unchecked access; x and y must lie inside.
    Color32 pixel(int x, int y) const { return scanLine(y)[x]; }
    void setPixel(int x, int y, Color32 c) { scanLine(y)[x] = c; }
    // Checked read: the outer colour for positions outside the picture.
    Color32 pixelS(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return outerColor;
        return pixel(x, y);
    }
    // Checked write: ignored outside the picture.
    void setPixelS(int x, int y, Color32 c) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) setPixel(x, y, c);
    }

    void setAllAlpha(std::uint8_t alpha);
    // Master alpha, draw mode, stretch filter and outer colour of another bitmap.
    void copyAttributesFrom(const Bitmap32& other) {
        masterAlpha = other.masterAlpha;
        drawMode = other.drawMode;
        filter = other.filter;
        outerColor = other.outerColor;
    }
    size_t pixelCount() const { return pixels_.size(); }
    // Pixels only (attributes ignored).
    bool samePixels(const Bitmap32& other) const;

    std::uint8_t masterAlpha = 255;
    DrawMode drawMode = DrawMode::Opaque;
    StretchFilter filter = StretchFilter::Nearest;
    Color32 outerColor = 0xFF000000;  // opaque black

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color32, LargeAllocator<Color32>> pixels_;
};

// Largest pixel count a Bitmap32 may hold (and the default picture limit).
constexpr std::int64_t kMaxBitmapPixels = 268435456;  // 2^28, 1 GiB at 4 bytes

}  // namespace viramo
