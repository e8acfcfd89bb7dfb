// One decoder fed arbitrary bytes: it may refuse them with our errors, but must
// never crash, read out of bounds or allocate without limit.
#include <cstddef>
#include <cstdint>

#include "core/codecs/Bmp.h"
#include "core/codecs/Gif.h"
#include "core/codecs/Ico.h"
#include "core/codecs/Jpeg.h"
#include "core/codecs/Limits.h"
#include "core/codecs/Picture.h"
#include "core/codecs/Png.h"
#include "core/codecs/Tiff.h"
#include "core/document/ProjectFile.h"
#include "core/util/Errors.h"

using namespace viramo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool limited = [] {
        SetPixelLimit(4'000'000);  // keep each run's memory small
        return true;
    }();
    (void)limited;
    const Bytes bytes(data, data + size);
    try {
#if defined(VIRAMO_FUZZ_BMP)
        DecodeBmp(bytes);
#elif defined(VIRAMO_FUZZ_PNG)
        DecodePng(bytes);
#elif defined(VIRAMO_FUZZ_JPEG)
        DecodeJpeg(bytes);
#elif defined(VIRAMO_FUZZ_GIF)
        DecodeGif(bytes);
#elif defined(VIRAMO_FUZZ_TIFF)
        DecodeTiff(bytes);
#elif defined(VIRAMO_FUZZ_ICO)
        DecodeIco(bytes);
#elif defined(VIRAMO_FUZZ_PROJECT)
        DecodeProject(bytes);
#else
        DecodePicture(bytes, SniffFormat(bytes));
#endif
    } catch (const Error&) {
    }
    return 0;
}
