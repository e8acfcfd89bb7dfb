#include <gtest/gtest.h>

#include "TestUtil.h"
#include "core/gfx/Resample.h"

using namespace viramo;

TEST(Resample, NearestDoublingDuplicatesEveryPixel) {
    Bitmap32 src = test::Pattern(5, 3, false);
    Bitmap32 out = Resampled(src, 10, 6, StretchFilter::Nearest);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(out.pixel(x, y), src.pixel(x / 2, y / 2)) << x << "," << y;
}

TEST(Resample, TheThreeFiltersGiveDistinctResults) {
    Bitmap32 src = test::Pattern(16, 16);
    for (auto size : {std::pair{40, 40}, std::pair{7, 7}}) {
        Bitmap32 n = Resampled(src, size.first, size.second, StretchFilter::Nearest);
        Bitmap32 l = Resampled(src, size.first, size.second, StretchFilter::Linear);
        Bitmap32 s = Resampled(src, size.first, size.second, StretchFilter::Spline);
        EXPECT_FALSE(n.samePixels(l));
        EXPECT_FALSE(l.samePixels(s));
        EXPECT_FALSE(n.samePixels(s));
    }
}

TEST(Resample, SmoothFiltersKeepFlatAreasAndAverageWhenShrinking) {
    Bitmap32 flat(9, 9, 0x80336699);
    for (auto f : {StretchFilter::Linear, StretchFilter::Spline}) {
        Bitmap32 up = Resampled(flat, 31, 17, f);
        for (size_t i = 0; i < up.pixelCount(); ++i) ASSERT_EQ(up.bits()[i], 0x80336699u);
    }
    // A one-pixel checkerboard halved with a linear filter is grey, not black or white.
    Bitmap32 checker(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) checker.setPixel(x, y, (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000);
    Bitmap32 half = Resampled(checker, 32, 32, StretchFilter::Linear);
    for (int y = 2; y < 30; ++y)
        for (int x = 2; x < 30; ++x) ASSERT_NEAR(RedOf(half.pixel(x, y)), 128, 2);
}

TEST(Resample, StretchDrawClipsBlendsAndHonoursFloatRectangles) {
    Bitmap32 dst(10, 10, 0xFF000000);
    Bitmap32 src(2, 2, 0xFFFFFFFF);
    src.drawMode = DrawMode::Blend;
    src.masterAlpha = 128;
    // Placement reaching past the destination: only the inside changes.
    StretchDraw(dst, FloatRect{6.f, 6.f, 14.f, 14.f}, dst.boundsRect(), src, src.boundsRect());
    EXPECT_EQ(dst.pixel(5, 5), 0xFF000000u);
    EXPECT_EQ(dst.pixel(6, 6), 0xFF808080u);
    EXPECT_EQ(dst.pixel(9, 9), 0xFF808080u);
    // A pixel is covered when its centre lies in the rectangle.
    Bitmap32 d2(4, 1, 0);
    Bitmap32 s2(1, 1, 0xFFFFFFFF);
    StretchDraw(d2, FloatRect{0.6f, 0.f, 2.5f, 1.f}, d2.boundsRect(), s2, s2.boundsRect());
    EXPECT_EQ(d2.pixel(0, 0), 0u);
    EXPECT_EQ(d2.pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(d2.pixel(2, 0), 0u);
    // A clip rectangle limits the work to what is visible.
    Bitmap32 d3(8, 8, 0);
    StretchDraw(d3, FloatRect{0, 0, 8, 8}, Rect{2, 2, 4, 4}, s2, s2.boundsRect());
    EXPECT_EQ(d3.pixel(1, 1), 0u);
    EXPECT_EQ(d3.pixel(2, 3), 0xFFFFFFFFu);
    EXPECT_EQ(d3.pixel(4, 4), 0u);
}
