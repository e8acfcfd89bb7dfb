#include "core/fx/Effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/fx/Filters.h"
#include "core/util/Numbers.h"
#include "core/util/Parallel.h"

namespace viramo {

namespace {
inline std::uint32_t clampByte(int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); }
inline Color32 rgb(int r, int g, int b, Color32 keepAlphaOf) {
    return (keepAlphaOf & 0xFF000000u) | (clampByte(r) << 16) | (clampByte(g) << 8) | clampByte(b);
}
long long pixels(const Bitmap32& b) { return static_cast<long long>(b.width()) * b.height(); }
}  // namespace

namespace {
// Each row draws from its own generator seeded from one draw of the caller's,
// so rows can run on both cores and a seed still gives one result.
Random rowRandom(std::uint64_t base, int y) {
    return Random(base ^ (0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(y + 1)));
}
}  // namespace

void Spray(Bitmap32& bmp, int amount, Random& random) {
    if (bmp.empty() || amount <= 0) return;
    const Bitmap32 src = bmp;
    const int w = bmp.width(), h = bmp.height();
    const std::uint64_t base = (static_cast<std::uint64_t>(random.next()) << 32) | random.next();
    ParallelRows(h, pixels(bmp) * 4, [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            Random r = rowRandom(base, y);
            Color32* row = bmp.scanLine(y);
            for (int x = 0; x < w; ++x) {
                const int d = r.below(amount);
                const int sx = x + r.range(-d, d), sy = y + r.range(-d, d);
                if (sx >= 0 && sy >= 0 && sx < w && sy < h)
                    row[x] = (row[x] & 0xFF000000u) | (src.pixel(sx, sy) & 0x00FFFFFFu);
            }
        }
    });
}

void Marble(const Bitmap32& src, Bitmap32& dst, double scale, int turbulence) {
    dst.setSize(src.width(), src.height());
    if (src.empty()) return;
    const int w = src.width(), h = src.height();
    const double period = std::max(1, turbulence);
    std::vector<int> dx(static_cast<size_t>(h)), dy(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) dx[static_cast<size_t>(y)] = RndI(scale * std::sin(2 * std::numbers::pi * y / period));
    for (int x = 0; x < w; ++x) dy[static_cast<size_t>(x)] = RndI(scale * std::cos(2 * std::numbers::pi * x / period));
    ParallelRows(h, pixels(src), [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            Color32* out = dst.scanLine(y);
            for (int x = 0; x < w; ++x) {
                const int sx = std::clamp(x + dx[static_cast<size_t>(y)], 0, w - 1);
                const int sy = std::clamp(y + dy[static_cast<size_t>(x)], 0, h - 1);
                out[x] = src.pixel(sx, sy);
            }
        }
    });
}

void Invert(Bitmap32& bmp) {
    Color32* p = bmp.bits();
    const size_t n = bmp.pixelCount();
    for (size_t i = 0; i < n; ++i) p[i] ^= 0x00FFFFFFu;
}

void Mosaic(Bitmap32& bmp, int size) {
    if (size <= 1 || bmp.empty()) return;
    const int w = bmp.width(), h = bmp.height();
    for (int by = 0; by < h; by += size)
        for (int bx = 0; bx < w; bx += size) {
            const Color32 c = bmp.pixel(bx, by);
            for (int y = by; y < std::min(h, by + size); ++y) {
                Color32* row = bmp.scanLine(y);
                for (int x = bx; x < std::min(w, bx + size); ++x) row[x] = (row[x] & 0xFF000000u) | (c & 0x00FFFFFFu);
            }
        }
}

void Emboss(Bitmap32& bmp) {
    if (bmp.empty()) return;
    const int w = bmp.width(), h = bmp.height();
    // Rows are done top-down and each reads the row below it, still untouched.
    for (int y = 0; y < h; ++y) {
        Color32* row = bmp.scanLine(y);
        const Color32* below = bmp.scanLine(std::min(y + 1, h - 1));
        for (int x = 0; x < w; ++x) {
            const Color32 c = row[x], o = below[std::min(x + 3, w - 1)];
            row[x] = rgb((RedOf(c) + 255 - RedOf(o)) / 2, (GreenOf(c) + 255 - GreenOf(o)) / 2,
                         (BlueOf(c) + 255 - BlueOf(o)) / 2, c);
        }
    }
}

namespace {
// Moves each column x down by offset[x] (clamped at the top edge), colours only.
void shiftColumns(Bitmap32& bmp, const std::vector<int>& offset) {
    const Bitmap32 src = bmp;
    const int w = bmp.width(), h = bmp.height();
    ParallelRows(h, pixels(bmp), [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            Color32* row = bmp.scanLine(y);
            for (int x = 0; x < w; ++x) {
                const int sy = std::clamp(y - offset[static_cast<size_t>(x)], 0, h - 1);
                row[x] = (row[x] & 0xFF000000u) | (src.pixel(x, sy) & 0x00FFFFFFu);
            }
        }
    });
}
}  // namespace

void Ripple(Bitmap32& bmp, int amount) {
    if (bmp.empty()) return;
    amount = std::min(amount, bmp.height() / 2);
    if (amount <= 0) return;
    std::vector<int> offset(static_cast<size_t>(bmp.width()));
    for (int x = 0; x < bmp.width(); ++x) offset[static_cast<size_t>(x)] = x % (amount + 1);
    shiftColumns(bmp, offset);
}

void Wave(Bitmap32& bmp, int amount, int interference, int style) {
    if (bmp.empty() || amount <= 0) return;
    const double period = 4.0 * amount, k = 2 * std::numbers::pi / period;
    std::vector<int> offset(static_cast<size_t>(bmp.width()));
    for (int x = 0; x < bmp.width(); ++x) {
        double v;
        if (style == 1) v = 2 * std::sin(k * x) * std::cos(k * x);
        else if (style == 2) v = std::sin(k * x) * std::cos(k * x / std::max(1, interference));
        else v = std::sin(k * x);
        offset[static_cast<size_t>(x)] = RndI(amount * v);
    }
    shiftColumns(bmp, offset);
}

void Posterize(const Bitmap32& src, Bitmap32& dst, int amount) {
    dst = src;
    if (amount <= 1 || src.empty()) return;
    std::uint8_t table[256];
    for (int v = 0; v < 256; ++v) table[v] = static_cast<std::uint8_t>(clampByte(amount * RndI(static_cast<double>(v) / amount)));
    MapChannels(dst, table, table, table);
}

void SplitBlur(Bitmap32& bmp, int amount) {
    if (amount <= 0 || bmp.empty()) return;
    const Bitmap32 src = bmp;
    const int w = bmp.width(), h = bmp.height();
    // A displaced coordinate outside the picture is replaced by one inside it.
    auto inside = [](int v, int d, int n) {
        if (v - d < 0) return std::min(v + d, n - 1);
        return v - d;
    };
    auto insideUp = [](int v, int d, int n) {
        if (v + d > n - 1) return std::max(v - d, 0);
        return v + d;
    };
    ParallelRows(h, pixels(bmp) * 4, [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            const Color32* up = src.scanLine(inside(y, amount, h));
            const Color32* down = src.scanLine(insideUp(y, amount, h));
            Color32* row = bmp.scanLine(y);
            for (int x = 0; x < w; ++x) {
                const int l = inside(x, amount, w), r = insideUp(x, amount, w);
                const Color32 a = up[l], b = up[r], c = down[l], d = down[r];
                const std::uint32_t rb = ((a & 0xFF00FFu) + (b & 0xFF00FFu) + (c & 0xFF00FFu) + (d & 0xFF00FFu)) >> 2;
                const std::uint32_t g = (((a >> 8) & 0xFFu) + ((b >> 8) & 0xFFu) + ((c >> 8) & 0xFFu) + ((d >> 8) & 0xFFu)) >> 2;
                row[x] = (row[x] & 0xFF000000u) | (rb & 0xFF00FFu) | (g << 8);
            }
        }
    });
}

void ColorNoise(Bitmap32& bmp, int amount, Random& random) {
    if (amount <= 0 || bmp.empty()) return;
    const int lo = -(amount / 2), hi = amount - 1 - amount / 2;
    const std::uint64_t base = (static_cast<std::uint64_t>(random.next()) << 32) | random.next();
    ParallelRows(bmp.height(), pixels(bmp) * 3, [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            Random r = rowRandom(base, y);
            Color32* p = bmp.scanLine(y);
            for (int x = 0; x < bmp.width(); ++x) {
                const Color32 c = p[x];
                p[x] = rgb(RedOf(c) + r.range(lo, hi), GreenOf(c) + r.range(lo, hi), BlueOf(c) + r.range(lo, hi), c);
            }
        }
    });
}

void MonoNoise(Bitmap32& bmp, int amount, Random& random) {
    if (amount <= 0 || bmp.empty()) return;
    const int lo = -(amount / 2), hi = amount - 1 - amount / 2;
    const std::uint64_t base = (static_cast<std::uint64_t>(random.next()) << 32) | random.next();
    ParallelRows(bmp.height(), pixels(bmp), [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            Random r = rowRandom(base, y);
            Color32* p = bmp.scanLine(y);
            for (int x = 0; x < bmp.width(); ++x) {
                const Color32 c = p[x];
                const int d = r.range(lo, hi);
                p[x] = rgb(RedOf(c) + d, GreenOf(c) + d, BlueOf(c) + d, c);
            }
        }
    });
}

void GrayScale(Bitmap32& bmp) {
    Color32* p = bmp.bits();
    const size_t n = bmp.pixelCount();
    for (size_t i = 0; i < n; ++i) {
        const Color32 c = p[i];
        const std::uint32_t g = (RedOf(c) * 299u + GreenOf(c) * 587u + BlueOf(c) * 114u + 500u) / 1000u;
        p[i] = (c & 0xFF000000u) | (g << 16) | (g << 8) | g;
    }
}

}  // namespace viramo
