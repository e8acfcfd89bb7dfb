#include "core/codecs/Tiff.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/codecs/Limits.h"
#include "core/util/Errors.h"

namespace viramo {

namespace {

// A growable in-memory file for libtiff's client procedures.
struct MemFile {
    Bytes* data;
    const Bytes* readOnly;
    toff_t pos = 0;
    std::string error;

    size_t length() const { return data ? data->size() : readOnly->size(); }
};

tmsize_t readProc(thandle_t h, void* buf, tmsize_t n) {
    auto* f = static_cast<MemFile*>(h);
    if (n <= 0 || f->pos >= f->length()) return 0;
    size_t len = std::min<size_t>(static_cast<size_t>(n), f->length() - f->pos);
    const std::uint8_t* src = f->data ? f->data->data() : f->readOnly->data();
    std::memcpy(buf, src + f->pos, len);
    f->pos += len;
    return static_cast<tmsize_t>(len);
}

tmsize_t writeProc(thandle_t h, void* buf, tmsize_t n) {
    auto* f = static_cast<MemFile*>(h);
    if (!f->data || n < 0) return -1;
    if (n == 0) return 0;
    const size_t end = f->pos + static_cast<size_t>(n);
    if (end > f->data->size()) f->data->resize(end);
    std::memcpy(f->data->data() + f->pos, buf, static_cast<size_t>(n));
    f->pos = end;
    return n;
}

toff_t seekProc(thandle_t h, toff_t off, int whence) {
    auto* f = static_cast<MemFile*>(h);
    std::int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<std::int64_t>(f->pos)
                                                                     : static_cast<std::int64_t>(f->length());
    std::int64_t p = base + static_cast<std::int64_t>(off);
    if (p < 0 || p > (std::int64_t{1} << 40)) return static_cast<toff_t>(-1);
    f->pos = static_cast<toff_t>(p);
    return f->pos;
}

int closeProc(thandle_t) { return 0; }
toff_t sizeProc(thandle_t h) { return static_cast<MemFile*>(h)->length(); }
int mapProc(thandle_t, void**, toff_t*) { return 0; }
void unmapProc(thandle_t, void*, toff_t) {}

int onError(TIFF*, void* user, const char* module, const char* fmt, va_list ap) {
    auto* f = static_cast<MemFile*>(user);
    if (f->error.empty()) {
        char buf[512];
        std::vsnprintf(buf, sizeof buf, fmt, ap);
        f->error = std::string(module ? module : "") + (module ? ": " : "") + buf;
    }
    return 1;
}
int onWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

TIFF* open(MemFile& f, const char* mode) {
    TIFFOpenOptions* opts = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(opts, onError, &f);
    TIFFOpenOptionsSetWarningHandlerExtR(opts, onWarning, &f);
    TIFFOpenOptionsSetMaxSingleMemAlloc(opts, tmsize_t{1} << 30);
    TIFF* t = TIFFClientOpenExt("memory", mode, &f, readProc, writeProc, seekProc, closeProc, sizeProc, mapProc,
                                unmapProc, opts);
    TIFFOpenOptionsFree(opts);
    return t;
}

struct Closer {
    TIFF* t;
    ~Closer() {
        if (t) TIFFClose(t);
    }
};

[[noreturn]] void fail(const MemFile& f, const char* what) {
    throw PictureError("", std::string("TIFF: ") + (f.error.empty() ? what : f.error));
}

}  // namespace

Bitmap32 DecodeTiff(const Bytes& data) {
    MemFile f{nullptr, &data, 0, {}};
    TIFF* t = open(f, "rm");
    if (!t) fail(f, "not a TIFF file");
    Closer closer{t};
    std::uint32_t w = 0, h = 0;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &h);
    std::uint16_t extra = 0;
    std::uint16_t* extraTypes = nullptr;
    TIFFGetField(t, TIFFTAG_EXTRASAMPLES, &extra, &extraTypes);
    CheckPictureSize(w, h, data.size(), 16384.0, "TIFF");
    char emsg[1024] = {0};
    if (!TIFFRGBAImageOK(t, emsg)) throw PictureError("", std::string("TIFF: ") + emsg);
    Bitmap32 out(static_cast<int>(w), static_cast<int>(h));
    if (!TIFFReadRGBAImageOriented(t, w, h, out.bits(), ORIENTATION_TOPLEFT, 1)) fail(f, "the picture data cannot be read");
    // libtiff packs A B G R from the high byte down; ours is A R G B.
    Color32* p = out.bits();
    for (size_t i = 0; i < out.pixelCount(); ++i) {
        const Color32 c = p[i];
        p[i] = (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
    }
    if (extra == 0) out.setAllAlpha(255);
    return out;
}

Bytes EncodeTiff(const Bitmap32& bmp) {
    if (bmp.empty()) throw PictureError("", "TIFF: cannot write an empty picture");
    Bytes data;
    MemFile f{&data, nullptr, 0, {}};
    TIFF* t = open(f, "w");
    if (!t) fail(f, "cannot start writing");
    Closer closer{t};
    const std::uint32_t w = static_cast<std::uint32_t>(bmp.width()), h = static_cast<std::uint32_t>(bmp.height());
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, w);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, h);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, 0));
    std::vector<std::uint8_t> row(static_cast<size_t>(w) * 3);
    for (std::uint32_t y = 0; y < h; ++y) {
        const Color32* s = bmp.scanLine(static_cast<int>(y));
        for (std::uint32_t x = 0; x < w; ++x) {
            row[3 * x] = RedOf(s[x]);
            row[3 * x + 1] = GreenOf(s[x]);
            row[3 * x + 2] = BlueOf(s[x]);
        }
        if (TIFFWriteScanline(t, row.data(), y, 0) < 0) fail(f, "cannot write the picture data");
    }
    closer.t = nullptr;
    TIFFClose(t);  // flushes the last strip and the directory
    if (!f.error.empty()) fail(f, "");
    return data;
}

}  // namespace viramo
