#pragma once
// The raised outline: one-pixel lines blended along a rectangle's edges, light
// on the top and left, dark on the bottom and right (or the reverse for a
// negative contrast), so the rectangle looks raised or sunken.
#include "core/gfx/Bitmap32.h"

namespace viramo {

// Rectangle (x1, y1, x2, y2) exclusive at x2 and y2; contrast in per cent.
// Top edge y1 and bottom edge y2-1 from x1 to x2-1; left edge x1 and right edge
// x2-1 from y1+1 to y2-2. c > 0: light = white of opacity min(255, 512c/100),
// dark = black of opacity min(255, 255c/100); c < 0 swaps the roles with |c|;
// c = 0 draws nothing. Lines outside the bitmap are clipped.
void RaiseRect(Bitmap32& bmp, const Rect& r, int contrast);

}  // namespace viramo
