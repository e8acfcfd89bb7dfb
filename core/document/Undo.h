#pragma once
// One-step undo and redo. A command records one snapshot of a kind before it
// changes anything; "Отменить" restores it and keeps what it replaced for
// "Повторить", and the other way round.
#include "core/document/Document.h"

namespace viramo {

// Saves what the kind needs: "effect" the target (selected bitmap layer or
// canvas), "size", "holst" and "crop" the canvas, "geom" the selected layer's
// bitmap and placement. Leaves the redo record alone.
void RecordUndo(Document& doc, UndoKind kind);

// Both return false and change nothing when the record names a layer that is
// no longer in the stack (after flattening, for example).
bool Undo(Document& doc);
bool Redo(Document& doc);

const char* UndoKindName(UndoKind kind);  // "effect", "size", "holst", "geom", "crop", "none"

}  // namespace viramo
