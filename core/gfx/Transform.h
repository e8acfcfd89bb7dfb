#pragma once
// Affine and projective transformations of a source rectangle, and drawing a
// bitmap through one with the source's filter, draw mode and master alpha.
#include <array>

#include "core/gfx/Bitmap32.h"

namespace viramo {

// Row-major 3x3 matrix acting on column vectors (x, y, 1).
struct Matrix3 {
    std::array<std::array<double, 3>, 3> m{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    Matrix3 operator*(const Matrix3& o) const;
    Matrix3 inverse() const;  // identity-free zero matrix when singular
    FloatPoint apply(double x, double y) const;
};

class AffineTransformation {
public:
    FloatRect srcRect;
    void clear() { matrix_ = Matrix3{}; }
    // Each operation applies after those before it.
    void translate(double dx, double dy);
    void scale(double sx, double sy);
    // Turns by degrees about the origin; with y growing downward a positive
    // angle turns clockwise on the screen.
    void rotate(double degrees);
    const Matrix3& matrix() const { return matrix_; }
    // Bounding box of the transformed source rectangle.
    FloatRect transformedBounds() const;

private:
    Matrix3 matrix_;
};

class ProjectiveTransformation {
public:
    FloatRect srcRect;
    // Destination of the source's corners: 0 top-left, 1 top-right,
    // 2 bottom-right, 3 bottom-left.
    std::array<FloatPoint, 4> corners{};
    Matrix3 matrix() const;
    FloatRect transformedBounds() const;
};

// Draws src through the transformation into dst. A destination pixel is drawn
// when its centre maps back inside the source rectangle.
void Transform(Bitmap32& dst, const Bitmap32& src, const AffineTransformation& t);
void Transform(Bitmap32& dst, const Bitmap32& src, const ProjectiveTransformation& t);

}  // namespace viramo
