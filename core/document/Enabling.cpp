#include "core/document/Enabling.h"

namespace viramo {

ImageMenuEnabling ImageMenuState(const Document& doc) {
    ImageMenuEnabling e;
    e.all = !doc.canvasEmpty();
    e.brightnessContrast = e.colourBalance = e.all;
    if (e.all && doc.selection()) e.brightnessContrast = e.colourBalance = doc.bitmapSelected();
    return e;
}

SelectionMenuEnabling SelectionMenuState(const Document& doc) {
    SelectionMenuEnabling e;
    const int idx = doc.indexOf(doc.selection());
    e.bringToFront = doc.bitmapSelected() && idx < doc.layerCount() - 2;
    e.sendToBack = doc.bitmapSelected() && idx > 0;
    e.remove = doc.selection() != nullptr;
    e.others = doc.bitmapSelected();
    return e;
}

EditMenuEnabling EditMenuState(const Document& doc, bool clipboardHasPicture) {
    EditMenuEnabling e;
    e.undo = doc.undo.undoKind != UndoKind::None;
    e.redo = doc.undo.redoKind != UndoKind::None;
    e.paste = clipboardHasPicture && !doc.canvasEmpty();
    e.pasteAsNew = clipboardHasPicture;
    return e;
}

bool ProcessingMenuEnabled(const Document& doc) {
    if (doc.canvasEmpty()) return false;
    return !doc.selection() || doc.bitmapSelected();
}

bool LayerPopupEntriesEnabled(const Document& doc) { return doc.bitmapSelected(); }

bool ReorderButtonsEnabled(const Document& doc) { return doc.selection() != nullptr; }

bool SaveEntriesEnabled(const Document& doc) { return !doc.canvasEmpty(); }

}  // namespace viramo
