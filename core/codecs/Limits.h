#pragma once
// Bounds every reader applies before it allocates pixels.
#include <cstddef>
#include <cstdint>

namespace viramo {

// Largest picture, in pixels, that readers accept (default 2^28, about 1 GiB at
// 4 bytes a pixel). Tests and tools may lower it.
std::int64_t PixelLimit();
void SetPixelLimit(std::int64_t pixels);

// Throws PictureError when width or height is not positive, when width x height
// exceeds the pixel limit, or when the file is too small to hold that many
// pixels even at the format's best compression (maxPixelsPerByte).
void CheckPictureSize(std::int64_t width, std::int64_t height, std::size_t dataBytes, double maxPixelsPerByte,
                      const char* format);

}  // namespace viramo
