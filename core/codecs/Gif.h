#pragma once
// GIF pictures through giflib.
#include "core/gfx/Bitmap32.h"
#include "core/util/FileIO.h"

namespace viramo {

// The first picture of a GIF file on its logical screen, every alpha 255.
Bitmap32 DecodeGif(const Bytes& data);

// bits: 1 (black and white), 4 (16 colours), 8 or 24 (256 colours chosen from
// the picture). Colour tables hold exactly 2, 16 or 256 entries.
Bytes EncodeGif(const Bitmap32& bmp, int bits);

}  // namespace viramo
