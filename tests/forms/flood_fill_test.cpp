// The scanline flood fill over plain pixel buffers.
#include "forms/flood_fill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace forms {
namespace {

constexpr uint32_t W = 0xFFFFFFFF, K = 0xFF000000, R = 0xFFFF0000, kPad = 0x12345678;

// A buffer drawn from text rows ('#' black, else white). The stride is wider
// than the image, so a fill that runs past a row's end shows in the padding.
struct Buffer {
    int width, height, stride;
    std::vector<uint32_t> px;
    explicit Buffer(const std::vector<std::string>& rows)
        : width(int(rows[0].size())), height(int(rows.size())), stride(width + 3), px(size_t(stride * height), kPad) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) at(x, y) = rows[y][x] == '#' ? K : W;
    }
    uint32_t& at(int x, int y) { return px[size_t(y * stride + x)]; }
    long fill(int x, int y, uint32_t c) { return floodFill(px.data(), width, height, stride, x, y, c); }
};

// The straightforward breadth-first fill the scanline fill must agree with.
std::vector<uint32_t> referenceFill(Buffer b, int x, int y, uint32_t fill) {
    const uint32_t old = b.at(x, y);
    std::vector<std::pair<int, int>> queue{{x, y}};
    b.at(x, y) = fill;
    for (size_t i = 0; i < queue.size(); ++i)
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = queue[i].first + dx, ny = queue[i].second + dy;
            if (nx >= 0 && ny >= 0 && nx < b.width && ny < b.height && b.at(nx, ny) == old) {
                b.at(nx, ny) = fill;
                queue.push_back({nx, ny});
            }
        }
    return b.px;
}

TEST(FloodFill, SeedOffTheBufferOrFillOfTheSameColourChangesNothing) {
    Buffer b({"..", ".."});
    FillBounds r;
    EXPECT_EQ(b.fill(-1, 0, R) + b.fill(0, 2, R), 0);
    EXPECT_EQ(floodFill(b.px.data(), b.width, b.height, b.stride, 1, 1, W, r), 0);
    EXPECT_GT(r.left, r.right);  // empty bounds
    EXPECT_EQ(std::count(b.px.begin(), b.px.end(), W), 4);
}

// Random noise: winding areas touching the edges; the row padding stays
// untouched, and the bounds hold exactly the changed pixels.
TEST(FloodFill, AgreesWithABreadthFirstFillOnRandomNoise) {
    uint32_t state = 12345;
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> rows(23, std::string(31, '.'));
        for (auto& r : rows)
            for (auto& c : r) {
                state = state * 1103515245 + 12345;
                if ((state >> 16) % 100 < 38) c = '#';
            }
        Buffer b(rows);
        const int x = int(state % 31), y = int((state >> 8) % 23);
        const auto expected = referenceFill(b, x, y, R);
        FillBounds r;
        const long changed = floodFill(b.px.data(), b.width, b.height, b.stride, x, y, R, r);
        EXPECT_EQ(b.px, expected) << "round " << round;
        EXPECT_EQ(changed, std::count(b.px.begin(), b.px.end(), R));
        std::vector<int> want{b.width, b.height, -1, -1};  // left, top, right, bottom
        for (int py = 0; py < b.height; ++py)
            for (int px = 0; px < b.width; ++px)
                if (b.at(px, py) == R)
                    want = {std::min(want[0], px), std::min(want[1], py), std::max(want[2], px), std::max(want[3], py)};
        EXPECT_EQ(std::vector({r.left, r.top, r.right, r.bottom}), want) << "round " << round;
    }
}

}  // namespace
}  // namespace forms
