// The canvas mouse's own arithmetic: the working point under the pencil
// icon, the recorded pencil segment, and the eight tests of the turning
// gesture. Pure functions, no Qt.
#pragma once

#include <cstdint>

#include "logo/command.h"

namespace tool {

struct MousePoint {
    float x, y;
};

// The pencil and the fill act at the tip of the pencil icon: half the icon's
// width left of the mouse point and half its height below it (single
// precision, as the mouse point is).
MousePoint workingPoint(float x, float y, float iconWidth, float iconHeight);

// The pencil segment from (x1, y1) to (x2, y2), canvas twips, as a LINERGB
// command in Logo units about the origin: every coordinate at single
// precision and unrounded, so fractions of a unit are kept.
logo::Command pencilSegment(float x1, float y1, float x2, float y2, float originX, int16_t originY,
                            int32_t color);

// The turning gesture compares the mouse point (mx, my) with the tool centre
// and the last two mouse points of the gesture. Returns the key command of
// test k (0 to 7) when that test holds, else 0: 33 turns clockwise, 34
// counter-clockwise. Screen y grows downward; every comparison is strict.
struct TurnMotion {
    double mx, my;        // the mouse point
    double curX, prevX;   // this and the previous point's x
    double curY, prevY;   // this and the previous point's y, rounded
};
inline constexpr int kTurnTests = 8;
int turnKey(int k, const TurnMotion& m, double toolX, double toolY);

}  // namespace tool
