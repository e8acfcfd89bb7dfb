#include "core/codecs/Picture.h"

#include <cstring>

#include "core/codecs/Bmp.h"
#include "core/codecs/Gif.h"
#include "core/codecs/Ico.h"
#include "core/codecs/Jpeg.h"
#include "core/codecs/Png.h"
#include "core/codecs/Tiff.h"
#include "core/util/Errors.h"

namespace viramo {

PictureFormat FormatFromExtension(const std::string& path) {
    const std::string e = LowerExtension(path);
    if (e == ".bmp") return PictureFormat::Bmp;
    if (e == ".png") return PictureFormat::Png;
    if (e == ".jpg" || e == ".jpeg") return PictureFormat::Jpeg;
    if (e == ".gif") return PictureFormat::Gif;
    if (e == ".tif" || e == ".tiff") return PictureFormat::Tiff;
    if (e == ".ico") return PictureFormat::Ico;
    if (e == ".emf") return PictureFormat::Emf;
    if (e == ".wmf") return PictureFormat::Wmf;
    return PictureFormat::Unknown;
}

PictureFormat SniffFormat(const Bytes& d) {
    auto starts = [&](const char* sig, size_t n) { return d.size() >= n && std::memcmp(d.data(), sig, n) == 0; };
    if (starts("BM", 2)) return PictureFormat::Bmp;
    if (starts("\x89PNG\r\n\x1a\n", 8)) return PictureFormat::Png;
    if (starts("\xFF\xD8\xFF", 3)) return PictureFormat::Jpeg;
    if (starts("GIF87a", 6) || starts("GIF89a", 6)) return PictureFormat::Gif;
    if (starts("II*\0", 4) || starts("MM\0*", 4)) return PictureFormat::Tiff;
    if (starts("\0\0\1\0", 4) || starts("\0\0\2\0", 4)) return PictureFormat::Ico;
    return PictureFormat::Unknown;
}

const char* FormatName(PictureFormat f) {
    switch (f) {
        case PictureFormat::Bmp: return "BMP";
        case PictureFormat::Png: return "PNG";
        case PictureFormat::Jpeg: return "JPEG";
        case PictureFormat::Gif: return "GIF";
        case PictureFormat::Tiff: return "TIFF";
        case PictureFormat::Ico: return "ICO";
        case PictureFormat::Emf: return "EMF";
        case PictureFormat::Wmf: return "WMF";
        default: return "unknown";
    }
}

Bitmap32 DecodePicture(const Bytes& data, PictureFormat format) {
    const PictureFormat sniffed = SniffFormat(data);
    if (sniffed != PictureFormat::Unknown && sniffed != format && format != PictureFormat::Emf &&
        format != PictureFormat::Wmf)
        format = sniffed;
    switch (format) {
        case PictureFormat::Bmp: return DecodeBmp(data);
        case PictureFormat::Png: return DecodePng(data);
        case PictureFormat::Jpeg: return DecodeJpeg(data);
        case PictureFormat::Gif: return DecodeGif(data);
        case PictureFormat::Tiff: return DecodeTiff(data);
        case PictureFormat::Ico: return DecodeIco(data);
        case PictureFormat::Emf:
        case PictureFormat::Wmf:
            throw FormatError("", std::string(FormatName(format)) + " pictures are not supported");
        default: throw FormatError("", "the picture format is not supported");
    }
}

Bitmap32 LoadPicture(const std::string& path) {
    const PictureFormat format = FormatFromExtension(path);
    if (format == PictureFormat::Unknown) throw FormatError(path, "the picture format is not supported");
    const Bytes data = ReadFileBytes(path);
    try {
        return DecodePicture(data, format);
    } catch (const FormatError& e) {
        throw FormatError(path, e.cause());
    } catch (const PictureError& e) {
        throw PictureError(path, e.cause());
    } catch (const std::bad_alloc&) {
        throw PictureError(path, "not enough memory for the picture");
    }
}

Bytes EncodePicture(const Bitmap32& bmp, PictureFormat format, const SaveOptions& options) {
    switch (format) {
        case PictureFormat::Bmp: return EncodeBmp(bmp);
        case PictureFormat::Png: return EncodePng(bmp);
        case PictureFormat::Jpeg: return EncodeJpeg(bmp, options.jpegQuality);
        case PictureFormat::Gif: return EncodeGif(bmp, options.gifBits);
        case PictureFormat::Tiff: return EncodeTiff(bmp);
        default: throw FormatError("", std::string("writing ") + FormatName(format) + " pictures is not supported");
    }
}

void SavePicture(const std::string& path, const Bitmap32& bmp, const SaveOptions& options) {
    Bytes data;
    try {
        data = EncodePicture(bmp, FormatFromExtension(path), options);
    } catch (const FormatError& e) {
        throw FormatError(path, e.cause());
    } catch (const PictureError& e) {
        throw PictureError(path, e.cause());
    }
    WriteFileAtomic(path, data);
}

}  // namespace viramo
