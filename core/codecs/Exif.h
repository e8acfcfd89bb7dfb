#pragma once
// The orientation tag of an EXIF block, and turning a picture upright by it.
#include <cstddef>
#include <cstdint>

#include "core/gfx/Bitmap32.h"

namespace viramo {

// Orientation 1..8 from the payload of an APP1 "Exif\0\0" segment; 1 when
// absent or unreadable.
int ExifOrientation(const std::uint8_t* data, std::size_t size);

// Applies EXIF orientation o (2..8 mirror and/or turn) so the picture shows upright.
Bitmap32 ApplyOrientation(const Bitmap32& src, int orientation);

}  // namespace viramo
