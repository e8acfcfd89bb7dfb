#pragma once
// How the document tells its window what changed.

namespace viramo {

enum DocumentChange : unsigned {
    kCanvasChanged = 1u << 0,     // canvas size or pixels
    kLayersChanged = 1u << 1,     // the layer list, a placement, a layer's pixels or settings
    kSelectionChanged = 1u << 2,  // Selection (and with it the rubber band and panels)
    kUndoChanged = 1u << 3,       // UndoKind or RedoKind
};

class DocumentListener {
public:
    virtual ~DocumentListener() = default;
    virtual void documentChanged(unsigned changes) = 0;
};

}  // namespace viramo
