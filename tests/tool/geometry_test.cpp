// Headings, arm resizing and the ellipse outline of the tool cross.
#include "tool/geometry.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(Repos, StepsAlongHeadingsClockwiseFromUp) {
    auto p = tool::repos(0, 0, 0, 100);
    EXPECT_NEAR(p[0], 0, 1e-5);
    EXPECT_DOUBLE_EQ(p[1], -100);
    p = tool::repos(0, 0, 180, 100);
    EXPECT_NEAR(p[0], 0, 1e-5);
    EXPECT_DOUBLE_EQ(p[1], 100);
    p = tool::repos(0, 0, 90, 100);
    EXPECT_DOUBLE_EQ(p[0], 100);
    EXPECT_NEAR(p[1], 0, 1e-9);
    p = tool::repos(0, 0, 270, 100);
    EXPECT_NEAR(p[0], -100, 1e-9);
    EXPECT_NEAR(p[1], 0, 1e-5);
    p = tool::repos(123.5, -7.25, 33, 0);
    EXPECT_EQ(p[0], 123.5);
    EXPECT_EQ(p[1], -7.25);
    // The program's pi leaves a trace of a few millionths of a twip: the
    // point is not snapped onto the axis.
    EXPECT_NE(tool::repos(0, 0, 0, 100)[0], 0.0);
}

TEST(AngleFinder, WholeDegreesFromZeroTo360) {
    EXPECT_EQ(tool::angleFinder(100, 100, 100, 50), 0);
    EXPECT_EQ(tool::angleFinder(100, 100, 100, 150), 180);
    EXPECT_EQ(tool::angleFinder(100, 100, 150, 100), 90);
    EXPECT_EQ(tool::angleFinder(100, 100, 50, 100), 270);
    EXPECT_EQ(tool::angleFinder(100, 100, 150, 50), 45);
    EXPECT_EQ(tool::angleFinder(100, 100, 50, 50), 315);
    EXPECT_EQ(tool::angleFinder(100, 100, 150, 150), 135);
    EXPECT_EQ(tool::angleFinder(100, 100, 50, 150), 225);
    // Just left of straight up is 360, not 0.
    EXPECT_EQ(tool::angleFinder(100, 100, 99.9, 0), 360);
    // Coincident points: the quotient has no value and counts as 0.
    EXPECT_EQ(tool::angleFinder(100, 100, 100, 100), 90);
}

TEST(AngleFinder, AgreesWithReposAllAroundTheCircle) {
    for (int h = 0; h < 360; h += 7) {
        const auto p = tool::repos(500, 500, h, 300);
        const int got = tool::angleFinder(500, 500, p[0], p[1]);
        EXPECT_EQ(got % 360, h) << "heading " << h;
    }
}

TEST(RSizer, GrowsAndShrinksAboutTheMidpoint) {
    using A = std::array<double, 4>;
    auto near = [](const A& got, const A& want) {
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-4) << "element " << i + 1;
    };
    near(tool::rSizer(0, 100, 200, 100, 50), A{-50, 100, 250, 100});
    // Given right to left, it still comes out left end first.
    near(tool::rSizer(200, 100, 0, 100, 50), A{-50, 100, 250, 100});
    // A vertical segment comes out top end first, whichever way it is given.
    near(tool::rSizer(100, 200, 100, 0, 50), A{100, -50, 100, 250});
    near(tool::rSizer(100, 0, 100, 200, 50), A{100, -50, 100, 250});
    // The midpoint's y is rounded, a half to the even neighbour.
    near(tool::rSizer(0, 100.5, 200, 100.5, 10), A{-10, 100, 210, 100});
    near(tool::rSizer(0, 101.5, 200, 101.5, 10), A{-10, 102, 210, 102});
    // Shortening past the midpoint swaps the ends.
    near(tool::rSizer(0, 0, 150, 0, -100), A{100, 0, 50, 0});
    // A diagonal keeps its direction.
    const A d = tool::rSizer(0, 0, 300, 400, 50);
    near(d, A{-30, -40, 330, 440});
}

TEST(RSizer, RefusesASegmentShorterThanAboutTwoTwips) {
    // New length 0: the given ends come back unchanged.
    const auto r = tool::rSizer(0, 100, 200, 100, -100);
    EXPECT_EQ(r, (std::array<double, 4>{0, 100, 200, 100}));
    // The given ends come back with only y2 rounded (half to even).
    const auto s = tool::rSizer(10.25, 20.5, 10.75, 22.5, 0);
    EXPECT_EQ(s, (std::array<double, 4>{10.25, 20.5, 10.75, 22}));
}

TEST(RSizer, KeepsTheArmOnACanvasTallerThan32767Twips) {
    const auto r = tool::rSizer(1000, 40000, 2000, 40000, 100);
    EXPECT_NEAR(r[1], 40000, 1e-6);
    EXPECT_NEAR(r[3], 40000, 1e-6);
    EXPECT_NEAR(r[0], 900, 1e-4);
    EXPECT_NEAR(r[2], 2100, 1e-4);
}

TEST(EllipsePoints, FiftyPointsOnTheEllipseClosingAtTheStart) {
    const float cx = 3000, cy = 2000, w = 1000, h = 400;
    const auto p = tool::ellipsePoints(cx, cy, w, h, 0);
    // Angle 0: the axes are upright, the first along x.
    for (const auto& [x, y] : p) {
        const double ex = (x - cx) / (w / 2), ey = (y - cy) / (h / 2);
        EXPECT_NEAR(ex * ex + ey * ey, 1, 1e-4);
    }
    // P(50) is the start point t = 0 within a few millionths of a radian.
    EXPECT_NEAR(p[49].first, cx + w / 2, 1e-3);
    EXPECT_NEAR(p[49].second, cy, 1e-2);
    // P(1) is one step of 2 pi / 50 along, P(25) halfway round.
    EXPECT_NEAR(p[0].first, cx + w / 2 * std::cos(2 * M_PI / 50), 1e-2);
    EXPECT_NEAR(p[24].first, cx - w / 2, 1e-2);
    // Angle 360 lays the same outline.
    const auto q = tool::ellipsePoints(cx, cy, w, h, 360);
    for (size_t k = 0; k < p.size(); ++k) {
        EXPECT_NEAR(q[k].first, p[k].first, 1e-2);
        EXPECT_NEAR(q[k].second, p[k].second, 1e-2);
    }
}

TEST(EllipsePoints, EqualWidthAndHeightGiveACircle) {
    const auto p = tool::ellipsePoints(500, 500, 300, 300, 37);
    for (const auto& [x, y] : p) EXPECT_NEAR(std::hypot(x - 500, y - 500), 150, 1e-3);
}

TEST(EllipsePoints, TurnsClockwiseOnScreen) {
    auto extent = [](const auto& p, bool xs) {
        float lo = 1e9f, hi = -1e9f;
        for (const auto& pt : p) {
            const float v = xs ? pt.first : pt.second;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    };
    // A quarter turn stands the wide ellipse on end.
    const auto up = tool::ellipsePoints(0, 0, 1000, 200, 90);
    EXPECT_NEAR(extent(up, true), 200, 2);
    EXPECT_NEAR(extent(up, false), 1000, 2);
    // Turned 45 degrees clockwise (y grows downward), the first axis runs
    // down to the right: P(50), the end of that axis, lies right and below.
    const auto d = tool::ellipsePoints(0, 0, 1000, 10, 45);
    EXPECT_NEAR(d[49].first, 500 * std::cos(M_PI / 4), 1e-1);
    EXPECT_NEAR(d[49].second, 500 * std::sin(M_PI / 4), 1e-1);
}

}  // namespace
