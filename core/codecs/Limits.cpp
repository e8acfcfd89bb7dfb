#include "core/codecs/Limits.h"

#include <atomic>
#include <string>

#include "core/gfx/Bitmap32.h"
#include "core/util/Errors.h"

namespace viramo {

namespace {
std::atomic<std::int64_t> gLimit{kMaxBitmapPixels};
}

std::int64_t PixelLimit() { return gLimit.load(); }

void SetPixelLimit(std::int64_t pixels) {
    if (pixels < 1) pixels = 1;
    if (pixels > kMaxBitmapPixels) pixels = kMaxBitmapPixels;
    gLimit.store(pixels);
}

void CheckPictureSize(std::int64_t width, std::int64_t height, std::size_t dataBytes, double maxPixelsPerByte,
                      const char* format) {
    const std::string fmt = format;
    if (width <= 0 || height <= 0)
        throw PictureError("", fmt + " picture has an invalid size " + std::to_string(width) + "x" +
                                   std::to_string(height));
    const double pixels = static_cast<double>(width) * static_cast<double>(height);
    if (pixels > static_cast<double>(PixelLimit()))
        throw PictureError("", fmt + " picture of " + std::to_string(width) + "x" + std::to_string(height) +
                                   " pixels is larger than the limit of " + std::to_string(PixelLimit()) + " pixels");
    if (pixels > static_cast<double>(dataBytes) * maxPixelsPerByte)
        throw PictureError("", fmt + " file is too small for a " + std::to_string(width) + "x" +
                                   std::to_string(height) + " picture");
}

}  // namespace viramo
