#include "tool/grid_lines.h"

#include <algorithm>
#include <cmath>

#include "forms/numbers.h"
#include "forms/types.h"

namespace grid {

namespace {

// Members 0 and 1 are the templates; the lines are members 2 up to 32767.
constexpr double kMaxLines = 32767 - 1;

}  // namespace

double usableDistance(double distance) {
    return std::isfinite(distance) && distance > 0 ? distance : kLeastDistance;
}

std::vector<double> linePositions(double home, double extent, double distance) {
    const double d = usableDistance(distance);
    const double l = (extent / 2) / d;
    if (!std::isfinite(l)) throw forms::OverflowError("Overflow");
    const double positive = l >= 0 ? std::floor(l) + 1 : 0;  // k = 0 .. floor(L)
    const double negative = std::max(0.0, forms::roundHalfEven(l));
    if (positive + negative > kMaxLines) throw forms::OverflowError("Overflow");

    std::vector<double> at;
    at.reserve(static_cast<size_t>(positive + negative));
    for (int k = 0; k < positive; ++k) at.push_back(home + k * d);
    for (int m = 1; m <= negative; ++m) at.push_back(home - m * d);
    return at;
}

}  // namespace grid
