#pragma once
// Reconstruction kernels shared by stretched drawing and transformations.
#include <cmath>

namespace viramo {

// Tent: bilinear interpolation, radius 1.
inline float LinearKernel(float x) {
    x = std::fabs(x);
    return x < 1.f ? 1.f - x : 0.f;
}

// Interpolating cubic spline (Catmull-Rom), radius 2: passes through the
// samples, so an unscaled drawing copies its source, and stays sharper than
// the tent when enlarging.
inline float SplineKernel(float x) {
    x = std::fabs(x);
    if (x < 1.f) return 1.5f * x * x * x - 2.5f * x * x + 1.f;
    if (x < 2.f) return -0.5f * x * x * x + 2.5f * x * x - 4.f * x + 2.f;
    return 0.f;
}

}  // namespace viramo
