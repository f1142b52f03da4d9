// Tool geometry: headings, arm resizing and the ellipse outline.
#include "tool/geometry.h"

#include <cassert>
#include <cmath>

#include "forms/numbers.h"

namespace tool {

namespace {

// The ellipse loop: t starts at 0 and grows by dt while t < 2 pi, every value
// held in single precision. Counted at compile time so that a change of
// constants that breaks the 50 steps cannot go unnoticed.
constexpr float kEllipseStep = static_cast<float>(2 * kEllipsePi / kEllipseSegments);
constexpr float kEllipseEnd = static_cast<float>(2 * kEllipsePi);

constexpr int ellipseLoopCount() {
    float t = 0;
    int n = 0;
    while (t < kEllipseEnd) {
        t = static_cast<float>(static_cast<double>(t) + kEllipseStep);
        ++n;
    }
    return n;
}
static_assert(ellipseLoopCount() == kEllipseSegments);

}  // namespace

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

std::array<std::pair<float, float>, kEllipseSegments> ellipsePoints(float cx, float cy, float w,
                                                                    float h, float angle) {
    // Each named value is stored in single precision; within one formula the
    // arithmetic runs in double.
    const float turned = static_cast<float>(360.0 - angle);
    const float a = static_cast<float>(w / 2.0);
    const float b = static_cast<float>(h / 2.0);
    const float rad = static_cast<float>(turned * kEllipsePi / 180);
    const float s = static_cast<float>(std::sin(rad));
    const float c = static_cast<float>(std::cos(rad));

    std::array<std::pair<float, float>, kEllipseSegments> points{};
    float t = 0;
    int k = 0;
    while (t < kEllipseEnd) {
        assert(k < kEllipseSegments);
        t = static_cast<float>(static_cast<double>(t) + kEllipseStep);
        const float u = static_cast<float>(a * std::cos(static_cast<double>(t)));
        const float v = static_cast<float>(b * std::sin(static_cast<double>(t)));
        points[static_cast<size_t>(k)] = {
            static_cast<float>((static_cast<double>(u) * c + cx) + static_cast<double>(v) * s),
            static_cast<float>((cy - static_cast<double>(u) * s) + static_cast<double>(v) * c)};
        ++k;
    }
    assert(k == kEllipseSegments);
    return points;
}

}  // namespace tool
