// The ellipse outline's 50 points.
#include "logo/ellipse_outline.h"

#include <cassert>
#include <cmath>

namespace logo {

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

}  // namespace logo
