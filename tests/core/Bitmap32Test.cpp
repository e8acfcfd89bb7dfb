#include <gtest/gtest.h>

#include "core/gfx/Bitmap32.h"
#include "core/util/Errors.h"

using namespace viramo;

TEST(Bitmap32, ResizingZeroesEveryBitAndCheckedReadsAnswerTheOuterColour) {
    Bitmap32 b(3, 2, 0xFF123456);
    b.setSize(4, 4);
    for (size_t i = 0; i < b.pixelCount(); ++i) ASSERT_EQ(b.bits()[i], 0u);
    b.setPixel(3, 3, 0x11223344);
    b.outerColor = 0xFFABCDEF;
    EXPECT_EQ(b.pixelS(3, 3), 0x11223344u);
    for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 4}}) EXPECT_EQ(b.pixelS(x, y), 0xFFABCDEFu);
    b.setPixelS(9, 9, 1);  // ignored
    EXPECT_EQ(b.outerColor, 0xFFABCDEFu);
    // Defaults: opaque black outside, full master alpha, opaque drawing, nearest.
    Bitmap32 d;
    EXPECT_TRUE(d.empty());
    EXPECT_EQ(d.outerColor, 0xFF000000u);
    EXPECT_EQ(d.masterAlpha, 255);
    EXPECT_EQ(d.drawMode, DrawMode::Opaque);
    EXPECT_EQ(d.filter, StretchFilter::Nearest);
    // A zero edge makes the picture empty; a negative or oversized one is refused.
    b.setSize(0, 5);
    EXPECT_TRUE(b.empty());
    EXPECT_THROW(b.setSize(-1, 5), PictureError);
    EXPECT_THROW(b.setSize(70000, 70000), PictureError);
}
