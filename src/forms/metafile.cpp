// Metafiles drawn by the helper program lumadraw-metafile, which runs
// libwmf apart from the window (see metafile_helper/main.cpp). One helper
// serves every metafile; one that dies, answers what it was not asked or
// is still drawing at the limit is killed, and the next metafile starts a
// new one.
#include "forms/metafile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "forms/helper_process.h"
#include "forms/metafile_header.h"
#include "forms/metafile_protocol.h"

namespace forms {

namespace {

namespace protocol = metafile_protocol;
using Clock = HelperProcess::Clock;

constexpr const char* kHelperName = "lumadraw-metafile";
// How long the helper may take to start (a sanitizer build is slow to
// load); this time is its own and not taken from a picture's.
constexpr std::chrono::seconds kStartLimit{10};

HelperProcess& helper() {
    static HelperProcess process;
    return process;
}

bool startHelper() {
    HelperProcess& process = helper();
    if (!process.start(kHelperName)) return false;
    std::uint8_t ready = 0;
    if (process.receive(&ready, 1, Clock::now() + kStartLimit) && ready == protocol::kReady) return true;
    process.stop();
    return false;
}

// The pixels the helper draws for `request`, or a null image; a helper that
// fails on the way is stopped.
QImage drawnByHelper(const protocol::Request& request, const QByteArray& bytes, Clock::time_point deadline) {
    HelperProcess& process = helper();
    const auto header = protocol::encodeRequest(request);
    std::array<std::uint8_t, protocol::kAnswerHeaderBytes> answerBytes{};
    if (!process.send(header.data(), header.size(), deadline) ||
        !process.send(bytes.constData(), std::size_t(bytes.size()), deadline) ||
        !process.receive(answerBytes.data(), answerBytes.size(), deadline)) {
        process.stop();
        return QImage();
    }
    const std::optional<protocol::Answer> answer = protocol::parseAnswer(answerBytes, request);
    if (!answer) {
        process.stop();
        return QImage();
    }
    if (answer->status != protocol::Status::Drawn) return QImage();
    QImage image(int(answer->width), int(answer->height), QImage::Format_RGB32);
    if (image.isNull() || image.bytesPerLine() != qsizetype(answer->width) * 4 ||
        !process.receive(image.bits(), std::size_t(image.sizeInBytes()), deadline)) {
        process.stop();
        return QImage();
    }
    return image;
}

}  // namespace

DrawnMetafile renderMetafile(const QByteArray& bytes, QSize fit, qint64 maxPixels, std::chrono::milliseconds limit) {
    const std::span<const std::uint8_t> header(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                               std::size_t(bytes.size()));
    if (!hasMetafileHeader(header)) return {};
    const protocol::Request request{fit.isValid() ? std::uint32_t(fit.width()) : 0,
                                    fit.isValid() ? std::uint32_t(fit.height()) : 0,
                                    std::uint64_t(std::max<qint64>(maxPixels, 0)), std::uint32_t(bytes.size())};
    if (std::uint64_t(bytes.size()) > protocol::kMaxMetafileBytes ||
        !protocol::parseRequest(protocol::encodeRequest(request)))
        return {};
    if (!helper().running() && !startHelper()) return {};
    const auto deadline = Clock::now() + limit;
    const QImage image = drawnByHelper(request, bytes, deadline);
    return {image, image.isNull() && Clock::now() >= deadline};
}

qint64 metafileHelperProcessId() { return helper().pid(); }

}  // namespace forms
