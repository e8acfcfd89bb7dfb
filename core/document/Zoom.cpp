#include "core/document/Zoom.h"

#include <algorithm>

#include "core/util/Numbers.h"

namespace viramo {

std::string ZoomText(float scale) { return std::to_string(Rnd(static_cast<double>(scale) * 100.0)) + "%"; }

ZoomEdit ParseZoomText(const std::string& text, float current) {
    ZoomEdit e;
    std::string digits;
    for (char c : text)
        if (c != '%' && c != ' ') digits += c;
    if (digits.empty()) {
        e.ignored = true;
        e.scale = current;
        e.text = text;
        return e;
    }
    long n = -1;
    bool ok = digits.size() <= 9;
    size_t i = 0;
    if (ok && (digits[0] == '-' || digits[0] == '+')) i = 1;
    if (i >= digits.size()) ok = false;
    for (size_t k = i; ok && k < digits.size(); ++k) ok = digits[k] >= '0' && digits[k] <= '9';
    if (ok) n = std::stol(digits);
    if (n >= 1 && n <= 2000) {
        e.scale = static_cast<float>(n) / 100.f;
        e.text = std::to_string(n) + "%";
    } else {
        e.scale = current;
        e.text = ZoomText(current);
    }
    e.caret = static_cast<int>(e.text.size()) - 1;
    return e;
}

float WheelZoom(float scale, bool awayFromUser) {
    if (awayFromUser) return std::max(0.2f, scale / 1.1f);
    return std::min(20.f, scale * 1.1f);
}

std::optional<float> FitScale(int w, int h, int cw, int ch) {
    if (w <= 0 || h <= 0 || cw <= 0 || ch <= 0) return std::nullopt;
    if (w < cw && h < ch) return std::nullopt;
    const float s = (static_cast<double>(w) / h >= static_cast<double>(cw) / ch)
                        ? static_cast<float>(cw) / static_cast<float>(w)
                        : static_cast<float>(ch) / static_cast<float>(h);
    return s / 1.1f;
}

bool NeedsAutoFit(int w, int h, int cw, int ch) { return cw - 20 < w || ch - 20 < h; }

}  // namespace viramo
