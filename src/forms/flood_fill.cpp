// Scanline flood fill with an explicit stack of spans.
//
// A span names a row to explore and the part [xl, xr] of the neighbouring
// row (y - dy) that was just filled. Exploring it fills the first run of the
// seed colour that touches [xl, xr] (as far as the run reaches, both ways)
// and goes straight on to the next row in the same direction under that
// run; the rest of [xl, xr] waits on the stack, and where the run sticks out
// beyond [xl, xr] the sticking-out part is pushed back towards the row it
// came from (those pixels' other neighbours have not been looked at yet).
// Every pixel is read about once and written once, and a fill down a narrow
// area goes row after row without touching the stack; rows whose run is
// exactly the run above them (a corridor) go through one tight loop.
#include "forms/flood_fill.h"

#include <vector>

namespace forms {

namespace {

struct Span {
    int y, xl, xr, dy;
};

// Long runs are scanned eight pixels at a time with branch-free inner loops
// (the compiler turns them into vector compares and stores); short runs and
// the ends of long ones pixel by pixel.
constexpr int kChunk = 8;

// Fills the run of `old` that starts at x, rightwards; returns the index
// just past it (x itself when row[x] is not `old`).
inline int fillRight(uint32_t* row, int x, int width, uint32_t old, uint32_t fill) {
    const int shortEnd = x + kChunk < width ? x + kChunk : width;
    while (x < shortEnd && row[x] == old) row[x++] = fill;
    if (x < shortEnd) return x;
    while (x + kChunk <= width) {
        uint32_t diff = 0;
        for (int k = 0; k < kChunk; ++k) diff |= row[x + k] ^ old;
        if (diff) break;
        for (int k = 0; k < kChunk; ++k) row[x + k] = fill;
        x += kChunk;
    }
    while (x < width && row[x] == old) row[x++] = fill;
    return x;
}

// Fills the run of `old` that ends at x - 1, leftwards; returns its first
// index (x itself when row[x - 1] is not `old` or x is 0).
inline int fillLeft(uint32_t* row, int x, uint32_t old, uint32_t fill) {
    const int shortEnd = x > kChunk ? x - kChunk : 0;
    while (x > shortEnd && row[x - 1] == old) row[--x] = fill;
    if (x > shortEnd) return x;
    while (x >= kChunk) {
        uint32_t diff = 0;
        for (int k = 1; k <= kChunk; ++k) diff |= row[x - k] ^ old;
        if (diff) break;
        for (int k = 1; k <= kChunk; ++k) row[x - k] = fill;
        x -= kChunk;
    }
    while (x > 0 && row[x - 1] == old) row[--x] = fill;
    return x;
}

// The first index in [x, end) whose pixel is `c`, or end.
inline int findColour(const uint32_t* row, int x, int end, uint32_t c) {
    while (x < end && row[x] != c) {
        ++x;
        if (x + kChunk <= end) {
            uint32_t same = 0;
            for (int k = 0; k < kChunk; ++k) same |= row[x + k] == c;
            if (!same) x += kChunk;
        }
    }
    return x;
}

// Runs of four or more go in blocks of four, the last block overlapping the
// one before it, so a short run of any length is two or three vector steps
// instead of a loop with a scalar tail.
constexpr int kBlock = 4;

// Nonzero unless all of p[0, len) is `old`.
inline uint32_t runDiff(const uint32_t* p, int len, uint32_t old) {
    uint32_t diff = 0;
    if (len < kBlock) {
        for (int k = 0; k < len; ++k) diff |= p[k] ^ old;
        return diff;
    }
    for (int x = 0; x + kBlock < len; x += kBlock)
        for (int k = 0; k < kBlock; ++k) diff |= p[x + k] ^ old;
    for (int k = 0; k < kBlock; ++k) diff |= p[len - kBlock + k] ^ old;
    return diff;
}

inline void fillRun(uint32_t* p, int len, uint32_t fill) {
    if (len < kBlock) {
        for (int k = 0; k < len; ++k) p[k] = fill;
        return;
    }
    for (int x = 0; x + kBlock < len; x += kBlock)
        for (int k = 0; k < kBlock; ++k) p[x + k] = fill;
    for (int k = 0; k < kBlock; ++k) p[len - kBlock + k] = fill;
}

// How many rows ahead fillCorridor prefetches: rows are a page or more
// apart, beyond the reach of the hardware prefetcher.
constexpr int kAhead = 16;

// Fills row after row (`step` values apart, at most `rows` of them) while the
// row's run of `old` is exactly [xl, xr]: all of it `old` and walled in by
// other colours or the buffer's edges. Returns the number of rows filled.
// Each row is one branch-free check and one store loop, so a narrow
// corridor costs about what writing it does. `Short` is for runs of 4 to 8
// pixels: two overlapping blocks of four, no loop at all.
template <bool Short>
inline int fillCorridorRows(uint32_t* p, long step, int rows, int len, bool wallLeft, bool wallRight, uint32_t old,
                            uint32_t fill) {
    int n = 0;
    for (; n < rows; ++n, p += step) {
        __builtin_prefetch(n + kAhead < rows ? p + kAhead * step : p, 1);
        uint32_t diff = 0;
        if (Short) {
            for (int k = 0; k < kBlock; ++k) diff |= (p[k] ^ old) | (p[len - kBlock + k] ^ old);
        } else {
            diff = runDiff(p, len, old);
        }
        if (wallLeft) diff |= p[-1] == old;
        if (wallRight) diff |= p[len] == old;
        if (diff) break;
        if (Short) {
            for (int k = 0; k < kBlock; ++k) p[k] = fill;
            for (int k = 0; k < kBlock; ++k) p[len - kBlock + k] = fill;
        } else {
            fillRun(p, len, fill);
        }
    }
    return n;
}

inline int fillCorridor(uint32_t* row, long step, int rows, int xl, int xr, int width, uint32_t old,
                        uint32_t fill) {
    const int len = xr - xl + 1;
    const bool wallLeft = xl > 0, wallRight = xr < width - 1;
    if (len >= kBlock && len <= 2 * kBlock)
        return fillCorridorRows<true>(row + xl, step, rows, len, wallLeft, wallRight, old, fill);
    return fillCorridorRows<false>(row + xl, step, rows, len, wallLeft, wallRight, old, fill);
}

}  // namespace

long floodFill(uint32_t* pixels, int width, int height, int stride, int x, int y, uint32_t fill) {
    FillBounds unused;
    return floodFill(pixels, width, height, stride, x, y, fill, unused);
}

long floodFill(uint32_t* pixels, int width, int height, int stride, int x, int y, uint32_t fill,
               FillBounds& bounds) {
    bounds = FillBounds();
    if (!pixels || width <= 0 || height <= 0 || x < 0 || y < 0 || x >= width || y >= height) return 0;
    uint32_t* const seedRow = pixels + static_cast<long>(y) * stride;
    const uint32_t old = seedRow[x];
    if (old == fill) return 0;

    std::vector<Span> stack;
    stack.reserve(256);
    auto push = [&](int row, int xl, int xr, int dy) {
        if (row >= 0 && row < height) stack.push_back({row, xl, xr, dy});
    };

    // The seed's own run.
    const int seedLeft = fillLeft(seedRow, x, old, fill);
    const int seedEnd = fillRight(seedRow, x, width, old, fill);
    long changed = seedEnd - seedLeft;
    // Every filled run widens the bounds; a corridor's rows all lie within
    // the columns of its first.
    int minX = seedLeft, maxX = seedEnd - 1, minY = y, maxY = y;
    auto filledRows = [&](int x0, int x1, int y0, int y1) {
        minX = x0 < minX ? x0 : minX;
        maxX = x1 > maxX ? x1 : maxX;
        minY = y0 < minY ? y0 : minY;
        maxY = y1 > maxY ? y1 : maxY;
    };
    push(y + 1, seedLeft, seedEnd - 1, 1);
    push(y - 1, seedLeft, seedEnd - 1, -1);

    while (!stack.empty()) {
        Span s = stack.back();
        stack.pop_back();
        // Fills the first run of the span, then goes straight on to the row
        // beyond it; the rest of the span waits on the stack. A fill down a
        // narrow area thus runs row after row without touching the stack.
        for (;;) {
            uint32_t* row = pixels + static_cast<long>(s.y) * stride;
            // Rows whose run is exactly the span go in one tight loop.
            const int rows = s.dy > 0 ? height - s.y : s.y + 1;
            const int done = fillCorridor(row, s.dy * static_cast<long>(stride), rows, s.xl, s.xr, width, old, fill);
            if (done) {
                changed += static_cast<long>(done) * (s.xr - s.xl + 1);
                const int lastRow = s.y + (done - 1) * s.dy;
                filledRows(s.xl, s.xr, s.dy > 0 ? s.y : lastRow, s.dy > 0 ? lastRow : s.y);
                if (done == rows) break;
                s.y += done * s.dy;
                row = pixels + static_cast<long>(s.y) * stride;
            }
            int l = s.xl, left = s.xl;
            if (row[l] != old) {
                l = left = findColour(row, l + 1, s.xr + 1, old);
                if (l > s.xr) break;
            } else if (l > 0 && row[l - 1] == old) {
                // The run reaches further left than the span: the part
                // beyond it has unexplored neighbours on the row it came from.
                left = fillLeft(row, l, old, fill);
                push(s.y - s.dy, left, l - 1, -s.dy);
                changed += l - left;
            }
            const int end = fillRight(row, l, width, old, fill);
            changed += end - l;
            filledRows(left, end - 1, s.y, s.y);
            if (end - 1 > s.xr) {
                push(s.y - s.dy, s.xr + 1, end - 1, -s.dy);
            } else if (end + 1 <= s.xr) {
                // More runs may lie under the rest of the span (row[end] is
                // not the seed colour).
                stack.push_back({s.y, end + 1, s.xr, s.dy});
            }
            const int next = s.y + s.dy;
            if (next < 0 || next >= height) break;
            s = {next, left, end - 1, s.dy};
        }
    }
    bounds = {minX, minY, maxX, maxY};
    return changed;
}

}  // namespace forms
