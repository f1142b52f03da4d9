// The ellipse outline's 50 points.
#include "logo/ellipse_outline.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(EllipsePoints, FiftyPointsClosingAtTheStartAndTurningClockwise) {
    const auto p = logo::ellipsePoints(3000, 2000, 1000, 400, 0);
    for (const auto& [x, y] : p)  // on the ellipse
        EXPECT_NEAR(std::pow((x - 3000) / 500, 2) + std::pow((y - 2000) / 200, 2), 1, 1e-4);
    EXPECT_NEAR(p[49].first, 3500, 1e-3);  // P(50) is the start point
    EXPECT_NEAR(p[0].first, 3000 + 500 * std::cos(2 * M_PI / 50), 1e-2);
    // 45 degrees clockwise (y grows downward): P(50) lies right and below.
    const auto d = logo::ellipsePoints(0, 0, 1000, 10, 45);
    EXPECT_NEAR(d[49].first, 500 * std::cos(M_PI / 4), 1e-1);
    EXPECT_NEAR(d[49].second, 500 * std::sin(M_PI / 4), 1e-1);
}
