#include "core/gfx/Bitmap32.h"

#include <algorithm>
#include <string>

#include "core/util/Errors.h"

namespace viramo {

Bitmap32::Bitmap32(int width, int height) { setSize(width, height); }

Bitmap32::Bitmap32(int width, int height, Color32 fill) {
    setSize(width, height);
    clear(fill);
}

void Bitmap32::setSize(int width, int height) {
    if (width < 0 || height < 0)
        throw PictureError("", "negative picture size " + std::to_string(width) + "x" + std::to_string(height));
    if (width == 0 || height == 0) width = height = 0;
    std::int64_t count = static_cast<std::int64_t>(width) * height;
    if (count > kMaxBitmapPixels)
        throw PictureError("", "picture of " + std::to_string(width) + "x" + std::to_string(height) +
                                   " pixels is too large");
    // A fresh buffer both zeroes the pixels and releases a larger one.
    pixels_ = decltype(pixels_)(static_cast<size_t>(count), 0u);
    width_ = width;
    height_ = height;
}

void Bitmap32::clear(Color32 color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void Bitmap32::setAllAlpha(std::uint8_t alpha) {
    const Color32 a = static_cast<Color32>(alpha) << 24;
    Color32* p = pixels_.data();
    const size_t n = pixels_.size();
    for (size_t i = 0; i < n; ++i) p[i] = (p[i] & 0x00FFFFFFu) | a;
}

bool Bitmap32::samePixels(const Bitmap32& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

}  // namespace viramo
