#pragma once
// Stretched drawing: a source rectangle drawn into a destination rectangle with
// the source's stretch filter, draw mode and master alpha, clipped.
#include "core/gfx/Bitmap32.h"

namespace viramo {

// Draws srcRect of src into the floating destination rectangle dstRect of dst.
// A destination pixel is drawn when its centre lies inside dstRect and inside
// clip (and dst). Linear and spline filters widen their kernel when shrinking,
// so a reduced picture is averaged rather than sampled. Sources are clamped at
// the edges of srcRect.
void StretchDraw(Bitmap32& dst, const FloatRect& dstRect, const Rect& clip, const Bitmap32& src, const Rect& srcRect);
// Whole source into an integer rectangle, clipped to dst.
void StretchDraw(Bitmap32& dst, const Rect& dstRect, const Bitmap32& src);

// A copy of src resampled to width x height with the given filter (opaque copy:
// all four channels resampled, attributes kept).
Bitmap32 Resampled(const Bitmap32& src, int width, int height, StretchFilter filter);

// Half the size (rounded up), each pixel the average of a 2 x 2 block, all
// four channels; edge pixels of odd sizes are repeated.
Bitmap32 HalfSize(const Bitmap32& src);

}  // namespace viramo
