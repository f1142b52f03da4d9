// One metafile thumbnail (104 x 78) drawn the program's way, by the
// long-lived helper program as the gallery draws it at start-up, against
// the same drawing code (libwmf, metafile_helper/wmf_draw) run in this
// process, interleaved iteration by iteration. The helper is started before
// timing, as it is after the gallery's first metafile.
#include <benchmark/benchmark.h>

#include <QImage>
#include <algorithm>
#include <span>

#include "forms/picture_io.h"
#include "metafile_helper/wmf_draw.h"
#include "support/bench_app.h"
#include "support/test_metafile.h"

namespace {

constexpr std::uint64_t kMaxPixels = 64ull * 1024 * 1024;

QImage inProcess(const QByteArray& wmf) {
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(wmf.constData()),
                                              std::size_t(wmf.size()));
    const auto pixels = metafile_helper::drawMetafile(bytes, 104, 78, kMaxPixels);
    if (!pixels) return QImage();
    QImage image(int(pixels->width), int(pixels->height), QImage::Format_RGB32);
    std::copy(pixels->rows.begin(), pixels->rows.end(), reinterpret_cast<std::uint32_t*>(image.bits()));
    return image;
}

// The time is both sides' together; helper_ms and in_process_ms are each
// side's mean, vs_in_process = helper / in-process.
void BM_MetafileThumbnailHelperAgainstInProcess(benchmark::State& state) {
    bench::app();
    const QByteArray wmf = testMetafile();
    if (forms::decodePicture(wmf, "wmf", QSize(104, 78)).isNull()) {
        state.SkipWithError("the helper drew nothing");
        return;
    }
    double helperSeconds = 0, inProcessSeconds = 0;
    for (auto _ : state) {
        const bench::Stopwatch viaHelper;
        const QImage a = forms::decodePicture(wmf, "wmf", QSize(104, 78));
        helperSeconds += viaHelper.seconds();
        const bench::Stopwatch here;
        const QImage b = inProcess(wmf);
        inProcessSeconds += here.seconds();
        benchmark::DoNotOptimize(a.constBits());
        benchmark::DoNotOptimize(b.constBits());
    }
    const double n = double(state.iterations());
    state.counters["helper_ms"] = helperSeconds / n * 1e3;
    state.counters["in_process_ms"] = inProcessSeconds / n * 1e3;
    state.counters["vs_in_process"] = helperSeconds / inProcessSeconds;
}
BENCHMARK(BM_MetafileThumbnailHelperAgainstInProcess)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace
