// One long-lived helper decodes every picture. A helper that died while
// idle is noticed by the event loop (its channel hangs up) and reaped at
// once; the next picture starts a new one.
#include "forms/picture_decoder.h"

#include <signal.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "forms/helper_process.h"

namespace forms {

namespace {

namespace protocol = picture_protocol;
using Clock = HelperProcess::Clock;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

constexpr const char* kHelperName = "lumadraw-picture";
// How long the helper may take to start; this time is its own and not
// taken from a picture's.
constexpr milliseconds kStartLimit{1000};
// Starts that fail in a row before the session stops trying.
constexpr int kMostFailedStarts = 3;
// A picture's wall-clock time may be this many times its CPU limit: a
// helper that gets less of the processor than that is starved or stopped.
constexpr int kWallTimesCpu = 4;
// How often the helper's CPU time is read while it decodes.
constexpr milliseconds kCpuCheckEvery{10};

struct Helper {
    HelperProcess process;
    QPointer<QSocketNotifier> hangUpWatch;
    int failedStarts = 0;
    bool givenUp = false;
    std::string testMode;
};

Helper& helper() {
    static Helper h;
    return h;
}

void stopHelper() {
    Helper& h = helper();
    delete h.hangUpWatch.data();
    h.process.stop();
}

// Watches the idle helper's channel: it says nothing unasked, so anything
// there (the end of a helper that died) stops and reaps it.
void watchForHangUp() {
    Helper& h = helper();
    if (!QCoreApplication::instance()) return;
    auto* watch = new QSocketNotifier(h.process.channel(), QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(watch, &QSocketNotifier::activated, watch, [] {
        if (helper().process.endedUnasked()) stopHelper();
    });
    h.hangUpWatch = watch;
}

void setWatching(bool on) {
    if (QSocketNotifier* watch = helper().hangUpWatch) watch->setEnabled(on);
}

bool startHelper() {
    Helper& h = helper();
    if (h.givenUp) return false;
    std::vector<std::string> arguments;
    if (!h.testMode.empty()) arguments.push_back(h.testMode);
    std::uint8_t ready = 0;
    if (h.process.start(kHelperName, arguments) &&
        h.process.receive(&ready, 1, Clock::now() + kStartLimit) && ready == protocol::kReady) {
        h.failedStarts = 0;
        watchForHangUp();
        return true;
    }
    h.process.stop();
    if (++h.failedStarts >= kMostFailedStarts) {
        h.givenUp = true;
        std::fprintf(stderr, "lumadraw: the picture helper %s failed to start %d times in a row; "
                     "gallery pictures are not shown\n", kHelperName, kMostFailedStarts);
    }
    return false;
}

// Whether a helper that ended on a picture ended by that picture's fault:
// it crashed, or broke a limit, rather than being killed.
bool endedByItsPicture(int status) { return WIFSIGNALED(status) && WTERMSIG(status) != SIGKILL; }

// One request on one helper.
DecodedPicture exchange(const protocol::Request& request, int fd, milliseconds cpuLimit) {
    Helper& h = helper();
    if (h.process.running() && h.process.endedUnasked()) stopHelper();
    if (!h.process.running() && !startHelper()) return {QImage(), DecodeOutcome::HelperFailed, {}};
    setWatching(false);

    const nanoseconds cpuAtStart = h.process.cpuTime().value_or(nanoseconds(0));
    const auto wallCap = Clock::now() + cpuLimit * kWallTimesCpu;
    nanoseconds cpuUsed{0};
    bool outOfCpu = false;
    const HelperProcess::Patience patience = [&]() -> std::optional<Clock::time_point> {
        if (const std::optional<nanoseconds> cpu = h.process.cpuTime()) cpuUsed = *cpu - cpuAtStart;
        if (cpuUsed >= cpuLimit) {
            outOfCpu = true;
            return std::nullopt;
        }
        const auto now = Clock::now();
        if (now >= wallCap) return std::nullopt;
        const auto cpuLeft = std::chrono::ceil<milliseconds>(cpuLimit - cpuUsed);
        return std::min(wallCap, now + std::min(cpuLeft, kCpuCheckEvery));
    };
    auto failed = [&] {
        stopHelper();
        const auto cpu = std::chrono::duration_cast<std::chrono::microseconds>(cpuUsed);
        if (outOfCpu) return DecodedPicture{QImage(), DecodeOutcome::OutOfTime, cpu};
        if (endedByItsPicture(h.process.lastExitStatus())) return DecodedPicture{QImage(), DecodeOutcome::NotAPicture, cpu};
        return DecodedPicture{QImage(), DecodeOutcome::HelperFailed, cpu};
    };

    const auto header = protocol::encodeRequest(request);
    std::array<std::uint8_t, protocol::kAnswerHeaderBytes> answerBytes{};
    if (!h.process.send(header.data(), header.size(), fd, patience) ||
        !h.process.receive(answerBytes.data(), answerBytes.size(), patience))
        return failed();
    const std::optional<protocol::Answer> answer = protocol::parseAnswer(answerBytes, request);
    if (!answer) return failed();
    const std::chrono::microseconds cpu{answer->cpuMicroseconds};
    if (answer->status != protocol::Status::Decoded) {
        // A helper that could not decode a picture may have been left near
        // its memory limit: the next picture gets a new one.
        stopHelper();
        return {QImage(), DecodeOutcome::NotAPicture, cpu};
    }
    QImage image(int(answer->width), int(answer->height),
                 answer->format == protocol::Format::Transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull() || std::uint64_t(image.sizeInBytes()) != protocol::pixelBytes(*answer) ||
        !h.process.receive(image.bits(), std::size_t(image.sizeInBytes()), patience))
        return failed();
    setWatching(true);
    return {image, DecodeOutcome::Decoded, cpu};
}

// `fit` reduced, keeping its shape, to the most pixels a picture may have
// (a canvas on a screen of more than 64 megapixels).
QSize withinPixelLimit(QSize fit) {
    if (!fit.isValid()) return fit;
    const double excess = double(fit.width()) * fit.height() / double(protocol::kMaxPixelsLimit);
    if (excess <= 1) return fit;
    const double scale = std::sqrt(excess);
    return QSize(std::max(1, int(fit.width() / scale)), std::max(1, int(fit.height() / scale)));
}

}  // namespace

DecodedPicture decodeInHelper(int fd, protocol::Kind kind, QSize fit, milliseconds cpuLimit) {
    fit = withinPixelLimit(fit);
    const protocol::Request request{kind, fit.isValid() ? std::uint32_t(fit.width()) : 0,
                                    fit.isValid() ? std::uint32_t(fit.height()) : 0, protocol::kMaxPixelsLimit};
    if (!protocol::parseRequest(protocol::encodeRequest(request))) return {};
    DecodedPicture first = exchange(request, fd, cpuLimit);
    if (first.outcome != DecodeOutcome::HelperFailed || helper().givenUp) return first;
    // Not the picture's fault: once more, on a new helper.
    DecodedPicture second = exchange(request, fd, cpuLimit);
    second.cpu += first.cpu;
    return second;
}

qint64 pictureHelperProcessId() { return helper().process.pid(); }

void setPictureHelperTestMode(const std::string& mode) {
    stopHelper();
    Helper& h = helper();
    h.testMode = mode;
    h.failedStarts = 0;
    h.givenUp = false;
}

}  // namespace forms
