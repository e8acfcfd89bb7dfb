#pragma once
// The picture effects. They work on red, green and blue only; alpha is the
// caller's affair (the effect frame keeps a layer's mask). Sizes and amounts
// are pixels unless stated.
#include "core/fx/Random.h"
#include "core/gfx/Bitmap32.h"

namespace viramo {

// Every pixel from a random spot of a square neighbourhood whose half-size is
// itself random below amount; spots outside the picture are not taken.
void Spray(Bitmap32& bmp, int amount, Random& random);
// Raindrops: dst is src with pixels displaced along a trigonometric pattern;
// scale is the displacement, turbulence the pattern's repeat length.
void Marble(const Bitmap32& src, Bitmap32& dst, double scale, int turbulence);
void Invert(Bitmap32& bmp);
// size x size blocks from the top-left, each the colour of its top-left pixel; 0 or 1 changes nothing.
void Mosaic(Bitmap32& bmp, int size);
// Each channel the mean of itself and the inverse of the pixel one row down and three columns right.
void Emboss(Bitmap32& bmp);
// Blinds: amount limited to half the height; pixels moved down by a sawtooth 0, 1, ..., amount along x.
void Ripple(Bitmap32& bmp, int amount);
// Columns moved vertically by a periodic offset of the amplitude, period 4 x amount;
// style 0 a sine, 1 sine times cosine, 2 a sine modulated by the interference.
void Wave(Bitmap32& bmp, int amount, int interference, int style);
// Each channel v of dst becomes amount x rnd(v / amount).
void Posterize(const Bitmap32& src, Bitmap32& dst, int amount);
// The mean of the four pixels displaced diagonally by amount (clamped inside); 0 changes nothing.
void SplitBlur(Bitmap32& bmp, int amount);
// Each channel its own random offset in -(amount div 2) .. amount - 1 - (amount div 2).
void ColorNoise(Bitmap32& bmp, int amount, Random& random);
// One random offset per pixel in the same range, added to all three channels.
void MonoNoise(Bitmap32& bmp, int amount, Random& random);
// Each pixel the grey of its luminance, rnd(0.299 R + 0.587 G + 0.114 B).
void GrayScale(Bitmap32& bmp);

}  // namespace viramo
