#pragma once
// PNG pictures through libpng.
#include "core/gfx/Bitmap32.h"
#include "core/util/FileIO.h"

namespace viramo {

// Any PNG (palette, grey, 16-bit, interlaced) as 8-bit ARGB, alpha kept.
Bitmap32 DecodePng(const Bytes& data);
// 24-bit RGB; the alpha channel is dropped.
Bytes EncodePng(const Bitmap32& bmp);

}  // namespace viramo
