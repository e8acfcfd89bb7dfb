#include <gtest/gtest.h>

#include "TestUtil.h"
#include "core/document/Editing.h"
#include "core/document/Undo.h"
#include "core/gfx/Blend.h"

using namespace viramo;

TEST(Editing, SelectAllAndCopyGivesTheCompositeWithoutTheGreyTint) {
    Document d;
    d.setCanvas(test::Pattern(80, 60));
    Layer& l = d.AddPhotograph(Bitmap32(10, 10, 0xFFFF0000), 40, 30);
    d.SetLayerLocation(l, {5, 5, 15, 15});
    SelectAll(d, 40, 30);
    auto copied = CopySelection(d);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->width(), 80);
    EXPECT_EQ(copied->pixel(7, 7), 0xFFFF0000u);
    EXPECT_EQ(copied->pixel(50, 40), d.canvas().pixel(50, 40));
    EXPECT_EQ(d.selection(), nullptr);  // the area stays, unselected
    EXPECT_EQ(d.areaShade, 255);
}

TEST(Editing, AreaPlacementIsRoundedHalvesToEven) {
    Document d;
    d.setCanvas(test::Pattern(200, 100));
    Layer& f = SelectArea(d, 50, 50);
    EXPECT_EQ(f.location, (FloatRect{18, 18, 82, 82}));
    d.SetLayerLocation(f, {10.4f, 20.6f, 110.4f, 70.6f});
    auto copied = CopySelection(d);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->width(), 100);
    EXPECT_EQ(copied->height(), 50);
    EXPECT_EQ(copied->pixel(0, 0), d.canvas().pixel(10, 21));
    EXPECT_EQ(copied->pixel(99, 49), d.canvas().pixel(109, 70));
}

TEST(Editing, CutLeavesATransparentHoleOrIsRefusedOverLayers) {
    Document d;
    d.setCanvas(test::Pattern(50, 40));
    const Bitmap32 before = d.canvas();
    Layer& f = SelectArea(d, 25, 20);
    d.SetLayerLocation(f, {10, 10, 20, 15});
    CutResult r = CutSelection(d);
    ASSERT_TRUE(r.picture);
    EXPECT_EQ(r.picture->pixel(0, 0), before.pixel(10, 10));
    EXPECT_EQ(d.canvas().pixel(15, 12), 0x00FFFFFFu);
    EXPECT_EQ(d.canvas().pixel(9, 12), before.pixel(9, 12));
    EXPECT_EQ(d.undo.undoKind, UndoKind::Holst);
    ASSERT_TRUE(Undo(d));
    EXPECT_TRUE(d.canvas().samePixels(before));
    // With a photograph layer: a fragment is refused, the layer itself can be cut.
    Layer& photo = d.AddPhotograph(Bitmap32(4, 4, 0xFF00FF00), 5, 5);
    Layer& area = SelectArea(d, 25, 20);
    r = CutSelection(d);
    EXPECT_TRUE(r.refused);
    EXPECT_FALSE(r.picture);
    EXPECT_EQ(d.indexOf(&area), d.indexOf(&area));
    d.SetSelection(&photo);
    r = CutSelection(d);
    ASSERT_TRUE(r.picture);
    EXPECT_EQ(r.picture->width(), 4);
    EXPECT_EQ(d.bitmapLayerCount(), 0);
}

TEST(Editing, PasteFlattenAndCanvasToLayer) {
    Document d;
    d.setCanvas(Bitmap32(800, 600, 0xFF000000));
    Bitmap32 clip(300, 200, 0x10FFFFFF);  // transparency does not travel
    Layer& l = PastePicture(d, clip, 400, 300);
    EXPECT_EQ(l.location, (FloatRect{250, 200, 550, 400}));
    EXPECT_EQ(AlphaOf(l.bitmap.pixel(0, 0)), 255);
    EXPECT_EQ(l.bitmap.filter, StretchFilter::Nearest);
    d.SetLayerOpacity(128);
    d.scale = 0.5f;
    FlattenLayers(d);
    EXPECT_EQ(d.layerCount(), 0);
    EXPECT_EQ(d.rubberBand(), nullptr);
    EXPECT_EQ(d.canvas().pixel(400, 300), 0xFF808080u);
    EXPECT_EQ(d.canvas().pixel(10, 10), 0xFF000000u);
    EXPECT_EQ(d.scale, 0.5f);
    Layer& c = CanvasToLayer(d);
    EXPECT_EQ(c.location, (FloatRect{0, 0, 800, 600}));
    EXPECT_EQ(c.bitmap.pixel(400, 300), 0xFF808080u);
    EXPECT_EQ(d.canvas().pixel(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(d.selection(), &c);
    PasteAsNewPicture(d, Bitmap32(30, 20, 0x00123456));
    EXPECT_EQ(d.layerCount(), 0);
    EXPECT_EQ(d.canvas().pixel(0, 0), 0xFF123456u);
}

TEST(Editing, TransparentColourFromAPick) {
    Document d;
    d.setCanvas(Bitmap32(100, 100));
    Layer& l = d.AddPhotograph(Bitmap32(10, 10, 0xFFFFFFFF), 0, 0);
    d.SetLayerLocation(l, {0, 0, 20, 20});  // shown twice its size
    l.bitmap.setPixel(3, 3, 0xFFFEFFFF);       // near-white stays
    l.bitmap.setPixel(4, 4, 0xFF000000);
    l.bitmap.setPixel(5, 5, 0x00FFFFFF);       // transparent before, not matching: opaque again
    auto white = PickLayerColour(d, 2.2, 2.2);
    ASSERT_TRUE(white);
    EXPECT_EQ(*white, 0xFFFFFFFFu);
    MakeColourTransparent(d, *white);
    EXPECT_EQ(AlphaOf(l.bitmap.pixel(0, 0)), 0);
    EXPECT_EQ(AlphaOf(l.bitmap.pixel(3, 3)), 255);
    EXPECT_EQ(l.bitmap.pixel(5, 5), 0xFFFFFFFFu);
    EXPECT_EQ(d.undo.undoKind, UndoKind::Effect);
    // Outside the layer the bitmap's outer colour is picked: opaque black.
    auto outside = PickLayerColour(d, 60, 60);
    ASSERT_TRUE(outside);
    EXPECT_EQ(*outside, 0xFF000000u);
    MakeColourTransparent(d, *outside);
    EXPECT_EQ(AlphaOf(l.bitmap.pixel(4, 4)), 0);
    d.SetSelection(nullptr);
    EXPECT_FALSE(PickLayerColour(d, 1, 1));
}
