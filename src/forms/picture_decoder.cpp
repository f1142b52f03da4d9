// A small pool of long-lived helpers decodes every picture. A helper that
// died while idle is noticed by the event loop (its channel hangs up) and
// reaped at once; the next picture starts a new one. A new helper is asked
// its first picture before it has said it is ready, so that its start-up
// goes on while the window works.
#include "forms/picture_decoder.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

#include "forms/helper_process.h"

namespace forms {

namespace protocol = picture_protocol;
using Clock = HelperProcess::Clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

namespace {

constexpr const char* kHelperName = "lumadraw-picture";
// How long a helper may take to start; this time is its own and not
// taken from a picture's.
constexpr milliseconds kStartLimit{1000};
// Starts that fail in a row before the session stops trying.
constexpr int kMostFailedStarts = 3;
// The window waits for a picture at most this many times its CPU limit: a
// helper that gets less of the processor than that is starved or stopped.
constexpr int kWallTimesCpu = 4;
// How often a helper's CPU time is read while the window waits for it.
constexpr milliseconds kCpuCheckEvery{10};
// Helpers in the pool: two decode ahead of a window that takes about as
// long to show a thumbnail as a helper takes to decode it.
constexpr unsigned kMostHelpers = 2;

struct Helper {
    HelperProcess process;
    QPointer<QSocketNotifier> hangUpWatch;
    bool readyOwed = false;  // started, its ready byte not read yet
    Clock::time_point startedAt;
    bool busy = false;  // a request sent, its answer not read yet
};

struct Pool {
    std::vector<Helper> helpers = std::vector<Helper>(
        std::clamp(std::thread::hardware_concurrency(), 1u, kMostHelpers));
    int failedStarts = 0;
    bool givenUp = false;
    std::string testMode;
};

Pool& pool() {
    static Pool p;
    return p;
}

void stopHelper(Helper& h) {
    // The watch may be the one calling: it goes once the event is handled,
    // and watches no more from now, before its descriptor is closed.
    if (QSocketNotifier* watch = h.hangUpWatch) {
        watch->setEnabled(false);
        watch->deleteLater();
    }
    h.hangUpWatch = nullptr;
    h.process.stop();
    h.readyOwed = false;
    h.busy = false;
}

// Watches a helper's channel: an idle helper says nothing unasked, so
// anything there (the end of a helper that died) stops and reaps it. An
// answer arriving for a busy helper waits for the one who asked.
void watchForHangUp(Helper& h) {
    if (!QCoreApplication::instance()) return;
    auto* watch = new QSocketNotifier(h.process.channel(), QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(watch, &QSocketNotifier::activated, watch, [&h, watch] {
        if (h.busy)
            watch->setEnabled(false);
        else if (h.process.endedUnasked())
            stopHelper(h);
    });
    h.hangUpWatch = watch;
}

bool spawn(Helper& h) {
    Pool& p = pool();
    if (p.givenUp) return false;
    std::vector<std::string> arguments;
    if (!p.testMode.empty()) arguments.push_back(p.testMode);
    if (!h.process.start(kHelperName, arguments)) return false;
    h.readyOwed = true;
    h.startedAt = Clock::now();
    return true;
}

void countFailedStart() {
    Pool& p = pool();
    if (++p.failedStarts < kMostFailedStarts || p.givenUp) return;
    p.givenUp = true;
    std::fprintf(stderr, "lumadraw: the picture helper %s failed to start %d times in a row; "
                 "gallery pictures are not shown\n", kHelperName, kMostFailedStarts);
}

// Reads a new helper's ready byte, within its start-up's own limit.
bool awaitReady(Helper& h) {
    if (!h.readyOwed) return true;
    std::uint8_t ready = 0;
    if (h.process.receive(&ready, 1, h.startedAt + kStartLimit) && ready == protocol::kReady) {
        h.readyOwed = false;
        pool().failedStarts = 0;
        watchForHangUp(h);
        return true;
    }
    stopHelper(h);
    countFailedStart();
    return false;
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

// Whether a helper that ended on a picture ended by that picture's fault:
// it crashed, or broke a limit, rather than being killed.
bool endedByItsPicture(int status) { return WIFSIGNALED(status) && WTERMSIG(status) != SIGKILL; }

}  // namespace

struct PictureQueue::Asked {
    int fd = -1;
    protocol::Request request;
    milliseconds cpuLimit{0};
    Helper* helper = nullptr;  // the helper it was sent to, while it decodes
    std::optional<nanoseconds> cpuAtSend;

    ~Asked() {
        if (helper) stopHelper(*helper);
        if (fd >= 0) ::close(fd);
    }

    // Sends the request to `h`, starting it first where none runs.
    bool send(Helper& h) {
        if (h.process.running() && !h.readyOwed && h.process.endedUnasked()) stopHelper(h);
        if (!h.process.running() && !spawn(h)) return false;
        // A helper still starting up has its CPU time read once it is ready.
        cpuAtSend = h.readyOwed ? std::nullopt : h.process.cpuTime();
        const auto header = protocol::encodeRequest(request);
        h.busy = true;
        helper = &h;
        if (h.process.send(header.data(), header.size(), fd, HelperProcess::until(Clock::now() + kStartLimit)))
            return true;
        stopHelper(h);
        helper = nullptr;
        return false;
    }

    // The answer of the helper it was sent to.
    DecodedPicture answer() {
        Helper& h = *helper;
        const bool started = awaitReady(h);
        if (!started) {
            helper = nullptr;
            return {QImage(), DecodeOutcome::HelperFailed, {}};
        }
        const nanoseconds cpuAtStart = cpuAtSend.value_or(h.process.cpuTime().value_or(nanoseconds(0)));
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
        DecodedPicture got = receive(h, patience);
        if (got.outcome == DecodeOutcome::Decoded || got.outcome == DecodeOutcome::NotAPicture) {
            if (got.outcome == DecodeOutcome::NotAPicture && h.process.running()) {
                // A helper that could not decode a picture may have been
                // left near its memory limit: the next one gets a new one.
                stopHelper(h);
            }
            finishWith(h);
            return got;
        }
        // The helper failed on the way: its CPU time says whose fault.
        stopHelper(h);
        const int status = h.process.lastExitStatus();
        helper = nullptr;
        const auto cpu = std::chrono::duration_cast<microseconds>(cpuUsed);
        if (outOfCpu) return {QImage(), DecodeOutcome::OutOfTime, cpu};
        if (endedByItsPicture(status)) return {QImage(), DecodeOutcome::NotAPicture, cpu};
        return {QImage(), DecodeOutcome::HelperFailed, cpu};
    }

private:
    // Reads the answer; HelperFailed for anything but a well-formed one.
    DecodedPicture receive(Helper& h, const HelperProcess::Patience& patience) {
        std::array<std::uint8_t, protocol::kAnswerHeaderBytes> header{};
        if (!h.process.receive(header.data(), header.size(), patience)) return {QImage(), DecodeOutcome::HelperFailed, {}};
        const std::optional<protocol::Answer> answer = protocol::parseAnswer(header, request);
        if (!answer) return {QImage(), DecodeOutcome::HelperFailed, {}};
        const microseconds cpu{answer->cpuMicroseconds};
        if (answer->status != protocol::Status::Decoded) return {QImage(), DecodeOutcome::NotAPicture, cpu};
        QImage image(int(answer->width), int(answer->height),
                     answer->format == protocol::Format::Transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (image.isNull() || std::uint64_t(image.sizeInBytes()) != protocol::pixelBytes(*answer) ||
            !h.process.receive(image.bits(), std::size_t(image.sizeInBytes()), patience))
            return {QImage(), DecodeOutcome::HelperFailed, {}};
        return {image, DecodeOutcome::Decoded, cpu};
    }

    void finishWith(Helper& h) {
        h.busy = false;
        if (QSocketNotifier* watch = h.hangUpWatch) watch->setEnabled(true);
        helper = nullptr;
    }
};

namespace {

// Sends `asked` to `h` and reads the answer; a failure that is not the
// picture's is tried once more, on a new helper.
DecodedPicture decodeOn(PictureQueue::Asked& asked, Helper& h) {
    DecodedPicture first = asked.helper || asked.send(h) ? asked.answer()
                                                         : DecodedPicture{QImage(), DecodeOutcome::HelperFailed, {}};
    if (first.outcome != DecodeOutcome::HelperFailed || pool().givenUp) return first;
    DecodedPicture second =
        asked.send(h) ? asked.answer() : DecodedPicture{QImage(), DecodeOutcome::HelperFailed, {}};
    second.cpu += first.cpu;
    return second;
}

std::unique_ptr<PictureQueue::Asked> asking(int fd, protocol::Kind kind, QSize fit, milliseconds cpuLimit) {
    auto asked = std::make_unique<PictureQueue::Asked>();
    asked->fd = fd;
    fit = withinPixelLimit(fit);
    asked->request = {kind, fit.isValid() ? std::uint32_t(fit.width()) : 0,
                      fit.isValid() ? std::uint32_t(fit.height()) : 0, protocol::kMaxPixelsLimit};
    asked->cpuLimit = cpuLimit;
    return asked;
}

Helper* idleHelper() {
    for (Helper& h : pool().helpers)
        if (!h.busy) return &h;
    return nullptr;
}

}  // namespace

DecodedPicture decodeInHelper(int fd, protocol::Kind kind, QSize fit, milliseconds cpuLimit) {
    const std::unique_ptr<PictureQueue::Asked> asked = asking(fd, kind, fit, cpuLimit);
    return decodeOn(*asked, pool().helpers.front());
}

PictureQueue::PictureQueue() = default;
PictureQueue::~PictureQueue() { abandon(); }

int PictureQueue::width() { return int(pool().helpers.size()); }

void PictureQueue::ask(int fd, protocol::Kind kind, QSize fit, milliseconds cpuLimit) {
    asked_.push_back(asking(fd, kind, fit, cpuLimit));
    sendWhatFits();
}

void PictureQueue::sendWhatFits() {
    for (auto& asked : asked_) {
        if (asked->helper || asked->fd < 0) continue;
        Helper* h = idleHelper();
        if (!h) return;
        if (!asked->send(*h)) return;
    }
}

DecodedPicture PictureQueue::take() {
    if (asked_.empty()) return {};
    const std::unique_ptr<Asked> asked = std::move(asked_.front());
    asked_.pop_front();
    DecodedPicture decoded;
    if (asked->fd >= 0) {
        Helper* h = asked->helper ? asked->helper : idleHelper();
        decoded = h ? decodeOn(*asked, *h) : DecodedPicture{QImage(), DecodeOutcome::HelperFailed, {}};
    }
    sendWhatFits();
    return decoded;
}

void PictureQueue::abandon() { asked_.clear(); }

qint64 pictureHelperProcessId() { return pool().helpers.front().process.pid(); }

void setPictureHelperTestMode(const std::string& mode) {
    Pool& p = pool();
    for (Helper& h : p.helpers) stopHelper(h);
    p.testMode = mode;
    p.failedStarts = 0;
    p.givenUp = false;
}

}  // namespace forms
