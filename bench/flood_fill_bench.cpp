// The flood fill against std::fill over the same 1920x1080 buffer: a plain
// area (the whole buffer) and a snake maze whose every row is cut into short
// runs. Each iteration fills with the other of two colours, so every fill
// does its full work without resetting the buffer.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "forms/flood_fill.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr uint32_t kColourA = 0xFFFFFFFF, kColourB = 0xFF3366CC, kWall = 0xFF000000;

std::vector<uint32_t> plainBuffer() { return std::vector<uint32_t>(size_t(kWidth) * kHeight, kColourA); }

// Vertical walls every 8 pixels, each open at the top or the bottom in turn:
// the free pixels form one snake through the whole buffer, 7 pixels wide.
std::vector<uint32_t> mazeBuffer() {
    auto px = plainBuffer();
    for (int x = 7; x < kWidth; x += 8) {
        const int gap = (x / 8) % 2 ? 0 : kHeight - 1;
        for (int y = 0; y < kHeight; ++y)
            if (y != gap) px[size_t(y) * kWidth + x] = kWall;
    }
    return px;
}

void fillBench(benchmark::State& state, std::vector<uint32_t> px, int seedX, int seedY) {
    uint32_t colour = kColourB;
    long changed = 0;
    for (auto _ : state) {
        changed = forms::floodFill(px.data(), kWidth, kHeight, kWidth, seedX, seedY, colour);
        benchmark::DoNotOptimize(px.data());
        benchmark::ClobberMemory();
        colour = colour == kColourB ? kColourA : kColourB;
    }
    state.counters["pixels"] = static_cast<double>(changed);
    state.SetItemsProcessed(state.iterations() * changed);
}

void stdFillBench(benchmark::State& state) {
    auto px = plainBuffer();
    uint32_t colour = kColourB;
    for (auto _ : state) {
        std::fill(px.begin(), px.end(), colour);
        benchmark::DoNotOptimize(px.data());
        benchmark::ClobberMemory();
        colour = colour == kColourB ? kColourA : kColourB;
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(px.size()));
}

void BM_StdFill(benchmark::State& state) { stdFillBench(state); }
void BM_FloodFillWhole(benchmark::State& state) { fillBench(state, plainBuffer(), kWidth / 2, kHeight / 2); }
void BM_FloodFillMaze(benchmark::State& state) { fillBench(state, mazeBuffer(), kWidth / 2 + 3, kHeight / 2); }

BENCHMARK(BM_StdFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFillWhole)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFillMaze)->Unit(benchmark::kMicrosecond);

}  // namespace
