// Grid line positions at the edges of the rule.
#include <gtest/gtest.h>

#include "forms/types.h"
#include "tool/grid_lines.h"

TEST(GridLines, NarrowCanvasAndOverflow) {
    EXPECT_EQ(grid::linePositions(200, 400, 300), (std::vector<double>{200, -100}));  // L = 2/3
    EXPECT_EQ(grid::linePositions(150, 300, 300), std::vector<double>{150});          // L = 0.5 rounds to 0
    // L = 16382.6: 16383 lines on each side fill the indices 2..32767.
    EXPECT_EQ(grid::linePositions(0, 2 * 16382.6, 1).size(), 32766u);
    EXPECT_THROW(grid::linePositions(0, 2 * 16383.6, 1), forms::OverflowError);
    EXPECT_THROW(grid::linePositions(4500, 9000, 1e-9), forms::OverflowError);
}
