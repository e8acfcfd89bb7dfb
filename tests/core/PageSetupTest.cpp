#include <gtest/gtest.h>

#include "core/cards/PageSetup.h"

using namespace viramo;

TEST(PageSetup, StartsAt800x600LandscapeInPixels) {
    PageSetup p;
    EXPECT_EQ(p.newPageWidth(), 800);
    EXPECT_EQ(p.newPageHeight(), 600);
    EXPECT_FALSE(p.portrait());
    EXPECT_EQ(p.units(), PageSetup::Pixels);
    EXPECT_STREQ(PageSetup::kFormats[3], "Фото 9 x 13 см ");
}

TEST(PageSetup, A4AtTwoResolutionsAndBothOrientations) {
    PageSetup p;
    p.ShablChange(1);
    EXPECT_EQ(p.newPageWidth(), 842);
    EXPECT_EQ(p.newPageHeight(), 595);
    EXPECT_EQ(p.units(), PageSetup::Millimetres);
    EXPECT_EQ(p.widthField(), 297);
    EXPECT_EQ(p.heightField(), 210);
    p.Timer1Timer();
    EXPECT_FALSE(p.portrait());
    p.BookClick();
    EXPECT_EQ(p.widthField(), 210);
    EXPECT_EQ(p.heightField(), 297);
    p.Timer1Timer();
    EXPECT_EQ(p.newPageWidth(), 595);
    EXPECT_EQ(p.newPageHeight(), 842);
    EXPECT_TRUE(p.portrait());
    p.AlbaClick();
    p.Timer1Timer();
    EXPECT_EQ(p.newPageWidth(), 842);
    p.Edit3Change(300);  // millimetres stay, pixels follow at once
    EXPECT_EQ(p.widthField(), 297);
    EXPECT_EQ(p.newPageWidth(), 3508);
    EXPECT_EQ(p.newPageHeight(), 2480);
    p.Edit3Change(72);
    p.CEPChange(PageSetup::Pixels);
    EXPECT_EQ(p.widthField(), 842);
    EXPECT_EQ(p.heightField(), 595);
}

TEST(PageSetup, ScreenFormatsInMillimetresComeBackFromWholeMillimetres) {
    PageSetup p;
    p.CEPChange(PageSetup::Millimetres);
    p.ShablChange(8);  // "800 x 600"
    EXPECT_EQ(p.widthField(), 282);
    EXPECT_EQ(p.heightField(), 212);
    p.Timer1Timer();
    EXPECT_EQ(p.newPageWidth(), 799);
    EXPECT_EQ(p.newPageHeight(), 601);
    PageSetup q;  // "Вариант пользователя" in pixels turns to millimetres, same page
    q.ShablChange(0);
    EXPECT_EQ(q.units(), PageSetup::Millimetres);
    EXPECT_EQ(q.widthField(), 282);
    PageSetup s;  // the square leaves page and units alone
    s.ShablChange(11);
    EXPECT_EQ(s.units(), PageSetup::Pixels);
    EXPECT_EQ(s.widthField(), 800);
}

TEST(PageSetup, SizeLabelAndProportionsPicture) {
    PageSetup p;
    p.Edit1Change(32000);
    p.Edit2Change(32000);
    p.Timer1Timer();
    EXPECT_EQ(p.SizeKilobytes(), 4000000);
    p.Edit1Change(100);
    p.Edit2Change(106);
    PageSetup::Shape tall = p.ViewPage();
    EXPECT_EQ(tall.height, 270);
    EXPECT_EQ(tall.width, 255);
    EXPECT_EQ(tall.top, 27);
    EXPECT_EQ(tall.left, 361);  // rnd((289 - 255) / 2) + 344
    p.Edit2Change(105);
    PageSetup::Shape wide = p.ViewPage();
    EXPECT_EQ(wide.width, 257);
    EXPECT_EQ(wide.height, 270);
    EXPECT_EQ(wide.left, 360);
    EXPECT_EQ(wide.top, 26);  // rnd(35 / 2) + 8, half to even
    p.Edit1Change(0);  // the up-down allows 1..32000
    EXPECT_EQ(p.widthField(), 1);
}
