// How start-up grows with the gallery: the CPU time of building the window
// and its load handler with a gallery of 500 and of 4000 small pictures, on
// the offscreen platform, in the same run. Linear growth gives a ratio of
// about 8. The short start-up with 500 pictures is the median of three; the
// one with 4000 runs once, as a slow one takes minutes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "forms/platform.h"
#include "support/bench_app.h"
#include "support/gallery_fixture.h"
#include "window/form1.h"

namespace {

struct Startup {
    double cpuSeconds = 0;
    int thumbnails = 0;
};

// The median CPU time of `runs` start-ups with the same gallery.
Startup startupWith(int pictures, int runs) {
    const bench::GalleryFixture gallery(pictures, QSize(64, 48), bench::GalleryFixture::Content::Plain);
    forms::ScriptedPlatform platform;
    platform.gallery = gallery.root();
    forms::setPlatform(&platform);
    forms::Timer::setLiveTimers(false);

    Startup result;
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const double before = bench::processCpuSeconds();
        auto form = std::make_unique<Form1>();
        form->Form_Load();
        seconds.push_back(bench::processCpuSeconds() - before);
        result.thumbnails = form->Image3.Count();
        form.reset();
        QCoreApplication::processEvents();
    }
    forms::setPlatform(nullptr);
    std::sort(seconds.begin(), seconds.end());
    result.cpuSeconds = seconds[seconds.size() / 2];
    return result;
}

// The time is the CPU time with 4000 pictures; cpu_4000_vs_500 is the ratio.
void BM_GalleryStartupCpu(benchmark::State& state) {
    bench::app();
    Startup small, large;
    for (auto _ : state) {
        small = startupWith(500, 3);
        large = startupWith(4000, 1);
        state.SetIterationTime(large.cpuSeconds);
    }
    state.counters["cpu_500_s"] = small.cpuSeconds;
    state.counters["cpu_4000_s"] = large.cpuSeconds;
    state.counters["thumbnails"] = small.thumbnails + large.thumbnails;  // 4500 when every picture loaded
    state.counters["cpu_4000_vs_500"] = large.cpuSeconds / small.cpuSeconds;
}
BENCHMARK(BM_GalleryStartupCpu)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
