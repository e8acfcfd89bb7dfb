#pragma once
// Painting one frame of the editor's view: the background, the canvas image
// and the layers at the view's zoom, only the part the view shows.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/document/Document.h"

namespace viramo {

struct ViewGeometry {
    double scale = 1;                  // buffer pixels per canvas pixel
    double originX = 0, originY = 0;   // where canvas point (0, 0) falls in the buffer
    int width = 0, height = 0;         // buffer size
};

struct ViewBackground {
    bool chess = false;            // fixed 8 x 8 checkerboard, grey $1FB0B0B0 and white
    Color32 color = 0xFF808080;    // plain colour otherwise
};

// Scaled copies of the canvas and layers kept between frames: scrolling and
// moving layers then only blend copies, and only a zoom or a pixel change
// rescales (from halved copies, so a large photograph is never resampled whole).
class ViewCache {
public:
    // The picture src at exactly w x h, scaled with its own filter; attributes copied.
    const Bitmap32& scaled(const void* key, std::uint64_t version, const Bitmap32& src, int w, int h);
    void beginFrame();
    void endFrame();  // forgets what the frame did not use
    std::size_t entries() const { return entries_.size(); }

private:
    struct Entry {
        std::uint64_t version = 0;
        std::vector<Bitmap32> halves;  // halves[0] is half of the source, and so on
        Bitmap32 scaled;
        StretchFilter filter = StretchFilter::Nearest;
        bool used = false;
    };
    std::unordered_map<const void*, Entry> entries_;
};

// Paints the frame into buffer (resized to the geometry). The rubber band is
// left to the caller, which draws its handles on top.
void RenderView(const Document& doc, const ViewGeometry& g, const ViewBackground& bg, Bitmap32& buffer,
                ViewCache& cache);

// A frame layer's look: the part of the buffer under r turned grey (through a
// transformation that magnifies it by 10^0.0001 about its centre, practically
// 1:1) and blended back with master alpha shade.
void PaintFrameArea(Bitmap32& buffer, const Rect& r, std::uint8_t shade);

void FillBackground(Bitmap32& buffer, const ViewBackground& bg);
void FillBackgroundRows(Bitmap32& buffer, const ViewBackground& bg, int top, int bottom);

}  // namespace viramo
