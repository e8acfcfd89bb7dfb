#include "core/gfx/Blend.h"

#include <algorithm>
#include <cstring>

#include "core/util/Parallel.h"

namespace viramo {

void BlendLine(const Color32* __restrict src, Color32* __restrict dst, int count, std::uint8_t master) {
    const std::uint32_t m = master;
    // Written channel by channel on 32-bit lanes so the compiler vectorises it.
    for (int i = 0; i < count; ++i) {
        const std::uint32_t s = src[i], d = dst[i];
        const std::uint32_t a = Div255((s >> 24) * m);
        const std::uint32_t na = 255 - a;
        const std::uint32_t b0 = Div255((s & 0xFF) * a + (d & 0xFF) * na);
        const std::uint32_t b1 = Div255(((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * na);
        const std::uint32_t b2 = Div255(((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * na);
        const std::uint32_t b3 = Div255((s >> 24) * a + (d >> 24) * na);
        dst[i] = b0 | (b1 << 8) | (b2 << 16) | (b3 << 24);
    }
}

void CombineLine(const Color32* src, Color32* dst, int count, DrawMode mode, std::uint8_t master) {
    if (count <= 0) return;
    if (mode == DrawMode::Opaque)
        std::memmove(dst, src, static_cast<size_t>(count) * sizeof(Color32));
    else if (master != 0)
        BlendLine(src, dst, count, master);
}

void BlendColorLine(Color32 color, Color32* dst, int count) {
    const std::uint32_t a = color >> 24;
    if (a == 0) return;
    for (int i = 0; i < count; ++i) dst[i] = BlendPixel(color, dst[i]);
}

void DrawAt(Bitmap32& dst, int x, int y, const Bitmap32& src) {
    Rect r = Intersect(dst.boundsRect(), Rect{x, y, x + src.width(), y + src.height()});
    if (r.empty()) return;
    ParallelRows(r.height(), static_cast<long long>(r.width()) * r.height(), [&](int first, int last) {
        for (int row = first; row < last; ++row) {
            const int dy = r.top + row;
            CombineLine(src.scanLine(dy - y) + (r.left - x), dst.scanLine(dy) + r.left, r.width(), src.drawMode,
                        src.masterAlpha);
        }
    });
}

}  // namespace viramo
