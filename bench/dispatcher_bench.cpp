// The cost of one key command: a turn with the ellipse tool, common tail
// included, on a canvas of 1920 x 1080 pixels.
#include <benchmark/benchmark.h>

#include "support/canvas_window.h"

namespace {

void BM_KeyResponderTurnWithEllipse(benchmark::State& state) {
    bench::CanvasWindow w;
    w.form->ToolNo = 2;
    for (auto _ : state) w.form->KeyResponder(39, 2);
}
BENCHMARK(BM_KeyResponderTurnWithEllipse);

}  // namespace
