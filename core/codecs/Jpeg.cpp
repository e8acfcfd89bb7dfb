#include "core/codecs/Jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "core/codecs/Exif.h"
#include "core/codecs/Limits.h"
#include "core/util/Errors.h"

namespace viramo {

namespace {

struct ErrorState {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    auto* st = reinterpret_cast<ErrorState*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, st->message);
    std::longjmp(st->jump, 1);
}
void onMessage(j_common_ptr, int) {}  // warnings about odd but readable data stay quiet

// A memory source that treats running out of bytes as an error instead of
// inventing an end marker, so a truncated file is not shown half grey.
void srcInit(j_decompress_ptr) {}
boolean srcFill(j_decompress_ptr cinfo) {
    auto* st = reinterpret_cast<ErrorState*>(cinfo->err);
    std::snprintf(st->message, sizeof st->message, "the file ends before the picture does");
    std::longjmp(st->jump, 1);
}
void srcSkip(j_decompress_ptr cinfo, long n) {
    if (n <= 0) return;
    if (static_cast<size_t>(n) > cinfo->src->bytes_in_buffer) srcFill(cinfo);
    cinfo->src->next_input_byte += n;
    cinfo->src->bytes_in_buffer -= static_cast<size_t>(n);
}
void srcTerm(j_decompress_ptr) {}

}  // namespace

Bitmap32 DecodeJpeg(const Bytes& data) {
    Bitmap32 out;
    std::vector<JSAMPLE> cmykRow;
    volatile int orientation = 1;
    jpeg_decompress_struct cinfo;
    ErrorState err;
    jpeg_source_mgr src;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = onError;
    err.mgr.emit_message = onMessage;
    err.message[0] = 0;
    // Declared before setjmp so that a jump back finds it intact.
    struct Guard {
        jpeg_decompress_struct* c;
        volatile bool live = false;
        ~Guard() {
            if (live) jpeg_destroy_decompress(c);
        }
    } guard{&cinfo};
    if (setjmp(err.jump)) throw PictureError("", std::string("JPEG: ") + err.message);
    jpeg_create_decompress(&cinfo);
    guard.live = true;
    src.init_source = srcInit;
    src.fill_input_buffer = srcFill;
    src.skip_input_data = srcSkip;
    src.resync_to_restart = jpeg_resync_to_restart;
    src.term_source = srcTerm;
    src.next_input_byte = data.data();
    src.bytes_in_buffer = data.size();
    cinfo.src = &src;
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next)
        if (m->marker == JPEG_APP0 + 1) {
            int o = ExifOrientation(m->data, m->data_length);
            if (o != 1) orientation = o;
        }
    // Progressive scans can describe thousands of blocks in a few bytes; this only
    // stops absurd sizes claimed by tiny files.
    CheckPictureSize(cinfo.image_width, cinfo.image_height, data.size(), 16384.0, "JPEG");
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    out.setSize(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    if (cmyk) cmykRow.resize(static_cast<size_t>(cinfo.output_width) * 4);
    // Adobe writes CMYK inverted; the marker tells which convention applies.
    const bool inverted = cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
        Color32* row = out.scanLine(static_cast<int>(cinfo.output_scanline));
        if (!cmyk) {
            JSAMPROW p = reinterpret_cast<JSAMPROW>(row);
            jpeg_read_scanlines(&cinfo, &p, 1);
            continue;
        }
        JSAMPROW p = cmykRow.data();
        jpeg_read_scanlines(&cinfo, &p, 1);
        for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
            unsigned c = p[4 * x], m = p[4 * x + 1], y = p[4 * x + 2], k = p[4 * x + 3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            row[x] = MakeColor32((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
        }
    }
    jpeg_finish_decompress(&cinfo);
    if (cmyk) out.setAllAlpha(255);
    if (orientation != 1) return ApplyOrientation(out, orientation);
    return out;
}

Bytes EncodeJpeg(const Bitmap32& bmp, int quality) {
    if (bmp.empty()) throw PictureError("", "JPEG: cannot write an empty picture");
    jpeg_compress_struct cinfo;
    ErrorState err;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = onError;
    err.mgr.emit_message = onMessage;
    err.message[0] = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        throw PictureError("", std::string("JPEG: ") + err.message);
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(bmp.width());
    cinfo.image_height = static_cast<JDIMENSION>(bmp.height());
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;  // $AARRGGBB read as bytes, alpha ignored
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW p = reinterpret_cast<JSAMPROW>(const_cast<Color32*>(bmp.scanLine(static_cast<int>(cinfo.next_scanline))));
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes result(buffer, buffer + size);
    std::free(buffer);
    return result;
}

}  // namespace viramo
