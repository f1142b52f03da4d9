// Start-up with a gallery of 50 JPEG pictures of 1024 x 768 against decoding
// the same thumbnails alone, both in the same run. Start-up is everything up
// to the first shown frame: building the window from its description, the
// load handler (folder search, layout, the gallery strip with its progress
// display, the start-up key commands) and showing the window, on the
// offscreen platform. The decode side reads each listed file at its
// thumbnail's size with Qt's image reader, reduced while decoding as the
// gallery reads it, and does nothing else.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageReader>
#include <cmath>
#include <memory>
#include <vector>

#include "forms/platform.h"
#include "support/bench_app.h"
#include "support/gallery_fixture.h"
#include "window/form1.h"

namespace {

constexpr int kPictures = 50;

struct Thumbnail {
    QString file;
    QSize pixels;
};

// What the gallery decodes at start-up, read back from a started window:
// each listed file and its thumbnail's size in pixels.
std::vector<Thumbnail> thumbnailsOf(Form1& f) {
    std::vector<Thumbnail> out;
    for (int i = 0; i < f.Image3.Count(); ++i) {
        const QSize pixels(static_cast<int>(std::ceil(f.Image3(i).Width() / forms::kTwipsPerPixel)),
                           static_cast<int>(std::ceil(f.Image3(i).Height() / forms::kTwipsPerPixel)));
        out.push_back({QString::fromStdString(f.GalleryFolder + "/" + f.FileList->List(i)), pixels});
    }
    return out;
}

void decode(const std::vector<Thumbnail>& thumbnails) {
    for (const Thumbnail& t : thumbnails) {
        QImageReader reader(t.file);
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > t.pixels.width() || size.height() > t.pixels.height()))
            reader.setScaledSize(size.boundedTo(t.pixels));
        const QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The time is start-up's; vs_thumbnail_decode is start-up over decoding the
// thumbnails alone (interleaved, iteration by iteration).
void BM_StartupWithGallery(benchmark::State& state) {
    bench::app();
    static const bench::GalleryFixture gallery(kPictures, QSize(1024, 768), bench::GalleryFixture::Content::Photo);
    forms::ScriptedPlatform platform;
    platform.gallery = gallery.root();
    forms::setPlatform(&platform);
    forms::Timer::setLiveTimers(false);

    double startupSeconds = 0, decodeSeconds = 0;
    int thumbnails = 0;
    for (auto _ : state) {
        const bench::Stopwatch startup;
        auto form = std::make_unique<Form1>();
        form->Form_Load();
        form->Show();
        const double s = startup.seconds();
        const auto files = thumbnailsOf(*form);
        thumbnails = static_cast<int>(files.size());
        form.reset();
        QCoreApplication::processEvents();

        const bench::Stopwatch decoding;
        decode(files);
        decodeSeconds += decoding.seconds();
        startupSeconds += s;
        state.SetIterationTime(s);
    }
    forms::setPlatform(nullptr);
    state.counters["thumbnails"] = thumbnails;
    state.counters["decode_ms"] = decodeSeconds / static_cast<double>(state.iterations()) * 1e3;
    state.counters["vs_thumbnail_decode"] = startupSeconds / decodeSeconds;
}
BENCHMARK(BM_StartupWithGallery)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
