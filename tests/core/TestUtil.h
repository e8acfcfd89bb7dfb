#pragma once
// Small fixtures made in code: patterned bitmaps and hand-built BMP files.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/gfx/Bitmap32.h"
#include "core/util/FileIO.h"

namespace viramo::test {

// Distinct, deterministic colours with varying alpha.
inline Bitmap32 Pattern(int w, int h, bool opaque = true) {
    Bitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t r = (x * 37 + y * 11) & 0xFF, g = (x * 5 + y * 71) & 0xFF, bl = (x * 113 ^ y * 29) & 0xFF;
            std::uint32_t a = opaque ? 255 : ((x + y * 7) * 41) & 0xFF;
            b.setPixel(x, y, MakeColor32(r, g, bl, a));
        }
    return b;
}

// A smooth picture that survives JPEG with small errors.
inline Bitmap32 Smooth(int w, int h) {
    Bitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, MakeColor32(x * 255 / (w - 1), y * 255 / (h - 1), 128 + (x - y) / 4));
    return b;
}

inline void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
inline void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

// A BMP file with a 40-byte header; palette entries as $RRGGBB; optional
// bit-field masks; pixel bytes exactly as given (rows already padded).
inline Bytes MakeBmp(int w, int h, int bpp, std::uint32_t compression, const std::vector<std::uint32_t>& palette,
                     const Bytes& pixels, const std::vector<std::uint32_t>& masks = {}) {
    Bytes b;
    const std::uint32_t off = 14 + 40 + 4 * masks.size() + 4 * palette.size();
    b.push_back('B');
    b.push_back('M');
    Put32(b, off + pixels.size());
    Put32(b, 0);
    Put32(b, off);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(w));
    Put32(b, static_cast<std::uint32_t>(h));
    Put16(b, 1);
    Put16(b, bpp);
    Put32(b, compression);
    Put32(b, pixels.size());
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, palette.size());
    Put32(b, 0);
    for (auto m : masks) Put32(b, m);
    for (auto c : palette) Put32(b, c);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

inline std::string TempPath(const std::string& name) {
    return std::string(::testing::TempDir()) + "viramo_" + name;
}

}  // namespace viramo::test
