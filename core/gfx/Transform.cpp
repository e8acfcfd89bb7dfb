#include "core/gfx/Transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

inline std::uint32_t lerpChannels(Color32 a, Color32 b, std::uint32_t w) {
    // w in 0..256, weight of b.
    std::uint32_t r = 0;
    for (int s = 0; s < 32; s += 8) {
        std::uint32_t ca = (a >> s) & 0xFF, cb = (b >> s) & 0xFF;
        r |= (((ca * (256 - w) + cb * w) + 128) >> 8) << s;
    }
    return r;
}

struct Sampler {
    const Bitmap32& src;
    int l, t, r, b;  // inclusive pixel bounds of the source rectangle

    Color32 at(int x, int y) const { return src.pixel(std::clamp(x, l, r), std::clamp(y, t, b)); }

    Color32 nearest(double sx, double sy) const {
        return at(static_cast<int>(std::floor(sx)), static_cast<int>(std::floor(sy)));
    }
    Color32 linear(double sx, double sy) const {
        const double fx = sx - 0.5, fy = sy - 0.5;
        const double flx = std::floor(fx), fly = std::floor(fy);
        const int x0 = static_cast<int>(flx), y0 = static_cast<int>(fly);
        const std::uint32_t wx = static_cast<std::uint32_t>(std::lround((fx - flx) * 256));
        const std::uint32_t wy = static_cast<std::uint32_t>(std::lround((fy - fly) * 256));
        Color32 top = lerpChannels(at(x0, y0), at(x0 + 1, y0), wx);
        Color32 bot = lerpChannels(at(x0, y0 + 1), at(x0 + 1, y0 + 1), wx);
        return lerpChannels(top, bot, wy);
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
    ParallelRows(area.height(), static_cast<long long>(area.width()) * area.height() * 8, [&](int first, int last) {
        for (int i = first; i < last; ++i) {
            const int y = area.top + i;
            Color32* row = dst.scanLine(y);
            const double py = y + 0.5;
            for (int x = area.left; x < area.right; ++x) {
                const double px = x + 0.5;
                const double w = m[2][0] * px + m[2][1] * py + m[2][2];
                if (w == 0) continue;
                const double sx = (m[0][0] * px + m[0][1] * py + m[0][2]) / w;
                const double sy = (m[1][0] * px + m[1][1] * py + m[1][2]) / w;
                if (!(sx >= sl && sx < sr && sy >= st && sy < sb)) continue;
                Color32 c;
                switch (src.filter) {
                    case StretchFilter::Nearest: c = sampler.nearest(sx, sy); break;
                    case StretchFilter::Linear: c = sampler.linear(sx, sy); break;
                    default: c = sampler.spline(sx, sy); break;
                }
                row[x] = src.drawMode == DrawMode::Opaque ? c : BlendPixel(c, row[x], src.masterAlpha);
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
