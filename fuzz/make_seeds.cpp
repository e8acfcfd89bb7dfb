// Writes a small seed corpus for every fuzz target into OUT/<format>/.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "core/codecs/Bmp.h"
#include "core/codecs/Gif.h"
#include "core/codecs/Jpeg.h"
#include "core/codecs/Png.h"
#include "core/codecs/Tiff.h"
#include "core/document/ProjectFile.h"

using namespace viramo;

namespace {

Bitmap32 picture(int w, int h) {
    Bitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, MakeColor32((x * 40) & 255, (y * 60) & 255, ((x + y) * 20) & 255, (x * 30 + 100) & 255));
    return b;
}

void put(const std::string& dir, const std::string& name, const Bytes& data) {
    ::mkdir(dir.c_str(), 0755);
    WriteFileAtomic(dir + "/" + name, data);
}

Bytes icon(const Bytes& png) {
    Bytes ico = {0, 0, 1, 0, 1, 0, 8, 8, 0, 0, 1, 0, 32, 0};
    const std::uint32_t size = static_cast<std::uint32_t>(png.size()), off = 22;
    for (int i = 0; i < 4; ++i) ico.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    for (int i = 0; i < 4; ++i) ico.push_back(static_cast<std::uint8_t>(off >> (8 * i)));
    ico.insert(ico.end(), png.begin(), png.end());
    return ico;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUT\n");
        return 2;
    }
    const std::string out = argv[1];
    ::mkdir(out.c_str(), 0755);
    const Bitmap32 a = picture(8, 8), b = picture(13, 5);
    put(out + "/bmp", "a.bmp", EncodeBmp(a));
    put(out + "/bmp", "b.bmp", EncodeBmp(b));
    put(out + "/png", "a.png", EncodePng(a));
    put(out + "/jpeg", "a.jpg", EncodeJpeg(a, 75));
    put(out + "/jpeg", "b.jpg", EncodeJpeg(b, 20));
    put(out + "/gif", "a.gif", EncodeGif(a, 8));
    put(out + "/gif", "b.gif", EncodeGif(b, 1));
    put(out + "/tiff", "a.tif", EncodeTiff(a));
    put(out + "/ico", "a.ico", icon(EncodePng(a)));
    put(out + "/picture", "a.bmp", EncodeBmp(a));
    put(out + "/picture", "a.gif", EncodeGif(b, 4));
    put(out + "/picture", "a.jpg", EncodeJpeg(b, 50));
    Document doc;
    doc.setCanvas(picture(6, 4));
    Layer& l = doc.AddPhotograph(picture(3, 2), 2, 2);
    doc.SetLayerOpacity(100);
    (void)l;
    doc.CreateFrameLayer(1, 1, kSelectionFrameTag);
    put(out + "/project", "a.zrt", EncodeProject(doc));
    Document flat;
    flat.setCanvas(picture(2, 1));
    put(out + "/project", "b.zrt", EncodeProject(flat));
    return 0;
}
