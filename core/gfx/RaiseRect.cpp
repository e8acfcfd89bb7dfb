#include "core/gfx/RaiseRect.h"

#include <algorithm>

#include "core/gfx/Blend.h"

namespace viramo {

namespace {

void hLine(Bitmap32& b, int x1, int x2, int y, Color32 c) {  // inclusive x2
    if (y < 0 || y >= b.height()) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, b.width() - 1);
    if (x2 < x1) return;
    BlendColorLine(c, b.scanLine(y) + x1, x2 - x1 + 1);
}

void vLine(Bitmap32& b, int x, int y1, int y2, Color32 c) {  // inclusive y2
    if (x < 0 || x >= b.width()) return;
    y1 = std::max(y1, 0);
    y2 = std::min(y2, b.height() - 1);
    for (int y = y1; y <= y2; ++y) BlendColorLine(c, b.scanLine(y) + x, 1);
}

}  // namespace

void RaiseRect(Bitmap32& bmp, const Rect& r, int contrast) {
    if (contrast == 0 || bmp.empty()) return;
    const int c = contrast > 0 ? contrast : -contrast;
    const std::uint32_t strong = static_cast<std::uint32_t>(std::min(255, 512 * c / 100));
    const std::uint32_t weak = static_cast<std::uint32_t>(std::min(255, 255 * c / 100));
    Color32 light, dark;
    if (contrast > 0) {
        light = (strong << 24) | 0xFFFFFFu;
        dark = weak << 24;
    } else {
        light = weak << 24;
        dark = (strong << 24) | 0xFFFFFFu;
    }
    hLine(bmp, r.left, r.right - 1, r.top, light);
    vLine(bmp, r.left, r.top + 1, r.bottom - 2, light);
    hLine(bmp, r.left, r.right - 1, r.bottom - 1, dark);
    vLine(bmp, r.right - 1, r.top + 1, r.bottom - 2, dark);
}

}  // namespace viramo
