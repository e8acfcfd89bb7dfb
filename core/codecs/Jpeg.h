#pragma once
// JPEG pictures through libjpeg-turbo.
#include "core/gfx/Bitmap32.h"
#include "core/util/FileIO.h"

namespace viramo {

// Grey, colour and CMYK JPEGs as opaque ARGB, turned upright by their EXIF
// orientation. A file that ends before its last marker is an error.
Bitmap32 DecodeJpeg(const Bytes& data);
// 24-bit JPEG; quality is clamped to 1..100. The alpha channel is dropped.
Bytes EncodeJpeg(const Bitmap32& bmp, int quality);

}  // namespace viramo
