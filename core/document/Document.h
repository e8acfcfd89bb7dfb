#pragma once
// The document: the canvas image, the layer stack above it, the selection with
// its rubber band, the modified mark, the undo state and the working bitmaps
// the tools share. Index 0 of the stack is the bottom layer.
#include <memory>
#include <string>
#include <vector>

#include "core/document/DocumentListener.h"
#include "core/document/Layer.h"
#include "core/document/RubberBandResizing.h"

namespace viramo {

enum class UndoKind { None, Effect, Size, Holst, Geom, Crop };

constexpr int kCanvasLayerIndex = 777;  // stands for the canvas image in undo records

struct UndoState {
    UndoKind undoKind = UndoKind::None;
    int undoLayerIndex = kCanvasLayerIndex;
    Bitmap32 undoImage;
    FloatRect undoPlacement;
    UndoKind redoKind = UndoKind::None;
    int redoLayerIndex = kCanvasLayerIndex;
    Bitmap32 redoImage;
    FloatRect redoPlacement;
    int cropOffsetX = 0, cropOffsetY = 0;
    int redoCropOffsetX = 0, redoCropOffsetY = 0;
};

// ModifiedMark values.
constexpr int kMarkUnchanged = 0;
constexpr int kMarkSaved = 100;
constexpr int kMarkChanged = 777;

class Document {
public:
    Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Canvas image.
    Bitmap32& canvas() { return canvas_; }
    const Bitmap32& canvas() const { return canvas_; }
    bool canvasEmpty() const { return canvas_.empty(); }
    std::uint64_t canvasVersion() const { return canvasVersion_; }
    // Replaces the canvas image (a new document's picture keeps no layers: call ResetDocument first).
    void setCanvas(Bitmap32 picture);
    // Call after changing the canvas pixels in place.
    void canvasPixelsChanged();

    // Layer stack; the rubber band, once made, is one of its entries.
    int layerCount() const { return static_cast<int>(layers_.size()); }
    Layer& layer(int index) { return *layers_[static_cast<size_t>(index)]; }
    const Layer& layer(int index) const { return *layers_[static_cast<size_t>(index)]; }
    int indexOf(const Layer* layer) const;  // -1 when not in the stack
    int bitmapLayerCount() const;
    // Call after changing a layer's bitmap pixels in place.
    void layerPixelsChanged(Layer& layer);

    Layer* selection() const { return selection_; }
    Layer* rubberBand() const { return rubberBand_; }
    bool bitmapSelected() const { return selection_ && selection_->isBitmap(); }
    // The target of pixel commands: the selected bitmap layer's bitmap, else the canvas.
    Bitmap32& target();

    // The only way the selection changes.
    void SetSelection(Layer* layer);
    // Empties the document for a new picture: no selection, no layers, no rubber band.
    void ResetDocument();
    // A 64 x 64 frame layer centred on canvas point (cx, cy), on top of the stack.
    Layer& CreateFrameLayer(double cx, double cy, int tag);
    // Deletes the first frame layer from the bottom, if any, and clears the selection.
    void DropFrameLayer();
    // Adds a photograph as a selected bitmap layer centred on the canvas point
    // (cx, cy): taller than the canvas, it is shown at 0.9 of the canvas height.
    Layer& AddPhotograph(Bitmap32 picture, int cx, int cy);
    // A copy of the selected bitmap layer moved 30 pixels right and down, selected.
    Layer* CloneSelection();
    // Deletes the selected layer, dropping or moving the undo records that name it.
    void DeleteSelection();
    // Puts a ready layer on top of the stack (project loading).
    Layer& AdoptLayer(std::unique_ptr<Layer> layer);
    // Reorder commands; each new index is clamped to the stack.
    void BringToFront();
    void SendToBack();
    void MoveUp();
    void MoveDown();
    void SetLayerIndex(Layer& layer, int index);

    // Moves or resizes a layer (and the rubber band framing it).
    void SetLayerLocation(Layer& layer, const FloatRect& location);
    // One step of dragging the rubber band: applies the resizing rule, moves the selection.
    ResizeResult DragRubberBand(const FloatRect& proposed, DragState drag, ResizeContext context);

    // Layer settings of the side panel.
    void SetLayerOpacity(int alpha);
    void SetLayerInterpolation(bool linear);
    void SetAllInterpolation(bool linear);  // canvas and every bitmap layer
    void LayerRescaleClick();
    void LayerResetScaleClick();

    // A mouse press on the view at canvas point (x, y): a layer under the point
    // (unless the press is on the rubber band) becomes the selection; a press
    // beside every layer clears it; either way the first frame layer goes,
    // unless a frame layer is what is selected.
    void ClickAt(double x, double y, bool onRubberBand);

    // The topmost visible layer taking mouse input whose placement holds the
    // canvas point (the rubber band excluded); null when none.
    Layer* LayerAt(double x, double y) const;

    // Flattens canvas and layers at scale 1 into CompositeImage; clears the selection.
    void RenderComposite();
    const Bitmap32& compositeImage() const { return composite_; }
    // Draws the document at scale 1 into a canvas-sized picture (no side effects).
    Bitmap32 Flatten() const;

    int modifiedMark = kMarkUnchanged;
    int areaShade = 255;
    float scale = 1.f;  // the view's zoom; 1 shows one screen pixel per canvas pixel
    UndoState undo;
    Bitmap32 previewBackup, effectScratch, sourcePhoto;

    void addListener(DocumentListener* l);
    void removeListener(DocumentListener* l);
    // Tells the listeners; commands call it once they are done.
    void notify(unsigned changes);

private:
    Layer& insertLayer(std::unique_ptr<Layer> layer, int index);
    std::unique_ptr<Layer> takeLayer(int index);

    Bitmap32 canvas_;
    std::uint64_t canvasVersion_;
    std::vector<std::unique_ptr<Layer>> layers_;
    Layer* selection_ = nullptr;
    Layer* rubberBand_ = nullptr;
    Bitmap32 composite_;
    std::vector<DocumentListener*> listeners_;
};

}  // namespace viramo
