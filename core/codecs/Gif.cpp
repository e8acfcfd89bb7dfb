#include "core/codecs/Gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/codecs/Limits.h"
#include "core/codecs/Quantize.h"
#include "core/util/Errors.h"

namespace viramo {

namespace {

struct Reader {
    const Bytes* data;
    size_t pos = 0;
};

int readFn(GifFileType* gif, GifByteType* buf, int len) {
    auto* r = static_cast<Reader*>(gif->UserData);
    if (len <= 0) return 0;
    size_t n = std::min(static_cast<size_t>(len), r->data->size() - r->pos);
    if (n == 0) return 0;
    std::memcpy(buf, r->data->data() + r->pos, n);
    r->pos += n;
    return static_cast<int>(n);
}

[[noreturn]] void fail(int code) {
    const char* msg = GifErrorString(code);
    throw PictureError("", std::string("GIF: ") + (msg ? msg : "cannot be read"));
}

struct Closer {
    GifFileType* gif;
    ~Closer() {
        int err = 0;
        if (gif) DGifCloseFile(gif, &err);
    }
};

}  // namespace

Bitmap32 DecodeGif(const Bytes& data) {
    Reader reader{&data};
    int err = 0;
    GifFileType* gif = DGifOpen(&reader, readFn, &err);
    if (!gif) fail(err);
    Closer closer{gif};
    for (;;) {
        GifRecordType type;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) fail(gif->Error);
        if (type == TERMINATE_RECORD_TYPE) throw PictureError("", "GIF: the file holds no picture");
        if (type == EXTENSION_RECORD_TYPE) {
            int code;
            GifByteType* ext;
            if (DGifGetExtension(gif, &code, &ext) == GIF_ERROR) fail(gif->Error);
            while (ext)
                if (DGifGetExtensionNext(gif, &ext) == GIF_ERROR) fail(gif->Error);
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) continue;
        if (DGifGetImageDesc(gif) == GIF_ERROR) fail(gif->Error);
        break;
    }
    const GifImageDesc& d = gif->Image;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0) throw PictureError("", "GIF: the picture has no colour table");
    const std::int64_t left = d.Left, top = d.Top, fw = d.Width, fh = d.Height;
    const std::int64_t sw = std::max<std::int64_t>(gif->SWidth, left + fw);
    const std::int64_t sh = std::max<std::int64_t>(gif->SHeight, top + fh);
    // An LZW code of at least 3 bits stands for at most 4096 pixels.
    CheckPictureSize(fw, fh, data.size(), 16384.0, "GIF");
    CheckPictureSize(sw, sh, data.size(), 16384.0, "GIF");
    Bitmap32 out(static_cast<int>(sw), static_cast<int>(sh));
    Color32 background = 0xFF000000u;
    if (gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        const GifColorType& c = gif->SColorMap->Colors[gif->SBackGroundColor];
        background = MakeColor32(c.Red, c.Green, c.Blue);
    }
    out.clear(background);
    std::vector<GifPixelType> line(static_cast<size_t>(fw));
    auto readRow = [&](int y) {
        if (DGifGetLine(gif, line.data(), static_cast<int>(fw)) == GIF_ERROR) fail(gif->Error);
        Color32* o = out.scanLine(static_cast<int>(top) + y) + left;
        for (std::int64_t x = 0; x < fw; ++x) {
            const int idx = line[static_cast<size_t>(x)];
            if (idx >= map->ColorCount)
                throw PictureError("", "GIF: colour index " + std::to_string(idx) + " is outside the colour table");
            const GifColorType& c = map->Colors[idx];
            o[x] = MakeColor32(c.Red, c.Green, c.Blue);
        }
    };
    if (d.Interlace) {
        static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (std::int64_t y = start[pass]; y < fh; y += step[pass]) readRow(static_cast<int>(y));
    } else {
        for (std::int64_t y = 0; y < fh; ++y) readRow(static_cast<int>(y));
    }
    return out;
}

namespace {

struct Writer {
    Bytes out;
};

int writeFn(GifFileType* gif, const GifByteType* buf, int len) {
    auto* w = static_cast<Writer*>(gif->UserData);
    w->out.insert(w->out.end(), buf, buf + len);
    return len;
}

}  // namespace

Bytes EncodeGif(const Bitmap32& bmp, int bits) {
    if (bmp.empty()) throw PictureError("", "GIF: cannot write an empty picture");
    if (bmp.width() > 65535 || bmp.height() > 65535)
        throw PictureError("", "GIF: pictures wider or taller than 65535 pixels cannot be written");
    IndexedPicture q;
    int tableSize;
    if (bits == 1) {
        q = QuantizeBlackWhite(bmp);
        tableSize = 2;
    } else if (bits == 4) {
        q = QuantizeMedianCut(bmp, 16);
        tableSize = 16;
    } else {
        q = QuantizeMedianCut(bmp, 256);
        tableSize = 256;
    }
    std::vector<GifColorType> colors(static_cast<size_t>(tableSize));
    for (size_t i = 0; i < colors.size(); ++i) {
        const Color32 c = i < q.palette.size() ? q.palette[i] : 0xFF000000u;
        colors[i] = GifColorType{RedOf(c), GreenOf(c), BlueOf(c)};
    }
    ColorMapObject* map = GifMakeMapObject(tableSize, colors.data());
    if (!map) throw PictureError("", "GIF: out of memory");
    struct MapGuard {
        ColorMapObject* m;
        ~MapGuard() { GifFreeMapObject(m); }
    } mapGuard{map};
    Writer writer;
    int err = 0;
    GifFileType* gif = EGifOpen(&writer, writeFn, &err);
    if (!gif) fail(err);
    auto check = [&](int rc) {
        if (rc == GIF_ERROR) {
            int code = gif->Error;
            EGifCloseFile(gif, &err);
            fail(code);
        }
    };
    const int bpp = bits == 1 ? 1 : (bits == 4 ? 4 : 8);
    check(EGifPutScreenDesc(gif, bmp.width(), bmp.height(), bpp, 0, map));
    check(EGifPutImageDesc(gif, 0, 0, bmp.width(), bmp.height(), false, nullptr));
    for (int y = 0; y < bmp.height(); ++y)
        check(EGifPutLine(gif, q.indices.data() + static_cast<size_t>(y) * static_cast<size_t>(bmp.width()),
                          bmp.width()));
    if (EGifCloseFile(gif, &err) == GIF_ERROR) fail(err);
    return std::move(writer.out);
}

}  // namespace viramo
