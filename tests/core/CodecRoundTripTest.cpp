#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "TestUtil.h"
#include "core/codecs/Bmp.h"
#include "core/codecs/Gif.h"
#include "core/codecs/Jpeg.h"
#include "core/codecs/Png.h"
#include "core/codecs/Quantize.h"
#include "core/codecs/Tiff.h"

using namespace viramo;

TEST(RoundTrip, LosslessFormatsGiveBackTheSamePixels) {
    const Bitmap32 opaque = test::Pattern(37, 23);
    const Bitmap32 withAlpha = test::Pattern(37, 23, false);
    EXPECT_TRUE(DecodeBmp(EncodeBmp(withAlpha)).samePixels(withAlpha));
    // PNG and TIFF are written as 24-bit: colours exact, alpha opaque.
    EXPECT_TRUE(DecodePng(EncodePng(opaque)).samePixels(opaque));
    EXPECT_TRUE(DecodeTiff(EncodeTiff(opaque)).samePixels(opaque));
    Bitmap32 dropped = DecodePng(EncodePng(withAlpha));
    for (size_t i = 0; i < dropped.pixelCount(); ++i)
        ASSERT_EQ(dropped.bits()[i], withAlpha.bits()[i] | 0xFF000000u);
}

TEST(RoundTrip, LargePngsAreCompressedInPiecesThatJoinIntoOneStream) {
    // Large enough to be deflated in one piece per core.
    const Bitmap32 big = test::Pattern(1300, 1100);
    const Bytes file = EncodePng(big);
    EXPECT_TRUE(DecodePng(file).samePixels(big));
}

TEST(RoundTrip, JpegStaysCloseAndQualityMatters) {
    const Bitmap32 src = test::Smooth(64, 48);
    for (int q : {1, 70, 100}) {
        Bytes file = EncodeJpeg(src, q);
        Bitmap32 back = DecodeJpeg(file);
        ASSERT_EQ(back.width(), 64);
        ASSERT_EQ(back.height(), 48);
        double err = 0;
        for (size_t i = 0; i < src.pixelCount(); ++i)
            for (int s = 0; s < 24; s += 8)
                err += std::abs(int((src.bits()[i] >> s) & 0xFF) - int((back.bits()[i] >> s) & 0xFF));
        err /= src.pixelCount() * 3.0;
        if (q == 100) {
            EXPECT_LT(err, 2.0);
        }
        if (q == 70) {
            EXPECT_LT(err, 4.0);
        }
        EXPECT_EQ(AlphaOf(back.pixel(5, 5)), 255);
    }
    EXPECT_LT(EncodeJpeg(src, 1).size(), EncodeJpeg(src, 100).size());
}

namespace {
int gifTableSize(const Bytes& gif) {
    EXPECT_GE(gif.size(), 13u);
    EXPECT_TRUE(gif[10] & 0x80);  // global colour table present
    return 2 << (gif[10] & 7);
}
}  // namespace

TEST(RoundTrip, GifHonoursTheRequestedPaletteSize) {
    const Bitmap32 photo = test::Smooth(80, 60);
    struct Case {
        int bits, tableSize;
    } cases[] = {{1, 2}, {4, 16}, {8, 256}, {24, 256}};
    for (const auto& c : cases) {
        Bytes file = EncodeGif(photo, c.bits);
        EXPECT_EQ(gifTableSize(file), c.tableSize) << c.bits;
        Bitmap32 back = DecodeGif(file);
        ASSERT_EQ(back.width(), 80);
        EXPECT_LE(CountColors(back), static_cast<size_t>(c.tableSize)) << c.bits;
        if (c.bits == 1) {
            for (size_t i = 0; i < back.pixelCount(); ++i)
                ASSERT_TRUE(back.bits()[i] == 0xFF000000u || back.bits()[i] == 0xFFFFFFFFu);
        }
    }
    // A real quantiser: 256 colours of a smooth picture stay close to it.
    Bitmap32 back = DecodeGif(EncodeGif(photo, 24));
    double err = 0;
    for (size_t i = 0; i < photo.pixelCount(); ++i)
        err += std::abs(int(GreenOf(photo.bits()[i])) - int(GreenOf(back.bits()[i])));
    EXPECT_LT(err / photo.pixelCount(), 6.0);
}

TEST(RoundTrip, GifKeepsFewColoursExactlyAndAlphaIsOpaque) {
    Bitmap32 card(20, 10, 0x80FF0000);
    for (int x = 0; x < 10; ++x) card.setPixel(x, 3, 0xFF00FF00);
    Bitmap32 back = DecodeGif(EncodeGif(card, 4));
    for (size_t i = 0; i < card.pixelCount(); ++i) ASSERT_EQ(back.bits()[i], card.bits()[i] | 0xFF000000u);
}

TEST(RoundTrip, JpegIsTurnedUprightByItsExifOrientation) {
    // 32 x 16, left half red, right half blue, stored "needs a clockwise turn".
    Bitmap32 src(32, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) src.setPixel(x, y, x < 16 ? 0xFFFF0000 : 0xFF0000FF);
    Bytes jpeg = EncodeJpeg(src, 95);
    const std::uint8_t exif[] = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0,
                                 0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0};
    Bytes app1 = {0xFF, 0xE1, 0, static_cast<std::uint8_t>(sizeof exif + 2)};
    app1.insert(app1.end(), exif, exif + sizeof exif);
    jpeg.insert(jpeg.begin() + 2, app1.begin(), app1.end());
    Bitmap32 b = DecodeJpeg(jpeg);
    ASSERT_EQ(b.width(), 16);
    ASSERT_EQ(b.height(), 32);
    EXPECT_GT(RedOf(b.pixel(8, 4)), 200);   // the left half is now on top
    EXPECT_GT(BlueOf(b.pixel(8, 28)), 200);
}
