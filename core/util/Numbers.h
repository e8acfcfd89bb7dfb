#pragma once
// Rounding as the editor's arithmetic uses it.
#include <cmath>

namespace viramo {

// rnd(x): nearest integer, halves to the even integer.
inline long Rnd(double x) { return static_cast<long>(std::nearbyint(x)); }
inline int RndI(double x) { return static_cast<int>(std::nearbyint(x)); }

}  // namespace viramo
