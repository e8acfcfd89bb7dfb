#include <gtest/gtest.h>

#include "core/gfx/Blend.h"
#include "core/gfx/RaiseRect.h"

using namespace viramo;

namespace {
constexpr Color32 kBase = 0xFF808080;

struct Edges {
    Color32 top, left, bottom, right, corner_tr, corner_bl, inside;
};

Edges draw(int contrast) {
    Bitmap32 b(10, 8, kBase);
    RaiseRect(b, Rect{1, 1, 9, 7}, contrast);  // edges at x 1 and 8, y 1 and 6
    return {b.pixel(4, 1), b.pixel(1, 3), b.pixel(4, 6), b.pixel(8, 3), b.pixel(8, 1), b.pixel(1, 6), b.pixel(4, 3)};
}
}  // namespace

TEST(RaiseRect, PositiveContrastIsLightAboveAndLeftDarkBelowAndRight) {
    const Edges e = draw(20);
    const Color32 light = BlendPixel(0x66FFFFFF, kBase);  // 512*20/100 = 102
    const Color32 dark = BlendPixel(0x33000000, kBase);   // 255*20/100 = 51
    EXPECT_EQ(e.top, light);
    EXPECT_EQ(e.left, light);
    EXPECT_EQ(e.bottom, dark);
    EXPECT_EQ(e.right, dark);
    EXPECT_EQ(e.corner_tr, light);  // the top line runs to x2 - 1
    EXPECT_EQ(e.corner_bl, dark);   // the bottom line starts at x1
    EXPECT_EQ(e.inside, kBase);
}

TEST(RaiseRect, NegativeContrastSwapsTheRoles) {
    const Edges e = draw(-60);
    EXPECT_EQ(e.top, BlendPixel(0x99000000, kBase));    // 255*60/100 = 153
    EXPECT_EQ(e.bottom, BlendPixel(0xFFFFFFFF, kBase));  // min(255, 307)
    EXPECT_EQ(e.left, e.top);
    EXPECT_EQ(e.right, e.bottom);
}

TEST(RaiseRect, ZeroContrastDrawsNothingAndOutsideLinesAreClipped) {
    const Edges e = draw(0);
    EXPECT_EQ(e.top, kBase);
    EXPECT_EQ(e.bottom, kBase);
    Bitmap32 b(4, 4, kBase);
    RaiseRect(b, Rect{-2, -2, 10, 10}, 50);  // every line outside
    for (size_t i = 0; i < b.pixelCount(); ++i) EXPECT_EQ(b.bits()[i], kBase);
    RaiseRect(b, Rect{0, 0, 4, 4}, 50);
    EXPECT_NE(b.pixel(0, 0), kBase);
    EXPECT_EQ(b.pixel(0, 3), BlendPixel(0x7F000000, kBase));  // bottom edge owns the corner
}
