#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

#include "TestUtil.h"
#include "core/document/Locations.h"
#include "core/document/Settings.h"
#include "core/document/TextCodec.h"

using namespace viramo;

TEST(Settings, EditorBackground) {
    ViewSettings chess = ParseViewSettings("CHESS");
    EXPECT_TRUE(chess.chess);
    EXPECT_EQ(chess.color, clGray);
    EXPECT_EQ(FormatViewSettings(chess), "CHESS");
    ViewSettings red = ParseViewSettings("$000000FF\r\n");
    EXPECT_FALSE(red.chess);
    EXPECT_EQ(red.color, 0xFF);
    EXPECT_EQ(FormatViewSettings(red), "clRed");
    for (const char* junk : {"", "chess", "not a colour", "\xFF\xFE"}) {
        ViewSettings v = ParseViewSettings(junk);
        EXPECT_FALSE(v.chess) << junk;
        EXPECT_EQ(v.color, clGray) << junk;
    }
}

TEST(Settings, WindowPlacementRecord) {
    FormSettings f;
    f.state = 2;
    f.reserved = {7, 8, 9};
    f.left = -5;
    f.top = 10;
    f.width = 1000;
    f.height = 700;
    f.side = 1;
    Bytes b = FormatFormSettings(f);
    ASSERT_EQ(b.size(), 24u);
    EXPECT_EQ(b[0], 2);
    EXPECT_EQ(b[1], 7);
    EXPECT_EQ(b[4], 0xFB);
    EXPECT_EQ(b[7], 0xFF);
    EXPECT_EQ(b[20], 1);
    FormSettings back = ParseFormSettings(b);
    EXPECT_TRUE(back.valid);
    EXPECT_EQ(back.state, 2);
    EXPECT_EQ(back.left, -5);
    EXPECT_EQ(back.reserved, f.reserved);
    EXPECT_TRUE(back.sideLeft());
    back.side = 7;  // anything but 1 is the right side, written as 2
    EXPECT_EQ(FormatFormSettings(back)[20], 2);
    EXPECT_FALSE(ParseFormSettings(Bytes(23, 0)).valid);
}

TEST(Settings, RecentListFirstStartAndTheFiveNewest) {
    RecentList r;
    r.load({"Clear"});
    EXPECT_TRUE(r.empty());
    EXPECT_EQ(r.captions(), std::vector<std::string>{"Пусто"});
    EXPECT_EQ(r.startLabels(), (std::array<std::string, 4>{"Пусто", "Пусто", "Пусто", "Пусто"}));
    EXPECT_EQ(r.fileText(), "Пусто\r\n");
    RecentList again;
    again.load(DecodeTextLines(r.fileText()));  // "Пусто" reads back as the same empty state
    EXPECT_EQ(again.captions(), r.captions());
    for (int i = 1; i <= 6; ++i) {
        const std::string p = "/photos/p" + std::to_string(i) + ".jpg";
        ASSERT_TRUE(r.IsNewRecentFile(p));
        r.AddRecentFile(p);
    }
    EXPECT_EQ(r.captions(), (std::vector<std::string>{"/photos/p6.jpg", "/photos/p5.jpg", "/photos/p4.jpg",
                                                      "/photos/p3.jpg", "/photos/p2.jpg"}));
    EXPECT_EQ(r.marked(), 0);
    EXPECT_FALSE(r.IsNewRecentFile("/photos/p4.jpg"));
    EXPECT_TRUE(r.IsNewRecentFile("/photos/P4.jpg"));  // case matters
    EXPECT_EQ(r.startLabels()[3], "p3.jpg");
    RecentList loaded;
    loaded.load({"/a b/one.png", "", "/two.zrt", "3", "4", "5", "6"});
    EXPECT_EQ(loaded.captions().size(), 5u);
    EXPECT_EQ(loaded.captions()[1], "/two.zrt");
    EXPECT_EQ(loaded.startLabels()[0], "one.png");
}

TEST(Settings, OldSingleByteTextIsReadAsCyrillic) {
    // "Фото" in the Cyrillic code page, then a UTF-8 line as written now.
    EXPECT_EQ(DecodeTextLines("/home/\xD4\xEE\xF2\xEE.jpg\r\n"), std::vector<std::string>{"/home/Фото.jpg"});
    EXPECT_EQ(DecodeTextLines("/home/Фото.jpg\r\n/x\r\n"), (std::vector<std::string>{"/home/Фото.jpg", "/x"}));
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8"), "Ёё");
}

TEST(Settings, FilesGoToTheUserFolderWhenTheProgramFolderIsNotWritable) {
    const std::string base = test::TempPath("settings-" + std::to_string(::getpid()));
    const std::string program = base + "/program", user = base + "/config";
    ASSERT_EQ(std::system(("mkdir -p " + program + " " + user).c_str()), 0);
    ::setenv("XDG_CONFIG_HOME", user.c_str(), 1);
    SetProgramFolder(program);
    EXPECT_EQ(ReadSettingsFile("View.atp"), "");  // missing: empty, no error
    EXPECT_EQ(WriteSettingsFile("View.atp", Bytes{'C', 'H', 'E', 'S', 'S'}), program + "/View.atp");
    EXPECT_EQ(ReadSettingsFile("View.atp"), "CHESS");
    // A program folder that cannot hold files (a path through a plain file).
    SetProgramFolder(program + "/View.atp");
    EXPECT_EQ(WriteSettingsFile("Dirs.lst", Bytes{'x'}), user + "/fotoviramo/Dirs.lst");
    EXPECT_EQ(ReadSettingsFile("Dirs.lst"), "x");
    SetProgramFolder("");
    ::unsetenv("XDG_CONFIG_HOME");
}
