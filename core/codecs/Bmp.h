#pragma once
// Windows BMP pictures.
#include <cstddef>
#include <cstdint>

#include "core/gfx/Bitmap32.h"
#include "core/util/FileIO.h"

namespace viramo {

// Reads 1, 4, 8, 16, 24 and 32-bit BMP files, RLE4, RLE8 and bit fields,
// bottom-up and top-down. 32-bit pixels keep their fourth byte as alpha;
// every other depth gets alpha 255. Throws PictureError on any inconsistency.
Bitmap32 DecodeBmp(const std::uint8_t* data, std::size_t size);
inline Bitmap32 DecodeBmp(const Bytes& data) { return DecodeBmp(data.data(), data.size()); }

// A device-independent bitmap without the file header, as stored in an icon:
// the height counts the colour rows and the AND mask together, and the mask
// becomes the alpha unless 32-bit pixels carry an alpha of their own.
Bitmap32 DecodeIconDib(const std::uint8_t* data, std::size_t size);

// 14 + 40 header bytes, then 32-bit blue-green-red-alpha rows bottom-up, no
// colour table: 54 + 4 * W * H bytes.
Bytes EncodeBmp(const Bitmap32& bmp);
// The same file appended to out; returns its length.
std::size_t AppendBmp(Bytes& out, const Bitmap32& bmp);
inline std::size_t BmpFileSize(const Bitmap32& bmp) {
    return 54 + std::size_t{4} * static_cast<std::size_t>(bmp.width()) * static_cast<std::size_t>(bmp.height());
}

}  // namespace viramo
