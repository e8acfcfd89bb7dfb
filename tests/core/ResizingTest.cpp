#include <gtest/gtest.h>

#include "core/document/CropRatios.h"
#include "core/document/Document.h"
#include "core/document/RubberBandResizing.h"
#include "core/document/Zoom.h"

using namespace viramo;

TEST(RubberBand, ControlResizesSymmetricallyAboutTheCentre) {
    const FloatRect old{100, 100, 200, 150};  // 100 x 50
    ResizeContext ctx;
    ctx.ctrl = true;
    ResizeResult r = RubberBandResizing(old, {100, 100, 210, 150}, DragState::Right, ctx);
    EXPECT_EQ(r.location, (FloatRect{90, 100, 210, 150}));  // 120 x 50 about the same centre
    r = RubberBandResizing(old, {148, 124, 200, 150}, DragState::TopLeft, ctx);
    EXPECT_EQ(r.location, (FloatRect{148, 123, 152, 127}));  // half sizes 2 and 1 -> 2 and 2
    ctx.keepProportions = true;
    ctx.bitmapWidth = 200;
    ctx.bitmapHeight = 50;  // aspect 4
    r = RubberBandResizing(old, {100, 100, 210, 150}, DragState::Right, ctx);
    EXPECT_EQ(r.location, (FloatRect{90, 100, 210, 130}));  // height follows: 120 / 4
}

TEST(RubberBand, KeptProportionsTakeTheHeightFromTheWidth) {
    const FloatRect old{0, 0, 100, 50};
    ResizeContext ctx;
    ctx.keepProportions = true;
    ctx.bitmapWidth = 100;
    ctx.bitmapHeight = 50;
    // Only the bottom handle: the size stays.
    EXPECT_EQ(RubberBandResizing(old, {0, 0, 100, 80}, DragState::Bottom, ctx).location, (FloatRect{0, 0, 100, 50}));
    // The top handle moves the layer at unchanged size.
    EXPECT_EQ(RubberBandResizing(old, {0, -20, 100, 50}, DragState::Top, ctx).location, (FloatRect{0, -20, 100, 30}));
    // A side handle: the height follows the width.
    EXPECT_EQ(RubberBandResizing(old, {0, 0, 161, 50}, DragState::Right, ctx).location, (FloatRect{0, 0, 161, 80}));
    // Moving, or a step without any key or button, is left alone.
    EXPECT_FALSE(RubberBandResizing(old, {5, 5, 105, 55}, DragState::Move, ctx).changed);
    ctx.anyShiftState = false;
    EXPECT_FALSE(RubberBandResizing(old, {0, 0, 161, 50}, DragState::Right, ctx).changed);
}

TEST(RubberBand, CropFrameKeepsTheChosenProportionsAndReportsItsSize) {
    const FloatRect old{0, 0, 200.4f, 99.6f};
    ResizeContext ctx;
    ctx.cropPanelVisible = true;
    struct Case {
        int entry;
        bool portrait;
        float bottom;
    } cases[] = {{1, false, 200}, {3, false, 112}, {3, true, 356}, {2, false, 124}, {4, true, 300}, {5, false, 143}};
    for (const auto& c : cases) {
        ctx.cropEntry = c.entry;
        ctx.portrait = c.portrait;
        ResizeResult r = RubberBandResizing(old, {0, 0, 200, 10}, DragState::Bottom, ctx);
        EXPECT_EQ(r.location.bottom, c.bottom) << c.entry << c.portrait;
        EXPECT_EQ(r.statusText, "200x100");
    }
    ctx.cropEntry = 0;  // "Свободные"
    EXPECT_EQ(RubberBandResizing(old, {0, 0, 200, 10}, DragState::Bottom, ctx).location.bottom, 10.f);
    EXPECT_FALSE(CropRatio(0, true));
}

TEST(RubberBand, DraggingThroughTheDocumentMarksItChanged) {
    Document d;
    d.setCanvas(Bitmap32(100, 100));
    Layer& l = d.AddPhotograph(Bitmap32(10, 10), 50, 50);
    d.modifiedMark = kMarkSaved;
    d.DragRubberBand({0, 0, 10, 10}, DragState::Move, {});
    EXPECT_EQ(l.location, (FloatRect{0, 0, 10, 10}));
    EXPECT_EQ(d.rubberBand()->location, l.location);
    ResizeContext ctx;
    ctx.keepProportions = true;
    d.DragRubberBand({0, 0, 30, 10}, DragState::Right, ctx);
    EXPECT_EQ(l.location, (FloatRect{0, 0, 30, 30}));
    EXPECT_EQ(d.modifiedMark, kMarkChanged);
}

TEST(Zoom, TypedTextWheelAndFit) {
    struct Typed {
        const char* text;
        float scale;
        const char* shown;
    } typed[] = {{"150", 1.5f, "150%"}, {"150 %", 1.5f, "150%"}, {"3000", 1.f, "100%"}, {"abc", 1.f, "100%"},
                 {"0", 1.f, "100%"},    {"2000", 20.f, "2000%"}, {"1", 0.01f, "1%"}};
    for (const auto& t : typed) {
        ZoomEdit e = ParseZoomText(t.text, 1.f);
        EXPECT_FALSE(e.ignored) << t.text;
        EXPECT_FLOAT_EQ(e.scale, t.scale) << t.text;
        EXPECT_EQ(e.text, t.shown) << t.text;
        EXPECT_EQ(e.caret, static_cast<int>(e.text.size()) - 1);
    }
    EXPECT_TRUE(ParseZoomText(" % ", 1.f).ignored);
    float s = 1.f;
    for (int i = 0; i < 20; ++i) s = WheelZoom(s, true);
    EXPECT_FLOAT_EQ(s, 0.2f);
    for (int i = 0; i < 60; ++i) s = WheelZoom(s, false);
    EXPECT_FLOAT_EQ(s, 20.f);
    auto fit = FitScale(4000, 3000, 1000, 600);
    ASSERT_TRUE(fit);
    EXPECT_NEAR(*fit, 600.0 / 3000 / 1.1, 1e-6);
    EXPECT_EQ(ZoomText(*fit), "18%");
    EXPECT_FALSE(FitScale(800, 500, 1000, 600));  // smaller in both directions
    EXPECT_FALSE(FitScale(0, 0, 1000, 600));
    EXPECT_TRUE(NeedsAutoFit(990, 100, 1000, 600));
    EXPECT_FALSE(NeedsAutoFit(980, 580, 1000, 600));
    EXPECT_EQ(ZoomText(0.125f), "12%");  // 12.5 rounds to even
}
