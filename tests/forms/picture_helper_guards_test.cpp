// The guards between the window program and its picture helper: each case
// fails when its guard is taken away. The helper's test modes make it
// misbehave on purpose.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "forms/helper_process.h"
#include "forms/picture_decoder.h"
#include "forms/picture_io.h"
#include "forms/picture_protocol.h"
#include "support/hostile_pictures.h"
#include "support/looping_metafile.h"
#include "support/process_state.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using forms::DecodeOutcome;
namespace protocol = forms::picture_protocol;

constexpr QSize kThumbnail(104, 78);

class PictureGuardTest : public ::testing::Test {
protected:
    void TearDown() override { forms::setPictureHelperTestMode(""); }
    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    std::string write(const std::string& name, const QByteArray& bytes) {
        std::ofstream(path(name), std::ios::binary | std::ios::trunc).write(bytes.constData(), bytes.size());
        return path(name);
    }
    std::string jpeg() {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        image.save(QString::fromStdString(path("a.jpg")));
        return path("a.jpg");
    }
    static forms::DecodedPicture thumbnail(const std::string& file, std::chrono::milliseconds limit = 2s) {
        return forms::decodePictureFile(file, kThumbnail, limit);
    }
    QTemporaryDir dir;
};

pid_t helperPid() { return pid_t(forms::pictureHelperProcessId()); }

// A limit's soft value in /proc/PID/limits ("unlimited" gives -1).
long long softLimit(pid_t pid, const std::string& name) {
    std::ifstream limits("/proc/" + std::to_string(pid) + "/limits");
    std::string line;
    while (std::getline(limits, line)) {
        if (line.rfind(name, 0) != 0) continue;
        const std::string value = line.substr(26, 21);
        return value.find("unlimited") != std::string::npos ? -1 : std::stoll(value);
    }
    return -2;
}

// --- The channel ------------------------------------------------------------

// A helper that closed its channel: writing to it fails, and never raises
// SIGPIPE (which would end the window program).
TEST_F(PictureGuardTest, WritingToAHelperThatHungUpFailsWithoutSigpipe) {
    forms::HelperProcess helper;
    ASSERT_TRUE(helper.start("lumadraw-picture", {"hang-up"}));
    std::uint8_t ready = 0;
    ASSERT_TRUE(helper.receive(&ready, 1, Clock::now() + 5s));
    const auto start = Clock::now();
    while (!helper.endedUnasked() && Clock::now() - start < 5s) std::this_thread::sleep_for(5ms);
    const QByteArray bytes(1 << 16, 'x');
    EXPECT_FALSE(helper.send(bytes.constData(), std::size_t(bytes.size()), Clock::now() + 1s));
}

// Signals arriving all the while the window waits for an answer do not
// make it give up.
TEST_F(PictureGuardTest, SignalsDuringTheWaitAreNoFailure) {
    forms::setPictureHelperTestMode("slow");
    struct sigaction tick {}, before {};
    tick.sa_handler = [](int) {};
    sigemptyset(&tick.sa_mask);  // no SA_RESTART: every wait is interrupted
    ASSERT_EQ(::sigaction(SIGALRM, &tick, &before), 0);
    const itimerval every2ms{{0, 2000}, {0, 2000}}, off{};
    ::setitimer(ITIMER_REAL, &every2ms, nullptr);
    const forms::DecodedPicture picture = thumbnail(jpeg());
    ::setitimer(ITIMER_REAL, &off, nullptr);
    ::sigaction(SIGALRM, &before, nullptr);
    EXPECT_EQ(picture.outcome, DecodeOutcome::Decoded);
}

TEST(PictureProtocolTest, RequestsAndAnswersOutOfBoundsAreRefused) {
    const protocol::Request thumb{protocol::Kind::QtPicture, 104, 78, protocol::kMaxPixelsLimit};
    EXPECT_TRUE(protocol::parseRequest(protocol::encodeRequest(thumb)));
    for (protocol::Request bad : {protocol::Request{protocol::Kind(2), 104, 78, 1000000},
                                  protocol::Request{protocol::Kind::QtPicture, 104, 0, 1000000},
                                  protocol::Request{protocol::Kind::QtPicture, 104, 78, 104 * 78 - 1},
                                  protocol::Request{protocol::Kind::QtPicture, 0, 0, protocol::kMaxPixelsLimit + 1}})
        EXPECT_FALSE(protocol::parseRequest(protocol::encodeRequest(bad)));

    auto answer = [&](protocol::Answer a, const protocol::Request& asked) {
        return protocol::parseAnswer(protocol::encodeAnswer(a), asked).has_value();
    };
    using protocol::Format;
    using protocol::Status;
    EXPECT_TRUE(answer({Status::Decoded, 104, 50, Format::Opaque, 7}, thumb));
    EXPECT_FALSE(answer({Status::Decoded, 105, 78, Format::Opaque, 7}, thumb));  // wider than asked
    EXPECT_FALSE(answer({Status::Decoded, 104, 79, Format::Opaque, 7}, thumb));
    EXPECT_FALSE(answer({Status::Decoded, 104, 78, Format(2), 7}, thumb));
    EXPECT_FALSE(answer({Status::NotDecoded, 1, 0, Format::Opaque, 7}, thumb));
    const protocol::Request own{protocol::Kind::QtPicture, 0, 0, 1000};
    EXPECT_FALSE(answer({Status::Decoded, 1000, 2, Format::Opaque, 0}, own));  // more pixels than allowed
    const protocol::Request wmf{protocol::Kind::Metafile, 104, 78, protocol::kMaxPixelsLimit};
    EXPECT_FALSE(answer({Status::Decoded, 104, 77, Format::Opaque, 0}, wmf));  // a metafile fills the size asked
}

// A helper that answers more pixels than asked is not believed: the
// picture is refused and the helper replaced.
TEST_F(PictureGuardTest, AnAnswerLargerThanAskedIsRefused) {
    forms::setPictureHelperTestMode("oversize");
    const forms::DecodedPicture picture = thumbnail(jpeg());
    EXPECT_NE(picture.outcome, DecodeOutcome::Decoded);
    EXPECT_TRUE(picture.image.isNull());
}

// --- The helper's confinement -------------------------------------------------

TEST_F(PictureGuardTest, HelperThatOpensAFileIsEnded) {
    forms::setPictureHelperTestMode("open-file");
    const forms::DecodedPicture picture = thumbnail(jpeg());
    EXPECT_EQ(picture.outcome, DecodeOutcome::NotAPicture);
    EXPECT_EQ(helperPid(), 0);
}

// 1.5 GB is beyond the helper's memory: the allocation fails and the
// picture is decoded as usual.
TEST_F(PictureGuardTest, HelperMemoryIsLimited) {
    forms::setPictureHelperTestMode("allocate");
    const forms::DecodedPicture picture = thumbnail(jpeg());
    EXPECT_EQ(picture.image.size(), kThumbnail);
}

TEST_F(PictureGuardTest, HelperRunsWithCpuMemoryAndCoreLimits) {
    ASSERT_EQ(thumbnail(jpeg()).outcome, DecodeOutcome::Decoded);
    const pid_t helper = helperPid();
    const long long cpu = softLimit(helper, "Max cpu time");
    EXPECT_GT(cpu, 0);
    EXPECT_LE(cpu, 61);
    EXPECT_EQ(softLimit(helper, "Max data size"), 1LL << 30);
    EXPECT_EQ(softLimit(helper, "Max core file size"), 0);
}

// The helper holds no file of the window program's but its channel, and
// no picture file once it has answered.
TEST_F(PictureGuardTest, HelperHoldsNoOtherDescriptors) {
    const std::string inherited = write("inherited.txt", "x");
    const int open = ::open(inherited.c_str(), O_RDONLY);  // not close-on-exec
    forms::setPictureHelperTestMode("");
    const std::string picture = jpeg();
    ASSERT_EQ(thumbnail(picture).outcome, DecodeOutcome::Decoded);
    ::close(open);
    const std::string fds = "/proc/" + std::to_string(helperPid()) + "/fd";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(fds)) {
        std::error_code ec;
        const std::string target = std::filesystem::read_symlink(entry.path(), ec).string();
        EXPECT_NE(target, inherited);
        EXPECT_NE(target, picture);
        ++count;
    }
    EXPECT_GT(count, 0);
}

// Started by a process that is not its parent, the helper ends at once,
// before it says it is ready.
TEST(PictureHelperStartTest, HelperOfAnotherParentEndsAtOnce) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair), 0);
    std::string self(4096, '\0');
    self.resize(std::size_t(std::max<ssize_t>(0, ::readlink("/proc/self/exe", self.data(), self.size()))));
    std::string helper = (std::filesystem::path(self).parent_path() / "lumadraw-picture").string();
    std::string parent = std::to_string(::getppid());
    char* argv[] = {helper.data(), parent.data(), nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, pair[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&files, pair[1], STDOUT_FILENO);
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, helper.c_str(), &files, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&files);
    ::close(pair[1]);
    char byte = 0;
    EXPECT_EQ(::read(pair[0], &byte, 1), 0);  // the end, no ready byte
    ::close(pair[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
}

// --- Files and helpers that are not the picture's fault -------------------------

// A picture swapped for a FIFO, a device or a folder is refused at once:
// nothing waits for a writer that never comes.
TEST_F(PictureGuardTest, FifoDeviceOrFolderInPlaceOfAPictureIsRefusedAtOnce) {
    const std::string fifo = path("swapped.jpg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto loading = std::async(std::launch::async, [&] { return thumbnail(fifo).outcome; });
    if (loading.wait_for(3s) != std::future_status::ready) {
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);  // lets a blocked open go on
        loading.wait();
        ::close(writer);
        FAIL() << "opening a FIFO waited for a writer";
    }
    EXPECT_EQ(loading.get(), DecodeOutcome::NotAPicture);
    std::filesystem::create_symlink("/dev/zero", path("device.bmp"));
    QDir().mkpath(QString::fromStdString(path("folder.gif")));
    for (const char* name : {"device.bmp", "folder.gif"}) EXPECT_EQ(thumbnail(path(name)).outcome, DecodeOutcome::NotAPicture) << name;
}

// A helper that died while idle is reaped by the event loop, not left a
// zombie until the next picture; the next picture is decoded on a new one.
TEST_F(PictureGuardTest, HelperThatDiesWhileIdleIsReapedAtOnce) {
    const std::string picture = jpeg();
    ASSERT_EQ(thumbnail(picture).outcome, DecodeOutcome::Decoded);
    const pid_t helper = helperPid();
    ::kill(helper, SIGKILL);
    const auto start = Clock::now();
    while (processExists(helper) && Clock::now() - start < 2s) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_FALSE(processExists(helper));
    EXPECT_EQ(thumbnail(picture).outcome, DecodeOutcome::Decoded);
    EXPECT_NE(helperPid(), helper);
}

// A stopped helper is not the picture's fault: after the wall-clock cap
// the picture is decoded on a new helper.
TEST_F(PictureGuardTest, StoppedHelperIsReplacedAndThePictureDecoded) {
    const std::string picture = jpeg();
    ASSERT_EQ(thumbnail(picture).outcome, DecodeOutcome::Decoded);
    const pid_t helper = helperPid();
    ::kill(helper, SIGSTOP);
    const auto start = Clock::now();
    const forms::DecodedPicture again = thumbnail(picture, 250ms);
    EXPECT_EQ(again.outcome, DecodeOutcome::Decoded);
    EXPECT_LT(Clock::now() - start, 3s);
    EXPECT_FALSE(processExists(helper));
}

// A helper that never says it is ready costs its start-up wait, three
// times at most; then pictures are refused at once, with one line on
// stderr.
TEST_F(PictureGuardTest, HelperThatNeverStartsIsGivenUpAfterThreeTries) {
    forms::setPictureHelperTestMode("no-ready");
    const std::string picture = jpeg();
    testing::internal::CaptureStderr();
    const auto start = Clock::now();
    EXPECT_EQ(thumbnail(picture).outcome, DecodeOutcome::HelperFailed);
    EXPECT_EQ(thumbnail(picture).outcome, DecodeOutcome::HelperFailed);
    EXPECT_LT(Clock::now() - start, 3500ms);
    const auto third = Clock::now();
    EXPECT_EQ(thumbnail(picture).outcome, DecodeOutcome::HelperFailed);
    EXPECT_LT(Clock::now() - third, 100ms);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("failed to start 3 times"), std::string::npos) << said;
}

// Pictures asked ahead come back in the order asked; giving up the queue
// kills the helpers still decoding, at once.
TEST_F(PictureGuardTest, QueueAnswersInOrderAndGivesUpAtOnce) {
    std::vector<std::string> files;
    for (QColor colour : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        files.push_back(path(colour.name().toStdString().substr(1) + ".bmp"));
        image.save(QString::fromStdString(files.back()));
    }
    const std::string looping = write("looping.wmf", loopingMetafile());
    forms::PictureQueue queue;
    for (const std::string& file : {files[0], files[1], looping, files[2]})
        queue.ask(forms::openPictureFile(file), forms::pictureKindOf(file), kThumbnail, 5s);
    EXPECT_EQ(queue.take().image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(queue.take().image.pixel(0, 0), qRgb(0, 255, 0));
    std::this_thread::sleep_for(50ms);  // the looping metafile is being drawn
    const auto start = Clock::now();
    queue.abandon();
    EXPECT_LT(Clock::now() - start, 500ms);
    EXPECT_EQ(queue.take().outcome, DecodeOutcome::NotAPicture);  // nothing left
    EXPECT_EQ(thumbnail(files[2]).image.pixel(0, 0), qRgb(0, 0, 255));
}

// --- Hostile pictures ----------------------------------------------------------

double peakMB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024;
    return 0;
}

// Small files that make a decoder run for seconds or fill hundreds of
// megabytes cost the window neither: each thumbnail comes back within its
// time (blank, or a picture), and the window's memory stays where it was.
TEST_F(PictureGuardTest, HostilePicturesCostTheWindowNeitherTimeNorMemory) {
    using namespace hostile_pictures;
    const std::pair<const char*, QByteArray> pictures[] = {
        {"scans.jpg", progressiveEmptyScans(8192, 8192, 1, 1000)},
        {"cmyk.jpg", progressiveEmptyScans(8192, 8192, 4, 1)},
        {"grey16.png", greyPng16(8192, 8192)},
        {"rle8.bmp", rle8Bmp(8192, 8192)},
        {"screen.gif", hugeScreenGif(8192, 8192)},
    };
    ASSERT_EQ(thumbnail(jpeg()).outcome, DecodeOutcome::Decoded);  // the helper is running
    std::ofstream("/proc/self/clear_refs") << "5";
    const double before = peakMB();
    for (const auto& [name, bytes] : pictures) {
        const auto start = Clock::now();
        const forms::DecodedPicture picture = thumbnail(write(name, bytes), 250ms);
        EXPECT_LT(Clock::now() - start, 1500ms) << name;
        EXPECT_TRUE(picture.image.isNull() || picture.image.size() == kThumbnail) << name;
    }
    EXPECT_EQ(thumbnail(write("scans.jpg", progressiveEmptyScans(8192, 8192, 1, 1000)), 250ms).outcome,
              DecodeOutcome::OutOfTime);
    EXPECT_LT(peakMB() - before, 40);
}

}  // namespace
