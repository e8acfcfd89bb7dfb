#include "core/codecs/Png.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

#include "core/codecs/Limits.h"
#include "core/util/Errors.h"

namespace viramo {

Bitmap32 DecodePng(const Bytes& data) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    struct Guard {
        png_image* img;
        ~Guard() { png_image_free(img); }
    } guard{&image};
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
        throw PictureError("", std::string("PNG: ") + image.message);
    // A file cut short after its last pixel row still lacks its end chunk.
    static const std::uint8_t kEnd[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    if (std::search(data.begin(), data.end(), kEnd, kEnd + 12) == data.end())
        throw PictureError("", "PNG: the file ends before its end chunk");
    // Deflate packs at most about 1032 bytes into one, and a 1-bit row 8 pixels into a byte.
    CheckPictureSize(image.width, image.height, data.size(), 1032.0 * 8.0, "PNG");
    image.format = PNG_FORMAT_BGRA;  // bytes B, G, R, A: $AARRGGBB on little-endian machines
    Bitmap32 out(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, out.bits(), static_cast<png_int_32>(image.width * 4), nullptr))
        throw PictureError("", std::string("PNG: ") + image.message);
    return out;
}

namespace {

struct WriteState {
    Bytes out;
    char message[256] = {0};
    std::jmp_buf jump;
};

void onWrite(png_structp png, png_bytep data, png_size_t len) {
    auto* st = static_cast<WriteState*>(png_get_io_ptr(png));
    st->out.insert(st->out.end(), data, data + len);
}
void onFlush(png_structp) {}
void onError(png_structp png, png_const_charp msg) {
    auto* st = static_cast<WriteState*>(png_get_error_ptr(png));
    std::snprintf(st->message, sizeof st->message, "%s", msg);
    std::longjmp(st->jump, 1);
}
void onWarning(png_structp, png_const_charp) {}

}  // namespace

Bytes EncodePng(const Bitmap32& bmp) {
    if (bmp.empty()) throw PictureError("", "PNG: cannot write an empty picture");
    WriteState st;
    std::vector<png_byte> row(static_cast<size_t>(bmp.width()) * 3);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &st, onError, onWarning);
    if (!png) throw PictureError("", "PNG: out of memory");
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(st.jump)) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        throw PictureError("", std::string("PNG: ") + st.message);
    }
    png_set_write_fn(png, &st, onWrite, onFlush);
    // Photographs gain little from harder compression; level 3 keeps saving quick.
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_strategy(png, Z_RLE);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bmp.width()), static_cast<png_uint_32>(bmp.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < bmp.height(); ++y) {
        const Color32* s = bmp.scanLine(y);
        png_byte* d = row.data();
        for (int x = 0; x < bmp.width(); ++x) {
            d[3 * x] = RedOf(s[x]);
            d[3 * x + 1] = GreenOf(s[x]);
            d[3 * x + 2] = BlueOf(s[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::move(st.out);
}

}  // namespace viramo
