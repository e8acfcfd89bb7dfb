#include "core/fx/Filters.h"

#include <algorithm>
#include <cstdlib>

#include "core/util/Numbers.h"
#include "core/util/Parallel.h"

namespace viramo {

namespace {
inline std::uint32_t clampByte(int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); }

}  // namespace

void MapChannels(Bitmap32& bmp, const std::uint8_t (&rt)[256], const std::uint8_t (&gt)[256],
                 const std::uint8_t (&bt)[256]) {
    Color32* p = bmp.bits();
    const size_t n = bmp.pixelCount();
    for (size_t i = 0; i < n; ++i) {
        const Color32 c = p[i];
        p[i] = (c & 0xFF000000u) | (static_cast<Color32>(rt[RedOf(c)]) << 16) |
               (static_cast<Color32>(gt[GreenOf(c)]) << 8) | bt[BlueOf(c)];
    }
}

void SharpenBitmap(const Bitmap32& src, Bitmap32& dst, float alpha) {
    if (src.width() < 3 || src.height() <= 2) throw FilterError("Bitmap must be at least 3x3");
    if (!(alpha > 1.f && alpha < 6.f)) throw FilterError("Alpha must be >1 and <6");
    const float beta = (alpha - 1.f) / 5.f;
    const std::int32_t B = static_cast<std::int32_t>(Rnd(static_cast<double>(beta) * 65536.0));
    const std::int32_t A = static_cast<std::int32_t>(Rnd(static_cast<double>(alpha) * 65536.0));
    const int w = src.width(), h = src.height();
    dst = src;  // border rows and columns stay as they are
    ParallelRows(h - 2, static_cast<long long>(w) * h * 3, [&](int first, int last) {
        for (int y = first + 1; y < last + 1; ++y) {
            const std::uint8_t* up = reinterpret_cast<const std::uint8_t*>(src.scanLine(y - 1));
            const std::uint8_t* mid = reinterpret_cast<const std::uint8_t*>(src.scanLine(y));
            const std::uint8_t* down = reinterpret_cast<const std::uint8_t*>(src.scanLine(y + 1));
            std::uint8_t* out = reinterpret_cast<std::uint8_t*>(dst.scanLine(y));
            for (int i = 4; i < 4 * (w - 1); ++i) {
                if ((i & 3) == 3) continue;  // alpha byte
                const std::int32_t c = mid[i];
                const std::int32_t s = c + up[i] + down[i] + mid[i - 4] + mid[i + 4];
                const std::int32_t v = ((A * c + 32767) >> 16) - ((B * s + 32767) >> 16);
                out[i] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
            }
        }
    });
}

void Colorize(Bitmap32& bmp, PlatformColor colour) {
    const auto v = static_cast<std::uint32_t>(colour);
    const double cr = v & 0xFF, cg = (v >> 8) & 0xFF, cb = (v >> 16) & 0xFF;
    // The result depends only on R + G + B: one table entry per sum.
    std::uint32_t table[766];
    for (int sum = 0; sum <= 765; ++sum) {
        const double k = static_cast<double>(sum) / 765.0;
        table[sum] = (clampByte(RndI(cr * k)) << 16) | (clampByte(RndI(cg * k)) << 8) | clampByte(RndI(cb * k));
    }
    Color32* p = bmp.bits();
    const size_t n = bmp.pixelCount();
    for (size_t i = 0; i < n; ++i) {
        const Color32 c = p[i];
        p[i] = (c & 0xFF000000u) | table[RedOf(c) + GreenOf(c) + BlueOf(c)];
    }
}

void Brighten(Bitmap32& bmp, int amount) {
    if (amount == 0) return;
    std::uint8_t t[256];
    for (int v = 0; v < 256; ++v) t[v] = static_cast<std::uint8_t>(clampByte(v + (v * amount) / 255));
    MapChannels(bmp, t, t, t);
}

void StretchContrast(Bitmap32& bmp, int amount) {
    if (amount == 0) return;
    std::uint8_t t[256];
    for (int v = 0; v < 256; ++v) {
        const int f = (amount * std::abs(127 - v)) / 255;
        t[v] = static_cast<std::uint8_t>(clampByte(v <= 127 ? v - f : v + f));
    }
    MapChannels(bmp, t, t, t);
}

void ColourBalance(Bitmap32& bmp, int r, int g, int b, bool quality) {
    if (r == 0 && g == 0 && b == 0) return;
    std::uint8_t rt[256], gt[256], bt[256];
    for (int v = 0; v < 256; ++v) {
        if (quality) {
            rt[v] = static_cast<std::uint8_t>(clampByte(v + (v * 2 * r) / 255));
            gt[v] = static_cast<std::uint8_t>(clampByte(v + (v * 2 * g) / 255));
            bt[v] = static_cast<std::uint8_t>(clampByte(v + (v * 2 * b) / 255));
        } else {
            rt[v] = static_cast<std::uint8_t>(clampByte(v + r));
            gt[v] = static_cast<std::uint8_t>(clampByte(v + g));
            bt[v] = static_cast<std::uint8_t>(clampByte(v + b));
        }
    }
    MapChannels(bmp, rt, gt, bt);
}

namespace {
// The copy's pixels with the target's own drawing attributes.
void restoreFrom(const Bitmap32& copy, Bitmap32& target) {
    Bitmap32 attributes;
    attributes.copyAttributesFrom(target);
    target = copy;
    target.copyAttributesFrom(attributes);
}
}  // namespace

void ApplyBrightnessContrast(const Bitmap32& copy, Bitmap32& target, int brightness, int contrast,
                             bool brightnessFirst) {
    restoreFrom(copy, target);
    if (brightnessFirst) {
        Brighten(target, brightness);
        StretchContrast(target, contrast);
    } else {
        StretchContrast(target, contrast);
        Brighten(target, brightness);
    }
}

void ApplyColourBalance(const Bitmap32& copy, Bitmap32& target, int r, int g, int b, bool quality) {
    restoreFrom(copy, target);
    ColourBalance(target, r, g, b, quality);
}

}  // namespace viramo
