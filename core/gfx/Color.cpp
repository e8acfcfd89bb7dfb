#include "core/gfx/Color.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace viramo {

namespace {

struct NamedColor {
    const char* name;
    PlatformColor value;
};

constexpr PlatformColor kSystem = static_cast<PlatformColor>(0xFF000000u);

// The platform's colour names with their values; system colours are
// $FF000000 plus the index of the system colour.
constexpr std::array<NamedColor, 52> kNames{{
    {"clBlack", 0x000000},          {"clMaroon", 0x000080},
    {"clGreen", 0x008000},          {"clOlive", 0x008080},
    {"clNavy", 0x800000},           {"clPurple", 0x800080},
    {"clTeal", 0x808000},           {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},         {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},           {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},           {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},           {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},     {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},          {"clMedGray", 0xA4A0A0},
    {"clScrollBar", kSystem | 0},   {"clBackground", kSystem | 1},
    {"clActiveCaption", kSystem | 2}, {"clInactiveCaption", kSystem | 3},
    {"clMenu", kSystem | 4},        {"clWindow", kSystem | 5},
    {"clWindowFrame", kSystem | 6}, {"clMenuText", kSystem | 7},
    {"clWindowText", kSystem | 8},  {"clCaptionText", kSystem | 9},
    {"clActiveBorder", kSystem | 10}, {"clInactiveBorder", kSystem | 11},
    {"clAppWorkSpace", kSystem | 12}, {"clHighlight", kSystem | 13},
    {"clHighlightText", kSystem | 14}, {"clBtnFace", kSystem | 15},
    {"clBtnShadow", kSystem | 16},  {"clGrayText", kSystem | 17},
    {"clBtnText", kSystem | 18},    {"clInactiveCaptionText", kSystem | 19},
    {"clBtnHighlight", kSystem | 20}, {"cl3DDkShadow", kSystem | 21},
    {"cl3DLight", kSystem | 22},    {"clInfoText", kSystem | 23},
    {"clInfoBk", kSystem | 24},     {"clHotLight", kSystem | 26},
    {"clGradientActiveCaption", kSystem | 27}, {"clGradientInactiveCaption", kSystem | 28},
    {"clMenuHighlight", kSystem | 29}, {"clMenuBar", kSystem | 30},
    {"clNone", 0x1FFFFFFF},         {"clDefault", 0x20000000},
}};

// Classic desktop defaults for the system colours, as $00BBGGRR.
constexpr std::array<PlatformColor, 31> kSystemRgb{{
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0,
}};

bool equalsIgnoreCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && b[i] == 0;
}

}  // namespace

Color32 PlatformColorToColor32(PlatformColor c) {
    std::uint32_t v = static_cast<std::uint32_t>(c);
    if ((v & 0xFF000000u) == 0xFF000000u) {
        std::uint32_t idx = v & 0xFFu;
        v = idx < kSystemRgb.size() ? static_cast<std::uint32_t>(kSystemRgb[idx]) : 0u;
    } else if (c == 0x20000000) {
        v = 0xFFFFFF;  // clDefault: the window colour
    } else if (c == 0x1FFFFFFF) {
        v = 0x000000;  // clNone
    }
    return MakeColor32(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

PlatformColor Color32ToPlatformColor(Color32 c) {
    return static_cast<PlatformColor>(RedOf(c) | (GreenOf(c) << 8) | (BlueOf(c) << 16));
}

std::string PlatformColorToString(PlatformColor c) {
    for (const auto& n : kNames)
        if (n.value == c) return n.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
    return buf;
}

std::optional<PlatformColor> StringToPlatformColor(const std::string& raw) {
    std::string text = raw;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
    text = text.substr(start);
    if (text.empty()) return std::nullopt;
    for (const auto& n : kNames)
        if (equalsIgnoreCase(text, n.name)) return n.value;
    bool negative = false;
    size_t i = 0;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return std::nullopt;
    unsigned long long value = 0;
    for (; i < text.size(); ++i) {
        int d;
        char ch = text[i];
        if (ch >= '0' && ch <= '9') d = ch - '0';
        else if (base == 16 && ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
        else if (base == 16 && ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
        else return std::nullopt;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    std::uint32_t v = static_cast<std::uint32_t>(value);
    if (negative) v = 0u - v;
    return static_cast<PlatformColor>(v);
}

}  // namespace viramo
