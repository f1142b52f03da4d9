// A replay in the program's window shown on a real X server against the
// same replay in the same window never shown (drawn in memory only), both
// in the same run, one replayed line per iteration. The window is started
// for a 1920 x 1080 screen (splash closed, no gallery). A shown line counts
// until its repaint has reached the X server: the replay's timer tick, then
// every pending event (the paint included) and a round trip to the server.
// Run on a 1920 x 1080 Xvfb with QT_QPA_PLATFORM=xcb (bench/run does).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "forms/platform.h"
#include "support/bench_app.h"
#include "support/replay_record.h"
#include "window/form1.h"

namespace {

constexpr int kScreenWidth = 1920, kScreenHeight = 1080;

// The window after start-up, the splash closed as a double click closes it.
std::unique_ptr<Form1> startedWindow(const std::vector<std::string>& record) {
    auto f = std::make_unique<Form1>();
    f->Form_Load();
    f->Picture21_DblClick();
    for (size_t i = 0; i < record.size(); ++i) f->CommandArray[i + 1] = record[i];
    f->CommandCount = static_cast<int16_t>(record.size() + 1);
    f->ReplayIndex = 0;
    return f;
}

// Shows the window and waits until the X server has mapped and exposed it.
bool showOnScreen(Form1& f) {
    f.Show();
    const bench::Stopwatch waiting;
    while (waiting.seconds() < 10) {
        QGuiApplication::sync();
        const QWindow* window = f.widget() ? f.widget()->windowHandle() : nullptr;
        if (window && window->isExposed()) return true;
    }
    return false;
}

// The time is the shown window's per line; in_memory_us is the same line in
// the window never shown; shown_vs_in_memory is their ratio. The record has
// no flood fills when `fills` is 0 (every line draws a small shape) and
// every eighth line a fill when it is 1.
void BM_ReplayShownAgainstInMemory(benchmark::State& state) {
    bench::app();
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        state.SkipWithError("needs an X server: QT_QPA_PLATFORM=xcb and DISPLAY (bench/run starts Xvfb)");
        return;
    }
    forms::ScriptedPlatform platform;
    platform.widthPx = kScreenWidth;
    platform.heightPx = kScreenHeight;
    forms::setPlatform(&platform);
    forms::Timer::setLiveTimers(false);

    const auto record = bench::mixedRecord(state.range(0) != 0);
    auto shown = startedWindow(record);
    auto inMemory = startedWindow(record);
    if (!showOnScreen(*shown)) {
        state.SkipWithError("the window was not exposed within 10 s");
        return;
    }

    double shownSeconds = 0, inMemorySeconds = 0;
    for (auto _ : state) {
        const bench::Stopwatch onScreen;
        shown->Timer2_Timer();
        QGuiApplication::sync();
        const double s = onScreen.seconds();

        const bench::Stopwatch inMemoryWatch;
        inMemory->Timer2_Timer();
        inMemorySeconds += inMemoryWatch.seconds();
        shownSeconds += s;
        state.SetIterationTime(s);
    }
    shown.reset();
    inMemory.reset();
    forms::setPlatform(nullptr);
    state.counters["in_memory_us"] = inMemorySeconds / static_cast<double>(state.iterations()) * 1e6;
    state.counters["shown_vs_in_memory"] = shownSeconds / inMemorySeconds;
}
BENCHMARK(BM_ReplayShownAgainstInMemory)->ArgName("fills")->Arg(0)->Arg(1)->UseManualTime()->MinTime(2.0)->Unit(benchmark::kMicrosecond);

}  // namespace
