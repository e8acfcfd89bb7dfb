#include "core/codecs/Png.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "core/codecs/Limits.h"
#include "core/util/Errors.h"
#include "core/util/Parallel.h"

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

void putBE32(Bytes& out, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putChunk(Bytes& out, const char* type, const std::uint8_t* data, std::size_t len) {
    putBE32(out, static_cast<std::uint32_t>(len));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    if (len) out.insert(out.end(), data, data + len);
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(len + 4));
    putBE32(out, static_cast<std::uint32_t>(crc));
}

// Rows y0..y1-1 as PNG scanlines (filter SUB), deflated as a raw stream that
// ends on a byte boundary (full flush), or finishes the stream when last.
struct Piece {
    Bytes deflated;
    uLong adler = 1;
    std::size_t rawLength = 0;
    bool ok = true;
};

Piece deflateRows(const Bitmap32& bmp, int y0, int y1, bool last) {
    Piece piece;
    const std::size_t rowBytes = static_cast<std::size_t>(bmp.width()) * 3 + 1;
    std::vector<std::uint8_t> row(rowBytes);
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, -15, 8, Z_RLE) != Z_OK) {
        piece.ok = false;
        return piece;
    }
    piece.deflated.resize(deflateBound(&z, static_cast<uLong>(rowBytes * static_cast<std::size_t>(y1 - y0))) + 64);
    z.next_out = piece.deflated.data();
    z.avail_out = static_cast<uInt>(piece.deflated.size());
    for (int y = y0; y < y1; ++y) {
        const Color32* s = bmp.scanLine(y);
        row[0] = 1;  // SUB: each byte minus the byte of the pixel to its left
        std::uint8_t prev[3] = {0, 0, 0};
        for (int x = 0; x < bmp.width(); ++x) {
            const std::uint8_t px[3] = {RedOf(s[x]), GreenOf(s[x]), BlueOf(s[x])};
            for (int c = 0; c < 3; ++c) {
                row[1 + 3 * static_cast<std::size_t>(x) + static_cast<std::size_t>(c)] =
                    static_cast<std::uint8_t>(px[c] - prev[c]);
                prev[c] = px[c];
            }
        }
        piece.adler = adler32(piece.adler, row.data(), static_cast<uInt>(rowBytes));
        piece.rawLength += rowBytes;
        z.next_in = row.data();
        z.avail_in = static_cast<uInt>(rowBytes);
        const int flush = y + 1 < y1 ? Z_NO_FLUSH : (last ? Z_FINISH : Z_FULL_FLUSH);
        const int rc = deflate(&z, flush);
        if (rc == Z_STREAM_ERROR || z.avail_in != 0 || (flush == Z_FINISH && rc != Z_STREAM_END)) {
            piece.ok = false;
            break;
        }
    }
    piece.deflated.resize(piece.deflated.size() - z.avail_out);
    deflateEnd(&z);
    return piece;
}

}  // namespace

Bytes EncodePng(const Bitmap32& bmp) {
    if (bmp.empty()) throw PictureError("", "PNG: cannot write an empty picture");
    // The image data is deflated in one piece per core; pieces end on a full
    // flush, so joined they make one valid stream, and their checksums combine.
    const int h = bmp.height();
    const long long work = static_cast<long long>(bmp.width()) * h * 3;
    const int pieces = work < 4'000'000 ? 1 : std::max(1, std::min(h, static_cast<int>(std::thread::hardware_concurrency())));
    std::vector<Piece> parts(static_cast<std::size_t>(pieces));
    ParallelRows(pieces, work, [&](int first, int last) {
        for (int i = first; i < last; ++i) {
            const int y0 = static_cast<int>(static_cast<long long>(h) * i / pieces);
            const int y1 = static_cast<int>(static_cast<long long>(h) * (i + 1) / pieces);
            parts[static_cast<std::size_t>(i)] = deflateRows(bmp, y0, y1, i == pieces - 1);
        }
    });
    Bytes idat;
    idat.push_back(0x78);  // zlib header: deflate, 32K window
    idat.push_back(0x01);
    uLong adler = 1;
    for (const Piece& p : parts) {
        if (!p.ok) throw PictureError("", "PNG: compression failed");
        idat.insert(idat.end(), p.deflated.begin(), p.deflated.end());
        adler = adler32_combine(adler, p.adler, static_cast<z_off_t>(p.rawLength));
    }
    putBE32(idat, static_cast<std::uint32_t>(adler));

    Bytes out;
    out.reserve(idat.size() + 128);
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.insert(out.end(), kSignature, kSignature + 8);
    std::uint8_t ihdr[13] = {0};
    const auto w32 = static_cast<std::uint32_t>(bmp.width()), h32 = static_cast<std::uint32_t>(h);
    for (int i = 0; i < 4; ++i) {
        ihdr[i] = static_cast<std::uint8_t>(w32 >> (24 - 8 * i));
        ihdr[4 + i] = static_cast<std::uint8_t>(h32 >> (24 - 8 * i));
    }
    ihdr[8] = 8;  // bits per channel
    ihdr[9] = 2;  // RGB
    putChunk(out, "IHDR", ihdr, sizeof ihdr);
    // IDAT chunks of at most 1 MiB, as readers expect reasonable chunk sizes.
    const std::size_t kChunk = std::size_t{1} << 20;
    for (std::size_t at = 0; at < idat.size(); at += kChunk)
        putChunk(out, "IDAT", idat.data() + at, std::min(kChunk, idat.size() - at));
    putChunk(out, "IEND", nullptr, 0);
    return out;
}

}  // namespace viramo
