#include <gtest/gtest.h>

#include "core/document/ViewRender.h"
#include "core/gfx/Blend.h"

using namespace viramo;

TEST(ViewRender, BackgroundCanvasAndLayersAtTheZoomShown) {
    Document d;
    d.setCanvas(Bitmap32(40, 20, 0xFF0000FF));
    Layer& l = d.AddPhotograph(Bitmap32(10, 10, 0xFFFF0000), 0, 0);
    d.SetLayerLocation(l, {10, 0, 20, 10});
    d.SetLayerOpacity(128);
    Bitmap32 buf;
    ViewCache cache;
    ViewGeometry g{0.5, 10, 5, 60, 30};
    RenderView(d, g, ViewBackground{true, 0}, buf, cache);
    EXPECT_EQ(buf.pixel(0, 0), 0x1FB0B0B0u);  // checkerboard fixed to the view
    EXPECT_EQ(buf.pixel(8, 0), 0xFFFFFFFFu);
    EXPECT_EQ(buf.pixel(8, 8), 0x1FB0B0B0u);
    EXPECT_EQ(buf.pixel(12, 12), 0xFF0000FFu);  // canvas at (10, 5), half size
    EXPECT_EQ(buf.pixel(17, 7), BlendPixel(0xFFFF0000, 0xFF0000FF, 128));  // layer at (15..20, 5..10)
    EXPECT_EQ(buf.pixel(29, 14), 0xFF0000FFu);
    EXPECT_EQ(buf.pixel(33, 14), 0xFFFFFFFFu);  // right of the canvas: background again
    EXPECT_EQ(cache.entries(), 2u);             // canvas and layer scaled once, kept
    RenderView(d, g, ViewBackground{false, 0xFF123456}, buf, cache);
    EXPECT_EQ(buf.pixel(0, 0), 0xFF123456u);
    d.ResetDocument();
    RenderView(d, g, ViewBackground{false, 0xFF123456}, buf, cache);
    EXPECT_EQ(cache.entries(), 1u);  // the deleted layer's copy is forgotten
}

TEST(ViewRender, FrameLayersShowAGreyWindowUnlessTheShadeIsZero) {
    Document d;
    d.setCanvas(Bitmap32(100, 100, 0xFFFF0000));
    d.CreateFrameLayer(50, 50, kSelectionFrameTag);
    Bitmap32 buf;
    ViewCache cache;
    ViewGeometry g{1, 0, 0, 100, 100};
    RenderView(d, g, {}, buf, cache);
    EXPECT_EQ(buf.pixel(50, 50), GreyOf(0xFFFF0000));
    EXPECT_EQ(buf.pixel(10, 10), 0xFFFF0000u);
    d.areaShade = 0;
    RenderView(d, g, {}, buf, cache);
    EXPECT_EQ(buf.pixel(50, 50), 0xFFFF0000u);
}
