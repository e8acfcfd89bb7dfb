#include <gtest/gtest.h>

#include <cstring>

#include "TestUtil.h"
#include "core/document/ProjectFile.h"
#include "core/util/Errors.h"

using namespace viramo;

namespace {

std::int32_t trailer(const Bytes& b) {
    std::int32_t v;
    std::memcpy(&v, b.data() + b.size() - 4, 4);
    return v;
}

// A project of three layers with exact float placements, opacities and flags.
void ThreeLayers(Document& d) {
    d.setCanvas(test::Pattern(40, 30));
    const FloatRect places[3] = {{1.25f, 2.5f, 31.125f, 22.75f}, {-5.5f, 0.1f, 10.3f, 9.9f}, {7, 8, 9, 10}};
    for (int i = 0; i < 3; ++i) {
        Layer& l = d.AddPhotograph(test::Pattern(8 + i, 5, i == 1), 0, 0);
        d.SetLayerLocation(l, places[i]);
        d.SetLayerOpacity(100 + 50 * i);
        d.SetLayerInterpolation(i != 2);
        l.cropped = i == 0;
    }
    // AddPhotograph makes every alpha opaque: put a partly transparent picture back.
    d.layer(1).bitmap = test::Pattern(9, 5, false);
    d.layer(1).bitmap.drawMode = DrawMode::Blend;
}

}  // namespace

TEST(ProjectFile, ACanvasAloneIsSeventyBytes) {
    Document d;
    d.setCanvas(Bitmap32(2, 1, 0xFF102030));
    Bytes f = EncodeProject(d);
    ASSERT_EQ(f.size(), 70u);
    EXPECT_EQ(std::string(f.begin() + 62, f.begin() + 66), "62\r\n");
    EXPECT_EQ(trailer(f), 8);
    ProjectContents c = DecodeProject(f);
    EXPECT_TRUE(c.canvas.samePixels(d.canvas()));
    EXPECT_TRUE(c.layers.empty());
}

TEST(ProjectFile, LayersRoundTripExactlyAndTheTopmostIsSelected) {
    Document d;
    ThreeLayers(d);
    const std::string path = test::TempPath("three.zrt");
    SaveProject(d, path);
    Document back;
    back.setCanvas(Bitmap32(5, 5));
    LoadProject(back, path);
    EXPECT_TRUE(back.canvas().samePixels(d.canvas()));
    ASSERT_EQ(back.bitmapLayerCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const Layer& a = d.layer(i);
        const Layer& b = back.layer(i);
        EXPECT_EQ(b.location, a.location) << i;
        EXPECT_EQ(b.bitmap.masterAlpha, a.bitmap.masterAlpha) << i;
        EXPECT_EQ(b.bitmap.filter, a.bitmap.filter) << i;
        EXPECT_EQ(b.cropped, a.cropped) << i;
        EXPECT_EQ(b.scaled, a.scaled) << i;
        EXPECT_EQ(b.bitmap.drawMode, DrawMode::Blend);
        EXPECT_TRUE(b.bitmap.samePixels(a.bitmap)) << i;  // alpha below 255 survives
    }
    EXPECT_EQ(back.selection(), &back.layer(2));
    EXPECT_EQ(back.indexOf(back.rubberBand()), 3);
}

TEST(ProjectFile, FramesAreZeroRecordsAndLayersAboveTheBandAreSaved) {
    Document d;
    ThreeLayers(d);
    d.SetSelection(&d.layer(0));
    d.MoveUp();
    d.MoveUp();
    d.MoveUp();  // above the rubber band
    d.CreateFrameLayer(5, 5, kSelectionFrameTag);
    Bytes f = EncodeProject(d);
    ProjectContents c = DecodeProject(f);
    ASSERT_EQ(c.layers.size(), 3u);  // the frame is skipped, the raised layer kept
    EXPECT_EQ(c.layers[2]->location, (FloatRect{1.25f, 2.5f, 31.125f, 22.75f}));
    // Four records of 108 bytes: three layers and the frame.
    const std::string tail(f.end() - trailer(f), f.end() - 4);
    EXPECT_NE(tail.find("432\r\n"), std::string::npos);
    // Only frame layers: canvas and a record block.
    Document framesOnly;
    framesOnly.setCanvas(Bitmap32(3, 3));
    framesOnly.CreateFrameLayer(1, 1, kCropFrameTag);
    ProjectContents c2 = DecodeProject(EncodeProject(framesOnly));
    EXPECT_EQ(c2.canvas.width(), 3);
    EXPECT_TRUE(c2.layers.empty());
}

TEST(ProjectFile, ARecordBlockThatIsNotAMultipleOf108ReadsTheRoundedCount) {
    Document d;
    ThreeLayers(d);
    Bytes f = EncodeProject(d);
    // Rebuild with 30 extra bytes after the records (3.28 records: still 3)
    // and with 60 fewer (2.44 records: 2, the last layer record dropped).
    const std::int32_t t = trailer(f);
    const size_t listStart = f.size() - static_cast<size_t>(t);
    std::string list(f.begin() + static_cast<long>(listStart), f.end() - 4);
    const size_t lastLine = list.rfind("324\r\n");
    ASSERT_NE(lastLine, std::string::npos);
    for (auto [change, layers] : {std::pair{30, 3}, {-60, 2}}) {
        Bytes g(f.begin(), f.begin() + static_cast<long>(listStart) + (change < 0 ? change : 0));
        if (change > 0) g.insert(g.end(), static_cast<size_t>(change), 0);
        std::string l2 = list.substr(0, lastLine) + std::to_string(324 + change) + "\r\n";
        g.insert(g.end(), l2.begin(), l2.end());
        std::int32_t nt = static_cast<std::int32_t>(l2.size() + 4);
        g.insert(g.end(), reinterpret_cast<std::uint8_t*>(&nt), reinterpret_cast<std::uint8_t*>(&nt) + 4);
        ProjectContents c = DecodeProject(g);
        EXPECT_EQ(c.layers.size(), static_cast<size_t>(layers)) << change;
    }
}

TEST(ProjectFile, CorruptFilesGiveAClearErrorAndNoCrash) {
    Document d;
    ThreeLayers(d);
    const Bytes good = EncodeProject(d);
    const std::int32_t t = trailer(good);
    auto withTrailer = [&](std::int32_t v) {
        Bytes b = good;
        std::memcpy(b.data() + b.size() - 4, &v, 4);
        return b;
    };
    auto withList = [&](const std::string& list) {
        Bytes b(good.begin(), good.end() - t);
        b.insert(b.end(), list.begin(), list.end());
        std::int32_t nt = static_cast<std::int32_t>(list.size() + 4);
        b.insert(b.end(), reinterpret_cast<std::uint8_t*>(&nt), reinterpret_cast<std::uint8_t*>(&nt) + 4);
        return b;
    };
    const std::string list(good.end() - t, good.end() - 4);
    struct Case {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", Bytes{}},
        {"three bytes", Bytes{1, 2, 3}},
        {"trailer past the start", withTrailer(static_cast<std::int32_t>(good.size()) + 1)},
        {"negative trailer", withTrailer(-20)},
        {"trailer of an empty list", withTrailer(4)},
        {"size list not numbers", withList("abc\r\n")},
        {"size list with a sign", withList("-62\r\n")},
        {"sizes not adding up", withList("1\r\n" + list)},
        {"block lengths past the file", withList("99999999999\r\n1\r\n")},
        {"more bitmap records than pictures", withList(list.substr(list.find("\r\n") + 2))},
        {"truncated", Bytes(good.begin(), good.end() - 5)},
        {"a picture block that is no picture", [&] {
             Bytes b = good;
             b[0] = 'X';
             return b;
         }()},
    };
    for (const auto& c : cases) EXPECT_THROW(DecodeProject(c.file), PictureError) << c.name;
    for (size_t len = 0; len < good.size(); len += 7) {
        try {
            DecodeProject(Bytes(good.begin(), good.begin() + static_cast<long>(len)));
        } catch (const PictureError&) {
        }
    }
}

TEST(ProjectFile, AFailedLoadLeavesTheDocumentAsItWas) {
    Document d;
    d.setCanvas(Bitmap32(7, 7, 0xFF00FF00));
    d.AddPhotograph(Bitmap32(2, 2), 3, 3);
    const std::string path = test::TempPath("corrupt.zrt");
    WriteFileAtomic(path, Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    try {
        LoadProject(d, path);
        FAIL();
    } catch (const PictureError& e) {
        EXPECT_EQ(e.path(), path);
    }
    EXPECT_EQ(d.canvas().width(), 7);
    EXPECT_EQ(d.bitmapLayerCount(), 1);
}
