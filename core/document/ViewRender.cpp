#include "core/document/ViewRender.h"

#include <algorithm>
#include <cmath>

#include "core/gfx/Blend.h"
#include "core/gfx/Resample.h"
#include "core/gfx/Transform.h"
#include "core/util/Numbers.h"
#include "core/util/Parallel.h"

namespace viramo {

const Bitmap32& ViewCache::scaled(const void* key, std::uint64_t version, const Bitmap32& src, int w, int h) {
    Entry& e = entries_[key];
    e.used = true;
    if (e.version != version) {
        e.version = version;
        e.halves.clear();
        e.scaled = Bitmap32();
    }
    if (e.scaled.width() != w || e.scaled.height() != h || e.filter != src.filter) {
        e.filter = src.filter;
        const Bitmap32* from = &src;
        if (src.filter != StretchFilter::Nearest) {
            // The smallest halving still at least as large as the target.
            for (size_t i = 0;; ++i) {
                const int hw = (from->width() + 1) / 2, hh = (from->height() + 1) / 2;
                if (hw < w || hh < h || hw < 1 || hh < 1) break;
                if (i >= e.halves.size()) e.halves.push_back(HalfSize(*from));
                from = &e.halves[i];
            }
        }
        e.scaled = Resampled(*from, w, h, src.filter);
    }
    e.scaled.masterAlpha = src.masterAlpha;
    e.scaled.drawMode = src.drawMode;
    return e.scaled;
}

void ViewCache::beginFrame() {
    for (auto& [k, e] : entries_) e.used = false;
}

void ViewCache::endFrame() {
    for (auto it = entries_.begin(); it != entries_.end();)
        it = it->second.used ? std::next(it) : entries_.erase(it);
}

void FillBackground(Bitmap32& buffer, const ViewBackground& bg) { FillBackgroundRows(buffer, bg, 0, buffer.height()); }

void FillBackgroundRows(Bitmap32& buffer, const ViewBackground& bg, int top, int bottom) {
    if (!bg.chess) {
        std::fill(buffer.scanLine(top), buffer.scanLine(top) + static_cast<size_t>(bottom - top) * buffer.width(),
                  bg.color | 0xFF000000u);
        return;
    }
    for (int y = top; y < bottom; ++y) {
        Color32* row = buffer.scanLine(y);
        const int ry = (y >> 3) & 1;
        for (int x = 0; x < buffer.width(); ++x) row[x] = ((x >> 3) & 1) == ry ? 0x1FB0B0B0u : 0xFFFFFFFFu;
    }
}

void PaintFrameArea(Bitmap32& buffer, const Rect& r, std::uint8_t shade) {
    const int w = r.width(), h = r.height();
    if (w <= 0 || h <= 0) return;
    Bitmap32 grey(w, h);
    AffineTransformation t;
    t.srcRect = FloatRect{static_cast<float>(r.left - h / 2.0), static_cast<float>(r.top - w / 2.0),
                          static_cast<float>(r.right + h / 2.0), static_cast<float>(r.bottom + w / 2.0)};
    t.translate(-r.left, -r.top);
    t.translate(-w / 2.0, -h / 2.0);
    const double s = std::pow(10.0, 0.0001);
    t.scale(s, s);
    t.translate(w / 2.0, h / 2.0);
    const StretchFilter savedFilter = buffer.filter;
    const DrawMode savedMode = buffer.drawMode;
    buffer.filter = StretchFilter::Linear;
    buffer.drawMode = DrawMode::Opaque;
    Transform(grey, buffer, t);
    buffer.filter = savedFilter;
    buffer.drawMode = savedMode;
    Color32* p = grey.bits();
    for (size_t i = 0; i < grey.pixelCount(); ++i) p[i] = GreyOf(p[i]);
    grey.drawMode = DrawMode::Blend;
    grey.masterAlpha = shade;
    DrawAt(buffer, r.left, r.top, grey);
}

namespace {

FloatRect toBuffer(const ViewGeometry& g, const FloatRect& p) {
    return FloatRect{static_cast<float>(g.originX + p.left * g.scale), static_cast<float>(g.originY + p.top * g.scale),
                     static_cast<float>(g.originX + p.right * g.scale),
                     static_cast<float>(g.originY + p.bottom * g.scale)};
}

// One drawing step of a frame: a bitmap at buffer rectangle 'at' within 'clip',
// or a frame layer's grey window at 'area'.
struct DrawOp {
    const Bitmap32* bitmap = nullptr;
    FloatRect at;
    Rect clip;
    bool frame = false;
    Rect area;
};

// Plans the drawing of bitmap b placed at canvas rectangle p, within clip.
// Reduced pictures come from the cache; enlarged ones are resampled while
// drawing, only where visible.
void planPlaced(std::vector<DrawOp>& ops, const Bitmap32& buffer, const ViewGeometry& g, const Bitmap32& b,
                const FloatRect& p, const Rect& clip, ViewCache& cache, const void* key, std::uint64_t version) {
    if (b.empty()) return;
    FloatRect r = toBuffer(g, p);
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    const Rect visible = Intersect(clip, buffer.boundsRect());
    if (visible.empty() || r.right <= static_cast<float>(visible.left) || r.left >= static_cast<float>(visible.right) ||
        r.bottom <= static_cast<float>(visible.top) || r.top >= static_cast<float>(visible.bottom))
        return;
    const int x = RndI(r.left), y = RndI(r.top);
    const int w = RndI(r.right) - x, h = RndI(r.bottom) - y;
    if (w <= 0 || h <= 0) return;
    const FloatRect at{static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + w), static_cast<float>(y + h)};
    const bool enlarged = static_cast<long long>(w) * h > static_cast<long long>(b.width()) * b.height();
    const Bitmap32& s = (enlarged || (w == b.width() && h == b.height())) ? b : cache.scaled(key, version, b, w, h);
    ops.push_back(DrawOp{&s, at, visible, false, {}});
}

void runBitmapOps(Bitmap32& buffer, const std::vector<DrawOp>& ops, size_t first, size_t last, int bandTop,
                  int bandBottom) {
    for (size_t i = first; i < last; ++i) {
        const DrawOp& op = ops[i];
        Rect clip = Intersect(op.clip, Rect{0, bandTop, buffer.width(), bandBottom});
        if (!clip.empty()) StretchDraw(buffer, op.at, clip, *op.bitmap, op.bitmap->boundsRect());
    }
}

}  // namespace

void RenderView(const Document& doc, const ViewGeometry& g, const ViewBackground& bg, Bitmap32& buffer,
                ViewCache& cache) {
    if (buffer.width() != g.width || buffer.height() != g.height) buffer.setSize(g.width, g.height);
    // First decide what to draw (scaling what needs it), then draw it in
    // horizontal bands, one per core.
    std::vector<DrawOp> ops;
    cache.beginFrame();
    const Bitmap32& canvas = doc.canvas();
    const FloatRect canvasRect{0, 0, static_cast<float>(canvas.width()), static_cast<float>(canvas.height())};
    planPlaced(ops, buffer, g, canvas, canvasRect, buffer.boundsRect(), cache, &canvas, doc.canvasVersion());
    const FloatRect cr = toBuffer(g, canvasRect);
    const Rect canvasClip{static_cast<int>(std::ceil(cr.left - 0.5)), static_cast<int>(std::ceil(cr.top - 0.5)),
                          static_cast<int>(std::ceil(cr.right - 0.5)), static_cast<int>(std::ceil(cr.bottom - 0.5))};
    for (int i = 0; i < doc.layerCount(); ++i) {
        const Layer& l = doc.layer(i);
        if (!l.visible) continue;
        if (l.isBitmap()) {
            const Rect clip = l.cropped ? canvasClip : buffer.boundsRect();
            planPlaced(ops, buffer, g, l.bitmap, l.location, clip, cache, &l, l.pixelVersion);
        } else if (l.isFrame()) {
            const FloatRect r = toBuffer(g, l.location);
            Rect area{RndI(std::min(r.left, r.right)), RndI(std::min(r.top, r.bottom)), RndI(std::max(r.left, r.right)),
                      RndI(std::max(r.top, r.bottom))};
            ops.push_back(DrawOp{nullptr, {}, {}, true, Intersect(area, buffer.boundsRect())});
        }
    }
    cache.endFrame();
    const std::uint8_t shade = static_cast<std::uint8_t>(std::clamp(doc.areaShade, 0, 255));
    size_t first = 0;
    bool background = true;
    while (first <= ops.size()) {
        size_t last = first;
        while (last < ops.size() && !ops[last].frame) ++last;
        const long long work = static_cast<long long>(buffer.width()) * buffer.height() *
                               static_cast<long long>(last - first + (background ? 1 : 0));
        ParallelRows(buffer.height(), work, [&](int top, int bottom) {
            if (background) FillBackgroundRows(buffer, bg, top, bottom);
            runBitmapOps(buffer, ops, first, last, top, bottom);
        });
        background = false;
        if (last == ops.size()) break;
        PaintFrameArea(buffer, ops[last].area, shade);  // reads around itself: not split into bands
        first = last + 1;
    }
}

}  // namespace viramo
