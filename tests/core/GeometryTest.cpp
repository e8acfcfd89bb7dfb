#include <gtest/gtest.h>

#include <cmath>

#include "TestUtil.h"
#include "core/document/Undo.h"
#include "core/fx/Geometry.h"

using namespace viramo;

TEST(Geometry, QuarterTurnsAndMirrorsMoveEveryPixel) {
    Bitmap32 b(3, 2);
    const Color32 A = 0x110000A0, B = 0x220000B0, C = 0x330000C0, D = 0x440000D0, E = 0x550000E0, F = 0x660000F0;
    b.setPixel(0, 0, A), b.setPixel(1, 0, B), b.setPixel(2, 0, C);
    b.setPixel(0, 1, D), b.setPixel(1, 1, E), b.setPixel(2, 1, F);
    Bitmap32 r = Turned90(b, true);
    ASSERT_EQ(r.width(), 2);
    EXPECT_EQ(r.pixel(0, 0), D);
    EXPECT_EQ(r.pixel(1, 0), A);
    EXPECT_EQ(r.pixel(0, 2), F);
    EXPECT_EQ(r.pixel(1, 2), C);
    Bitmap32 l = Turned90(b, false);
    EXPECT_EQ(l.pixel(0, 0), C);
    EXPECT_EQ(l.pixel(1, 0), F);
    EXPECT_EQ(l.pixel(0, 2), A);
    EXPECT_EQ(l.pixel(1, 2), D);
    const Bitmap32 p = test::Pattern(7, 5, false);
    EXPECT_TRUE(Turned90(Turned90(p, true), false).samePixels(p));
    EXPECT_TRUE(Turned90(Turned90(Turned90(Turned90(p, true), true), true), true).samePixels(p));
    EXPECT_TRUE(Mirrored(Mirrored(p, true), true).samePixels(p));
    EXPECT_TRUE(Mirrored(Mirrored(p, false), false).samePixels(p));
    EXPECT_EQ(Mirrored(p, true).pixel(2, 0), p.pixel(2, 4));
}

TEST(Geometry, TurningALayerSwapsItsPlacementAboutTheTopLeftAndUndoes) {
    Document d;
    d.setCanvas(Bitmap32(100, 100));
    Layer& l = d.AddPhotograph(Bitmap32(30, 10), 0, 0);
    d.SetLayerLocation(l, {5, 6, 65, 26});
    TurnLayer(d, true);
    EXPECT_EQ(l.location, (FloatRect{5, 6, 25, 66}));
    EXPECT_EQ(l.bitmap.width(), 10);
    EXPECT_EQ(d.rubberBand()->location, l.location);
    ASSERT_TRUE(Undo(d));
    EXPECT_EQ(l.location, (FloatRect{5, 6, 65, 26}));
    MirrorLayer(d, false);
    EXPECT_EQ(d.undo.undoKind, UndoKind::Effect);
}

TEST(Geometry, FreeRotation) {
    Document d;
    d.setCanvas(Bitmap32(500, 500));
    Layer& l = d.AddPhotograph(test::Pattern(200, 100), 0, 0);
    d.SetLayerLocation(l, {10, 20, 210, 120});
    const Bitmap32 original = l.bitmap;
    RotationCopy copy = TakeRotationCopy(d);
    FreeRotate(d, copy, 0, false);
    ASSERT_EQ(l.bitmap.width(), 200);
    EXPECT_EQ(l.bitmap.pixel(50, 50), original.pixel(50, 50));  // colours stay in place
    EXPECT_EQ(AlphaOf(l.bitmap.pixel(50, 50)), 255);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(AlphaOf(l.bitmap.pixel(i, 50)), 0);
        EXPECT_EQ(AlphaOf(l.bitmap.pixel(199 - i, 50)), 0);
        EXPECT_EQ(AlphaOf(l.bitmap.pixel(50, i)), 0);
        EXPECT_EQ(AlphaOf(l.bitmap.pixel(50, 99 - i)), 0);
    }
    EXPECT_EQ(AlphaOf(l.bitmap.pixel(2, 50)), 255);
    FreeRotate(d, copy, 90, true);
    EXPECT_EQ(l.bitmap.width(), 100);
    EXPECT_EQ(l.bitmap.height(), 200);
    FreeRotate(d, copy, 45, true);
    EXPECT_EQ(l.bitmap.width(), 212);
    EXPECT_EQ(l.bitmap.height(), 212);
    EXPECT_EQ(AlphaOf(l.bitmap.pixel(2, 2)), 0);  // the corners outside the turned picture
    EXPECT_EQ(AlphaOf(l.bitmap.pixel(106, 106)), 255);
    EXPECT_EQ(l.location.left, 10.f);
    EXPECT_NEAR(l.location.right - l.location.left, 212.13, 0.01);
}

TEST(Geometry, ImageSizeFieldsAndResizing) {
    ImageSizeFields f;
    f.FormActivate(800, 600);
    EXPECT_EQ(f.kilobytes(), 1875);
    f.Edit1Change(400, true);
    EXPECT_EQ(f.height(), 300);
    EXPECT_EQ(f.kilobytes(), 469);
    f.FormActivate(800, 600);
    f.Edit3Change(469);
    EXPECT_EQ(f.width(), 400);
    EXPECT_EQ(f.height(), 300);
    f.Edit2Change(150, false);
    EXPECT_EQ(f.width(), 400);
    Document d;
    d.setCanvas(test::Pattern(800, 600));
    Layer& l = d.AddPhotograph(Bitmap32(10, 10), 0, 0);
    d.SetLayerLocation(l, {101, 51, 301, 151});
    ImageSize(d, 800, 600, 0);  // unchanged: the undo is recorded, nothing else
    EXPECT_EQ(d.undo.undoKind, UndoKind::Size);
    EXPECT_EQ(l.location, (FloatRect{101, 51, 301, 151}));
    ImageSize(d, 400, 300, 1);
    EXPECT_EQ(d.canvas().width(), 400);
    EXPECT_EQ(l.location, (FloatRect{50, 26, 150, 76}));
}

TEST(Geometry, CanvasCropWithProportionsAndClamping) {
    Document d;
    d.setCanvas(test::Pattern(400, 300));
    const Bitmap32 before = d.canvas();
    Layer& l = d.AddPhotograph(Bitmap32(10, 10), 0, 0);
    d.SetLayerLocation(l, {150, 80, 250, 180});
    Layer& f = d.CreateFrameLayer(200, 150, kCropFrameTag);
    d.SetSelection(&f);
    d.SetLayerLocation(f, {100, 50, 300, 60});
    for (auto [entry, portrait, bottom] : {std::tuple{1, false, 250.f}, {3, false, 162.f}, {3, true, 406.f}}) {
        ApplyCropProportions(d, entry, portrait);
        EXPECT_EQ(f.location.bottom, bottom);
    }
    // Reaching below the canvas: clamped to it.
    CanvasCrop(d);
    EXPECT_EQ(d.canvas().width(), 200);
    EXPECT_EQ(d.canvas().height(), 250);
    EXPECT_EQ(d.canvas().pixel(0, 0), before.pixel(100, 50));
    EXPECT_EQ(d.undo.cropOffsetX, 100);
    EXPECT_EQ(l.location, (FloatRect{50, 30, 150, 130}));
    EXPECT_TRUE(l.cropped);
    for (int i = 0; i < d.layerCount(); ++i) EXPECT_FALSE(d.layer(i).isFrame());
    ASSERT_TRUE(Undo(d));
    EXPECT_TRUE(d.canvas().samePixels(before));
    EXPECT_EQ(l.location, (FloatRect{150, 80, 250, 180}));
}

TEST(Geometry, LayerCropKeepsScaleAndAlpha) {
    Document d;
    d.setCanvas(Bitmap32(500, 500));
    Layer& l = d.AddPhotograph(Bitmap32(1, 1), 0, 0);
    l.bitmap = test::Pattern(400, 200, false);
    const Bitmap32 before = l.bitmap;
    d.SetLayerLocation(l, {10, 20, 210, 120});  // half size
    LayerCrop(d, {50, 30, 150, 130});
    ASSERT_EQ(l.bitmap.width(), 100);
    EXPECT_EQ(l.bitmap.height(), 100);
    EXPECT_EQ(l.bitmap.pixel(0, 0), before.pixel(50, 30));  // alpha of the kept pixels unchanged
    EXPECT_EQ(l.location, (FloatRect{10, 20, 60, 70}));
    EXPECT_EQ(d.undo.undoKind, UndoKind::Geom);
}

TEST(Geometry, ReliefAndButtonRings) {
    EXPECT_EQ(ReliefContrasts(400, 3), (std::vector<int>{12, 10, 8, 6, 4, 2, 0, -2, -4, -6, -8, -10}));
    EXPECT_EQ(ButtonContrasts(800, 2, 6, false),
              (std::vector<int>{48, 45, 42, 39, 36, 33, 30, 27, 24, 21, 18, 15, 12, 9, 6, 3}));
    EXPECT_EQ(ButtonContrasts(800, 2, 6, true),
              (std::vector<int>{48, 42, 36, 30, 24, 18, 12, 6, 0, -6, -12, -18, -24, -30, -36, -42}));
    EXPECT_EQ(ButtonDepthFor(1000), 5);
    EXPECT_EQ(ButtonDepthFor(200), 16);
    EXPECT_EQ(ButtonDepthFor(10000), 1);
    // An outer border of "Граница" 0 adds exactly the relief thickness on each side.
    Bitmap32 b(400, 100, 0xFF808080);
    Relief(b, 3, true, 0xFFC0C0C0, 0);
    EXPECT_EQ(b.width(), 424);
    EXPECT_EQ(b.height(), 124);
    Bitmap32 c(400, 100, 0xFF808080);
    Relief(c, 3, true, 0xFFC0C0C0, 50);
    EXPECT_EQ(c.width(), 436);
    EXPECT_EQ(c.pixel(15, 50), 0xFFC0C0C0u);  // inside the border, past the rings
    Bitmap32 ring(400, 100, 0xFF808080);
    Relief(ring, 3, false, 0, 0);
    EXPECT_EQ(ring.pixel(6, 50), 0xFF808080u);  // the ring of contrast 0 leaves its pixels
    EXPECT_NE(ring.pixel(0, 50), 0xFF808080u);
}
