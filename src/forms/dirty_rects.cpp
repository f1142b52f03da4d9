#include "forms/dirty_rects.h"

#include <algorithm>

namespace forms {

namespace {

long areaOf(const PixelRect& r) { return static_cast<long>(r.right - r.left) * (r.bottom - r.top); }

PixelRect bounding(const PixelRect& a, const PixelRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

std::vector<PixelRect> mergeDirtyRects(const std::vector<PixelRect>& rects, long slack) {
    std::vector<PixelRect> merged;
    for (const PixelRect& r : rects) {
        if (r.right <= r.left || r.bottom <= r.top) continue;
        PixelRect piece = r;
        // A merge may bring the grown piece close to pieces before it: look
        // again until it joins none.
        for (bool joined = true; joined;) {
            joined = false;
            for (auto it = merged.begin(); it != merged.end(); ++it) {
                const PixelRect both = bounding(*it, piece);
                if (areaOf(both) <= areaOf(*it) + areaOf(piece) + slack) {
                    piece = both;
                    merged.erase(it);
                    joined = true;
                    break;
                }
            }
        }
        merged.push_back(piece);
    }
    return merged;
}

}  // namespace forms
