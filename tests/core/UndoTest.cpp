#include <gtest/gtest.h>

#include "TestUtil.h"
#include "core/document/Undo.h"

using namespace viramo;

namespace {
void Fill(Bitmap32& b, Color32 c) { b.clear(c); }
}  // namespace

TEST(Undo, EffectOnTheCanvasUndoesAndRedoes) {
    Document d;
    d.setCanvas(Bitmap32(4, 4, 0xFF111111));
    RecordUndo(d, UndoKind::Effect);
    Fill(d.canvas(), 0xFF222222);
    ASSERT_TRUE(Undo(d));
    EXPECT_EQ(d.canvas().pixel(0, 0), 0xFF111111u);
    EXPECT_EQ(d.undo.undoKind, UndoKind::None);
    EXPECT_EQ(d.undo.redoKind, UndoKind::Effect);
    ASSERT_TRUE(Redo(d));
    EXPECT_EQ(d.canvas().pixel(0, 0), 0xFF222222u);
    EXPECT_EQ(d.undo.redoKind, UndoKind::None);
    ASSERT_TRUE(Undo(d));
    EXPECT_EQ(d.canvas().pixel(0, 0), 0xFF111111u);
}

TEST(Undo, EffectOnALayerRestoresThatLayerWhateverIsSelected) {
    Document d;
    d.setCanvas(Bitmap32(10, 10));
    Layer& a = d.AddPhotograph(Bitmap32(2, 2, 0xFF0000AA), 5, 5);
    RecordUndo(d, UndoKind::Effect);
    Fill(a.bitmap, 0xFF0000BB);
    Layer& b = d.AddPhotograph(Bitmap32(2, 2), 5, 5);
    EXPECT_EQ(d.undo.undoLayerIndex, 0);
    ASSERT_TRUE(Undo(d));
    EXPECT_EQ(a.bitmap.pixel(0, 0), 0xFF0000AAu);
    EXPECT_EQ(d.selection(), &b);
    // A new record after an undo keeps the redo record, which then wins.
    RecordUndo(d, UndoKind::Effect);  // b is selected now
    Fill(b.bitmap, 0xFF0000CC);
    EXPECT_EQ(d.undo.redoKind, UndoKind::Effect);
    ASSERT_TRUE(Redo(d));
    EXPECT_EQ(a.bitmap.pixel(0, 0), 0xFF0000BBu);
}

TEST(Undo, GeomRestoresBitmapPlacementAndTheRubberBand) {
    Document d;
    d.setCanvas(Bitmap32(100, 100));
    Layer& l = d.AddPhotograph(Bitmap32(30, 10, 0xFF00FF00), 50, 50);
    const FloatRect before = l.location;
    RecordUndo(d, UndoKind::Geom);
    l.bitmap = Bitmap32(10, 30, 0xFFFF0000);
    d.SetLayerLocation(l, {35, 35, 45, 65});
    ASSERT_TRUE(Undo(d));
    EXPECT_EQ(l.bitmap.width(), 30);
    EXPECT_EQ(l.location, before);
    EXPECT_EQ(d.rubberBand()->location, before);
    ASSERT_TRUE(Redo(d));
    EXPECT_EQ(l.bitmap.width(), 10);
    EXPECT_EQ(l.location, (FloatRect{35, 35, 45, 65}));
    EXPECT_EQ(d.rubberBand()->location, l.location);
}

TEST(Undo, ImageSizeRescalesTheLayersBothWays) {
    Document d;
    d.setCanvas(Bitmap32(1000, 800));
    Layer& l = d.AddPhotograph(Bitmap32(10, 10), 0, 0);
    d.SetLayerLocation(l, {50, 50, 150, 100});
    d.undo.undoImage = Bitmap32();  // the resize command records, then shrinks the canvas
    d.SetSelection(nullptr);
    d.setCanvas(Bitmap32(1000, 800));
    RecordUndo(d, UndoKind::Size);
    d.setCanvas(Bitmap32(500, 400));  // layer already moved from (100, 100, 300, 200) by the command
    ASSERT_TRUE(Undo(d));
    EXPECT_EQ(d.canvas().width(), 1000);
    EXPECT_EQ(l.location, (FloatRect{100, 100, 300, 200}));
    ASSERT_TRUE(Redo(d));
    EXPECT_EQ(d.canvas().width(), 500);
    EXPECT_EQ(l.location, (FloatRect{50, 50, 150, 100}));
}

TEST(Undo, CropShiftsTheLayersBackAndForth) {
    Document d;
    d.setCanvas(Bitmap32(200, 100));
    Layer& l = d.AddPhotograph(Bitmap32(10, 10), 0, 0);
    d.SetLayerLocation(l, {10, 10, 20, 20});
    RecordUndo(d, UndoKind::Crop);
    d.undo.cropOffsetX = 40;
    d.undo.cropOffsetY = 30;
    d.setCanvas(Bitmap32(100, 50));
    ASSERT_TRUE(Undo(d));
    EXPECT_EQ(d.canvas().width(), 200);
    EXPECT_EQ(l.location, (FloatRect{50, 40, 60, 50}));
    EXPECT_EQ(d.rubberBand()->location, l.location);
    ASSERT_TRUE(Redo(d));
    EXPECT_EQ(d.canvas().width(), 100);
    EXPECT_EQ(l.location, (FloatRect{10, 10, 20, 20}));
}

TEST(Undo, HolstAndNothingToUndo) {
    Document d;
    d.setCanvas(Bitmap32(3, 3, 0xFF010101));
    EXPECT_TRUE(Undo(d));  // nothing recorded: nothing changes
    EXPECT_EQ(d.canvas().pixel(0, 0), 0xFF010101u);
    RecordUndo(d, UndoKind::Holst);
    d.canvas().setPixel(1, 1, 0x00FFFFFF);
    ASSERT_TRUE(Undo(d));
    EXPECT_EQ(d.canvas().pixel(1, 1), 0xFF010101u);
}

TEST(Undo, ARecordNamingAVanishedLayerChangesNothing) {
    Document d;
    d.setCanvas(Bitmap32(10, 10));
    d.AddPhotograph(Bitmap32(2, 2, 0xFF0000AA), 5, 5);
    RecordUndo(d, UndoKind::Geom);
    d.ResetDocument();  // as flattening does: the layers are gone, the record stays
    EXPECT_FALSE(Undo(d));
    EXPECT_EQ(d.undo.undoKind, UndoKind::Geom);
    EXPECT_EQ(d.undo.redoKind, UndoKind::None);
}
