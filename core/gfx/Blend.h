#pragma once
// Blending of layer pixels onto the pixels below them. For each of the four
// channels, alpha included: result = below + (layer - below) * a / 255 with
// a = layer alpha * master alpha / 255, both divisions rounded.
#include <cstdint>

#include "core/gfx/Bitmap32.h"

namespace viramo {

// x / 255 rounded to nearest, exact for 0 <= x <= 255 * 255.
constexpr std::uint32_t Div255(std::uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

constexpr Color32 BlendPixel(Color32 layer, Color32 below, std::uint32_t master = 255) {
    const std::uint32_t a = Div255((layer >> 24) * master);
    const std::uint32_t na = 255 - a;
    std::uint32_t r = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t l = (layer >> shift) & 0xFF, b = (below >> shift) & 0xFF;
        r |= Div255(l * a + b * na) << shift;
    }
    return r;
}

// Blends count layer pixels onto dst.
void BlendLine(const Color32* src, Color32* dst, int count, std::uint8_t master);
// Writes count pixels by the draw mode: opaque copies, blend blends with master.
void CombineLine(const Color32* src, Color32* dst, int count, DrawMode mode, std::uint8_t master);
// Blends one colour (its alpha is the opacity) onto count pixels.
void BlendColorLine(Color32 color, Color32* dst, int count);

// Draws src at (x, y) of dst by src's draw mode and master alpha, clipped; no scaling.
void DrawAt(Bitmap32& dst, int x, int y, const Bitmap32& src);

}  // namespace viramo
