// Geometry of the tool cross, in canvas twips (x to the right, y downward).
// Headings are degrees, 0 pointing up and growing clockwise on screen.
// Pure functions, no Qt.
#pragma once

#include <array>
#include <cstdint>

namespace tool {

// The value of pi the heading arithmetic uses, as the program always has.
// It is a little above the true pi; results depend on it in the last digits.
inline constexpr double kPi = 3.1415927;

// The point at distance `length` along heading `dir` from (x, y):
// (x + length * cos a, y + length * sin a) with a = dir * pi / 180 - pi / 2.
// Nothing is rounded.
std::array<double, 2> repos(double x, double y, double dir, double length, double pi = kPi);

// The heading from the origin to the point in whole degrees (half to even),
// 0 to 360 inclusive: a point just left of straight up gives 360.
// Coincident points give 90. Throws forms::OverflowError for non-finite input.
int16_t angleFinder(double oriX, double oriY, double pointX, double pointY);

// Lengthens (d > 0) or shortens (d < 0) the segment (x1, y1)-(x2, y2) by d at
// each end, keeping its line and its midpoint (whose y is rounded to a whole
// twip). The result {x1, y1, x2, y2} always has the right-hand end second
// (the lower end of a vertical segment). A result whose squared length is
// below 5 is refused: the given ends come back, y2 rounded to a whole twip.
std::array<double, 4> rSizer(double x1, double y1, double x2, double y2, double d);

}  // namespace tool
