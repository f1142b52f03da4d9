// Where the grid's lines lie: one direction at a time, from the home point
// outwards. Pure computation, no Qt.
#pragma once

#include <vector>

namespace grid {

// The least grid distance the user can set; a distance that is not a finite
// positive number is taken as this one, so a build never divides by zero or
// runs without end.
constexpr double kLeastDistance = 100;

double usableDistance(double distance);

// The positions of the lines across one direction of the canvas, in the
// order their members are created: the line through `home`, then the lines
// on the positive side (home + k * distance for k = 1, 2, ... while
// k <= L, L = extent / 2 / distance), then those on the negative side
// (home - m * distance for m = 1 to L rounded half to even). The negative
// side thus gets one line more, just outside the canvas, when L's fraction
// is above one half. `distance` is taken through usableDistance. Throws
// forms::OverflowError when the lines would not fit a control array
// (member indices up to 32767).
std::vector<double> linePositions(double home, double extent, double distance);

}  // namespace grid
