#include "core/document/Editing.h"

#include <cmath>

#include "core/document/Undo.h"
#include "core/gfx/Resample.h"
#include "core/util/Numbers.h"

namespace viramo {

Layer& SelectArea(Document& doc, double cx, double cy) {
    doc.areaShade = 255;
    doc.DropFrameLayer();
    Layer& frame = doc.CreateFrameLayer(cx, cy, kSelectionFrameTag);
    doc.SetSelection(&frame);
    return frame;
}

Layer& SelectAll(Document& doc, double cx, double cy) {
    Layer& frame = SelectArea(doc, cx, cy);
    doc.SetLayerLocation(frame, FloatRect{0, 0, static_cast<float>(doc.canvas().width()),
                                          static_cast<float>(doc.canvas().height())});
    doc.SetSelection(nullptr);
    doc.SetSelection(&frame);
    return frame;
}

namespace {
Layer* selectionFrame(Document& doc) {
    Layer* s = doc.selection();
    return s && s->isFrame() && s->tag == kSelectionFrameTag ? s : nullptr;
}

Rect roundedArea(const FloatRect& p) { return Rect{RndI(p.left), RndI(p.top), RndI(p.right), RndI(p.bottom)}; }
}  // namespace

Bitmap32 CopyFragment(Document& doc) {
    Layer* frame = selectionFrame(doc);
    const FloatRect p = frame ? frame->location : FloatRect{};
    doc.areaShade = 0;
    doc.RenderComposite();
    doc.areaShade = 255;
    Bitmap32 f(std::abs(RndI(p.right - p.left)), std::abs(RndI(p.bottom - p.top)));
    if (f.empty()) return f;
    Bitmap32 composite = doc.compositeImage();
    composite.drawMode = DrawMode::Opaque;
    composite.filter = StretchFilter::Nearest;
    StretchDraw(f, FloatRect{0, 0, static_cast<float>(f.width()), static_cast<float>(f.height())}, f.boundsRect(),
                composite, roundedArea(p));
    return f;
}

std::optional<Bitmap32> CopySelection(Document& doc) {
    if (selectionFrame(doc)) return CopyFragment(doc);
    if (doc.bitmapSelected()) return doc.selection()->bitmap;
    return std::nullopt;
}

CutResult CutSelection(Document& doc) {
    CutResult r;
    Layer* s = doc.selection();
    if (!s) return r;
    if (s->isBitmap()) {
        r.picture = s->bitmap;
        doc.DeleteSelection();
        return r;
    }
    if (doc.layerCount() > 2) {
        r.refused = true;
        return r;
    }
    if (s->tag != kSelectionFrameTag) return r;  // a crop frame on a flat picture is left alone
    const FloatRect p = s->location;
    RecordUndo(doc, UndoKind::Holst);
    r.picture = CopyFragment(doc);
    const Rect hole = Intersect(roundedArea(p), doc.canvas().boundsRect());
    for (int y = hole.top; y < hole.bottom; ++y) {
        Color32* row = doc.canvas().scanLine(y);
        for (int x = hole.left; x < hole.right; ++x) row[x] = 0x00FFFFFFu;  // written as is, not blended
    }
    doc.canvasPixelsChanged();
    doc.notify(kCanvasChanged);
    return r;
}

Layer& PastePicture(Document& doc, Bitmap32 picture, double cx, double cy) {
    auto l = std::make_unique<Layer>();
    picture.setAllAlpha(255);
    picture.drawMode = DrawMode::Blend;
    const double w = picture.width(), h = picture.height();
    l->bitmap = std::move(picture);
    l->pixelVersion = NextPixelVersion();
    l->location = FloatRect{static_cast<float>(cx - w / 2), static_cast<float>(cy - h / 2),
                            static_cast<float>(cx + w / 2), static_cast<float>(cy + h / 2)};
    Layer& ref = doc.AdoptLayer(std::move(l));
    doc.SetSelection(&ref);
    return ref;
}

void PasteAsNewPicture(Document& doc, Bitmap32 picture) {
    const float scale = doc.scale;  // the zoom stays
    doc.ResetDocument();
    doc.scale = scale;
    picture.setAllAlpha(255);
    doc.setCanvas(std::move(picture));
    doc.notify(kCanvasChanged | kLayersChanged);
}

void FlattenLayers(Document& doc) {
    doc.DropFrameLayer();
    doc.SetSelection(nullptr);
    Bitmap32 flat = doc.Flatten();
    flat.filter = doc.canvas().filter;
    const float scale = doc.scale;
    doc.ResetDocument();
    doc.scale = scale;
    doc.setCanvas(std::move(flat));
    doc.notify(kCanvasChanged | kLayersChanged);
}

Layer& CanvasToLayer(Document& doc) {
    doc.DropFrameLayer();
    auto l = std::make_unique<Layer>();
    l->bitmap = doc.canvas();
    l->bitmap.setAllAlpha(255);
    l->bitmap.drawMode = DrawMode::Blend;
    l->pixelVersion = NextPixelVersion();
    l->location = FloatRect{0, 0, static_cast<float>(doc.canvas().width()), static_cast<float>(doc.canvas().height())};
    doc.canvas().drawMode = DrawMode::Opaque;
    doc.canvas().clear(0x00FFFFFFu);
    doc.canvasPixelsChanged();
    Layer& ref = doc.AdoptLayer(std::move(l));
    doc.SetSelection(&ref);
    doc.notify(kCanvasChanged);
    return ref;
}

std::optional<Color32> PickLayerColour(const Document& doc, double x, double y) {
    if (!doc.bitmapSelected()) return std::nullopt;
    const Layer& l = *doc.selection();
    const FloatRect& p = l.location;
    const double w = std::fabs(p.right - p.left), h = std::fabs(p.bottom - p.top);
    if (w <= 0 || h <= 0) return l.bitmap.outerColor;
    const int col = RndI((x - p.left) * l.bitmap.width() / w);
    const int row = RndI((y - p.top) * l.bitmap.height() / h);
    return l.bitmap.pixelS(col, row);
}

void MakeColourTransparent(Document& doc, Color32 colour) {
    if (!doc.bitmapSelected()) return;
    RecordUndo(doc, UndoKind::Effect);
    Bitmap32& b = doc.selection()->bitmap;
    Color32* p = b.bits();
    for (size_t i = 0; i < b.pixelCount(); ++i) p[i] = (p[i] & 0x00FFFFFFu) | (p[i] == colour ? 0u : 0xFF000000u);
    doc.layerPixelsChanged(*doc.selection());
    doc.notify(kLayersChanged);
}

}  // namespace viramo
