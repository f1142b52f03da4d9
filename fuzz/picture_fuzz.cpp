// The gallery's picture loading from a file's bytes. The first byte of the
// input picks the file's extension among those the gallery lists and the
// size the picture is wanted at (a thumbnail, the canvas, its own size);
// the rest is the file. A picture that cannot be read gives the null image;
// one that is read is never larger than asked nor than the program accepts.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <array>
#include <cstdint>
#include <string>

#include "forms/picture_io.h"
#include "fuzz_check.h"
#include "qt_init.h"

namespace {

const std::array<std::string, 6> kSuffixes = {"jpg", "jpeg", "bmp", "gif", "wmf", "ico"};
const std::array<QSize, 3> kFits = {QSize(104, 78), QSize(1024, 683), QSize()};
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startHeadlessQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::string& suffix = kSuffixes[data[0] % kSuffixes.size()];
    const QSize fit = kFits[(data[0] / kSuffixes.size()) % kFits.size()];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    QImage image;
    try {
        image = forms::decodePicture(bytes, suffix, fit);
    } catch (const forms::PictureTimedOut&) {
        return 0;
    }
    if (image.isNull()) return 0;
    if (fit.isValid() && (image.width() > fit.width() || image.height() > fit.height()))
        fuzzFailure("a picture is larger than asked", suffix);
    if (static_cast<long long>(image.width()) * image.height() > kMaxPixels)
        fuzzFailure("a picture is larger than the program accepts", suffix);
    return 0;
}
