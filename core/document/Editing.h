#pragma once
// The "Правка" operations and the moves of pictures between the canvas and the
// layer stack: the selection area, copying and cutting, pasting, flattening,
// the canvas as a layer, and making one colour of a layer transparent.
#include <optional>
#include <string>

#include "core/document/Document.h"

namespace viramo {

// "Выделить": a 64 x 64 selection area centred on canvas point (cx, cy), selected.
Layer& SelectArea(Document& doc, double cx, double cy);
// "Выделить всё": the selection area over the whole canvas.
Layer& SelectAll(Document& doc, double cx, double cy);

// The composite's rectangle under the selection area (placement rounded,
// halves to even); the area is left in place, no longer selected.
Bitmap32 CopyFragment(Document& doc);
// "Копировать": the fragment under the selection area, or the selected bitmap
// layer's own bitmap; nothing for anything else.
std::optional<Bitmap32> CopySelection(Document& doc);

struct CutResult {
    std::optional<Bitmap32> picture;  // what goes on the clipboard
    bool refused = false;             // a fragment while other layers exist: the message is shown
};
inline const char* const kCutRefusedMessage =
    "Вы можете вырезать фрагмент только после того, как все слои будут склеены. Сейчас Вы можете лишь вырезать "
    "слой, предварительно выделив его.";
// "Вырезать": a bitmap layer goes to the clipboard and is deleted; a fragment
// of a flat picture goes to the clipboard ("holst" undo) and leaves a hole of
// transparent white.
CutResult CutSelection(Document& doc);

// "Вставить": an opaque layer of the picture at its natural size centred on (cx, cy), selected.
Layer& PastePicture(Document& doc, Bitmap32 picture, double cx, double cy);
// "Вставить как новый": the picture becomes the canvas of an emptied document (zoom kept).
void PasteAsNewPicture(Document& doc, Bitmap32 picture);
// "Склеить все слои": every visible bitmap layer blended into the canvas; no undo.
void FlattenLayers(Document& doc);
// The canvas becomes a selected full-size layer over a transparent canvas.
Layer& CanvasToLayer(Document& doc);

// The colour of the selected layer's bitmap under canvas point (x, y); the
// bitmap's outer colour outside it. Empty when no bitmap layer is selected.
std::optional<Color32> PickLayerColour(const Document& doc, double x, double y);
// "effect" undo, then alpha 0 where the pixel equals colour exactly (alpha
// included) and 255 everywhere else.
void MakeColourTransparent(Document& doc, Color32 colour);

}  // namespace viramo
