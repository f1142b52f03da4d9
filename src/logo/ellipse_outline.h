// The outline of a turned ellipse as 50 straight segments, shared by the
// recorded ELLIPSERGB command and the ellipse tool's outline on the canvas, so
// that a stamp lands exactly on the outline that showed it. Pure, no Qt.
#pragma once

#include <array>
#include <utility>

namespace logo {

// The value of pi the ellipse outline uses.
inline constexpr double kEllipsePi = 3.14159265;
// Segments of the ellipse outline.
inline constexpr int kEllipseSegments = 50;

// The 50 points P(1)..P(50) of the ellipse outline with centre (cx, cy), full
// width w and height h, turned clockwise on screen by `angle` degrees. Every
// stored value is single precision, as the outline has always been laid out;
// P(50) lies within a few millionths of a radian of the start point t = 0.
// The outline joins P(k - 1) to P(k) and closes from P(50) back to P(1).
std::array<std::pair<float, float>, kEllipseSegments> ellipsePoints(float cx, float cy, float w,
                                                                    float h, float angle);

}  // namespace logo
