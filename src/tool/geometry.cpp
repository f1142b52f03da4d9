// Tool geometry: headings and arm resizing.
#include "tool/geometry.h"

#include <cmath>

#include "forms/numbers.h"

namespace tool {

std::array<double, 2> repos(double x, double y, double dir, double length, double pi) {
    double a = dir * pi / 180;
    a = a - pi / 2;
    return {x + length * std::cos(a), y + length * std::sin(a)};
}

int16_t angleFinder(double oriX, double oriY, double pointX, double pointY) {
    double h;
    if (pointX == oriX && pointY < oriY) {
        h = 0;
    } else if (pointX == oriX && pointY > oriY) {
        h = 180;
    } else {
        // Only coincident points reach here with pointX == oriX: the quotient
        // 0 / 0 has no value and counts as 0, which gives the heading 90.
        const double q = pointX == oriX ? 0.0 : (oriY - pointY) / (pointX - oriX);
        h = 90 - std::atan(q) * 180 / kPi;
        if (pointX < oriX) h = h + 180;
    }
    return forms::toInt16(h);
}

std::array<double, 4> rSizer(double x1, double y1, double x2, double y2, double d) {
    const std::array<double, 4> given{x1, y1, x2, forms::roundHalfEven(y2)};

    const double r = std::sqrt((y2 - y1) * (y2 - y1) + (x2 - x1) * (x2 - x1)) / 2;
    const double mx = (x1 + x2) / 2;
    // Rounded as a double, not into a 16-bit integer: a canvas taller than
    // 32767 twips must not lose its arm.
    const double my = forms::roundHalfEven((y1 + y2) / 2);
    const double theta = x1 == x2 ? kPi / 2 : std::atan((y2 - y1) / (x2 - x1));

    const double dx = r * std::cos(theta) + d * std::cos(theta);
    const double dy = r * std::sin(theta) + d * std::sin(theta);
    const double nx2 = dx + mx;
    const double ny2 = dy + my;
    const double nx1 = mx - dx;
    const double ny1 = my - dy;

    // Not "< 5 refuses" but "not >= 5 refuses", so that a NaN length is refused too.
    if (!((ny2 - ny1) * (ny2 - ny1) + (nx2 - nx1) * (nx2 - nx1) >= 5)) return given;
    return {nx1, ny1, nx2, ny2};
}

}  // namespace tool
