#include <gtest/gtest.h>

#include <cmath>

#include "TestUtil.h"
#include "core/gfx/Transform.h"

using namespace viramo;

TEST(Transform, ProjectiveOntoTheIdentityQuadCopiesTheSource) {
    for (auto f : {StretchFilter::Nearest, StretchFilter::Linear, StretchFilter::Spline}) {
        Bitmap32 src = test::Pattern(13, 9, false);
        src.filter = f;
        Bitmap32 dst(13, 9, 0x12345678);
        ProjectiveTransformation t;
        t.srcRect = FloatRect{0, 0, 13, 9};
        t.corners = {FloatPoint{0, 0}, FloatPoint{13, 0}, FloatPoint{13, 9}, FloatPoint{0, 9}};
        Transform(dst, src, t);
        EXPECT_TRUE(dst.samePixels(src)) << static_cast<int>(f);
    }
}

TEST(Transform, ProjectiveTrapezoidLeavesOutsideUntouched) {
    Bitmap32 src(200, 100, 0xFFFF0000);
    src.drawMode = DrawMode::Blend;
    src.filter = StretchFilter::Linear;
    Bitmap32 dst(200, 100, 0x00FFFFFF);
    ProjectiveTransformation t;
    t.srcRect = FloatRect{0, 0, 200, 100};
    t.corners = {FloatPoint{30, 0}, FloatPoint{170, 0}, FloatPoint{200, 100}, FloatPoint{0, 100}};
    Transform(dst, src, t);
    EXPECT_EQ(dst.pixel(2, 2), 0x00FFFFFFu);    // top-left corner outside the trapezoid
    EXPECT_EQ(dst.pixel(197, 2), 0x00FFFFFFu);  // top-right
    EXPECT_EQ(dst.pixel(100, 50), 0xFFFF0000u);
    EXPECT_EQ(dst.pixel(1, 98), 0xFFFF0000u);
}

TEST(Transform, AffineQuarterTurnMovesPixelsClockwise) {
    // 3 x 2: A B C / D E F turned right gives D A / E B / F C.
    Bitmap32 src(3, 2);
    const Color32 A = 0xFF0000A0, B = 0xFF0000B0, C = 0xFF0000C0, D = 0xFF0000D0, E = 0xFF0000E0, F = 0xFF0000F0;
    src.setPixel(0, 0, A), src.setPixel(1, 0, B), src.setPixel(2, 0, C);
    src.setPixel(0, 1, D), src.setPixel(1, 1, E), src.setPixel(2, 1, F);
    AffineTransformation t;
    t.srcRect = FloatRect{0, 0, 3, 2};
    t.translate(-1.5, -1);
    t.rotate(90);
    t.translate(1, 1.5);
    const FloatRect b = t.transformedBounds();
    EXPECT_NEAR(b.width(), 2, 1e-5);
    EXPECT_NEAR(b.height(), 3, 1e-5);
    Bitmap32 dst(2, 3, 0);
    Transform(dst, src, t);
    EXPECT_EQ(dst.pixel(0, 0), D);
    EXPECT_EQ(dst.pixel(1, 0), A);
    EXPECT_EQ(dst.pixel(0, 1), E);
    EXPECT_EQ(dst.pixel(1, 1), B);
    EXPECT_EQ(dst.pixel(0, 2), F);
    EXPECT_EQ(dst.pixel(1, 2), C);
}

TEST(Transform, AffineBoundsOfA45DegreeTurn) {
    AffineTransformation t;
    t.srcRect = FloatRect{0, 0, 200, 100};
    t.translate(-100, -50);
    t.rotate(45);
    const FloatRect b = t.transformedBounds();
    EXPECT_NEAR(b.width(), 150 * std::sqrt(2.0), 1e-3);  // |200 cos| + |100 sin|
    EXPECT_NEAR(b.height(), 150 * std::sqrt(2.0), 1e-3);
}
