#pragma once
// One entry of the layer stack: a bitmap layer, a frame layer (selection area
// or crop frame) or the rubber band that frames the selection.
#include <cstdint>

#include "core/gfx/Bitmap32.h"

namespace viramo {

enum class LayerKind { Bitmap, Frame, RubberBand };

constexpr int kSelectionFrameTag = 3;
constexpr int kCropFrameTag = 4;

struct Layer {
    LayerKind kind = LayerKind::Bitmap;
    int tag = 0;            // 0 bitmap layer and rubber band, 3 selection frame, 4 crop frame
    FloatRect location;     // placement in canvas pixels; the bitmap is stretched to it
    Bitmap32 bitmap;        // bitmap layers only
    bool scaled = true;     // zooms with the canvas
    bool cropped = false;   // clipped to the canvas
    bool visible = true;    // the rubber band hides while nothing is selected
    bool mouseInput = true;
    // Changes whenever the bitmap's pixels change, so views can keep scaled copies.
    std::uint64_t pixelVersion = 0;

    bool isBitmap() const { return kind == LayerKind::Bitmap; }
    bool isFrame() const { return kind == LayerKind::Frame; }
};

// A fresh number for pixelVersion-style change marks.
std::uint64_t NextPixelVersion();

}  // namespace viramo
