#pragma once
// Integer and floating rectangles; right and bottom are exclusive.
#include <algorithm>

namespace viramo {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct FloatRect {
    float left = 0, top = 0, right = 0, bottom = 0;
    float width() const { return right - left; }
    float height() const { return bottom - top; }
    friend bool operator==(const FloatRect&, const FloatRect&) = default;
};

struct FloatPoint {
    double x = 0, y = 0;
};

inline Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (r.empty()) return Rect{};
    return r;
}

}  // namespace viramo
