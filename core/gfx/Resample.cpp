#include "core/gfx/Resample.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/gfx/Blend.h"
#include "core/gfx/Kernels.h"
#include "core/util/Parallel.h"

namespace viramo {

namespace {

// Which source pixels (and how much of each) make one destination pixel.
struct Contributions {
    std::vector<int> first;     // first source index per destination index
    std::vector<int> count;     // number of taps
    std::vector<int> offset;    // into weights
    std::vector<float> weights;
    int minIndex = 0, maxIndex = 0;  // source range touched, inclusive
};

float kernelValue(StretchFilter f, float x) {
    return f == StretchFilter::Linear ? LinearKernel(x) : SplineKernel(x);
}

float kernelRadius(StretchFilter f) { return f == StretchFilter::Linear ? 1.f : 2.f; }

// Destination indices d0..d1-1; pixel centre d+0.5 maps to source
// srcStart + (d + 0.5 - dstStart) * srcLen / dstLen.
Contributions makeContributions(StretchFilter f, int d0, int d1, double dstStart, double dstLen, int srcStart,
                                int srcLen) {
    Contributions c;
    const int n = d1 - d0;
    c.first.resize(static_cast<size_t>(n));
    c.count.resize(static_cast<size_t>(n));
    c.offset.resize(static_cast<size_t>(n));
    const double ratio = srcLen / dstLen;             // source pixels per destination pixel
    const double scale = std::min(1.0, 1.0 / ratio);  // kernel squeeze when shrinking
    const double support = kernelRadius(f) / scale;
    const int last = srcStart + srcLen - 1;
    c.minIndex = last;
    c.maxIndex = srcStart;
    std::vector<float> tmp;
    for (int i = 0; i < n; ++i) {
        const double centre = srcStart + (d0 + i + 0.5 - dstStart) * ratio - 0.5;
        int lo = static_cast<int>(std::ceil(centre - support));
        int hi = static_cast<int>(std::floor(centre + support));
        if (hi < lo) hi = lo;
        // Taps outside the source are folded onto the edge pixel (clamping).
        int clo = std::clamp(lo, srcStart, last), chi = std::clamp(hi, srcStart, last);
        tmp.assign(static_cast<size_t>(chi - clo + 1), 0.f);
        float sum = 0.f;
        for (int s = lo; s <= hi; ++s) {
            float w = kernelValue(f, static_cast<float>((s - centre) * scale));
            if (w == 0.f) continue;
            tmp[static_cast<size_t>(std::clamp(s, srcStart, last) - clo)] += w;
            sum += w;
        }
        if (sum <= 0.f) {  // only when the taps cancel out; keep the nearest pixel
            tmp.assign(1, 1.f);
            chi = clo = std::clamp(static_cast<int>(std::lround(centre)), srcStart, last);
            sum = 1.f;
        }
        // Trim zero weights at both ends.
        int a = 0, b = static_cast<int>(tmp.size()) - 1;
        while (a < b && tmp[static_cast<size_t>(a)] == 0.f) ++a;
        while (b > a && tmp[static_cast<size_t>(b)] == 0.f) --b;
        c.first[static_cast<size_t>(i)] = clo + a;
        c.count[static_cast<size_t>(i)] = b - a + 1;
        c.offset[static_cast<size_t>(i)] = static_cast<int>(c.weights.size());
        for (int k = a; k <= b; ++k) c.weights.push_back(tmp[static_cast<size_t>(k)] / sum);
        c.minIndex = std::min(c.minIndex, clo + a);
        c.maxIndex = std::max(c.maxIndex, clo + b);
    }
    return c;
}

inline std::uint32_t toByte(float v) {
    v += 0.5f;
    if (v <= 0.f) return 0;
    if (v >= 255.f) return 255;
    return static_cast<std::uint32_t>(v);
}

// The destination pixels whose centres fall in dstRect, intersected with clip and dst.
Rect coveredPixels(const FloatRect& r, const Rect& clip, const Bitmap32& dst) {
    Rect cover{static_cast<int>(std::ceil(r.left - 0.5)), static_cast<int>(std::ceil(r.top - 0.5)),
               static_cast<int>(std::ceil(r.right - 0.5)), static_cast<int>(std::ceil(r.bottom - 0.5))};
    return Intersect(Intersect(cover, clip), dst.boundsRect());
}

struct Style {
    StretchFilter filter;
    DrawMode mode;
    std::uint8_t master;
};

void drawNearest(Bitmap32& dst, const Rect& out, const FloatRect& dr, const Bitmap32& src, const Rect& sr,
                 const Style& st) {
    const double rx = sr.width() / static_cast<double>(dr.width());
    const double ry = sr.height() / static_cast<double>(dr.height());
    std::vector<int> xs(static_cast<size_t>(out.width()));
    for (int x = out.left; x < out.right; ++x) {
        int s = sr.left + static_cast<int>(std::floor((x + 0.5 - dr.left) * rx));
        xs[static_cast<size_t>(x - out.left)] = std::clamp(s, sr.left, sr.right - 1);
    }
    ParallelRows(out.height(), static_cast<long long>(out.width()) * out.height(), [&](int first, int last) {
        std::vector<Color32> row(static_cast<size_t>(out.width()));
        for (int i = first; i < last; ++i) {
            const int y = out.top + i;
            int sy = sr.top + static_cast<int>(std::floor((y + 0.5 - dr.top) * ry));
            sy = std::clamp(sy, sr.top, sr.bottom - 1);
            const Color32* s = src.scanLine(sy);
            for (size_t k = 0; k < row.size(); ++k) row[k] = s[xs[k]];
            CombineLine(row.data(), dst.scanLine(y) + out.left, out.width(), st.mode, st.master);
        }
    });
}

void drawKernel(Bitmap32& dst, const Rect& out, const FloatRect& dr, const Bitmap32& src, const Rect& sr,
                const Style& st) {
    const StretchFilter f = st.filter;
    const Contributions cx = makeContributions(f, out.left, out.right, dr.left, dr.width(), sr.left, sr.width());
    const Contributions cy = makeContributions(f, out.top, out.bottom, dr.top, dr.height(), sr.top, sr.height());
    const int colFirst = cx.minIndex, colCount = cx.maxIndex - cx.minIndex + 1;
    long long work = static_cast<long long>(colCount) * out.height() * 4;
    ParallelRows(out.height(), work, [&](int first, int last) {
        std::vector<float> acc(static_cast<size_t>(colCount) * 4);
        std::vector<Color32> row(static_cast<size_t>(out.width()));
        for (int i = first; i < last; ++i) {
            // Vertical pass over the columns this output needs.
            std::fill(acc.begin(), acc.end(), 0.f);
            const int n = cy.count[static_cast<size_t>(i)];
            const float* wy = cy.weights.data() + cy.offset[static_cast<size_t>(i)];
            float* __restrict a = acc.data();
            for (int k = 0; k < n; ++k) {
                const std::uint8_t* __restrict s =
                    reinterpret_cast<const std::uint8_t*>(src.scanLine(cy.first[static_cast<size_t>(i)] + k) + colFirst);
                const float w = wy[k];
                const int len = colCount * 4;
                for (int j = 0; j < len; ++j) a[j] += w * static_cast<float>(s[j]);
            }
            // Horizontal pass.
            for (int x = 0; x < out.width(); ++x) {
                const int cnt = cx.count[static_cast<size_t>(x)];
                const float* wx = cx.weights.data() + cx.offset[static_cast<size_t>(x)];
                const float* p = a + static_cast<size_t>(cx.first[static_cast<size_t>(x)] - colFirst) * 4;
                float c0 = 0, c1 = 0, c2 = 0, c3 = 0;
                for (int k = 0; k < cnt; ++k, p += 4) {
                    c0 += wx[k] * p[0];
                    c1 += wx[k] * p[1];
                    c2 += wx[k] * p[2];
                    c3 += wx[k] * p[3];
                }
                row[static_cast<size_t>(x)] = toByte(c0) | (toByte(c1) << 8) | (toByte(c2) << 16) | (toByte(c3) << 24);
            }
            CombineLine(row.data(), dst.scanLine(out.top + i) + out.left, out.width(), st.mode, st.master);
        }
    });
}

void stretchDrawWith(Bitmap32& dst, const FloatRect& dr, const Rect& clip, const Bitmap32& src, const Rect& srcRect,
                     const Style& st) {
    const Rect sr = Intersect(srcRect, src.boundsRect());
    if (sr.empty() || dst.empty() || !(dr.width() > 0) || !(dr.height() > 0)) return;
    if (st.mode == DrawMode::Blend && st.master == 0) return;
    const Rect out = coveredPixels(dr, clip, dst);
    if (out.empty()) return;
    // One source pixel per destination pixel at a whole offset: a plain copy or blend.
    if (dr.width() == static_cast<float>(sr.width()) && dr.height() == static_cast<float>(sr.height()) &&
        dr.left == std::floor(dr.left) && dr.top == std::floor(dr.top)) {
        const int ox = sr.left - static_cast<int>(dr.left), oy = sr.top - static_cast<int>(dr.top);
        ParallelRows(out.height(), static_cast<long long>(out.width()) * out.height(), [&](int first, int last) {
            for (int i = first; i < last; ++i) {
                const int y = out.top + i;
                CombineLine(src.scanLine(y + oy) + out.left + ox, dst.scanLine(y) + out.left, out.width(), st.mode,
                            st.master);
            }
        });
        return;
    }
    if (st.filter == StretchFilter::Nearest)
        drawNearest(dst, out, dr, src, sr, st);
    else
        drawKernel(dst, out, dr, src, sr, st);
}

}  // namespace

void StretchDraw(Bitmap32& dst, const FloatRect& dr, const Rect& clip, const Bitmap32& src, const Rect& srcRect) {
    stretchDrawWith(dst, dr, clip, src, srcRect, Style{src.filter, src.drawMode, src.masterAlpha});
}

void StretchDraw(Bitmap32& dst, const Rect& dstRect, const Bitmap32& src) {
    StretchDraw(dst,
                FloatRect{static_cast<float>(dstRect.left), static_cast<float>(dstRect.top),
                          static_cast<float>(dstRect.right), static_cast<float>(dstRect.bottom)},
                dst.boundsRect(), src, src.boundsRect());
}

Bitmap32 Resampled(const Bitmap32& src, int width, int height, StretchFilter filter) {
    Bitmap32 out(width, height);
    out.copyAttributesFrom(src);
    if (src.empty() || out.empty()) return out;
    const FloatRect whole{0.f, 0.f, static_cast<float>(width), static_cast<float>(height)};
    stretchDrawWith(out, whole, out.boundsRect(), src, src.boundsRect(), Style{filter, DrawMode::Opaque, 255});
    return out;
}

Bitmap32 HalfSize(const Bitmap32& src) {
    Bitmap32 out((src.width() + 1) / 2, (src.height() + 1) / 2);
    if (out.empty()) return out;
    const int w = src.width();
    ParallelRows(out.height(), static_cast<long long>(out.width()) * out.height() * 4, [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            const std::uint8_t* r0 = reinterpret_cast<const std::uint8_t*>(src.scanLine(2 * y));
            const std::uint8_t* r1 = reinterpret_cast<const std::uint8_t*>(src.scanLine(std::min(2 * y + 1, src.height() - 1)));
            std::uint8_t* o = reinterpret_cast<std::uint8_t*>(out.scanLine(y));
            const int even = w / 2;
            for (int x = 0; x < even; ++x)
                for (int c = 0; c < 4; ++c) {
                    const int a = 8 * x + c, b = a + 4;
                    o[4 * x + c] = static_cast<std::uint8_t>((r0[a] + r0[b] + r1[a] + r1[b] + 2) >> 2);
                }
            if (w & 1)
                for (int c = 0; c < 4; ++c) {
                    const int a = 4 * (w - 1) + c;
                    o[4 * even + c] = static_cast<std::uint8_t>((r0[a] + r1[a] + 1) >> 1);
                }
        }
    });
    out.copyAttributesFrom(src);
    return out;
}

}  // namespace viramo
