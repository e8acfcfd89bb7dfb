#include <gtest/gtest.h>

#include "core/gfx/Color.h"

using namespace viramo;

TEST(Color, IntensityUsesTheWeightedSum) {
    EXPECT_EQ(Intensity(MakeColor32(255, 255, 255)), 255);  // (61+174+21)*255/256 = 255
    EXPECT_EQ(Intensity(MakeColor32(100, 0, 0)), 23);       // 6100/256
    EXPECT_EQ(Intensity(MakeColor32(0, 100, 0)), 67);
    EXPECT_EQ(Intensity(MakeColor32(0, 0, 100)), 8);
    EXPECT_EQ(GreyOf(MakeColor32(0, 100, 0, 7)), 0xFF434343u);
}

TEST(Color, PlatformValuesHaveRedInTheLowByte) {
    // 7847880 is red 200, green 191, blue 119.
    EXPECT_EQ(PlatformColorToColor32(7847880), MakeColor32(200, 191, 119));
    EXPECT_EQ(Color32ToPlatformColor(MakeColor32(200, 191, 119, 3)), 7847880);
    EXPECT_EQ(PlatformColorToColor32(clGray), 0xFF808080u);
}

TEST(Color, SystemColoursResolveToOpaqueRgb) {
    auto btnFace = StringToPlatformColor("clBtnFace");
    ASSERT_TRUE(btnFace);
    EXPECT_EQ(static_cast<std::uint32_t>(*btnFace), 0xFF00000Fu);
    EXPECT_EQ(PlatformColorToColor32(*btnFace), 0xFFF0F0F0u);
    EXPECT_EQ(PlatformColorToColor32(*StringToPlatformColor("clWindow")), 0xFFFFFFFFu);
}

TEST(Color, TextFormRoundTrips) {
    struct Case {
        PlatformColor value;
        const char* text;
    } cases[] = {{clGray, "clGray"}, {clBlack, "clBlack"}, {0x0000FF, "clRed"},
                 {0x123456, "$00123456"}, {static_cast<PlatformColor>(0xFF00000F), "clBtnFace"}};
    for (const auto& c : cases) {
        EXPECT_EQ(PlatformColorToString(c.value), c.text);
        auto back = StringToPlatformColor(c.text);
        ASSERT_TRUE(back) << c.text;
        EXPECT_EQ(*back, c.value) << c.text;
    }
    EXPECT_EQ(*StringToPlatformColor("CLGRAY"), clGray);
    EXPECT_EQ(*StringToPlatformColor("8421504"), clGray);
    EXPECT_EQ(*StringToPlatformColor("$00abcdef"), 0xABCDEF);
    for (const char* bad : {"", "CHESS", "$", "$12G", "$1FFFFFFFFF", "12x"}) EXPECT_FALSE(StringToPlatformColor(bad)) << bad;
}
