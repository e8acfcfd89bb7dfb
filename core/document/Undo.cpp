#include "core/document/Undo.h"

#include "core/util/Numbers.h"

namespace viramo {

const char* UndoKindName(UndoKind k) {
    switch (k) {
        case UndoKind::Effect: return "effect";
        case UndoKind::Size: return "size";
        case UndoKind::Holst: return "holst";
        case UndoKind::Geom: return "geom";
        case UndoKind::Crop: return "crop";
        default: return "none";
    }
}

namespace {

// The bitmap an undo record names: a bitmap layer by index, or the canvas for 777.
Bitmap32* recordedBitmap(Document& doc, int index, Layer** layer) {
    *layer = nullptr;
    if (index == kCanvasLayerIndex) return &doc.canvas();
    if (index < 0 || index >= doc.layerCount() || !doc.layer(index).isBitmap()) return nullptr;
    *layer = &doc.layer(index);
    return &(*layer)->bitmap;
}

void pixelsChanged(Document& doc, Layer* layer) {
    if (layer) doc.layerPixelsChanged(*layer);
    else doc.canvasPixelsChanged();
}

// Every positioned layer's edges divided by the canvas's shrink factors and rounded.
void rescaleLayers(Document& doc, int newWidth, int newHeight) {
    const double sx = static_cast<double>(doc.canvas().width()) / newWidth;
    const double sy = static_cast<double>(doc.canvas().height()) / newHeight;
    for (int i = 0; i < doc.layerCount(); ++i) {
        Layer& l = doc.layer(i);
        FloatRect p = l.location;
        p = FloatRect{static_cast<float>(Rnd(p.left / sx)), static_cast<float>(Rnd(p.top / sy)),
                      static_cast<float>(Rnd(p.right / sx)), static_cast<float>(Rnd(p.bottom / sy))};
        l.location = p;
    }
    if (doc.selection() && doc.rubberBand()) doc.rubberBand()->location = doc.selection()->location;
}

// Moves every layer but the rubber band, which follows the selection.
void shiftLayers(Document& doc, int dx, int dy) {
    for (int i = 0; i < doc.layerCount(); ++i) {
        Layer& l = doc.layer(i);
        if (l.kind == LayerKind::RubberBand) continue;
        const float fx = static_cast<float>(dx), fy = static_cast<float>(dy);
        l.location = FloatRect{l.location.left + fx, l.location.top + fy, l.location.right + fx, l.location.bottom + fy};
    }
    if (doc.selection() && doc.rubberBand()) doc.rubberBand()->location = doc.selection()->location;
}

void reselect(Document& doc, Layer* layer) {
    if (layer && doc.selection() == layer) {
        doc.SetSelection(nullptr);
        doc.SetSelection(layer);
    }
}

}  // namespace

void RecordUndo(Document& doc, UndoKind kind) {
    UndoState& u = doc.undo;
    switch (kind) {
        case UndoKind::Effect:
            if (doc.bitmapSelected()) {
                u.undoLayerIndex = doc.indexOf(doc.selection());
                u.undoImage = doc.selection()->bitmap;
            } else {
                u.undoLayerIndex = kCanvasLayerIndex;
                u.undoImage = doc.canvas();
            }
            break;
        case UndoKind::Size:
        case UndoKind::Holst:
        case UndoKind::Crop:
            u.undoImage = doc.canvas();
            break;
        case UndoKind::Geom:
            if (!doc.bitmapSelected()) return;
            u.undoImage = doc.selection()->bitmap;
            u.undoPlacement = doc.selection()->location;
            u.undoLayerIndex = doc.indexOf(doc.selection());
            break;
        case UndoKind::None:
            break;
    }
    u.undoKind = kind;
    doc.notify(kUndoChanged);
}

bool Undo(Document& doc) {
    UndoState& u = doc.undo;
    Layer* layer = nullptr;
    switch (u.undoKind) {
        case UndoKind::None:
            break;
        case UndoKind::Effect: {
            Bitmap32* target = recordedBitmap(doc, u.undoLayerIndex, &layer);
            if (!target) return false;
            u.redoKind = UndoKind::Effect;
            u.redoLayerIndex = u.undoLayerIndex;
            u.redoImage = *target;
            *target = u.undoImage;
            pixelsChanged(doc, layer);
            break;
        }
        case UndoKind::Size:
            u.redoKind = UndoKind::Size;
            u.redoImage = doc.canvas();
            if (!u.undoImage.empty() && !doc.canvasEmpty()) rescaleLayers(doc, u.undoImage.width(), u.undoImage.height());
            doc.setCanvas(u.undoImage);
            break;
        case UndoKind::Holst:
            u.redoKind = UndoKind::Holst;
            u.redoImage = doc.canvas();
            doc.setCanvas(u.undoImage);
            break;
        case UndoKind::Geom: {
            Bitmap32* target = recordedBitmap(doc, u.undoLayerIndex, &layer);
            if (!target || !layer) return false;
            u.redoKind = UndoKind::Geom;
            u.redoPlacement = layer->location;
            u.redoLayerIndex = u.undoLayerIndex;
            u.redoImage = *target;
            *target = u.undoImage;
            layer->location = u.undoPlacement;
            pixelsChanged(doc, layer);
            reselect(doc, layer);
            break;
        }
        case UndoKind::Crop:
            u.redoKind = UndoKind::Crop;
            u.redoImage = doc.canvas();
            u.redoCropOffsetX = u.cropOffsetX;
            u.redoCropOffsetY = u.cropOffsetY;
            doc.setCanvas(u.undoImage);
            shiftLayers(doc, u.cropOffsetX, u.cropOffsetY);
            break;
    }
    u.undoKind = UndoKind::None;
    doc.notify(kUndoChanged | kCanvasChanged | kLayersChanged);
    return true;
}

bool Redo(Document& doc) {
    UndoState& u = doc.undo;
    Layer* layer = nullptr;
    switch (u.redoKind) {
        case UndoKind::None:
            break;
        case UndoKind::Effect: {
            Bitmap32* target = recordedBitmap(doc, u.redoLayerIndex, &layer);
            if (!target) return false;
            u.undoKind = UndoKind::Effect;
            u.undoLayerIndex = u.redoLayerIndex;
            u.undoImage = *target;
            *target = u.redoImage;
            pixelsChanged(doc, layer);
            break;
        }
        case UndoKind::Size:
            u.undoKind = UndoKind::Size;
            u.undoImage = doc.canvas();
            if (!u.redoImage.empty() && !doc.canvasEmpty()) rescaleLayers(doc, u.redoImage.width(), u.redoImage.height());
            doc.setCanvas(u.redoImage);
            break;
        case UndoKind::Holst:
            u.undoKind = UndoKind::Holst;
            u.undoImage = doc.canvas();
            doc.setCanvas(u.redoImage);
            break;
        case UndoKind::Geom: {
            Bitmap32* target = recordedBitmap(doc, u.redoLayerIndex, &layer);
            if (!target || !layer) return false;
            u.undoKind = UndoKind::Geom;
            u.undoPlacement = layer->location;
            u.undoLayerIndex = u.redoLayerIndex;
            u.undoImage = *target;
            *target = u.redoImage;
            layer->location = u.redoPlacement;
            pixelsChanged(doc, layer);
            reselect(doc, layer);
            break;
        }
        case UndoKind::Crop:
            u.undoKind = UndoKind::Crop;
            u.undoImage = doc.canvas();
            doc.setCanvas(u.redoImage);
            shiftLayers(doc, -u.redoCropOffsetX, -u.redoCropOffsetY);
            break;
    }
    u.redoKind = UndoKind::None;
    doc.notify(kUndoChanged | kCanvasChanged | kLayersChanged);
    return true;
}

}  // namespace viramo
