#include <gtest/gtest.h>

#include "TestUtil.h"
#include "core/document/Undo.h"
#include "core/fx/Dispatch.h"
#include "core/fx/Effects.h"
#include "core/fx/Filters.h"
#include "core/fx/Preview.h"

using namespace viramo;

namespace {
Color32 Rgb(int r, int g, int b) { return MakeColor32(r, g, b); }
}  // namespace

TEST(Filters, SharpeningArithmetic) {
    Bitmap32 src(5, 5, 0xFF000000);
    src.setPixel(2, 2, 0xFFFFFFFF);
    Bitmap32 dst;
    SharpenBitmap(src, dst, 2.f);
    EXPECT_EQ(dst.pixel(2, 2), 0xFFFFFFFFu);  // 510 - 51, clamped
    EXPECT_EQ(dst.pixel(1, 2), 0xFF000000u);  // 0 - 51, clamped
    EXPECT_EQ(dst.pixel(2, 1), 0xFF000000u);
    Bitmap32 flat(7, 6, 0xFF7F3A10), out;
    SharpenBitmap(flat, out, 5.f);
    EXPECT_TRUE(out.samePixels(flat));
    // The outermost rows and columns never change.
    Bitmap32 p = test::Pattern(9, 8), q;
    SharpenBitmap(p, q, 4.f);
    for (int x = 0; x < 9; ++x) EXPECT_EQ(q.pixel(x, 0), p.pixel(x, 0));
    for (int y = 0; y < 8; ++y) EXPECT_EQ(q.pixel(8, y), p.pixel(8, y));
    EXPECT_FALSE(q.samePixels(p));
    try {
        SharpenBitmap(Bitmap32(2, 5), q, 2.f);
        FAIL();
    } catch (const FilterError& e) {
        EXPECT_STREQ(e.what(), "Bitmap must be at least 3x3");
    }
    try {
        SharpenBitmap(p, q, 6.f);
        FAIL();
    } catch (const FilterError& e) {
        EXPECT_STREQ(e.what(), "Alpha must be >1 and <6");
    }
}

TEST(Filters, ColorizeBrightenContrastAndBalance) {
    Bitmap32 b(1, 1, 0xFFFFFFFF);
    Colorize(b, 7847880);
    EXPECT_EQ(b.pixel(0, 0), Rgb(200, 191, 119));
    Brighten(b, 150);
    EXPECT_EQ(b.pixel(0, 0), Rgb(255, 255, 189));
    Bitmap32 grey(1, 1, 0x40808080);
    Colorize(grey, 0x0000FF);
    EXPECT_EQ(grey.pixel(0, 0), 0x40800000u);  // alpha kept
    Bitmap32 v(3, 1);
    v.setPixel(0, 0, Rgb(100, 100, 100));
    v.setPixel(1, 0, Rgb(27, 227, 127));
    v.setPixel(2, 0, 0x11000000);
    Brighten(v, 70);
    EXPECT_EQ(RedOf(v.pixel(0, 0)), 127);
    Bitmap32 c(1, 1, Rgb(27, 227, 127));
    StretchContrast(c, 100);
    EXPECT_EQ(c.pixel(0, 0), Rgb(0, 255, 127));
    Bitmap32 less(1, 1, Rgb(0, 255, 127));
    StretchContrast(less, -255);
    EXPECT_EQ(less.pixel(0, 0), Rgb(127, 127, 127));
    Bitmap32 fast(2, 1);
    fast.setPixel(0, 0, Rgb(220, 10, 10));
    fast.setPixel(1, 0, Rgb(180, 10, 10));
    ColourBalance(fast, 50, 0, 0, false);
    EXPECT_EQ(fast.pixel(0, 0), Rgb(255, 10, 10));
    EXPECT_EQ(fast.pixel(1, 0), Rgb(230, 10, 10));
    Bitmap32 quality(1, 1, Rgb(200, 200, 200));
    ColourBalance(quality, -50, 0, 0, true);
    EXPECT_EQ(quality.pixel(0, 0), Rgb(122, 200, 200));
}

TEST(Effects, MosaicBlockSizesFollowTheWidth) {
    Random r(1);
    struct Case {
        int width;
        bool changes;
    } cases[] = {{50, false}, {51, false}, {149, false}, {150, true}, {250, true}};
    for (const auto& c : cases) {
        Document d;
        d.setCanvas(test::Pattern(c.width, 6));
        const Bitmap32 before = d.canvas();
        ApplyNamedEffect(d, "mosa", {}, r);
        EXPECT_EQ(!d.canvas().samePixels(before), c.changes) << c.width;
        if (c.changes) {  // blocks of 2
            EXPECT_EQ(d.canvas().pixel(1, 1), before.pixel(0, 0) | 0xFF000000u);
            EXPECT_EQ(d.canvas().pixel(2, 0), before.pixel(2, 0) | 0xFF000000u);
        }
    }
}

TEST(Effects, PixelRulesOfTheSimpleEffects) {
    // Blinds never move pixels by more than half the height.
    Bitmap32 wide(700, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 700; ++x) wide.setPixel(x, y, MakeColor32(y * 40, 0, 0));
    Ripple(wide, 100);
    for (int x = 0; x < 700; ++x) EXPECT_EQ(RedOf(wide.pixel(x, 5)), 40 * (5 - x % 4)) << x;
    // Posterize: amount x rnd(v / amount), clamped.
    Bitmap32 p(3, 1), out;
    p.setPixel(0, 0, Rgb(100, 255, 31));
    Posterize(p, out, 64);
    EXPECT_EQ(out.pixel(0, 0), Rgb(128, 255, 0));
    Posterize(p, out, 1);
    EXPECT_TRUE(out.samePixels(p));
    // Invert twice, split blur of 0, emboss of a flat picture.
    Bitmap32 a = test::Pattern(11, 7, false), b = a;
    Invert(b);
    EXPECT_NE(b.pixel(3, 3), a.pixel(3, 3));
    Invert(b);
    EXPECT_TRUE(b.samePixels(a));
    SplitBlur(b, 0);
    EXPECT_TRUE(b.samePixels(a));
    Bitmap32 flat(6, 6, Rgb(200, 100, 0));
    Emboss(flat);
    EXPECT_EQ(flat.pixel(2, 2), Rgb(127, 127, 127));
    Bitmap32 blur(9, 9, Rgb(0, 0, 0));
    blur.setPixel(4, 4, Rgb(200, 200, 200));
    SplitBlur(blur, 2);
    EXPECT_EQ(blur.pixel(2, 2), Rgb(50, 50, 50));  // one of its four diagonal spots
    EXPECT_EQ(blur.pixel(4, 4), Rgb(0, 0, 0));
    Bitmap32 g(1, 1, Rgb(255, 0, 0));
    GrayScale(g);
    EXPECT_EQ(g.pixel(0, 0), Rgb(76, 76, 76));
}

TEST(Effects, EveryEffectAndFilterKeepsALayersAlphaMask) {
    const Bitmap32 picture = test::Pattern(160, 90, false);
    std::vector<std::pair<std::string, bool>> all;
    for (const auto& n : EffectNames()) all.push_back({n, true});
    for (const auto& n : FilterNames()) all.push_back({n, false});
    for (const auto& [name, effect] : all) {
        Document d;
        d.setCanvas(Bitmap32(200, 100, 0xFF000000));
        Layer& l = d.AddPhotograph(Bitmap32(1, 1), 0, 0);
        l.bitmap = picture;
        Random r(7);
        EffectSettings s;
        s.sprayAmount = 5;
        s.waveAmount = 9;
        s.posterizeAmount = 40;
        if (effect) ApplyNamedEffect(d, name, s, r);
        else ApplyNamedFilter(d, name, s, r);
        for (size_t i = 0; i < picture.pixelCount(); ++i)
            ASSERT_EQ(AlphaOf(l.bitmap.bits()[i]), AlphaOf(picture.bits()[i])) << name;
        EXPECT_TRUE(d.previewBackup.samePixels(picture)) << name;
    }
    for (int i = 0; i < 9; ++i) {
        Document d;
        d.setCanvas(Bitmap32(200, 100, 0xFF000000));
        Layer& l = d.AddPhotograph(Bitmap32(1, 1), 0, 0);
        l.bitmap = picture;
        Random r(3);
        ApplyCatalogueEntry(d, i, r);
        for (size_t k = 0; k < picture.pixelCount(); ++k)
            ASSERT_EQ(AlphaOf(l.bitmap.bits()[k]), AlphaOf(picture.bits()[k])) << CatalogueEntries()[i].title;
    }
    // On the canvas every effect leaves the pixels opaque.
    Document c;
    c.setCanvas(picture);
    Random r(1);
    ApplyNamedEffect(c, "emboss", {}, r);
    for (size_t i = 0; i < picture.pixelCount(); ++i) ASSERT_EQ(AlphaOf(c.canvas().bits()[i]), 255);
}

TEST(Effects, SharpenAndDefocusThroughTheFrame) {
    Document d;
    d.setCanvas(Bitmap32(2, 5, 0xFF101010));
    EXPECT_THROW(ApplySharpen(d, {}), FilterError);
    EXPECT_EQ(d.canvas().width(), 2);
    EXPECT_TRUE(d.previewBackup.empty());
    // "Быстрое размытие" is one split blur of 2; "Размытие" at 1 two split blurs of 3.
    const Bitmap32 pic = test::Pattern(30, 20);
    Document a;
    a.setCanvas(pic);
    EffectSettings quick;
    quick.blurValue = 2;
    quick.defocus = true;
    ApplyDefocus(a, quick);
    Bitmap32 expect = pic;
    SplitBlur(expect, 2);
    EXPECT_TRUE(a.canvas().samePixels(expect));
    Document b;
    b.setCanvas(pic);
    ApplyDefocus(b, {});
    expect = pic;
    SplitBlur(expect, 3);
    SplitBlur(expect, 3);
    EXPECT_TRUE(b.canvas().samePixels(expect));
}

TEST(PreviewProtocol, CancelOkAndRepeatedPreviews) {
    const Bitmap32 pic = test::Pattern(64, 48, false);
    Document d;
    d.setCanvas(Bitmap32(100, 100));
    Layer& l = d.AddPhotograph(Bitmap32(1, 1), 0, 0);
    l.bitmap = pic;
    Random r(11);
    EffectSettings s;
    {  // preview, then Cancel: bit for bit as before, no undo
        PreviewSession session(d);
        session.Preview([&] { ApplyNamedEffect(d, "post", s, r); });
        s.posterizeAmount = 80;
        session.Preview([&] { ApplyNamedEffect(d, "post", s, r); });
        Bitmap32 expected = pic, tmp;
        Posterize(pic, tmp, 80);
        for (size_t i = 0; i < pic.pixelCount(); ++i)  // the second preview started from the untouched picture
            ASSERT_EQ(l.bitmap.bits()[i] & 0xFFFFFF, tmp.bits()[i] & 0xFFFFFF);
        session.Restore();
        session.Finish(false, [&] { ApplyNamedEffect(d, "post", s, r); });
    }
    EXPECT_TRUE(l.bitmap.samePixels(pic));
    EXPECT_EQ(d.undo.undoKind, UndoKind::None);
    EXPECT_TRUE(d.previewBackup.empty());
    Bitmap32 lastPreview;
    {  // preview, then OK: one "effect" record of the untouched picture; spray chooses anew
        PreviewSession session(d);
        s.sprayAmount = 6;
        session.Preview([&] { ApplyNamedEffect(d, "spray", s, r); });
        lastPreview = l.bitmap;
        session.Finish(true, [&] { ApplyNamedEffect(d, "spray", s, r); });
    }
    EXPECT_EQ(d.undo.undoKind, UndoKind::Effect);
    EXPECT_TRUE(d.undo.undoImage.samePixels(pic));
    EXPECT_FALSE(l.bitmap.samePixels(lastPreview));
    EXPECT_TRUE(d.previewBackup.empty());
    ASSERT_TRUE(Undo(d));
    EXPECT_TRUE(l.bitmap.samePixels(pic));
}

TEST(EffectCatalogue, NinePreviewsAndAStrongerWaveWhenApplied) {
    Random r(5);
    const auto previews = CataloguePreviews(test::Pattern(400, 200), r);
    ASSERT_EQ(previews.size(), 9u);
    EXPECT_EQ(previews[0].width(), 100);
    EXPECT_EQ(previews[0].height(), 50);
    EXPECT_STREQ(CatalogueEntries()[8].title, "Волна");
    Bitmap32 weak = test::Pattern(200, 100), strong = weak;
    ApplyCatalogueOperation(weak, 8, true, r);
    ApplyCatalogueOperation(strong, 8, false, r);
    EXPECT_FALSE(weak.samePixels(strong));
}

TEST(Effects, TinyPicturesEndQuietly) {
    for (int size : {1, 2}) {
        for (const auto& name : EffectNames()) {
            Document d;
            d.setCanvas(Bitmap32(size, size, 0xFF808080));
            Random r(2);
            EffectSettings s;
            s.sprayAmount = s.waveAmount = s.posterizeAmount = 50;
            ApplyNamedEffect(d, name, s, r);
            EXPECT_EQ(d.canvas().width(), size) << name;
        }
        Document d;
        d.setCanvas(Bitmap32(size, size, 0xFF808080));
        EffectSettings s;
        EXPECT_THROW(ApplySharpen(d, s), FilterError);
        ApplyDefocus(d, s);
        ApplyMonochrome(d);
        Random r(3);
        ApplyCatalogueEntry(d, 8, r);
        EXPECT_EQ(CataloguePreviews(d.canvas(), r).size(), 9u);
    }
}
