// Merging the areas to repaint: everything stays covered, close pieces
// become one rectangle, far ones stay apart.
#include "forms/dirty_rects.h"

#include <gtest/gtest.h>

#include <cmath>

using forms::PixelRect;

namespace {

bool covers(const std::vector<PixelRect>& merged, const PixelRect& r) {
    for (const PixelRect& m : merged)
        if (m.left <= r.left && m.top <= r.top && m.right >= r.right && m.bottom >= r.bottom) return true;
    return false;
}

}  // namespace

TEST(DirtyRects, AnOutlineRingBecomesOneRectangleAndFarPiecesStayApart) {
    // The 50 pieces of an ellipse outline 70 pixels wide, each where it was
    // and where it is now, and a piece far off.
    std::vector<PixelRect> rects;
    for (int k = 0; k < 50; ++k) {
        const double a = k * 2 * M_PI / 50;
        const int x = 500 + static_cast<int>(35 * std::cos(a)), y = 400 + static_cast<int>(20 * std::sin(a));
        rects.push_back({x - 3, y - 3, x + 5, y + 5});
        rects.push_back({x - 2, y - 3, x + 6, y + 5});
    }
    rects.push_back({1500, 900, 1510, 910});
    rects.push_back({10, 10, 10, 50});  // empty

    const std::vector<PixelRect> merged = forms::mergeDirtyRects(rects, 32 * 32);
    ASSERT_EQ(merged.size(), 2u);
    for (const PixelRect& r : rects)
        if (r.right > r.left) { EXPECT_TRUE(covers(merged, r)) << r.left << "," << r.top; }
    long area = 0;
    for (const PixelRect& m : merged) area += static_cast<long>(m.right - m.left) * (m.bottom - m.top);
    EXPECT_LE(area, 80L * 50 + 100);  // the ring's bounding box and the far piece
}
