// The scanline flood fill over plain pixel buffers.
#include "forms/flood_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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
        : width(static_cast<int>(rows[0].size())), height(static_cast<int>(rows.size())), stride(width + 3),
          px(static_cast<size_t>(stride * height), kPad) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) at(x, y) = rows[y][x] == '#' ? K : W;
    }
    uint32_t& at(int x, int y) { return px[static_cast<size_t>(y * stride + x)]; }
    long fill(int x, int y, uint32_t c) { return floodFill(px.data(), width, height, stride, x, y, c); }
    long count(uint32_t c) {
        long n = 0;
        for (uint32_t p : px) n += p == c;
        return n;
    }
};

// The straightforward breadth-first fill the scanline fill must agree with.
std::vector<uint32_t> referenceFill(Buffer b, int x, int y, uint32_t fill) {
    const uint32_t old = b.at(x, y);
    std::vector<std::pair<int, int>> queue{{x, y}};
    b.at(x, y) = fill;
    for (size_t i = 0; i < queue.size(); ++i) {
        const auto [qx, qy] = queue[i];
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = qx + dx, ny = qy + dy;
            if (nx >= 0 && ny >= 0 && nx < b.width && ny < b.height && b.at(nx, ny) == old) {
                b.at(nx, ny) = fill;
                queue.push_back({nx, ny});
            }
        }
    }
    return b.px;
}

TEST(FloodFill, EdgesAndNothingToDo) {
    Buffer b({"...", "...", "..."});
    EXPECT_EQ(b.fill(-1, 0, R), 0);
    EXPECT_EQ(b.fill(0, 3, R), 0);
    EXPECT_EQ(b.fill(1, 1, W), 0);  // already the fill colour
    EXPECT_EQ(b.count(W), 9);
    EXPECT_EQ(b.fill(2, 2, R), 9);  // from a corner, the whole image
    EXPECT_EQ(b.count(kPad), 3 * 3);

    Buffer one({"."});
    EXPECT_EQ(one.fill(0, 0, R), 1);
    EXPECT_EQ(one.count(kPad), 3);
}

TEST(FloodFill, ClosedOutlineKeepsInsideAndOutsideApart) {
    const std::vector<std::string> rows = {
        "..........", ".######...", ".#....#...", ".#.##.#...", ".#....#...", ".######...", "..........",
    };
    Buffer inside(rows);
    EXPECT_EQ(inside.fill(2, 2, R), 10);
    EXPECT_EQ(inside.at(0, 0), W);
    EXPECT_EQ(inside.at(3, 3), K);  // the island inside keeps its colour

    Buffer outside(rows);
    EXPECT_EQ(outside.fill(9, 6, R), 70 - 20 - 10);
    EXPECT_EQ(outside.at(2, 2), W);

    Buffer diagonal({".#", "#."});  // 4-connected: no leak across a corner
    EXPECT_EQ(diagonal.fill(0, 0, R), 1);
}

TEST(FloodFill, AgreesWithABreadthFirstFillOnWindingShapes) {
    // A spiral whose runs turn back on themselves (leaks in both directions).
    const std::vector<std::string> spiral = {
        "............", ".##########.", ".#........#.", ".#.######.#.", ".#.#....#.#.", ".#.#.##.#.#.",
        ".#.#..#.#.#.", ".#.####.#.#.", ".#......#.#.", ".########.#.", "..........#.",
    };
    for (auto [x, y] : {std::pair{0, 0}, {5, 4}, {9, 8}, {11, 10}}) {
        Buffer b(spiral);
        const auto expected = referenceFill(b, x, y, R);
        b.fill(x, y, R);
        EXPECT_EQ(b.px, expected) << x << "," << y;
    }
    // Pseudo-random speckle: many small irregular areas touching the edges.
    uint32_t state = 12345;
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> rows(23, std::string(31, '.'));
        for (auto& r : rows)
            for (auto& c : r) {
                state = state * 1103515245 + 12345;
                if ((state >> 16) % 100 < 38) c = '#';
            }
        Buffer b(rows);
        const int x = static_cast<int>(state % 31), y = static_cast<int>((state >> 8) % 23);
        const auto expected = referenceFill(b, x, y, R);
        const long changed = b.fill(x, y, R);
        EXPECT_EQ(b.px, expected) << "round " << round;
        EXPECT_EQ(changed, b.count(R));
    }
}

}  // namespace
}  // namespace forms
