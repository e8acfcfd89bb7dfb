#include <gtest/gtest.h>

#include "TestUtil.h"
#include "core/document/Document.h"
#include "core/document/Enabling.h"

using namespace viramo;

namespace {

struct Recorder : DocumentListener {
    unsigned seen = 0;
    void documentChanged(unsigned c) override { seen |= c; }
};

void WithCanvas(Document& d, int w = 800, int h = 600) { d.setCanvas(Bitmap32(w, h, 0xFF000000)); }

Layer& AddAt(Document& d, FloatRect where, int w = 100, int h = 50) {
    Layer& l = d.AddPhotograph(Bitmap32(w, h, 0xFFFFFFFF), 0, 0);
    d.SetLayerLocation(l, where);
    return l;
}

}  // namespace

TEST(Document, AddingAPhotographSizesItByHeightAndCentresIt) {
    Document d;
    WithCanvas(d);
    Layer& big = d.AddPhotograph(Bitmap32(3000, 2000), 400, 300);
    EXPECT_EQ(big.location, (FloatRect{400 - 405, 300 - 270, 400 + 405, 300 + 270}));  // 810 x 540
    EXPECT_EQ(big.bitmap.filter, StretchFilter::Linear);
    EXPECT_EQ(big.bitmap.drawMode, DrawMode::Blend);
    EXPECT_EQ(AlphaOf(big.bitmap.pixel(0, 0)), 255);  // every alpha made opaque
    Layer& small = d.AddPhotograph(Bitmap32(400, 300), 100, 100);
    EXPECT_EQ(small.location, (FloatRect{-100, -50, 300, 250}));
    Layer& wide = d.AddPhotograph(Bitmap32(2000, 500), 0, 0);  // wider than the canvas, not taller
    EXPECT_EQ(wide.location.width(), 2000.f);
    EXPECT_EQ(d.selection(), &wide);
}

TEST(Document, SelectionBringsTheRubberBandOnTopAndHidesItWhenCleared) {
    Document d;
    WithCanvas(d);
    Recorder rec;
    d.addListener(&rec);
    EXPECT_EQ(d.rubberBand(), nullptr);
    Layer& a = AddAt(d, {10, 10, 110, 60});
    ASSERT_NE(d.rubberBand(), nullptr);
    EXPECT_EQ(d.indexOf(d.rubberBand()), d.layerCount() - 1);
    EXPECT_EQ(d.rubberBand()->location, a.location);
    Layer& b = AddAt(d, {0, 0, 5, 5});
    EXPECT_EQ(d.layerCount(), 3);  // two layers and the band, the band on top
    EXPECT_EQ(d.indexOf(d.rubberBand()), 2);
    rec.seen = 0;
    d.SetSelection(&b);  // already selected: nothing happens
    EXPECT_EQ(rec.seen, 0u);
    d.SetSelection(nullptr);
    EXPECT_FALSE(d.rubberBand()->visible);
    EXPECT_FALSE(d.rubberBand()->mouseInput);
    EXPECT_TRUE(rec.seen & kSelectionChanged);
    d.SetSelection(&a);
    EXPECT_TRUE(d.rubberBand()->visible);
    EXPECT_EQ(d.rubberBand()->location, a.location);
    d.ResetDocument();
    EXPECT_EQ(d.layerCount(), 0);
    EXPECT_EQ(d.rubberBand(), nullptr);
    EXPECT_EQ(d.selection(), nullptr);
    EXPECT_EQ(d.scale, 1.f);
}

TEST(Document, CloneIsMovedThirtyPixelsAndKeepsOpacity) {
    Document d;
    WithCanvas(d);
    Layer& a = AddAt(d, {10, 10, 110, 60});
    d.SetLayerOpacity(100);
    d.SetLayerInterpolation(false);
    Layer* c = d.CloneSelection();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->location, (FloatRect{40, 40, 140, 90}));
    EXPECT_EQ(c->bitmap.masterAlpha, 100);
    EXPECT_EQ(c->bitmap.filter, StretchFilter::Nearest);
    EXPECT_EQ(d.selection(), c);
    EXPECT_TRUE(c->bitmap.samePixels(a.bitmap));
    d.SetSelection(nullptr);
    EXPECT_EQ(d.CloneSelection(), nullptr);
}

TEST(Document, DeletingKeepsTheUndoRecordsPointingAtTheirLayers) {
    struct Case {
        const char* name;
        int deleteIndex, undoIndex;
        UndoKind expectKind;
        int expectIndex;
    } cases[] = {
        {"layer below the recorded one", 0, 1, UndoKind::Effect, 0},
        {"the recorded layer itself", 1, 1, UndoKind::None, 1},
        {"any layer with the canvas recorded", 1, kCanvasLayerIndex, UndoKind::Effect, kCanvasLayerIndex},
        {"a layer above the recorded one", 2, 0, UndoKind::Effect, 0},
    };
    for (const auto& c : cases) {
        Document d;
        WithCanvas(d);
        for (int i = 0; i < 3; ++i) AddAt(d, {float(i), 0, 10, 10});
        d.undo.undoKind = d.undo.redoKind = UndoKind::Effect;
        d.undo.undoLayerIndex = d.undo.redoLayerIndex = c.undoIndex;
        d.SetSelection(&d.layer(c.deleteIndex));
        d.DeleteSelection();
        EXPECT_EQ(d.undo.undoKind, c.expectKind) << c.name;
        EXPECT_EQ(d.undo.undoLayerIndex, c.expectIndex) << c.name;
        EXPECT_EQ(d.undo.redoKind, c.expectKind) << c.name;
        EXPECT_EQ(d.undo.redoLayerIndex, c.expectIndex) << c.name;
        EXPECT_EQ(d.selection(), nullptr);
        EXPECT_EQ(d.layerCount(), 3) << c.name;  // two layers and the band
    }
}

TEST(Document, ReorderingIsClampedAndFollowsTheMenuRules) {
    Document d;
    WithCanvas(d);
    Layer& a = AddAt(d, {0, 0, 1, 1});
    Layer& b = AddAt(d, {0, 0, 1, 1});
    Layer& c = AddAt(d, {0, 0, 1, 1});  // stack: a b c band
    EXPECT_FALSE(SelectionMenuState(d).bringToFront);  // c is already just under the band
    EXPECT_TRUE(SelectionMenuState(d).sendToBack);
    d.SendToBack();
    EXPECT_EQ(d.indexOf(&c), 0);
    d.MoveDown();  // clamped at 0
    EXPECT_EQ(d.indexOf(&c), 0);
    EXPECT_FALSE(SelectionMenuState(d).sendToBack);
    d.BringToFront();
    EXPECT_EQ(d.indexOf(&c), 2);
    d.MoveUp();  // above the rubber band
    EXPECT_EQ(d.indexOf(&c), 3);
    d.MoveUp();  // clamped at the top
    EXPECT_EQ(d.indexOf(&c), 3);
    d.SetSelection(&a);
    d.MoveUp();
    EXPECT_EQ(d.indexOf(&a), 1);
    EXPECT_EQ(d.indexOf(&b), 0);
    d.SetSelection(nullptr);
    d.BringToFront();  // nothing selected: nothing happens
    EXPECT_EQ(d.indexOf(&a), 1);
}

TEST(Document, FrameLayersAreDroppedAndSelectionsEnableTheMenus) {
    Document d;
    WithCanvas(d);
    EXPECT_TRUE(ProcessingMenuEnabled(d));
    EXPECT_FALSE(ReorderButtonsEnabled(d));
    AddAt(d, {0, 0, 10, 10});
    Layer& f = d.CreateFrameLayer(400, 300, kCropFrameTag);
    EXPECT_EQ(f.location, (FloatRect{368, 268, 432, 332}));
    d.SetSelection(&f);
    EXPECT_FALSE(ProcessingMenuEnabled(d));
    EXPECT_FALSE(ImageMenuState(d).colourBalance);
    EXPECT_TRUE(ImageMenuState(d).all);
    EXPECT_TRUE(SelectionMenuState(d).remove);
    EXPECT_FALSE(SelectionMenuState(d).others);
    EXPECT_TRUE(ReorderButtonsEnabled(d));
    d.DropFrameLayer();
    EXPECT_EQ(d.selection(), nullptr);
    for (int i = 0; i < d.layerCount(); ++i) EXPECT_FALSE(d.layer(i).isFrame());
    Document empty;
    EXPECT_FALSE(ImageMenuState(empty).all);
    EXPECT_FALSE(ProcessingMenuEnabled(empty));
    EXPECT_FALSE(SaveEntriesEnabled(empty));
    EXPECT_TRUE(EditMenuState(empty, true).pasteAsNew);
    EXPECT_FALSE(EditMenuState(empty, true).paste);
}

TEST(Document, LayerAtFindsTheTopmostLayerUnderAPoint) {
    Document d;
    WithCanvas(d);
    Layer& a = AddAt(d, {0, 0, 100, 100});
    Layer& b = AddAt(d, {50, 50, 150, 150});
    EXPECT_EQ(d.LayerAt(75, 75), &b);
    EXPECT_EQ(d.LayerAt(25, 25), &a);
    EXPECT_EQ(d.LayerAt(150, 150), nullptr);  // right and bottom edges are outside
}

TEST(Document, RenderCompositeBlendsAtMasterAlphaAndClipsToTheCanvas) {
    Document d;
    WithCanvas(d, 40, 30);
    d.canvas().clear(0xFF000000);
    Layer& l = d.AddPhotograph(Bitmap32(20, 10, 0xFFFFFFFF), 0, 0);
    d.SetLayerLocation(l, {30, 20, 50, 30});  // half outside
    d.SetLayerOpacity(128);
    d.CreateFrameLayer(5, 5, kSelectionFrameTag);  // never part of the picture
    d.RenderComposite();
    const Bitmap32& c = d.compositeImage();
    ASSERT_EQ(c.width(), 40);
    EXPECT_EQ(d.selection(), nullptr);
    EXPECT_EQ(c.pixel(35, 25), 0xFF808080u);  // half-way between black and white
    EXPECT_EQ(c.pixel(29, 25), 0xFF000000u);
    EXPECT_EQ(c.pixel(5, 5), 0xFF000000u);  // no grey window from the frame
    EXPECT_EQ(d.layerCount(), 3);           // the document itself is unchanged
}

TEST(Document, RescalingTheLayerBitmapToItsPlacement) {
    Document d;
    WithCanvas(d);
    Layer& l = AddAt(d, {10.4f, 20.f, 60.6f, 45.f}, 200, 100);
    d.LayerRescaleClick();
    EXPECT_EQ(l.bitmap.width(), 51);  // rnd(60.6) - rnd(10.4)
    EXPECT_EQ(l.bitmap.height(), 25);
    EXPECT_EQ(l.location, (FloatRect{10.4f, 20.f, 61.4f, 45.f}));
    EXPECT_EQ(d.modifiedMark, kMarkChanged);
    d.SetLayerLocation(l, {0, 0, 7, 7});
    d.LayerResetScaleClick();
    EXPECT_EQ(l.location, (FloatRect{0, 0, 51, 25}));
}

TEST(Document, ClicksSelectLayersAndRemoveFramesBesideThem) {
    Document d;
    WithCanvas(d);
    Layer& a = AddAt(d, {0, 0, 100, 100});
    Layer& f = d.CreateFrameLayer(400, 300, kCropFrameTag);
    d.SetSelection(&f);
    d.ClickAt(400, 300, false);  // on the frame: it stays selected and stays
    EXPECT_EQ(d.selection(), &f);
    d.ClickAt(50, 50, false);  // on the layer: selected, the frame goes
    EXPECT_EQ(d.selection(), &a);
    EXPECT_EQ(d.indexOf(&f), -1);
    d.CreateFrameLayer(400, 300, kSelectionFrameTag);
    d.ClickAt(50, 50, true);  // on the rubber band of the selected layer
    EXPECT_EQ(d.selection(), &a);
    for (int i = 0; i < d.layerCount(); ++i) EXPECT_FALSE(d.layer(i).isFrame());
    d.CreateFrameLayer(400, 300, kCropFrameTag);
    d.ClickAt(700, 500, false);  // beside everything
    EXPECT_EQ(d.selection(), nullptr);
    EXPECT_FALSE(d.rubberBand()->visible);
    for (int i = 0; i < d.layerCount(); ++i) EXPECT_FALSE(d.layer(i).isFrame());
}
