#include <gtest/gtest.h>

#include "TestUtil.h"
#include "core/codecs/Bmp.h"
#include "core/util/Errors.h"

using namespace viramo;
using test::MakeBmp;

TEST(Bmp, WriterProducesThe62ByteFileForTwoPixels) {
    Bitmap32 b(2, 1);
    b.setPixel(0, 0, 0x80112233);
    b.setPixel(1, 0, 0xFF445566);
    const Bytes expected = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,           // file header
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 32, 0,          // size, width, height, planes, bits
        0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,            // uncompressed, image bytes, resolution
        0, 0, 0, 0, 0, 0, 0, 0,                                    // colour table counts
        0x33, 0x22, 0x11, 0x80, 0x66, 0x55, 0x44, 0xFF,            // blue, green, red, alpha
    };
    EXPECT_EQ(EncodeBmp(b), expected);
}

TEST(Bmp, RowsAreWrittenBottomUpAndReadBack) {
    Bitmap32 b = test::Pattern(3, 2, false);
    Bytes file = EncodeBmp(b);
    ASSERT_EQ(file.size(), 54u + 4 * 3 * 2);
    EXPECT_EQ(file[54 + 2], RedOf(b.pixel(0, 1)));  // the first row stored is the bottom one
    Bitmap32 back = DecodeBmp(file);
    EXPECT_TRUE(back.samePixels(b));  // alpha travels in the fourth byte
}

TEST(Bmp, ReadsEveryDepthWithAlpha255BelowThirtyTwoBits) {
    const std::vector<std::uint32_t> pal = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    struct Case {
        const char* name;
        Bytes file;
        std::vector<Color32> topRow, bottomRow;
    } cases[] = {
        {"1 bit", MakeBmp(3, 2, 1, 0, {0x000000, 0xFFFFFF}, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0}),
         {0xFF000000, 0xFFFFFFFF, 0xFF000000}, {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
        {"4 bit", MakeBmp(3, 2, 4, 0, pal, {0x12, 0x30, 0, 0, 0x01, 0x20, 0, 0}),
         {0xFF000000, 0xFFFF0000, 0xFF00FF00}, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF}},
        {"8 bit", MakeBmp(3, 2, 8, 0, pal, {3, 2, 1, 0, 0, 0, 0, 0}),
         {0xFF000000, 0xFF000000, 0xFF000000}, {0xFF0000FF, 0xFF00FF00, 0xFFFF0000}},
        {"16 bit 555", MakeBmp(3, 2, 16, 0, {}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0}),
         {0xFFFFFFFF, 0xFF000000, 0xFF000000}, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF}},
        {"16 bit 565 fields", MakeBmp(1, 1, 16, 3, {}, {0xE0, 0x07, 0, 0}, {0xF800, 0x07E0, 0x001F}),
         {0xFF00FF00}, {0xFF00FF00}},
        {"24 bit", MakeBmp(1, 2, 24, 0, {}, {1, 2, 3, 0, 4, 5, 6, 0}), {0xFF060504}, {0xFF030201}},
        {"32 bit keeps alpha", MakeBmp(1, 1, 32, 0, {}, {1, 2, 3, 4}), {0x04030201}, {0x04030201}},
        {"32 bit fields with alpha", MakeBmp(1, 1, 32, 6, {}, {0x11, 0x22, 0x33, 0x44}, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}),
         {0x44112233}, {0x44112233}},
    };
    for (const auto& c : cases) {
        Bitmap32 b = DecodeBmp(c.file);
        ASSERT_EQ(b.width(), static_cast<int>(c.topRow.size())) << c.name;
        for (int x = 0; x < b.width(); ++x) {
            EXPECT_EQ(b.pixel(x, 0), c.topRow[x]) << c.name << " top " << x;
            EXPECT_EQ(b.pixel(x, b.height() - 1), c.bottomRow[x]) << c.name << " bottom " << x;
        }
    }
}

TEST(Bmp, TopDownRowsComeInReadingOrder) {
    Bytes f = MakeBmp(1, 2, 24, 0, {}, {1, 2, 3, 0, 4, 5, 6, 0});
    f[22] = 0xFE, f[23] = 0xFF, f[24] = 0xFF, f[25] = 0xFF;  // height -2
    Bitmap32 b = DecodeBmp(f);
    EXPECT_EQ(b.pixel(0, 0), 0xFF030201u);
    EXPECT_EQ(b.pixel(0, 1), 0xFF060504u);
}

TEST(Bmp, RunLengthEncodedPictures) {
    const std::vector<std::uint32_t> pal = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // RLE8, 4 x 2. Bottom row: absolute run 1, 1, 3 (padded), end of line.
    // Top row: delta one to the right, a run of two of index 2, end of picture.
    Bytes rle8 = {0, 3, 1, 1, 3, 0, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1};
    Bitmap32 b = DecodeBmp(MakeBmp(4, 2, 8, 1, pal, rle8));
    EXPECT_EQ(b.pixel(0, 1), 0xFFFF0000u);
    EXPECT_EQ(b.pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(b.pixel(2, 1), 0xFF0000FFu);
    EXPECT_EQ(b.pixel(3, 1), 0xFF000000u);  // never written: colour 0
    EXPECT_EQ(b.pixel(0, 0), 0xFF000000u);  // skipped by the delta
    EXPECT_EQ(b.pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(b.pixel(2, 0), 0xFF00FF00u);
    // RLE4, 4 x 1: absolute nibbles 1, 2, 3, then a run of one nibble 1.
    Bytes rle4 = {0, 3, 0x12, 0x30, 1, 0x10, 0, 1};
    Bitmap32 c = DecodeBmp(MakeBmp(4, 1, 4, 2, pal, rle4));
    EXPECT_EQ(c.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(c.pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(c.pixel(2, 0), 0xFF0000FFu);
    EXPECT_EQ(c.pixel(3, 0), 0xFFFF0000u);
    // Runs alternate their two nibbles.
    Bytes alt = {4, 0x12, 0, 1};
    Bitmap32 d = DecodeBmp(MakeBmp(4, 1, 4, 2, pal, alt));
    EXPECT_EQ(d.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(d.pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(d.pixel(2, 0), 0xFFFF0000u);
}
