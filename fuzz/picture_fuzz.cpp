// Pictures from a file's bytes, and the checks that stand between untrusted
// bytes and the metafile helper. The first byte of the input picks what the
// rest is, by its value modulo 8:
//   0-4  a .jpg, .jpeg, .bmp, .gif or .ico file, decoded as the gallery does
//        at the size the first byte / 8 picks (a thumbnail, the canvas, its
//        own size): a picture that is read is never larger than asked nor
//        than the program accepts;
//   5    a .wmf file's header check (the helper's library never runs here:
//        it runs in its own process, which a fuzz target does not start);
//   6    a request header as the helper reads it: one it accepts encodes
//        back to the same bytes and asks for no more pixels than allowed;
//   7    an answer header as the window reads it, to the request the first
//        byte / 8 picks: one it accepts has the size asked and no more
//        pixels than allowed.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "picture_helper/metafile_header.h"
#include "forms/metafile_protocol.h"
#include "forms/picture_io.h"
#include "fuzz_check.h"
#include "qt_init.h"

namespace {

namespace protocol = forms::metafile_protocol;

const std::array<std::string, 5> kSuffixes = {"jpg", "jpeg", "bmp", "gif", "ico"};
const std::array<QSize, 3> kFits = {QSize(104, 78), QSize(1024, 683), QSize()};
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

void decode(const std::string& suffix, QSize fit, std::span<const std::uint8_t> rest) {
    const QByteArray bytes(reinterpret_cast<const char*>(rest.data()), static_cast<qsizetype>(rest.size()));
    const QImage image = forms::decodePicture(bytes, suffix, fit);
    if (image.isNull()) return;
    if (fit.isValid() && (image.width() > fit.width() || image.height() > fit.height()))
        fuzzFailure("a picture is larger than asked", suffix);
    if (static_cast<long long>(image.width()) * image.height() > kMaxPixels)
        fuzzFailure("a picture is larger than the program accepts", suffix);
}

void request(std::span<const std::uint8_t> rest) {
    const auto parsed = protocol::parseRequest(rest);
    if (!parsed) return;
    const auto again = protocol::encodeRequest(*parsed);
    if (!std::equal(again.begin(), again.end(), rest.begin(), rest.end()))
        fuzzFailure("an accepted request does not encode back to its bytes");
    if (std::uint64_t(parsed->width) * parsed->height > parsed->maxPixels)
        fuzzFailure("an accepted request asks for more pixels than it allows");
}

void answer(QSize fit, std::span<const std::uint8_t> rest) {
    const protocol::Request asked{fit.isValid() ? std::uint32_t(fit.width()) : 0,
                                  fit.isValid() ? std::uint32_t(fit.height()) : 0, std::uint64_t(kMaxPixels), 0};
    const auto parsed = protocol::parseAnswer(rest, asked);
    if (!parsed || parsed->status != protocol::Status::Drawn) return;
    if (std::uint64_t(parsed->width) * parsed->height > asked.maxPixels)
        fuzzFailure("an accepted answer has more pixels than allowed");
    if (fit.isValid() && (int(parsed->width) != fit.width() || int(parsed->height) != fit.height()))
        fuzzFailure("an accepted answer has another size than asked");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startHeadlessQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    const unsigned kind = data[0] % 8;
    const QSize fit = kFits[(data[0] / 8) % kFits.size()];
    if (kind < kSuffixes.size())
        decode(kSuffixes[kind], fit, rest);
    else if (kind == 5)
        picture_helper::hasMetafileHeader(rest);
    else if (kind == 6)
        request(rest);
    else
        answer(fit, rest);
    return 0;
}
