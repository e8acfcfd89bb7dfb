#include "core/codecs/Ico.h"

#include <cstring>

#include "core/codecs/Bmp.h"
#include "core/codecs/ByteReader.h"
#include "core/codecs/Png.h"

namespace viramo {

Bitmap32 DecodeIco(const Bytes& data) {
    ByteReader r(data.data(), data.size(), "ICO");
    const unsigned type = r.u16le(2);
    if (r.u16le(0) != 0 || (type != 1 && type != 2)) throw PictureError("", "ICO: not an icon file");
    const unsigned count = r.u16le(4);
    if (count == 0) throw PictureError("", "ICO: the icon holds no image");
    r.need(6, 16 * static_cast<size_t>(count));
    size_t best = 0;
    std::uint64_t bestScore = 0;
    for (unsigned i = 0; i < count; ++i) {
        const size_t e = 6 + 16 * static_cast<size_t>(i);
        const std::uint64_t w = r.u8(e) ? r.u8(e) : 256, h = r.u8(e + 1) ? r.u8(e + 1) : 256;
        const std::uint64_t bpp = type == 1 ? r.u16le(e + 6) : 0;
        const std::uint64_t score = (w * h) << 8 | (bpp & 0xFF);
        if (i == 0 || score > bestScore) {
            bestScore = score;
            best = e;
        }
    }
    const std::uint32_t size = r.u32le(best + 8), offset = r.u32le(best + 12);
    r.need(offset, size);
    const std::uint8_t* img = data.data() + offset;
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 8 && std::memcmp(img, kPng, 8) == 0) return DecodePng(Bytes(img, img + size));
    return DecodeIconDib(img, size);
}

}  // namespace viramo
