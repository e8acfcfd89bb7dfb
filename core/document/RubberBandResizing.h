#pragma once
// The rule applied at every step of dragging the rubber band's handles.
#include <string>

#include "core/gfx/Geometry.h"

namespace viramo {

enum class DragState { Move, Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

struct ResizeContext {
    bool ctrl = false;              // resize symmetrically about the centre
    bool anyShiftState = true;      // a key or mouse button is part of the step
    bool keepProportions = false;   // "Соблюдать пропорции" checked and the layer panel visible
    int bitmapWidth = 0, bitmapHeight = 0;
    bool cropPanelVisible = false;  // the crop frame is selected
    int cropEntry = 0;              // entry of the proportions list
    bool portrait = false;          // "Портрет"
};

struct ResizeResult {
    FloatRect location;
    bool changed = false;    // false when the step was a move or had no shift state
    std::string statusText;  // the crop frame's size before this step, when the crop panel is visible
};

ResizeResult RubberBandResizing(const FloatRect& oldLocation, const FloatRect& proposed, DragState drag,
                                const ResizeContext& context);

}  // namespace viramo
