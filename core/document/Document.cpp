#include "core/document/Document.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "core/gfx/Blend.h"
#include "core/gfx/Resample.h"
#include "core/util/Numbers.h"

namespace viramo {

std::uint64_t NextPixelVersion() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

Document::Document() : canvasVersion_(NextPixelVersion()) {}

void Document::setCanvas(Bitmap32 picture) {
    canvas_ = std::move(picture);
    canvasVersion_ = NextPixelVersion();
}

void Document::canvasPixelsChanged() { canvasVersion_ = NextPixelVersion(); }

void Document::layerPixelsChanged(Layer& layer) { layer.pixelVersion = NextPixelVersion(); }

int Document::indexOf(const Layer* layer) const {
    for (size_t i = 0; i < layers_.size(); ++i)
        if (layers_[i].get() == layer) return static_cast<int>(i);
    return -1;
}

int Document::bitmapLayerCount() const {
    return static_cast<int>(std::count_if(layers_.begin(), layers_.end(), [](const auto& l) { return l->isBitmap(); }));
}

Bitmap32& Document::target() { return bitmapSelected() ? selection_->bitmap : canvas_; }

Layer& Document::insertLayer(std::unique_ptr<Layer> layer, int index) {
    index = std::clamp(index, 0, layerCount());
    Layer& ref = *layer;
    layers_.insert(layers_.begin() + index, std::move(layer));
    return ref;
}

std::unique_ptr<Layer> Document::takeLayer(int index) {
    std::unique_ptr<Layer> l = std::move(layers_[static_cast<size_t>(index)]);
    layers_.erase(layers_.begin() + index);
    return l;
}

void Document::SetSelection(Layer* layer) {
    if (layer == selection_) return;
    if (rubberBand_) {
        rubberBand_->visible = false;
        rubberBand_->mouseInput = false;
    }
    selection_ = layer;
    if (layer) {
        if (rubberBand_) {
            SetLayerIndex(*rubberBand_, layerCount() - 1);
        } else {
            auto band = std::make_unique<Layer>();
            band->kind = LayerKind::RubberBand;
            rubberBand_ = &insertLayer(std::move(band), layerCount());
        }
        rubberBand_->location = layer->location;
        rubberBand_->visible = true;
        rubberBand_->mouseInput = true;
    }
    notify(kSelectionChanged | kLayersChanged);
}

void Document::ResetDocument() {
    SetSelection(nullptr);
    rubberBand_ = nullptr;
    layers_.clear();
    scale = 1.f;
    notify(kLayersChanged | kSelectionChanged);
}

Layer& Document::CreateFrameLayer(double cx, double cy, int tag) {
    auto frame = std::make_unique<Layer>();
    frame->kind = LayerKind::Frame;
    frame->tag = tag;
    frame->location = FloatRect{static_cast<float>(cx - 32), static_cast<float>(cy - 32), static_cast<float>(cx + 32),
                                static_cast<float>(cy + 32)};
    Layer& ref = insertLayer(std::move(frame), layerCount());
    notify(kLayersChanged);
    return ref;
}

void Document::DropFrameLayer() {
    for (int i = 0; i < layerCount(); ++i) {
        if (layer(i).isFrame()) {
            if (selection_ == &layer(i)) SetSelection(nullptr);
            takeLayer(i);
            SetSelection(nullptr);
            notify(kLayersChanged);
            return;
        }
    }
}

Layer& Document::AddPhotograph(Bitmap32 picture, int cx, int cy) {
    DropFrameLayer();
    auto l = std::make_unique<Layer>();
    l->bitmap = std::move(picture);
    l->bitmap.setAllAlpha(255);
    l->bitmap.drawMode = DrawMode::Blend;
    l->bitmap.filter = StretchFilter::Linear;
    l->pixelVersion = NextPixelVersion();
    double w = l->bitmap.width(), h = l->bitmap.height();
    // Only the heights are compared: a wide picture may be wider than the canvas.
    if (h > canvas_.height()) {
        const double ratio = w / h;
        h = static_cast<double>(Rnd(0.9 * canvas_.height()));
        w = static_cast<double>(Rnd(ratio * h));
    }
    l->location = FloatRect{static_cast<float>(cx - w / 2), static_cast<float>(cy - h / 2),
                            static_cast<float>(cx + w / 2), static_cast<float>(cy + h / 2)};
    Layer& ref = insertLayer(std::move(l), layerCount());
    SetSelection(&ref);
    return ref;
}

Layer& Document::AdoptLayer(std::unique_ptr<Layer> layer) {
    Layer& ref = insertLayer(std::move(layer), layerCount());
    notify(kLayersChanged);
    return ref;
}

Layer* Document::CloneSelection() {
    if (!bitmapSelected()) return nullptr;
    auto l = std::make_unique<Layer>();
    l->bitmap = selection_->bitmap;
    l->bitmap.drawMode = DrawMode::Blend;
    l->pixelVersion = NextPixelVersion();
    const FloatRect& s = selection_->location;
    l->location = FloatRect{s.left + 30, s.top + 30, s.right + 30, s.bottom + 30};
    Layer& ref = insertLayer(std::move(l), layerCount());
    SetSelection(&ref);
    return &ref;
}

void Document::DeleteSelection() {
    if (!selection_) return;
    const int idx = indexOf(selection_);
    if (idx == undo.undoLayerIndex) undo.undoKind = UndoKind::None;
    if (idx == undo.redoLayerIndex) undo.redoKind = UndoKind::None;
    if (undo.undoLayerIndex != kCanvasLayerIndex && undo.undoLayerIndex > idx) --undo.undoLayerIndex;
    if (undo.redoLayerIndex != kCanvasLayerIndex && undo.redoLayerIndex > idx) --undo.redoLayerIndex;
    SetSelection(nullptr);
    takeLayer(idx);
    notify(kLayersChanged | kUndoChanged);
}

void Document::SetLayerIndex(Layer& layer, int index) {
    const int from = indexOf(&layer);
    if (from < 0) return;
    index = std::clamp(index, 0, layerCount() - 1);
    if (index == from) return;
    auto l = takeLayer(from);
    insertLayer(std::move(l), index);
    notify(kLayersChanged);
}

void Document::BringToFront() {
    if (selection_) SetLayerIndex(*selection_, layerCount() - 2);
}
void Document::SendToBack() {
    if (selection_) SetLayerIndex(*selection_, 0);
}
void Document::MoveUp() {
    if (selection_) SetLayerIndex(*selection_, indexOf(selection_) + 1);
}
void Document::MoveDown() {
    if (selection_) SetLayerIndex(*selection_, indexOf(selection_) - 1);
}

void Document::SetLayerLocation(Layer& layer, const FloatRect& location) {
    layer.location = location;
    if (&layer == selection_ && rubberBand_) rubberBand_->location = location;
    notify(kLayersChanged);
}

ResizeResult Document::DragRubberBand(const FloatRect& proposed, DragState drag, ResizeContext ctx) {
    if (!selection_) return ResizeResult{proposed, false, {}};
    ctx.keepProportions = ctx.keepProportions && bitmapSelected();
    if (bitmapSelected()) {
        ctx.bitmapWidth = selection_->bitmap.width();
        ctx.bitmapHeight = selection_->bitmap.height();
    }
    ctx.cropPanelVisible = selection_->isFrame() && selection_->tag == kCropFrameTag;
    ResizeResult r = RubberBandResizing(selection_->location, proposed, drag, ctx);
    if (r.changed) modifiedMark = kMarkChanged;
    SetLayerLocation(*selection_, r.location);
    return r;
}

void Document::SetLayerOpacity(int alpha) {
    if (!bitmapSelected()) return;
    selection_->bitmap.masterAlpha = static_cast<std::uint8_t>(std::clamp(alpha, 0, 255));
    modifiedMark = kMarkChanged;
    notify(kLayersChanged);
}

void Document::SetLayerInterpolation(bool linear) {
    if (!bitmapSelected()) return;
    selection_->bitmap.filter = linear ? StretchFilter::Linear : StretchFilter::Nearest;
    modifiedMark = kMarkChanged;
    notify(kLayersChanged);
}

void Document::SetAllInterpolation(bool linear) {
    const StretchFilter f = linear ? StretchFilter::Linear : StretchFilter::Nearest;
    canvas_.filter = f;
    for (auto& l : layers_)
        if (l->isBitmap()) l->bitmap.filter = f;
    notify(kCanvasChanged | kLayersChanged);
}

void Document::LayerRescaleClick() {
    if (!bitmapSelected()) return;
    Layer& l = *selection_;
    const FloatRect& p = l.location;
    const int w = std::max(1, std::abs(RndI(p.right) - RndI(p.left)));
    const int h = std::max(1, std::abs(RndI(p.bottom) - RndI(p.top)));
    Bitmap32 scaled = Resampled(l.bitmap, w, h, StretchFilter::Linear);
    scaled.drawMode = l.bitmap.drawMode;
    l.bitmap = std::move(scaled);
    layerPixelsChanged(l);
    LayerResetScaleClick();
    modifiedMark = kMarkChanged;
}

void Document::LayerResetScaleClick() {
    if (!bitmapSelected()) return;
    Layer& l = *selection_;
    const FloatRect p = l.location;
    SetLayerLocation(l, FloatRect{p.left, p.top, p.left + static_cast<float>(l.bitmap.width()),
                                  p.top + static_cast<float>(l.bitmap.height())});
    modifiedMark = kMarkChanged;
}

Layer* Document::LayerAt(double x, double y) const {
    for (int i = layerCount() - 1; i >= 0; --i) {
        const Layer& l = layer(i);
        if (l.kind == LayerKind::RubberBand || !l.visible || !l.mouseInput) continue;
        const double left = std::min(l.location.left, l.location.right),
                     right = std::max(l.location.left, l.location.right);
        const double top = std::min(l.location.top, l.location.bottom),
                     bottom = std::max(l.location.top, l.location.bottom);
        if (x >= left && x < right && y >= top && y < bottom) return layers_[static_cast<size_t>(i)].get();
    }
    return nullptr;
}

void Document::ClickAt(double x, double y, bool onRubberBand) {
    Layer* hit = onRubberBand ? rubberBand_ : LayerAt(x, y);
    if (hit && !onRubberBand) SetSelection(hit);
    if (!hit) SetSelection(nullptr);
    else if (!selection_ || selection_->isFrame()) return;
    for (int i = 0; i < layerCount(); ++i) {
        if (layer(i).isFrame()) {
            takeLayer(i);
            notify(kLayersChanged);
            return;
        }
    }
}

Bitmap32 Document::Flatten() const {
    Bitmap32 out(canvas_.width(), canvas_.height());
    if (out.empty()) return out;
    // The canvas is the bottom of the picture: copied as it is, alpha included.
    std::copy(canvas_.bits(), canvas_.bits() + canvas_.pixelCount(), out.bits());
    // Frame layers and the rubber band are editing aids and never part of the picture.
    for (const auto& l : layers_)
        if (l->isBitmap() && l->visible && !l->bitmap.empty())
            StretchDraw(out, l->location, out.boundsRect(), l->bitmap, l->bitmap.boundsRect());
    return out;
}

void Document::RenderComposite() {
    SetSelection(nullptr);
    composite_ = Flatten();
}

void Document::addListener(DocumentListener* l) { listeners_.push_back(l); }

void Document::removeListener(DocumentListener* l) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), l), listeners_.end());
}

void Document::notify(unsigned changes) {
    const auto copy = listeners_;
    for (auto* l : copy) l->documentChanged(changes);
}

}  // namespace viramo
