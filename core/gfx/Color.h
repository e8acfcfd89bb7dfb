#pragma once
// Pixel colours ($AARRGGBB) and the platform colour values used by dialogs and
// settings files (red in the low byte, possibly naming a system colour).
#include <cstdint>
#include <optional>
#include <string>

namespace viramo {

using Color32 = std::uint32_t;  // $AARRGGBB

constexpr std::uint8_t AlphaOf(Color32 c) { return static_cast<std::uint8_t>(c >> 24); }
constexpr std::uint8_t RedOf(Color32 c) { return static_cast<std::uint8_t>(c >> 16); }
constexpr std::uint8_t GreenOf(Color32 c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(Color32 c) { return static_cast<std::uint8_t>(c); }
constexpr Color32 MakeColor32(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a = 255) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// (r*61 + g*174 + b*21) / 256, integer division.
constexpr int Intensity(Color32 c) { return (RedOf(c) * 61 + GreenOf(c) * 174 + BlueOf(c) * 21) >> 8; }

// Opaque grey of the pixel's intensity.
constexpr Color32 GreyOf(Color32 c) {
    std::uint32_t i = static_cast<std::uint32_t>(Intensity(c));
    return MakeColor32(i, i, i);
}

// A platform colour value: $00BBGGRR, or $FF0000nn for system colour nn, or a
// special value (none, default).
using PlatformColor = std::int32_t;

constexpr PlatformColor clBlack = 0x000000;
constexpr PlatformColor clGray = 0x808080;
constexpr PlatformColor clSilver = 0xC0C0C0;
constexpr PlatformColor clWhite = 0xFFFFFF;

// Resolves system colours to their usual RGB values and returns an opaque pixel.
Color32 PlatformColorToColor32(PlatformColor c);
// Opaque pixel to a platform value (alpha dropped).
PlatformColor Color32ToPlatformColor(Color32 c);

// "clGray" for a named colour, else "$" followed by eight upper-case hex digits.
std::string PlatformColorToString(PlatformColor c);
// Accepts the names (any letter case), "$hex", "0x" hex and decimal. Empty optional
// when the text is not a colour.
std::optional<PlatformColor> StringToPlatformColor(const std::string& text);

}  // namespace viramo
