#pragma once
// TIFF pictures through libtiff.
#include "core/gfx/Bitmap32.h"
#include "core/util/FileIO.h"

namespace viramo {

// The first page of a TIFF file as ARGB (alpha kept when present, else 255).
Bitmap32 DecodeTiff(const Bytes& data);
// 24-bit RGB, LZW with horizontal prediction; alpha dropped.
Bytes EncodeTiff(const Bitmap32& bmp);

}  // namespace viramo
