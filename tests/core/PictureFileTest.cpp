#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "TestUtil.h"
#include "core/codecs/Ico.h"
#include "core/codecs/Picture.h"
#include "core/codecs/Png.h"
#include "core/util/Errors.h"

using namespace viramo;

TEST(PictureFile, FormatIsChosenByExtensionInAnyCase) {
    EXPECT_EQ(FormatFromExtension("a/photo.JPG"), PictureFormat::Jpeg);
    EXPECT_EQ(FormatFromExtension("photo.jpeg"), PictureFormat::Jpeg);
    EXPECT_EQ(FormatFromExtension("x.Tiff"), PictureFormat::Tiff);
    EXPECT_EQ(FormatFromExtension("card.bmp.png"), PictureFormat::Png);
    EXPECT_EQ(FormatFromExtension("dir.v2/noext"), PictureFormat::Unknown);
}

TEST(PictureFile, EveryWritableFormatSavesAndLoads) {
    const Bitmap32 pic = test::Pattern(20, 10);
    for (const char* ext : {".bmp", ".png", ".jpg", ".gif", ".tif"}) {
        const std::string path = test::TempPath(std::string("all") + ext);
        SavePicture(path, pic);
        Bitmap32 back = LoadPicture(path);
        EXPECT_EQ(back.width(), 20) << ext;
        EXPECT_EQ(back.height(), 10) << ext;
        ::unlink(path.c_str());
    }
}

TEST(PictureFile, ErrorsNameTheFileAndTheirKind) {
    const std::string missing = test::TempPath("does-not-exist.png");
    try {
        LoadPicture(missing);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), missing);
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
    }
    const std::string emf = test::TempPath("drawing.emf");
    WriteFileAtomic(emf, Bytes(100, 1));
    EXPECT_THROW(LoadPicture(emf), FormatError);
    EXPECT_THROW(LoadPicture(test::TempPath("notes.txt")), FormatError);
    const std::string broken = test::TempPath("broken.png");
    WriteFileAtomic(broken, Bytes{0x89, 'P', 'N', 'G', 1, 2, 3});
    try {
        LoadPicture(broken);
        FAIL();
    } catch (const PictureError& e) {
        EXPECT_EQ(e.path(), broken);
    }
    EXPECT_THROW(SavePicture(test::TempPath("x.ico"), test::Pattern(2, 2)), FormatError);
}

TEST(PictureFile, MisnamedFilesAreReadByTheirContent) {
    const std::string path = test::TempPath("really-a-png.jpg");
    WriteFileAtomic(path, EncodePng(test::Pattern(5, 4)));
    EXPECT_TRUE(LoadPicture(path).samePixels(test::Pattern(5, 4)));
}

TEST(PictureFile, AFailedSaveLeavesTheOldFileAsItWas) {
    const std::string path = test::TempPath("keep.bmp");
    SavePicture(path, test::Pattern(4, 4));
    const Bytes before = ReadFileBytes(path);
    // A large picture written in several chunks, the second one failing.
    SetWriteFaultHook([](int chunk) { return chunk < 1; });
    EXPECT_THROW(SavePicture(path, test::Pattern(700, 700)), FileError);
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_NE(::access((path + ".viramo-tmp").c_str(), F_OK), 0);  // no scratch file left behind
    // A folder we may not write into.
    const std::string dir = test::TempPath("readonly-dir");
    ::mkdir(dir.c_str(), 0555);
    if (::geteuid() != 0) {  // root may write anywhere
        EXPECT_THROW(SavePicture(dir + "/x.png", test::Pattern(2, 2)), FileError);
    }
    EXPECT_THROW(SavePicture(dir + "/missing/x.png", test::Pattern(2, 2)), FileError);
}

TEST(PictureFile, IconsGiveTheirLargestImageAlsoWhenItIsPng) {
    const Bytes png = EncodePng(test::Pattern(48, 48));
    Bytes ico = {0, 0, 1, 0, 2, 0};
    // Entry 1: a 16 x 16 that is never read (its data is junk); entry 2: the PNG.
    Bytes e1 = {16, 16, 0, 0, 1, 0, 32, 0};
    test::Put32(e1, 8);
    test::Put32(e1, 38);
    Bytes e2 = {48, 48, 0, 0, 1, 0, 32, 0};
    test::Put32(e2, png.size());
    test::Put32(e2, 46);
    ico.insert(ico.end(), e1.begin(), e1.end());
    ico.insert(ico.end(), e2.begin(), e2.end());
    ico.insert(ico.end(), 8, 0xEE);
    ico.insert(ico.end(), png.begin(), png.end());
    Bitmap32 b = DecodeIco(ico);
    EXPECT_TRUE(b.samePixels(test::Pattern(48, 48)));
}
