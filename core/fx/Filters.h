#pragma once
// The editor's own pixel arithmetic: sharpening, colorizing, the brightness and
// contrast steps and the colour balance.
#include <stdexcept>

#include "core/gfx/Bitmap32.h"
#include "core/gfx/Color.h"

namespace viramo {

// A filter refused its picture or its arguments; what() is the text shown.
class FilterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Five-point sharpening in 16.16 fixed point: inner pixels become
// ((A x centre + 32767) >> 16) - ((B x S + 32767) >> 16), S the sum of centre
// and its four neighbours, A = rnd(alpha x 65536), B = rnd((alpha - 1) / 5 x 65536);
// border rows and columns are copied. Throws FilterError "Bitmap must be at
// least 3x3" or "Alpha must be >1 and <6". Alpha of dst copied from src.
void SharpenBitmap(const Bitmap32& src, Bitmap32& dst, float alpha);
// Red, green and blue through a table each; alpha kept.
void MapChannels(Bitmap32& bmp, const std::uint8_t (&red)[256], const std::uint8_t (&green)[256],
                 const std::uint8_t (&blue)[256]);
// Each pixel red x i, green x i, blue x i of the colour (platform layout),
// i = (R + G + B) / 765.
void Colorize(Bitmap32& bmp, PlatformColor colour);
// v + (v x amount) div 255, clamped; alpha kept. 0 changes nothing.
void Brighten(Bitmap32& bmp, int amount);
// Away from 127 by (amount x |127 - v|) div 255 (towards it when negative), clamped; alpha kept.
void StretchContrast(Bitmap32& bmp, int amount);
// Red, green and blue shifted by r, g, b (fast) or scaled by 2r/255 ... (quality), clamped; alpha kept.
void ColourBalance(Bitmap32& bmp, int r, int g, int b, bool quality);

// The brightness/contrast dialog's recomputation: target = copy, then the step
// of the gauge released last first, then the other.
void ApplyBrightnessContrast(const Bitmap32& copy, Bitmap32& target, int brightness, int contrast,
                             bool brightnessFirst);
// The colour balance dialog's recomputation: target = copy, then the balance.
void ApplyColourBalance(const Bitmap32& copy, Bitmap32& target, int r, int g, int b, bool quality);

}  // namespace viramo
