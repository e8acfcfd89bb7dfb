#include "core/gfx/Transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/gfx/Blend.h"
#include "core/gfx/Kernels.h"
#include "core/util/Parallel.h"

namespace viramo {

Matrix3 Matrix3::operator*(const Matrix3& o) const {
    Matrix3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double s = 0;
            for (int k = 0; k < 3; ++k) s += m[i][k] * o.m[k][j];
            r.m[i][j] = s;
        }
    return r;
}

Matrix3 Matrix3::inverse() const {
    const auto& a = m;
    double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                 a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    Matrix3 r;
    if (det == 0 || !std::isfinite(det)) {
        for (auto& row : r.m) row.fill(0);
        return r;
    }
    double id = 1.0 / det;
    r.m[0][0] = (a[1][1] * a[2][2] - a[1][2] * a[2][1]) * id;
    r.m[0][1] = (a[0][2] * a[2][1] - a[0][1] * a[2][2]) * id;
    r.m[0][2] = (a[0][1] * a[1][2] - a[0][2] * a[1][1]) * id;
    r.m[1][0] = (a[1][2] * a[2][0] - a[1][0] * a[2][2]) * id;
    r.m[1][1] = (a[0][0] * a[2][2] - a[0][2] * a[2][0]) * id;
    r.m[1][2] = (a[0][2] * a[1][0] - a[0][0] * a[1][2]) * id;
    r.m[2][0] = (a[1][0] * a[2][1] - a[1][1] * a[2][0]) * id;
    r.m[2][1] = (a[0][1] * a[2][0] - a[0][0] * a[2][1]) * id;
    r.m[2][2] = (a[0][0] * a[1][1] - a[0][1] * a[1][0]) * id;
    return r;
}

FloatPoint Matrix3::apply(double x, double y) const {
    double u = m[0][0] * x + m[0][1] * y + m[0][2];
    double v = m[1][0] * x + m[1][1] * y + m[1][2];
    double w = m[2][0] * x + m[2][1] * y + m[2][2];
    return FloatPoint{u / w, v / w};
}

void AffineTransformation::translate(double dx, double dy) {
    Matrix3 t;
    t.m[0][2] = dx;
    t.m[1][2] = dy;
    matrix_ = t * matrix_;
}

void AffineTransformation::scale(double sx, double sy) {
    Matrix3 t;
    t.m[0][0] = sx;
    t.m[1][1] = sy;
    matrix_ = t * matrix_;
}

void AffineTransformation::rotate(double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    Matrix3 t;
    t.m[0][0] = c;
    t.m[0][1] = -s;
    t.m[1][0] = s;
    t.m[1][1] = c;
    matrix_ = t * matrix_;
}

static FloatRect boundsOf(const std::array<FloatPoint, 4>& p) {
    double l = p[0].x, r = p[0].x, t = p[0].y, b = p[0].y;
    for (const auto& q : p) {
        l = std::min(l, q.x);
        r = std::max(r, q.x);
        t = std::min(t, q.y);
        b = std::max(b, q.y);
    }
    return FloatRect{static_cast<float>(l), static_cast<float>(t), static_cast<float>(r), static_cast<float>(b)};
}

FloatRect AffineTransformation::transformedBounds() const {
    const FloatRect& s = srcRect;
    return boundsOf({matrix_.apply(s.left, s.top), matrix_.apply(s.right, s.top), matrix_.apply(s.right, s.bottom),
                     matrix_.apply(s.left, s.bottom)});
}

Matrix3 ProjectiveTransformation::matrix() const {
    // Unit square to the quad, then the source rectangle onto the unit square.
    const double x0 = corners[0].x, y0 = corners[0].y, x1 = corners[1].x, y1 = corners[1].y;
    const double x2 = corners[2].x, y2 = corners[2].y, x3 = corners[3].x, y3 = corners[3].y;
    const double dx1 = x1 - x2, dx2 = x3 - x2, dx3 = x0 - x1 + x2 - x3;
    const double dy1 = y1 - y2, dy2 = y3 - y2, dy3 = y0 - y1 + y2 - y3;
    Matrix3 q;
    if (dx3 == 0 && dy3 == 0) {
        q.m = {{{x1 - x0, x2 - x1, x0}, {y1 - y0, y2 - y1, y0}, {0, 0, 1}}};
    } else {
        const double det = dx1 * dy2 - dx2 * dy1;
        const double g = det != 0 ? (dx3 * dy2 - dx2 * dy3) / det : 0;
        const double h = det != 0 ? (dx1 * dy3 - dx3 * dy1) / det : 0;
        q.m = {{{x1 - x0 + g * x1, x3 - x0 + h * x3, x0}, {y1 - y0 + g * y1, y3 - y0 + h * y3, y0}, {g, h, 1}}};
    }
    Matrix3 n;
    const double sw = srcRect.width(), sh = srcRect.height();
    n.m = {{{sw != 0 ? 1 / sw : 0, 0, sw != 0 ? -srcRect.left / sw : 0},
            {0, sh != 0 ? 1 / sh : 0, sh != 0 ? -srcRect.top / sh : 0},
            {0, 0, 1}}};
    return q * n;
}

FloatRect ProjectiveTransformation::transformedBounds() const { return boundsOf(corners); }

namespace {

// Mixes two pixels, w in 0..256 being the weight of b; two channels per multiply.
inline Color32 lerpChannels(Color32 a, Color32 b, std::uint32_t w) {
    const std::uint32_t iw = 256 - w;
    const std::uint32_t rb = (((a & 0xFF00FFu) * iw + (b & 0xFF00FFu) * w + 0x800080u) >> 8) & 0xFF00FFu;
    const std::uint32_t ag = (((a >> 8) & 0xFF00FFu) * iw + ((b >> 8) & 0xFF00FFu) * w + 0x800080u) & 0xFF00FF00u;
    return rb | ag;
}

inline int fastFloor(double v) {
    const int i = static_cast<int>(v);
    return v < i ? i - 1 : i;
}

struct Sampler {
    const Bitmap32& src;
    int l, t, r, b;  // inclusive pixel bounds of the source rectangle

    Color32 at(int x, int y) const { return src.pixel(std::clamp(x, l, r), std::clamp(y, t, b)); }

    Color32 nearest(double sx, double sy) const { return at(fastFloor(sx), fastFloor(sy)); }
    Color32 linear(double sx, double sy) const {
        const double fx = sx - 0.5, fy = sy - 0.5;
        const int x0 = fastFloor(fx), y0 = fastFloor(fy);
        const std::uint32_t wx = static_cast<std::uint32_t>((fx - x0) * 256 + 0.5);
        const std::uint32_t wy = static_cast<std::uint32_t>((fy - y0) * 256 + 0.5);
        Color32 p00, p10, p01, p11;
        if (x0 >= l && x0 < r && y0 >= t && y0 < b) {  // all four inside: no clamping
            const Color32* row = src.scanLine(y0) + x0;
            p00 = row[0];
            p10 = row[1];
            row += src.width();
            p01 = row[0];
            p11 = row[1];
        } else {
            p00 = at(x0, y0);
            p10 = at(x0 + 1, y0);
            p01 = at(x0, y0 + 1);
            p11 = at(x0 + 1, y0 + 1);
        }
        return lerpChannels(lerpChannels(p00, p10, wx), lerpChannels(p01, p11, wx), wy);
    }
    Color32 spline(double sx, double sy) const {
        const double fx = sx - 0.5, fy = sy - 0.5;
        const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
        float wxs[4], wys[4];
        for (int k = 0; k < 4; ++k) {
            wxs[k] = SplineKernel(static_cast<float>(fx - (x0 - 1 + k)));
            wys[k] = SplineKernel(static_cast<float>(fy - (y0 - 1 + k)));
        }
        float acc[4] = {0, 0, 0, 0};
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i) {
                const Color32 p = at(x0 - 1 + i, y0 - 1 + j);
                const float w = wxs[i] * wys[j];
                for (int c = 0; c < 4; ++c) acc[c] += w * static_cast<float>((p >> (8 * c)) & 0xFF);
            }
        std::uint32_t out = 0;
        for (int c = 0; c < 4; ++c)
            out |= static_cast<std::uint32_t>(std::clamp(static_cast<int>(acc[c] + 0.5f), 0, 255)) << (8 * c);
        return out;
    }
};

void transformByMatrix(Bitmap32& dst, const Bitmap32& src, const FloatRect& srcRect, const Matrix3& forward,
                       const FloatRect& bounds) {
    if (src.empty() || dst.empty()) return;
    if (src.drawMode == DrawMode::Blend && src.masterAlpha == 0) return;
    // Pixel bounds of the source rectangle within the bitmap.
    const double sl = std::max<double>(srcRect.left, 0), st = std::max<double>(srcRect.top, 0);
    const double sr = std::min<double>(srcRect.right, src.width()), sb = std::min<double>(srcRect.bottom, src.height());
    if (!(sr > sl) || !(sb > st)) return;
    const Matrix3 inv = forward.inverse();
    Rect area{static_cast<int>(std::floor(bounds.left)), static_cast<int>(std::floor(bounds.top)),
              static_cast<int>(std::ceil(bounds.right)), static_cast<int>(std::ceil(bounds.bottom))};
    area = Intersect(area, dst.boundsRect());
    if (area.empty()) return;
    const Sampler sampler{src, static_cast<int>(std::floor(sl)), static_cast<int>(std::floor(st)),
                          static_cast<int>(std::ceil(sr)) - 1, static_cast<int>(std::ceil(sb)) - 1};
    const auto& m = inv.m;
    const bool affine = m[2][0] == 0 && m[2][1] == 0;
    const bool blend = src.drawMode == DrawMode::Blend;
    // Each row is sampled into a buffer and then combined in one pass; pixels
    // whose centre falls outside the source stay transparent, which blending
    // leaves unchanged, and which an opaque copy skips.
    auto drawRow = [&](int y, std::vector<Color32>& buf, std::vector<std::uint8_t>& inside, auto sample) {
        const double py = y + 0.5, px0 = area.left + 0.5;
        // The mapping is linear along a row: step instead of multiplying.
        double u = m[0][0] * px0 + m[0][1] * py + m[0][2];
        double v = m[1][0] * px0 + m[1][1] * py + m[1][2];
        double w = m[2][0] * px0 + m[2][1] * py + m[2][2];
        const double du = m[0][0], dv = m[1][0], dw = m[2][0];
        const int n = area.width();
        int first = n, last = -1;
        for (int i = 0; i < n; ++i, u += du, v += dv, w += dw) {
            double sx = u, sy = v;
            if (!affine) {
                if (w == 0) {
                    buf[i] = 0;
                    inside[i] = 0;
                    continue;
                }
                sx = u / w;
                sy = v / w;
            }
            const bool in = sx >= sl && sx < sr && sy >= st && sy < sb;
            inside[i] = in;
            buf[i] = in ? sample(sx, sy) : 0;
            if (in) {
                first = std::min(first, i);
                last = i;
            }
        }
        if (last < first) return;
        Color32* row = dst.scanLine(y) + area.left;
        if (blend) {
            BlendLine(buf.data() + first, row + first, last - first + 1, src.masterAlpha);
        } else {
            for (int i = first; i <= last; ++i)
                if (inside[i]) row[i] = buf[i];
        }
    };
    ParallelRows(area.height(), static_cast<long long>(area.width()) * area.height() * 8, [&](int first, int last) {
        std::vector<Color32> buf(static_cast<size_t>(area.width()));
        std::vector<std::uint8_t> inside(static_cast<size_t>(area.width()));
        for (int i = first; i < last; ++i) {
            const int y = area.top + i;
            switch (src.filter) {
                case StretchFilter::Nearest:
                    drawRow(y, buf, inside, [&](double sx, double sy) { return sampler.nearest(sx, sy); });
                    break;
                case StretchFilter::Linear:
                    drawRow(y, buf, inside, [&](double sx, double sy) { return sampler.linear(sx, sy); });
                    break;
                default:
                    drawRow(y, buf, inside, [&](double sx, double sy) { return sampler.spline(sx, sy); });
                    break;
            }
        }
    });
}

}  // namespace

void Transform(Bitmap32& dst, const Bitmap32& src, const AffineTransformation& t) {
    transformByMatrix(dst, src, t.srcRect, t.matrix(), t.transformedBounds());
}

void Transform(Bitmap32& dst, const Bitmap32& src, const ProjectiveTransformation& t) {
    transformByMatrix(dst, src, t.srcRect, t.matrix(), t.transformedBounds());
}

}  // namespace viramo
