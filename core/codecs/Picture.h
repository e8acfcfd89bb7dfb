#pragma once
// Picture files in and out, the format chosen by the file's extension.
#include <string>

#include "core/gfx/Bitmap32.h"
#include "core/util/FileIO.h"

namespace viramo {

enum class PictureFormat { Unknown, Bmp, Png, Jpeg, Gif, Tiff, Ico, Emf, Wmf };

// By extension, any letter case: .bmp .png .jpg .jpeg .gif .tif .tiff .ico .emf .wmf.
PictureFormat FormatFromExtension(const std::string& path);
// By the first bytes; Unknown when they match no format we read.
PictureFormat SniffFormat(const Bytes& data);
const char* FormatName(PictureFormat f);

// Decodes with the decoder the format names; if the bytes clearly belong to
// another readable format (a PNG saved as .jpg), that decoder is used instead.
Bitmap32 DecodePicture(const Bytes& data, PictureFormat format);

// Reads a picture file. Throws FileError (cannot read), FormatError
// (unsupported format) or PictureError (damaged or too large), naming the file.
Bitmap32 LoadPicture(const std::string& path);

struct SaveOptions {
    int jpegQuality = 100;  // 1..100
    int gifBits = 24;       // 1, 4, 8 or 24
};

Bytes EncodePicture(const Bitmap32& bmp, PictureFormat format, const SaveOptions& options = {});
// Writes by extension (BMP, JPEG, GIF, PNG, TIFF) beside the target, then
// renames over it. Throws like LoadPicture.
void SavePicture(const std::string& path, const Bitmap32& bmp, const SaveOptions& options = {});

}  // namespace viramo
