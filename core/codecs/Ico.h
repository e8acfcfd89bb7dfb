#pragma once
// Windows icons (and cursors).
#include "core/gfx/Bitmap32.h"
#include "core/util/FileIO.h"

namespace viramo {

// The largest image of the icon (then the deepest); PNG-in-ICO too. The AND
// mask becomes the alpha unless 32-bit pixels carry their own.
Bitmap32 DecodeIco(const Bytes& data);

}  // namespace viramo
