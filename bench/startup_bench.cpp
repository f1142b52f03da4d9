// Start-up with a gallery of 50 JPEG pictures of 1024 x 768 against decoding
// the same 50 pictures alone. Start-up here is everything up to the first
// shown frame: building the window from its description, the load handler
// (folder search, layout, the gallery strip with its progress display, the
// start-up key commands) and showing the window, on the offscreen platform.
// The decode-only figure reads each file with Qt's image reader; start-up
// must not cost much more than that (target: at most 1.5 times).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

#include "forms/controls.h"
#include "forms/platform.h"
#include "window/form1.h"

namespace {

constexpr int kPictures = 50;

QApplication& app() {
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lumadraw_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

// A gallery root with one sub-folder of 50 photographs-like JPEGs (smooth
// gradients with shapes and fine noise, so the decoder does real work).
// Generated once per run.
const QString& galleryRoot() {
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        made = true;
        QDir(dir.path()).mkdir("Photos");
        QImage image(1024, 768, QImage::Format_RGB32);
        for (int i = 0; i < kPictures; ++i) {
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    const int noise = (x * 7919 + y * 104729 + i * 31) % 23;
                    line[x] = qRgb((x / 4 + i * 5 + noise) & 255, (y / 3 + noise) & 255, ((x + y) / 8 + i) & 255);
                }
            }
            QPainter p(&image);
            p.setBrush(QColor::fromHsv((i * 37) % 360, 200, 220));
            p.drawEllipse(100 + i * 10, 100 + i * 5, 400, 300);
            p.end();
            image.save(dir.path() + QString("/Photos/photo%1.jpg").arg(i, 2, 10, QChar('0')), "jpg", 90);
        }
    }
    static const QString root = dir.path();
    return root;
}

void decodeAll() {
    const QDir folder(galleryRoot() + "/Photos");
    for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
        QImageReader reader(folder.filePath(file));
        QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_DecodeGalleryAlone(benchmark::State& state) {
    app();
    galleryRoot();
    for (auto _ : state) decodeAll();
}

// The same decoding with every picture kept, as the gallery keeps them: the
// difference to the figure above is the cost of 50 x 3 MB of fresh memory.
void BM_DecodeGalleryKept(benchmark::State& state) {
    app();
    const QDir folder(galleryRoot() + "/Photos");
    for (auto _ : state) {
        std::vector<QImage> kept;
        for (const QString& file : folder.entryList(QDir::Files, QDir::Name))
            kept.push_back(QImageReader(folder.filePath(file)).read());
        benchmark::DoNotOptimize(kept.data());
        state.PauseTiming();
        kept.clear();
        state.ResumeTiming();
    }
}

void BM_StartupWithGallery(benchmark::State& state) {
    app();
    forms::ScriptedPlatform platform;
    platform.gallery = galleryRoot().toStdString();
    platform.folder = galleryRoot().toStdString();
    forms::setPlatform(&platform);
    forms::Timer::setLiveTimers(false);

    // The decode-only time of this machine, for the ratio below.
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i) decodeAll();
    const double decodeSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / 3;

    int thumbnails = 0;
    double startupSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto form = std::make_unique<Form1>();
        form->Form_Load();
        form->Show();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        startupSeconds += seconds;
        thumbnails = form->Image3.Count();
        form.reset();
        QCoreApplication::processEvents();
    }
    forms::setPlatform(nullptr);
    state.counters["thumbnails"] = thumbnails;
    state.counters["decode_ms"] = decodeSeconds * 1e3;
    // Start-up time over decode-only time (target: at most 1.5).
    state.counters["vs_decode"] = startupSeconds / static_cast<double>(state.iterations()) / decodeSeconds;
}

}  // namespace

BENCHMARK(BM_DecodeGalleryAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeGalleryKept)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupWithGallery)->UseManualTime()->Unit(benchmark::kMillisecond);
