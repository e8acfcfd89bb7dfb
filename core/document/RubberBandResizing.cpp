#include "core/document/RubberBandResizing.h"

#include <cmath>

#include "core/document/CropRatios.h"
#include "core/util/Numbers.h"

namespace viramo {

ResizeResult RubberBandResizing(const FloatRect& old, const FloatRect& proposed, DragState drag,
                                const ResizeContext& ctx) {
    ResizeResult r{proposed, false, {}};
    if (drag == DragState::Move || !ctx.anyShiftState) return r;
    FloatRect n = proposed;
    if (ctx.ctrl) {
        const double cx = (old.left + old.right) / 2.0, cy = (old.top + old.bottom) / 2.0;
        double hw = (old.right - old.left) / 2.0, hh = (old.bottom - old.top) / 2.0;
        const bool left = drag == DragState::Left || drag == DragState::TopLeft || drag == DragState::BottomLeft;
        const bool right = drag == DragState::Right || drag == DragState::TopRight || drag == DragState::BottomRight;
        const bool top = drag == DragState::Top || drag == DragState::TopLeft || drag == DragState::TopRight;
        const bool bottom = drag == DragState::Bottom || drag == DragState::BottomLeft || drag == DragState::BottomRight;
        if (left) hw = cx - proposed.left;
        if (right) hw = proposed.right - cx;
        if (top) hh = cy - proposed.top;
        if (bottom) hh = proposed.bottom - cy;
        if (!(hw >= 2)) hw = 2;  // also catches NaN
        if (!(hh >= 2)) hh = 2;
        n = FloatRect{static_cast<float>(cx - hw), static_cast<float>(cy - hh), static_cast<float>(cx + hw),
                      static_cast<float>(cy + hh)};
    }
    if (ctx.keepProportions && ctx.bitmapWidth > 0 && ctx.bitmapHeight > 0) {
        const double aspect = static_cast<double>(ctx.bitmapWidth) / ctx.bitmapHeight;
        n.bottom = static_cast<float>(n.top + static_cast<double>(Rnd(std::fabs(n.right - n.left) / aspect)));
    }
    if (ctx.cropPanelVisible) {
        r.statusText = std::to_string(Rnd(std::fabs(old.left - old.right))) + "x" +
                       std::to_string(Rnd(old.bottom - old.top));
        if (auto ratio = CropRatio(ctx.cropEntry, ctx.portrait))
            n.bottom = static_cast<float>(n.top + static_cast<double>(Rnd(std::fabs(n.right - n.left) / *ratio)));
    }
    r.location = n;
    r.changed = true;
    return r;
}

}  // namespace viramo
