#include "core/codecs/Bmp.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "core/codecs/ByteReader.h"
#include "core/codecs/Limits.h"

namespace viramo {

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

[[noreturn]] void bad(const std::string& why) { throw PictureError("", "BMP: " + why); }

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
    std::uint32_t get(std::uint32_t v, std::uint32_t absent) const {
        if (!mask) return absent;
        std::uint32_t x = (v & mask) >> shift;
        return (x * 255 + max / 2) / max;
    }
    static Channel of(std::uint32_t mask) {
        Channel c;
        c.mask = mask;
        if (!mask) return c;
        while (!((mask >> c.shift) & 1)) ++c.shift;
        c.max = mask >> c.shift;
        return c;
    }
};

struct DibInfo {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    unsigned bpp = 0;
    std::uint32_t compression = kRgb;
    std::array<std::uint32_t, 4> masks{};  // r, g, b, a
    bool hasMasks = false;
    std::vector<Color32> palette;
    std::size_t tableEnd = 0;  // first byte after the header, masks and colour table
};

// Parses the information header at offset 'at' and the colour table after it.
// paletteEnd bounds where the colour table may extend.
DibInfo parseDib(const ByteReader& r, std::size_t at, std::size_t paletteEnd) {
    DibInfo d;
    const std::uint32_t hdr = r.u32le(at);
    std::size_t entrySize = 4;
    std::uint32_t clrUsed = 0;
    if (hdr == 12) {
        d.width = r.u16le(at + 4);
        d.height = static_cast<std::int16_t>(r.u16le(at + 6));
        d.bpp = r.u16le(at + 10);
        entrySize = 3;
    } else if (hdr >= 40 && hdr <= 4096) {
        r.need(at, hdr);
        d.width = r.i32le(at + 4);
        d.height = r.i32le(at + 8);
        d.bpp = r.u16le(at + 14);
        d.compression = r.u32le(at + 16);
        clrUsed = r.u32le(at + 32);
    } else {
        bad("unknown header size " + std::to_string(hdr));
    }
    if (d.height < 0) {
        d.topDown = true;
        d.height = -d.height;
    }
    if (d.width <= 0 || d.height <= 0) bad("invalid size");
    std::size_t afterHeader = at + hdr;
    if (d.compression == kBitFields || d.compression == kAlphaBitFields) {
        if (d.bpp != 16 && d.bpp != 32) bad("bit fields need 16 or 32 bits per pixel");
        std::size_t count = d.compression == kAlphaBitFields ? 4 : 3;
        if (hdr >= 52) count = hdr >= 56 ? 4 : 3;  // masks live inside larger headers
        std::size_t maskAt = hdr >= 52 ? at + 40 : afterHeader;
        for (std::size_t i = 0; i < count; ++i) d.masks[i] = r.u32le(maskAt + 4 * i);
        if (hdr < 52) afterHeader += 4 * count;
        d.hasMasks = true;
    } else if (d.compression == kRle8) {
        if (d.bpp != 8) bad("RLE8 needs 8 bits per pixel");
        if (d.topDown) bad("compressed pictures cannot be top-down");
    } else if (d.compression == kRle4) {
        if (d.bpp != 4) bad("RLE4 needs 4 bits per pixel");
        if (d.topDown) bad("compressed pictures cannot be top-down");
    } else if (d.compression != kRgb) {
        bad("unsupported compression " + std::to_string(d.compression));
    }
    switch (d.bpp) {
        case 1: case 4: case 8: case 16: case 24: case 32: break;
        default: bad("unsupported depth of " + std::to_string(d.bpp) + " bits");
    }
    if (d.bpp <= 8) {
        std::size_t n = clrUsed ? clrUsed : (std::size_t{1} << d.bpp);
        if (n > 256) bad("colour table too large");
        // Some writers leave the table short of the pixel data; take what fits.
        std::size_t avail = paletteEnd > afterHeader ? (paletteEnd - afterHeader) / entrySize : 0;
        n = std::min(n, avail);
        if (n == 0) bad("missing colour table");
        r.need(afterHeader, n * entrySize);
        d.palette.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t* p = r.data() + afterHeader + i * entrySize;
            d.palette[i] = MakeColor32(p[2], p[1], p[0]);
        }
        afterHeader += n * entrySize;
    }
    d.tableEnd = afterHeader;
    return d;
}

Color32 paletteAt(const DibInfo& d, unsigned index) {
    if (index >= d.palette.size()) bad("colour index " + std::to_string(index) + " is outside the colour table");
    return d.palette[index];
}

void readUncompressed(const ByteReader& r, std::size_t pixelAt, const DibInfo& d, Bitmap32& out) {
    const std::int64_t stride = ((d.width * d.bpp + 31) / 32) * 4;
    r.need(pixelAt, static_cast<std::size_t>(stride * d.height));
    const int w = out.width();
    const Channel cr = Channel::of(d.hasMasks ? d.masks[0] : (d.bpp == 16 ? 0x7C00u : 0xFF0000u));
    const Channel cg = Channel::of(d.hasMasks ? d.masks[1] : (d.bpp == 16 ? 0x03E0u : 0x00FF00u));
    const Channel cb = Channel::of(d.hasMasks ? d.masks[2] : (d.bpp == 16 ? 0x001Fu : 0x0000FFu));
    const Channel ca = Channel::of(d.hasMasks ? d.masks[3] : 0u);
    for (std::int64_t row = 0; row < d.height; ++row) {
        const std::uint8_t* s = r.data() + pixelAt + row * stride;
        const int y = static_cast<int>(d.topDown ? row : d.height - 1 - row);
        Color32* o = out.scanLine(y);
        switch (d.bpp) {
            case 1:
                for (int x = 0; x < w; ++x) o[x] = paletteAt(d, (s[x >> 3] >> (7 - (x & 7))) & 1);
                break;
            case 4:
                for (int x = 0; x < w; ++x) o[x] = paletteAt(d, (s[x >> 1] >> ((x & 1) ? 0 : 4)) & 15);
                break;
            case 8:
                for (int x = 0; x < w; ++x) o[x] = paletteAt(d, s[x]);
                break;
            case 16:
                for (int x = 0; x < w; ++x) {
                    std::uint32_t v = static_cast<std::uint32_t>(s[2 * x] | (s[2 * x + 1] << 8));
                    o[x] = MakeColor32(cr.get(v, 0), cg.get(v, 0), cb.get(v, 0), ca.get(v, 255));
                }
                break;
            case 24:
                for (int x = 0; x < w; ++x) o[x] = MakeColor32(s[3 * x + 2], s[3 * x + 1], s[3 * x]);
                break;
            case 32:
                if (!d.hasMasks) {
                    std::memcpy(o, s, std::size_t{4} * static_cast<std::size_t>(w));  // bytes B, G, R, A
                } else {
                    for (int x = 0; x < w; ++x) {
                        std::uint32_t v = static_cast<std::uint32_t>(s[4 * x]) | (s[4 * x + 1] << 8) |
                                          (s[4 * x + 2] << 16) | (static_cast<std::uint32_t>(s[4 * x + 3]) << 24);
                        o[x] = MakeColor32(cr.get(v, 0), cg.get(v, 0), cb.get(v, 0), ca.get(v, 255));
                    }
                }
                break;
        }
    }
}

void readRle(const ByteReader& r, std::size_t pixelAt, const DibInfo& d, Bitmap32& out) {
    const bool four = d.compression == kRle4;
    const int w = out.width(), h = out.height();
    const Color32 fill = paletteAt(d, 0);
    out.clear(fill);
    int x = 0, y = 0;  // y counts from the bottom row
    std::size_t p = pixelAt;
    auto put = [&](unsigned index) {
        if (x >= w || y >= h) bad("RLE run passes the edge of the picture");
        out.setPixel(x, h - 1 - y, paletteAt(d, index));
        ++x;
    };
    for (;;) {
        const unsigned count = r.u8(p), value = r.u8(p + 1);
        p += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) put(four ? ((i & 1) ? (value & 15) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of picture
            return;
        } else if (value == 2) {  // delta
            const unsigned dx = r.u8(p), dy = r.u8(p + 1);
            p += 2;
            x += static_cast<int>(dx);
            y += static_cast<int>(dy);
            if (x > w || y > h || (y == h && x > 0)) bad("RLE delta passes the edge of the picture");
        } else {  // absolute run of 'value' pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            r.need(p, bytes);
            for (unsigned i = 0; i < value; ++i) {
                const std::uint8_t b = r.data()[p + (four ? i / 2 : i)];
                put(four ? ((i & 1) ? (b & 15) : (b >> 4)) : b);
            }
            p += (bytes + 1) & ~std::size_t{1};
        }
    }
}

Bitmap32 decodeDib(const ByteReader& r, std::size_t headerAt, std::size_t pixelAt, bool icon) {
    DibInfo d = parseDib(r, headerAt, icon ? r.size() : pixelAt);
    if (icon) {
        if (d.height % 2) bad("icon height is odd");
        d.height /= 2;
        d.topDown = false;
        pixelAt = d.tableEnd;
    }
    const bool rle = d.compression == kRle4 || d.compression == kRle8;
    // RLE deltas skip up to 255 x 255 pixels in 4 bytes; plain rows need every byte.
    const double ratio = rle ? 16384.0 : 8.0 * 4.0;
    const std::size_t body = pixelAt < r.size() ? r.size() - pixelAt : 0;
    CheckPictureSize(d.width, d.height, body, ratio, "BMP");
    Bitmap32 out(static_cast<int>(d.width), static_cast<int>(d.height));
    if (rle)
        readRle(r, pixelAt, d, out);
    else
        readUncompressed(r, pixelAt, d, out);
    if (d.bpp != 32) out.setAllAlpha(255);
    if (icon) {
        const std::int64_t stride = ((d.width + 31) / 32) * 4;
        const std::int64_t colourStride = ((d.width * d.bpp + 31) / 32) * 4;
        const std::size_t maskAt = pixelAt + static_cast<std::size_t>(colourStride * d.height);
        bool ownAlpha = false;
        if (d.bpp == 32)
            for (std::size_t i = 0; i < out.pixelCount() && !ownAlpha; ++i) ownAlpha = AlphaOf(out.bits()[i]) != 0;
        if (!ownAlpha) {
            out.setAllAlpha(255);
            if (r.has(maskAt, static_cast<std::size_t>(stride * d.height))) {
                for (std::int64_t row = 0; row < d.height; ++row) {
                    const std::uint8_t* m = r.data() + maskAt + row * stride;
                    Color32* o = out.scanLine(static_cast<int>(d.height - 1 - row));
                    for (int x = 0; x < out.width(); ++x)
                        if ((m[x >> 3] >> (7 - (x & 7))) & 1) o[x] &= 0x00FFFFFFu;
                }
            } else if (d.bpp != 32) {
                bad("icon mask is truncated");
            }
        }
    }
    return out;
}

}  // namespace

Bitmap32 DecodeBmp(const std::uint8_t* data, std::size_t size) {
    ByteReader r(data, size, "BMP");
    r.need(0, 18);
    if (data[0] != 'B' || data[1] != 'M') bad("not a BMP file");
    const std::uint32_t offBits = r.u32le(10);
    if (offBits < 14 + 12 || offBits > size) bad("pixel data offset is outside the file");
    return decodeDib(r, 14, offBits, false);
}

Bitmap32 DecodeIconDib(const std::uint8_t* data, std::size_t size) {
    ByteReader r(data, size, "ICO");
    return decodeDib(r, 0, 0, true);
}

Bytes EncodeBmp(const Bitmap32& bmp) {
    Bytes b;
    AppendBmp(b, bmp);
    return b;
}

std::size_t AppendBmp(Bytes& out, const Bitmap32& bmp) {
    const std::uint32_t w = static_cast<std::uint32_t>(bmp.width()), h = static_cast<std::uint32_t>(bmp.height());
    const std::uint64_t image = std::uint64_t{4} * w * h;
    const std::size_t at = out.size();
    out.resize(at + 54 + image);
    std::uint8_t* b = out.data() + at;
    auto put16 = [&](std::size_t o, std::uint32_t v) {
        b[o] = static_cast<std::uint8_t>(v);
        b[o + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    auto put32 = [&](std::size_t o, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[o + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    std::memset(b, 0, 54);
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(54 + image));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    put16(26, 1);
    put16(28, 32);
    put32(30, 0);  // uncompressed
    put32(34, static_cast<std::uint32_t>(image));
    // Resolution and colour-table fields stay zero.
    // $AARRGGBB in little-endian memory is already blue, green, red, alpha.
    static_assert(std::endian::native == std::endian::little);
    for (std::uint32_t row = 0; row < h; ++row)
        std::memcpy(b + 54 + std::size_t{4} * w * row, bmp.scanLine(static_cast<int>(h - 1 - row)), std::size_t{4} * w);
    return 54 + image;
}

}  // namespace viramo
