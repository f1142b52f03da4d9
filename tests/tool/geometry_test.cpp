// Headings and arm resizing of the tool cross.
#include "tool/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using A = std::array<double, 4>;

TEST(Repos, StepsAlongHeadingsClockwiseFromUp) {
    for (auto [heading, x, y] : {std::array<double, 3>{0, 0, -100}, {90, 100, 0}, {180, 0, 100}}) {
        const auto p = tool::repos(0, 0, heading, 100);
        EXPECT_NEAR(std::hypot(p[0] - x, p[1] - y), 0, 1e-5) << heading;
    }
}

TEST(AngleFinder, WholeDegreesFromZeroTo360) {
    // From (100, 100) to (x, y); coincident points give 90.
    for (auto [x, y, deg] : {std::array<double, 3>{100, 50, 0}, {100, 150, 180}, {150, 100, 90}, {50, 100, 270},
                             {150, 50, 45}, {50, 50, 315}, {99.9, 0, 360}, {100, 100, 90}})
        EXPECT_EQ(tool::angleFinder(100, 100, x, y), deg) << x << "," << y;
}

TEST(RSizer, GrowsAndShrinksAboutTheMidpoint) {
    auto near = [](const A& got, const A& want) {
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-4) << "element " << i + 1;
    };
    near(tool::rSizer(200, 100, 0, 100, 50), A{-50, 100, 250, 100});  // left end first
    near(tool::rSizer(100, 200, 100, 0, 50), A{100, -50, 100, 250});  // top end first
    near(tool::rSizer(0, 100.5, 200, 100.5, 10), A{-10, 100, 210, 100});  // y rounds half to even
    near(tool::rSizer(0, 101.5, 200, 101.5, 10), A{-10, 102, 210, 102});
    near(tool::rSizer(0, 0, 300, 400, 50), A{-30, -40, 330, 440});
    near(tool::rSizer(1000, 40000, 2000, 40000, 100), A{900, 40000, 2100, 40000});  // past 16 bits
    // Too short a result: the given ends come back, only y2 rounded.
    EXPECT_EQ(tool::rSizer(10.25, 20.5, 10.75, 22.5, 0), (A{10.25, 20.5, 10.75, 22}));
}
