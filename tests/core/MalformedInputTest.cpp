#include <gtest/gtest.h>

#include "TestUtil.h"
#include "core/codecs/Bmp.h"
#include "core/codecs/Gif.h"
#include "core/codecs/Ico.h"
#include "core/codecs/Jpeg.h"
#include "core/codecs/Limits.h"
#include "core/codecs/Picture.h"
#include "core/codecs/Png.h"
#include "core/codecs/Tiff.h"
#include "core/util/Errors.h"

using namespace viramo;
using test::MakeBmp;

namespace {

Bytes SmallIcon() {
    // One 2 x 2 entry, 32-bit colours with zero alpha, so the AND mask decides.
    Bytes dib;
    test::Put32(dib, 40);
    test::Put32(dib, 2);
    test::Put32(dib, 4);  // colour rows and mask rows together
    test::Put16(dib, 1);
    test::Put16(dib, 32);
    for (int i = 0; i < 6; ++i) test::Put32(dib, 0);
    for (std::uint32_t c : {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0x00FFFFFFu}) test::Put32(dib, c);
    for (std::uint32_t m : {0x00000080u, 0x00000000u}) test::Put32(dib, m);  // bottom-left transparent
    Bytes ico = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0};
    test::Put32(ico, dib.size());
    test::Put32(ico, 22);
    ico.insert(ico.end(), dib.begin(), dib.end());
    return ico;
}

using Decoder = Bitmap32 (*)(const Bytes&);

struct Sample {
    const char* name;
    Decoder decode;
    Bytes file;
};

std::vector<Sample> Samples() {
    const Bitmap32 pic = test::Pattern(6, 5);
    return {
        {"BMP 32", DecodeBmp, EncodeBmp(pic)},
        {"BMP 8 RLE", DecodeBmp, MakeBmp(4, 2, 8, 1, {0, 0xFF0000, 0xFF00}, {0, 3, 1, 1, 2, 0, 0, 0, 2, 2, 0, 1})},
        {"BMP 4", DecodeBmp, MakeBmp(3, 1, 4, 0, {0, 0xFF0000}, {0x10, 0x10, 0, 0})},
        {"ICO", DecodeIco, SmallIcon()},
        {"GIF", DecodeGif, EncodeGif(pic, 8)},
        {"PNG", DecodePng, EncodePng(pic)},
        {"JPEG", DecodeJpeg, EncodeJpeg(pic, 80)},
        {"TIFF", DecodeTiff, EncodeTiff(pic)},
    };
}

}  // namespace

TEST(MalformedInput, SamplesDecodeWhole) {
    for (const auto& s : Samples()) EXPECT_NO_THROW(s.decode(s.file)) << s.name;
    Bitmap32 ico = DecodeIco(SmallIcon());
    EXPECT_EQ(ico.pixel(0, 1), 0x000000FFu);  // masked: transparent
    EXPECT_EQ(ico.pixel(1, 1), 0xFF00FF00u);
    EXPECT_EQ(ico.pixel(0, 0), 0xFFFF0000u);
}

TEST(MalformedInput, EveryTruncationIsAnErrorNeverACrash) {
    for (const auto& s : Samples()) {
        for (size_t len = 0; len < s.file.size(); ++len) {
            Bytes cut(s.file.begin(), s.file.begin() + static_cast<long>(len));
            // GIF and TIFF may hold everything needed before their last bytes
            // (the trailer, a directory already read); those may decode.
            const bool mayPass = std::string(s.name) == "GIF" || std::string(s.name) == "TIFF";
            try {
                Bitmap32 b = s.decode(cut);
                EXPECT_TRUE(mayPass) << s.name << " truncated to " << len << " bytes decoded";
            } catch (const PictureError&) {
            }
        }
    }
}

TEST(MalformedInput, HugeDimensionsWithATinyBodyAreRefusedBeforeAllocating) {
    Bytes bmp = MakeBmp(1, 1, 24, 0, {}, {0, 0, 0, 0});
    bmp[18] = 0xFF, bmp[19] = 0xFF, bmp[20] = 0x00, bmp[21] = 0x00;  // width 65535
    bmp[22] = 0xFF, bmp[23] = 0xFF, bmp[24] = 0x00, bmp[25] = 0x00;  // height 65535
    EXPECT_THROW(DecodeBmp(bmp), PictureError);

    Bytes rle = MakeBmp(1, 1, 8, 1, {0}, {0, 1});
    rle[18] = 0x40, rle[19] = 0x1F;  // 8000 x 8000 described by two bytes
    rle[22] = 0x40, rle[23] = 0x1F;
    EXPECT_THROW(DecodeBmp(rle), PictureError);

    Bytes gif = EncodeGif(test::Pattern(4, 4), 8);
    gif[6] = 0xFF, gif[7] = 0xFF, gif[8] = 0xFF, gif[9] = 0xFF;  // screen 65535 x 65535
    EXPECT_THROW(DecodeGif(gif), PictureError);

    Bytes png = EncodePng(test::Pattern(4, 4));
    png[16] = 0, png[17] = 0, png[18] = 0x7F, png[19] = 0xFF;  // width 32767 (CRC now wrong too)
    png[20] = 0, png[21] = 0, png[22] = 0x7F, png[23] = 0xFF;
    EXPECT_THROW(DecodePng(png), PictureError);

    // Within the body's reach but over the pixel limit.
    const auto saved = PixelLimit();
    SetPixelLimit(100);
    EXPECT_THROW(DecodeBmp(EncodeBmp(Bitmap32(11, 10))), PictureError);
    EXPECT_THROW(DecodeJpeg(EncodeJpeg(Bitmap32(11, 10, 0xFF000000), 50)), PictureError);
    EXPECT_NO_THROW(DecodeBmp(EncodeBmp(Bitmap32(10, 10))));
    SetPixelLimit(saved);
}

TEST(MalformedInput, PaletteIndicesAndRunsOutsideTheirLimits) {
    // Index 5 in a two-colour table.
    EXPECT_THROW(DecodeBmp(MakeBmp(2, 1, 8, 0, {0, 0xFFFFFF}, {1, 5, 0, 0})), PictureError);
    // RLE8 run of 5 in a row of 4; RLE4 run past the edge; delta past the top.
    EXPECT_THROW(DecodeBmp(MakeBmp(4, 1, 8, 1, {0, 1}, {5, 1, 0, 1})), PictureError);
    EXPECT_THROW(DecodeBmp(MakeBmp(2, 1, 4, 2, {0, 1}, {3, 0x11, 0, 1})), PictureError);
    EXPECT_THROW(DecodeBmp(MakeBmp(2, 2, 8, 1, {0, 1}, {0, 2, 0, 5, 1, 1, 0, 1})), PictureError);
    // Pixel data beyond the end of the file; a header size that is no header.
    Bytes shortBody = MakeBmp(4, 4, 24, 0, {}, Bytes(10, 0));
    EXPECT_THROW(DecodeBmp(shortBody), PictureError);
    Bytes badHeader = MakeBmp(1, 1, 24, 0, {}, Bytes(4, 0));
    badHeader[14] = 7;
    EXPECT_THROW(DecodeBmp(badHeader), PictureError);
    // A 1 x 1 GIF with a two-colour table whose one pixel names colour 3
    // (LZW codes clear, 3, end of information at 3 bits each).
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255,
                       0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x5C, 0x01, 0, 0x3B};
    EXPECT_THROW(DecodeGif(gif), PictureError);
    Bytes fine = gif;
    fine[31] = 0x4C;  // colour 1 instead: decodes to white
    EXPECT_EQ(DecodeGif(fine).pixel(0, 0), 0xFFFFFFFFu);
}

TEST(MalformedInput, ArbitraryBytesUnderEveryDecoder) {
    // Deterministic junk, also with valid signatures in front.
    std::uint32_t state = 12345;
    auto next = [&] { return state = state * 1103515245u + 12345u; };
    const Decoder all[] = {DecodeBmp, DecodeIco, DecodeGif, DecodePng, DecodeJpeg, DecodeTiff};
    for (int round = 0; round < 200; ++round) {
        Bytes junk(static_cast<size_t>(next() % 300));
        for (auto& b : junk) b = static_cast<std::uint8_t>(next() >> 16);
        for (auto d : all) {
            for (const Sample& s : Samples()) {
                if (s.decode != d) continue;
                Bytes mixed = s.file;
                for (size_t i = 14 + (next() % 20); i < mixed.size(); i += 1 + next() % 40)
                    mixed[i] = static_cast<std::uint8_t>(next() >> 8);
                try {
                    d(mixed);
                } catch (const Error&) {
                }
                break;
            }
            try {
                d(junk);
            } catch (const Error&) {
            }
        }
    }
}
