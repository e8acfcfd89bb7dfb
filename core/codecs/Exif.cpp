#include "core/codecs/Exif.h"

#include <cstring>

#include "core/codecs/ByteReader.h"

namespace viramo {

int ExifOrientation(const std::uint8_t* data, std::size_t size) {
    if (size < 14 || std::memcmp(data, "Exif\0\0", 6) != 0) return 1;
    ByteReader r(data + 6, size - 6, "EXIF");
    try {
        bool le;
        if (r.u8(0) == 'I' && r.u8(1) == 'I') le = true;
        else if (r.u8(0) == 'M' && r.u8(1) == 'M') le = false;
        else return 1;
        auto u16 = [&](std::size_t o) { return le ? r.u16le(o) : r.u16be(o); };
        auto u32 = [&](std::size_t o) { return le ? r.u32le(o) : r.u32be(o); };
        if (u16(2) != 42) return 1;
        const std::size_t ifd = u32(4);
        const unsigned count = u16(ifd);
        for (unsigned i = 0; i < count; ++i) {
            const std::size_t e = ifd + 2 + 12 * static_cast<std::size_t>(i);
            if (u16(e) == 0x0112) {
                const unsigned type = u16(e + 2);
                unsigned v = type == 3 ? u16(e + 8) : (type == 4 ? u32(e + 8) : 1);
                return v >= 1 && v <= 8 ? static_cast<int>(v) : 1;
            }
        }
    } catch (const PictureError&) {
        // A damaged EXIF block leaves the picture as stored.
    }
    return 1;
}

Bitmap32 ApplyOrientation(const Bitmap32& src, int o) {
    if (o < 2 || o > 8) return src;
    const int w = src.width(), h = src.height();
    const bool swap = o >= 5;
    Bitmap32 out(swap ? h : w, swap ? w : h);
    for (int y = 0; y < h; ++y) {
        const Color32* s = src.scanLine(y);
        for (int x = 0; x < w; ++x) {
            int dx, dy;
            switch (o) {
                case 2: dx = w - 1 - x; dy = y; break;            // mirrored left-right
                case 3: dx = w - 1 - x; dy = h - 1 - y; break;    // upside down
                case 4: dx = x; dy = h - 1 - y; break;            // mirrored top-bottom
                case 5: dx = y; dy = x; break;                    // transposed
                case 6: dx = h - 1 - y; dy = x; break;            // needs a clockwise turn
                case 7: dx = h - 1 - y; dy = w - 1 - x; break;    // transverse
                default: dx = y; dy = w - 1 - x; break;           // 8: needs a counter-clockwise turn
            }
            out.scanLine(dy)[dx] = s[x];
        }
    }
    out.copyAttributesFrom(src);
    return out;
}

}  // namespace viramo
