// The areas to repaint after one event-loop turn, merged into a few
// rectangles before they become a region: a key command moves some sixty
// outline pieces, and a region grown piece by piece costs far more than
// painting the few pixels a merge adds. Pure, no Qt.
#pragma once

#include <vector>

namespace forms {

// A rectangle of pixels, right and bottom exclusive.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Merges `rects` into rectangles that cover every one of them. Two
// rectangles become their bounding rectangle when that adds at most `slack`
// pixels to their two areas; empty rectangles are dropped.
std::vector<PixelRect> mergeDirtyRects(const std::vector<PixelRect>& rects, long slack);

}  // namespace forms
