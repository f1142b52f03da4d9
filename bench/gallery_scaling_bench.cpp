// How start-up grows with the gallery: the CPU time of building the window
// and its load handler with a gallery of 500 and of 4000 small pictures, on
// the offscreen platform, in the same run. Linear growth gives a ratio of
// about 8. The short start-up with 500 pictures is the median of three; the
// one with 4000 runs once, as a slow one takes minutes. The CPU time is this
// process's and the picture helper's together: the helper decodes every
// thumbnail, so this process's alone would leave the decoding out.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "forms/picture_decoder.h"
#include "forms/platform.h"
#include "support/bench_app.h"
#include "support/gallery_fixture.h"
#include "window/form1.h"

namespace {

struct Startup {
    double cpuSeconds = 0;
    double helperCpuSeconds = 0;  // the helper's part of cpuSeconds
    int thumbnails = 0;
};

// The running picture helper and the CPU seconds it has used so far (no
// process and 0 when none runs).
struct HelperCpu {
    qint64 pid = 0;
    double seconds = 0;
};

HelperCpu helperCpu() {
    HelperCpu h;
    h.pid = forms::pictureHelperProcessId();
    clockid_t clock;
    timespec t{};
    if (h.pid > 0 && clock_getcpuclockid(pid_t(h.pid), &clock) == 0 && clock_gettime(clock, &t) == 0)
        h.seconds = static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    return h;
}

// The helper's CPU seconds between two readings: all of the later one's
// when a new helper started in between (the old one's last part is lost,
// which happens only when a picture cannot be decoded).
double helperSecondsBetween(const HelperCpu& before, const HelperCpu& after) {
    return after.pid == before.pid ? after.seconds - before.seconds : after.seconds;
}

// The median CPU time of `runs` start-ups with the same gallery.
Startup startupWith(int pictures, int runs) {
    const bench::GalleryFixture gallery(pictures, QSize(64, 48), bench::GalleryFixture::Content::Plain);
    forms::ScriptedPlatform platform;
    platform.gallery = gallery.root();
    forms::setPlatform(&platform);
    forms::Timer::setLiveTimers(false);

    Startup result;
    std::vector<std::pair<double, double>> seconds;  // all, the helper's part
    for (int i = 0; i < runs; ++i) {
        const HelperCpu helperBefore = helperCpu();
        const double before = bench::processCpuSeconds();
        auto form = std::make_unique<Form1>();
        form->Form_Load();
        const double own = bench::processCpuSeconds() - before;
        const double helper = helperSecondsBetween(helperBefore, helperCpu());
        seconds.emplace_back(own + helper, helper);
        result.thumbnails = form->Image3.Count();
        form.reset();
        QCoreApplication::processEvents();
    }
    forms::setPlatform(nullptr);
    std::sort(seconds.begin(), seconds.end());
    result.cpuSeconds = seconds[seconds.size() / 2].first;
    result.helperCpuSeconds = seconds[seconds.size() / 2].second;
    return result;
}

// The time is the CPU time with 4000 pictures; cpu_4000_vs_500 is the ratio;
// helper_cpu_500_s is the helper's part of cpu_500_s.
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
    state.counters["helper_cpu_500_s"] = small.helperCpuSeconds;
    state.counters["thumbnails"] = small.thumbnails + large.thumbnails;  // 4500 when every picture loaded
    state.counters["cpu_4000_vs_500"] = large.cpuSeconds / small.cpuSeconds;
}
BENCHMARK(BM_GalleryStartupCpu)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
