// One gallery thumbnail (104 x 78) decoded the program's way, by the
// long-lived picture helper program (forms::decodePictureFile: the file
// opened here, its descriptor passed, the pixels answered), against the
// same decoding code (picture_helper::decodeFile) run in this process on
// the same file with the same request, interleaved iteration by iteration.
// The helper is started before timing, as it is after the gallery's first
// picture. Three pictures: the unit tests' metafile, a photo-like JPEG of
// about 700 KB (2000 x 1500), which the reader reduces while decoding, and
// a small photo-like JPEG (320 x 240, about 18 KB), where the exchange with
// the helper weighs most.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <string>

#include "forms/picture_io.h"
#include "forms/picture_protocol.h"
#include "picture_helper/decode.h"
#include "support/bench_app.h"
#include "support/test_metafile.h"

namespace {

namespace protocol = forms::picture_protocol;

const QSize kThumbnail(104, 78);
// The strip's CPU limit for one thumbnail.
constexpr std::chrono::milliseconds kThumbnailLimit{250};

// The pictures, written once into a temporary folder.
struct Pictures {
    QTemporaryDir dir;
    std::string metafile, jpeg, smallJpeg;
    qint64 jpegBytes = 0, smallJpegBytes = 0;
};

// A picture with smooth gradients and per-pixel noise (a small hash, so
// every run writes the same file), saved at quality 90: about as costly to
// decode as a camera's photograph of that size (2000 x 1500: about 690 KB).
void writePhoto(const QString& file, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            std::uint32_t h = std::uint32_t(x) * 0x9E3779B1u ^ std::uint32_t(y) * 0x85EBCA77u;
            h ^= h >> 15;
            h *= 0x2C1B3C6Du;
            h ^= h >> 12;
            const int noise = int(h % 17) - 8;
            auto clamp = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
            line[x] = qRgb(clamp(x / 8 + noise), clamp(y / 6 + noise), clamp((x + y) / 14 + 40 + noise));
        }
    }
    image.save(file, "jpg", 90);
}

Pictures& pictures() {
    static Pictures* p = [] {
        auto* made = new Pictures;
        const QString metafile = made->dir.filePath("thumbnail.wmf");
        QFile out(metafile);
        if (out.open(QIODevice::WriteOnly)) out.write(testMetafile());
        out.close();
        const QString jpeg = made->dir.filePath("photo.jpg");
        writePhoto(jpeg, QSize(2000, 1500));
        const QString smallJpeg = made->dir.filePath("small.jpg");
        writePhoto(smallJpeg, QSize(320, 240));
        made->metafile = metafile.toStdString();
        made->jpeg = jpeg.toStdString();
        made->smallJpeg = smallJpeg.toStdString();
        made->jpegBytes = QFileInfo(jpeg).size();
        made->smallJpegBytes = QFileInfo(smallJpeg).size();
        return made;
    }();
    return *p;
}

// What the helper does for the request, here: the file opened as the
// window opens it, decoded from its descriptor.
QImage inProcess(const std::string& path, protocol::Kind kind) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return QImage();
    const protocol::Request request{kind, std::uint32_t(kThumbnail.width()), std::uint32_t(kThumbnail.height()),
                                    protocol::kMaxPixelsLimit};
    QImage image = picture_helper::decodeFile(fd, request);
    ::close(fd);
    return image;
}

QImage viaHelper(const std::string& path) {
    return forms::decodePictureFile(path, kThumbnail, kThumbnailLimit).image;
}

// The time is both sides' together; helper_ms and in_process_ms are each
// side's mean, vs_in_process = helper / in-process.
void helperAgainstInProcess(benchmark::State& state, const std::string& path, protocol::Kind kind) {
    bench::app();
    const QImage first = viaHelper(path);
    const QImage here = inProcess(path, kind);
    if (first.isNull() || here.isNull()) {
        state.SkipWithError("a side decoded nothing");
        return;
    }
    if (first.size() != here.size()) {
        state.SkipWithError("the two sides decoded different sizes");
        return;
    }
    double helperSeconds = 0, inProcessSeconds = 0;
    for (auto _ : state) {
        const bench::Stopwatch helperTime;
        const QImage a = viaHelper(path);
        helperSeconds += helperTime.seconds();
        const bench::Stopwatch inProcessTime;
        const QImage b = inProcess(path, kind);
        inProcessSeconds += inProcessTime.seconds();
        benchmark::DoNotOptimize(a.constBits());
        benchmark::DoNotOptimize(b.constBits());
    }
    const double n = double(state.iterations());
    state.counters["helper_ms"] = helperSeconds / n * 1e3;
    state.counters["in_process_ms"] = inProcessSeconds / n * 1e3;
    state.counters["vs_in_process"] = helperSeconds / inProcessSeconds;
}

void BM_MetafileThumbnailHelperAgainstInProcess(benchmark::State& state) {
    helperAgainstInProcess(state, pictures().metafile, protocol::Kind::Metafile);
}
BENCHMARK(BM_MetafileThumbnailHelperAgainstInProcess)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_JpegThumbnailHelperAgainstInProcess(benchmark::State& state) {
    helperAgainstInProcess(state, pictures().jpeg, protocol::Kind::QtPicture);
    state.counters["jpeg_kb"] = double(pictures().jpegBytes) / 1024;
}
BENCHMARK(BM_JpegThumbnailHelperAgainstInProcess)->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_SmallJpegThumbnailHelperAgainstInProcess(benchmark::State& state) {
    helperAgainstInProcess(state, pictures().smallJpeg, protocol::Kind::QtPicture);
    state.counters["jpeg_kb"] = double(pictures().smallJpegBytes) / 1024;
}
BENCHMARK(BM_SmallJpegThumbnailHelperAgainstInProcess)->Iterations(1000)->Unit(benchmark::kMillisecond);

}  // namespace
