#include <gtest/gtest.h>

#include <cstdlib>

#include "core/gfx/Blend.h"

using namespace viramo;

namespace {
int channelDiff(Color32 a, Color32 b) {
    int worst = 0;
    for (int s = 0; s < 32; s += 8) worst = std::max(worst, std::abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF)));
    return worst;
}
}  // namespace

TEST(Blend, FollowsTheFlatteningFormulaOnAllFourChannels) {
    struct Case {
        const char* name;
        Color32 layer, below;
        std::uint8_t master;
        Color32 expected;
    } cases[] = {
        {"opaque layer replaces", 0xFF102030, 0xFFA0B0C0, 255, 0xFF102030},
        {"transparent layer leaves", 0x00102030, 0xFFA0B0C0, 255, 0xFFA0B0C0},
        {"master alpha 128 is half way", 0xFF000000, 0xFFFFFFFF, 128, 0xFF7F7F7F},
        {"pixel alpha 128 is half way, alpha too", 0x80FF0000, 0xFF0000FF, 255, 0xBF80007F},
        {"transparent below takes layer alpha share", 0xFF204060, 0x00000000, 128, 0x80102030},
        {"both alphas multiply", 0x80FFFFFF, 0xFF000000, 128, 0xDF404040},
    };
    for (const auto& c : cases) {
        Color32 got = BlendPixel(c.layer, c.below, c.master);
        EXPECT_LE(channelDiff(got, c.expected), 1) << c.name << std::hex << " got " << got;
    }
}

TEST(Blend, LineMatchesPixelAndRoundsExactly) {
    // Every layer alpha over a fixed background, master 200: the line version
    // agrees with the formula below + (layer - below) * a / 255 within one unit.
    std::vector<Color32> src(256), dst(256, 0x40C08020u);
    for (int i = 0; i < 256; ++i) src[i] = (std::uint32_t(i) << 24) | 0x00F01080u;
    std::vector<Color32> out = dst;
    BlendLine(src.data(), out.data(), 256, 200);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(out[i], BlendPixel(src[i], dst[i], 200));
        const double a = i * 200 / 255.0;
        for (int s = 0; s < 32; s += 8) {
            const double l = (src[i] >> s) & 0xFF, b = (dst[i] >> s) & 0xFF;
            EXPECT_NEAR(double((out[i] >> s) & 0xFF), b + (l - b) * a / 255.0, 1.0);
        }
    }
}

TEST(Blend, DrawAtClipsAndUsesDrawMode) {
    Bitmap32 dst(4, 4, 0xFF000000);
    Bitmap32 src(3, 3, 0xFFFFFFFF);
    src.drawMode = DrawMode::Blend;
    src.masterAlpha = 128;
    DrawAt(dst, 2, 2, src);  // only 2x2 lands inside
    EXPECT_EQ(dst.pixel(1, 1), 0xFF000000u);
    EXPECT_EQ(dst.pixel(2, 2), 0xFF808080u);
    EXPECT_EQ(dst.pixel(3, 3), 0xFF808080u);
    src.drawMode = DrawMode::Opaque;
    DrawAt(dst, -1, -1, src);
    EXPECT_EQ(dst.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(dst.pixel(2, 2), 0xFF808080u);
}
