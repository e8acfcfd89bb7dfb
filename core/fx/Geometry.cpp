#include "core/fx/Geometry.h"

#include <cmath>
#include <numbers>

#include "core/document/CropRatios.h"
#include "core/document/Undo.h"
#include "core/gfx/Blend.h"
#include "core/gfx/RaiseRect.h"
#include "core/gfx/Resample.h"
#include "core/gfx/Transform.h"
#include "core/util/Numbers.h"

namespace viramo {

namespace {
void reselect(Document& doc, Layer& l) {
    doc.SetSelection(nullptr);
    doc.SetSelection(&l);
}
}  // namespace

Bitmap32 Turned90(const Bitmap32& src, bool clockwise) {
    const int w = src.width(), h = src.height();
    Bitmap32 out(h, w);
    out.copyAttributesFrom(src);
    for (int y = 0; y < h; ++y) {
        const Color32* s = src.scanLine(y);
        for (int x = 0; x < w; ++x) {
            if (clockwise) out.setPixel(h - 1 - y, x, s[x]);
            else out.setPixel(y, w - 1 - x, s[x]);
        }
    }
    return out;
}

Bitmap32 Mirrored(const Bitmap32& src, bool topToBottom) {
    const int w = src.width(), h = src.height();
    Bitmap32 out(w, h);
    out.copyAttributesFrom(src);
    for (int y = 0; y < h; ++y) {
        const Color32* s = src.scanLine(topToBottom ? h - 1 - y : y);
        Color32* d = out.scanLine(y);
        for (int x = 0; x < w; ++x) d[x] = topToBottom ? s[x] : s[w - 1 - x];
    }
    return out;
}

void TurnLayer(Document& doc, bool clockwise) {
    if (!doc.bitmapSelected()) return;
    Layer& l = *doc.selection();
    RecordUndo(doc, UndoKind::Geom);
    const FloatRect p = l.location;
    l.bitmap = Turned90(l.bitmap, clockwise);
    doc.layerPixelsChanged(l);
    doc.SetLayerLocation(l, FloatRect{p.left, p.top, p.left + (p.bottom - p.top), p.top + (p.right - p.left)});
    reselect(doc, l);
}

void MirrorLayer(Document& doc, bool topToBottom) {
    if (!doc.bitmapSelected()) return;
    Layer& l = *doc.selection();
    RecordUndo(doc, UndoKind::Effect);
    l.bitmap = Mirrored(l.bitmap, topToBottom);
    doc.layerPixelsChanged(l);
    doc.notify(kLayersChanged);
}

RotationCopy TakeRotationCopy(const Document& doc) {
    if (!doc.bitmapSelected()) return {};
    return RotationCopy{doc.selection()->bitmap, doc.selection()->location};
}

void PutRotationCopy(Document& doc, const RotationCopy& copy) {
    if (!doc.bitmapSelected() || copy.bitmap.empty()) return;
    Layer& l = *doc.selection();
    l.bitmap = copy.bitmap;
    doc.layerPixelsChanged(l);
    doc.SetLayerLocation(l, copy.location);
}

void FreeRotate(Document& doc, const RotationCopy& copy, int degrees, bool linear) {
    if (!doc.bitmapSelected() || copy.bitmap.empty()) return;
    PutRotationCopy(doc, copy);
    doc.LayerRescaleClick();
    Layer& l = *doc.selection();
    const int w = l.bitmap.width(), h = l.bitmap.height();
    const float a = static_cast<float>(degrees * std::numbers::pi / 180.0);
    const float wf = static_cast<float>(w), hf = static_cast<float>(h);
    const float w2 = std::fabs(wf * std::cos(a)) + std::fabs(hf * std::sin(a));
    const float h2 = std::fabs(wf * std::sin(a)) + std::fabs(hf * std::cos(a));
    AffineTransformation t;
    t.srcRect = FloatRect{0, 0, wf, hf};
    t.translate(-w / 2.0, -h / 2.0);
    t.rotate(degrees);
    t.translate(w2 / 2.0, h2 / 2.0);
    const int dw = std::max(1, RndI(w2)), dh = std::max(1, RndI(h2));
    const StretchFilter filter = linear ? StretchFilter::Linear : StretchFilter::Nearest;
    // The alpha mask travels in the alpha channel of an opaque copy of the colours,
    // with its outer two pixels cleared to soften the turned edges; one pass
    // through the transformation then turns colours and mask alike. Colours are
    // drawn as they are: the layer's opacity is not the picture's.
    Bitmap32 work = l.bitmap;
    for (int y = 0; y < h; ++y) {
        Color32* row = work.scanLine(y);
        const bool edgeRow = y < 2 || y >= h - 2;
        for (int x = 0; x < w; ++x)
            if (edgeRow || x < 2 || x >= w - 2) row[x] &= 0x00FFFFFFu;
    }
    work.filter = filter;
    work.drawMode = DrawMode::Opaque;
    work.masterAlpha = 255;
    // Outside the turned picture: black, fully transparent.
    Bitmap32 out(dw, dh);
    Transform(out, work, t);
    out.copyAttributesFrom(l.bitmap);
    out.filter = filter;
    l.bitmap = std::move(out);
    doc.layerPixelsChanged(l);
    const FloatRect p = l.location;
    doc.SetLayerLocation(l, FloatRect{p.left, p.top, p.left + w2, p.top + h2});
    reselect(doc, l);
}

void ImageSizeFields::refreshSize() {
    kilobytes_ = std::clamp(RndI(static_cast<double>(width_) * height_ * 4 / 1024), 1, 32000);
}

void ImageSizeFields::FormActivate(int w, int h) {
    canvasWidth_ = w;
    canvasHeight_ = h;
    width_ = std::clamp(w, 1, 10000);
    height_ = std::clamp(h, 1, 10000);
    if (w > 0 && h > 0) ratio_ = static_cast<double>(w) / h;
    refreshSize();
}

void ImageSizeFields::Edit1Change(int width, bool keep) {
    width_ = std::clamp(width, 1, 10000);
    if (ratio_ != 0 && keep) height_ = std::clamp(RndI(width_ / ratio_), 1, 10000);
    refreshSize();
}

void ImageSizeFields::Edit2Change(int height, bool keep) {
    height_ = std::clamp(height, 1, 10000);
    if (ratio_ != 0 && keep) width_ = std::clamp(RndI(height_ * ratio_), 1, 10000);
    refreshSize();
}

void ImageSizeFields::Edit3Change(int kilobytes) {
    kilobytes_ = std::clamp(kilobytes, 1, 32000);
    if (canvasWidth_ <= 0 || canvasHeight_ <= 0) return;
    const double f = std::sqrt((static_cast<double>(canvasWidth_) * canvasHeight_ * 4 / 1024) / kilobytes_);
    width_ = std::clamp(RndI(canvasWidth_ / f), 1, 10000);
    height_ = std::clamp(RndI(canvasHeight_ / f), 1, 10000);
}

void ImageSize(Document& doc, int w2, int h2, int method) {
    RecordUndo(doc, UndoKind::Size);
    const int w = doc.canvas().width(), h = doc.canvas().height();
    if ((w2 == w && h2 == h) || w2 <= 0 || h2 <= 0 || doc.canvasEmpty()) return;
    const double fx = static_cast<double>(w) / w2, fy = static_cast<double>(h) / h2;
    const StretchFilter f = method == 0 ? StretchFilter::Nearest : method == 1 ? StretchFilter::Linear : StretchFilter::Spline;
    Bitmap32 scaled = Resampled(doc.canvas(), w2, h2, f);
    scaled.copyAttributesFrom(doc.canvas());
    doc.setCanvas(std::move(scaled));
    for (int i = 0; i < doc.layerCount(); ++i) {
        Layer& l = doc.layer(i);
        const FloatRect p = l.location;
        l.location = FloatRect{static_cast<float>(Rnd(p.left / fx)), static_cast<float>(Rnd(p.top / fy)),
                               static_cast<float>(Rnd(p.right / fx)), static_cast<float>(Rnd(p.bottom / fy))};
    }
    doc.notify(kCanvasChanged | kLayersChanged);
}

void ApplyCropProportions(Document& doc, int entry, bool portrait) {
    Layer* s = doc.selection();
    auto ratio = CropRatio(entry, portrait);
    if (!s || !s->isFrame() || !ratio) return;
    FloatRect p = s->location;
    p.bottom = static_cast<float>(p.top + static_cast<double>(Rnd(std::fabs(p.right - p.left) / *ratio)));
    doc.SetLayerLocation(*s, p);
    doc.SetSelection(nullptr);
    doc.SetSelection(s);
}

void CanvasCrop(Document& doc) {
    Layer* frame = nullptr;
    for (int i = 0; i < doc.layerCount(); ++i)
        if (doc.layer(i).isFrame() && doc.layer(i).tag == kCropFrameTag) frame = &doc.layer(i);
    if (!frame || doc.canvasEmpty()) return;
    RecordUndo(doc, UndoKind::Crop);
    FloatRect p = frame->location;
    if (p.left > p.right) std::swap(p.left, p.right);
    if (p.top > p.bottom) std::swap(p.top, p.bottom);
    p.left = std::max(p.left, 0.f);
    p.top = std::max(p.top, 0.f);
    p.right = std::min(p.right, static_cast<float>(doc.canvas().width()));
    p.bottom = std::min(p.bottom, static_cast<float>(doc.canvas().height()));
    const int a = RndI(p.left), b = RndI(p.top);
    doc.undo.cropOffsetX = a;
    doc.undo.cropOffsetY = b;
    const int nw = std::abs(RndI(p.right - p.left)), nh = std::abs(RndI(p.bottom - p.top));
    if (nw > 0 && nh > 0) {
        Bitmap32 cut(nw, nh);
        Bitmap32 src = doc.canvas();
        src.drawMode = DrawMode::Opaque;
        src.filter = StretchFilter::Nearest;
        StretchDraw(cut, FloatRect{0, 0, static_cast<float>(nw), static_cast<float>(nh)}, cut.boundsRect(), src,
                    Rect{a, b, RndI(p.right), RndI(p.bottom)});
        cut.copyAttributesFrom(doc.canvas());
        doc.setCanvas(std::move(cut));
    }
    doc.DropFrameLayer();
    for (int i = 0; i < doc.layerCount(); ++i) {
        Layer& l = doc.layer(i);
        if (l.kind == LayerKind::RubberBand) continue;
        const float fa = static_cast<float>(a), fb = static_cast<float>(b);
        l.location = FloatRect{l.location.left - fa, l.location.top - fb, l.location.right - fa, l.location.bottom - fb};
        if (l.isBitmap()) l.cropped = true;
    }
    doc.previewBackup = Bitmap32();
    doc.notify(kCanvasChanged | kLayersChanged);
}

void LayerCrop(Document& doc, const FloatRect& region) {
    if (!doc.bitmapSelected()) return;
    Layer& l = *doc.selection();
    RecordUndo(doc, UndoKind::Geom);
    FloatRect r = region;
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    r.left = std::max(r.left, 0.f);
    r.top = std::max(r.top, 0.f);
    r.right = std::min(r.right, static_cast<float>(l.bitmap.width()));
    r.bottom = std::min(r.bottom, static_cast<float>(l.bitmap.height()));
    const double sx = std::fabs(static_cast<double>(l.location.right) - l.location.left) / l.bitmap.width();
    const double sy = std::fabs(static_cast<double>(l.location.bottom) - l.location.top) / l.bitmap.height();
    doc.undo.cropOffsetX = RndI(r.left);
    doc.undo.cropOffsetY = RndI(r.top);
    const int nw = std::abs(RndI(r.right - r.left)), nh = std::abs(RndI(r.bottom - r.top));
    if (nw <= 0 || nh <= 0) return;
    Bitmap32 cut(nw, nh);
    const int x0 = RndI(r.left), y0 = RndI(r.top);
    for (int y = 0; y < nh; ++y)
        for (int x = 0; x < nw; ++x) cut.setPixel(x, y, l.bitmap.pixelS(x0 + x, y0 + y));
    cut.copyAttributesFrom(l.bitmap);
    cut.drawMode = DrawMode::Blend;
    l.bitmap = std::move(cut);
    doc.layerPixelsChanged(l);
    doc.LayerResetScaleClick();
    const FloatRect p = l.location;
    doc.SetLayerLocation(l, FloatRect{p.left, p.top, static_cast<float>(p.left + nw * sx),
                                      static_cast<float>(p.top + nh * sy)});
    reselect(doc, l);
}

std::vector<int> ReliefContrasts(int width, int thicknessPercent) {
    const int a = RndI(thicknessPercent * static_cast<double>(width) / 100);
    std::vector<int> c;
    for (int b = 0; b < a; ++b) c.push_back(a - 2 * b);
    return c;
}

std::vector<int> ButtonContrasts(int width, int widthPercent, int depth, bool ridge) {
    const int n = RndI(widthPercent * static_cast<double>(width) / 100);
    const double g = depth / 2.0;
    const int k = ridge ? 2 : 1;
    std::vector<int> c;
    for (int b = 0; b < n; ++b) c.push_back(RndI((n - k * b) * g));
    return c;
}

int ButtonDepthFor(int width) { return width <= 0 ? 16 : std::clamp(RndI(4800.0 / width), 1, 16); }

void Relief(Bitmap32& bmp, int thicknessPercent, bool outerBorder, Color32 borderColour, int granPercent) {
    const int w = bmp.width(), h = bmp.height();
    const std::vector<int> rings = ReliefContrasts(w, thicknessPercent);
    if (outerBorder) {
        const int d = RndI(thicknessPercent * static_cast<double>(w) * (1 + granPercent / 100.0) / 100);
        Bitmap32 copy = bmp;
        Bitmap32 wider(w + 2 * d, h + 2 * d, borderColour | 0xFF000000u);
        wider.copyAttributesFrom(bmp);
        DrawAt(wider, d, d, copy);  // the layer's transparent parts show the border colour
        bmp = std::move(wider);
    }
    for (int b = 0; b < static_cast<int>(rings.size()); ++b)
        RaiseRect(bmp, Rect{b, b, bmp.width() - b, bmp.height() - b}, rings[static_cast<size_t>(b)]);
}

void ButtonEffect(Bitmap32& bmp, int widthPercent, int depth, bool ridge) {
    const std::vector<int> rings = ButtonContrasts(bmp.width(), widthPercent, depth, ridge);
    for (int b = 0; b < static_cast<int>(rings.size()); ++b)
        RaiseRect(bmp, Rect{b, b, bmp.width() - b, bmp.height() - b}, rings[static_cast<size_t>(b)]);
}

}  // namespace viramo
