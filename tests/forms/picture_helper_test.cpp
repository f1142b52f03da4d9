// Pictures decoded by the helper program: time limits counted in its CPU
// time, a helper that dies or whose window program dies, no fork of the
// window program, the frame of a placeable metafile, the header check.
#include "forms/picture_decoder.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "forms/picture_io.h"
#include "picture_helper/metafile_header.h"
#include "support/looping_metafile.h"
#include "support/process_state.h"
#include "support/test_metafile.h"

extern char** environ;

// The window program must never fork (it is threaded); every fork of the
// test binary is counted here before it goes to the C library's.
static std::atomic<int> forkCalls{0};
extern "C" pid_t fork() {
    ++forkCalls;
    static auto real = reinterpret_cast<pid_t (*)()>(dlsym(RTLD_NEXT, "fork"));
    return real();
}

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
constexpr const char* kChildRole = "LUMADRAW_TEST_PICTURE_CHILD";

// `bytes` as a file of that name in a folder of its own for the test run.
std::string fileOf(const QByteArray& bytes, const std::string& name) {
    static QTemporaryDir dir;
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.constData(), bytes.size());
    return path;
}

// A placeable metafile (1000 x 750 units) whose one rectangle, red inside a
// green outline 100 units wide, lies exactly on its frame.
QByteArray outlinedRectangle() {
    return QByteArray::fromHex(
        "d7cdc69a000000000000e803ee02e80300000000ff55"  // placeable header
        "010009000003380000000200080000000000"          // header
        "0400000003010800"                              // anisotropic mapping
        "050000000b0200000000"                          // window origin 0, 0
        "050000000c02ee02e803"                          // window extent 1000 x 750
        "08000000fa0200006400000000ff0000"              // green pen, 100 wide
        "040000002d010000"
        "07000000fc020000ff0000000000"  // red brush
        "040000002d010100"
        "070000001b04ee02e80300000000"  // rectangle 0, 0 - 1000, 750
        "030000000000");
}

bool redLeftBlueRight(const QImage& image) {
    const int y = image.height() / 2;
    return !image.isNull() && image.pixel(image.width() / 4, y) == qRgb(255, 0, 0) &&
           image.pixel(image.width() * 3 / 4, y) == qRgb(0, 0, 255);
}

forms::DecodedPicture thumbnail(const QByteArray& wmf, std::chrono::milliseconds limit = 5s) {
    return forms::decodePictureFile(fileOf(wmf, "thumbnail.wmf"), QSize(104, 78), limit);
}
QImage drawn(const QByteArray& wmf, QSize fit) {
    return forms::decodePictureFile(fileOf(wmf, "drawn.wmf"), fit, 5s).image;
}

pid_t helperPid() { return pid_t(forms::pictureHelperProcessId()); }

// The picture that never ends is given up after its CPU time, and the
// helper that decoded it is killed and reaped, not left a zombie.
TEST(PictureHelperTest, LoopingMetafileRunsOutOfItsCpuTimeAndItsHelperIsReaped) {
    ASSERT_TRUE(redLeftBlueRight(thumbnail(testMetafile()).image));
    const pid_t helper = helperPid();
    const auto start = Clock::now();
    const forms::DecodedPicture looping = thumbnail(loopingMetafile(), 300ms);
    EXPECT_TRUE(looping.image.isNull());
    EXPECT_EQ(looping.outcome, forms::DecodeOutcome::OutOfTime);
    EXPECT_GE(looping.cpu, 290ms);
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_FALSE(processExists(helper));  // reaped, not a zombie
    EXPECT_TRUE(redLeftBlueRight(thumbnail(testMetafile()).image));
}

// Run as a child by the test below: starts a helper, tells its id on file
// 3, then draws the looping metafile until it is killed.
TEST(PictureHelperChild, DrawsTheLoopingMetafile) {
    if (!std::getenv(kChildRole)) GTEST_SKIP() << "only run as the child of WindowProgramKilledLeavesNoHelper";
    thumbnail(testMetafile());
    const std::string pid = std::to_string(helperPid()) + "\n";
    ASSERT_EQ(::write(3, pid.data(), pid.size()), ssize_t(pid.size()));
    thumbnail(loopingMetafile(), 60s);
}

TEST(PictureHelperTest, WindowProgramKilledLeavesNoHelper) {
    int out[2];
    ASSERT_EQ(::pipe2(out, O_CLOEXEC), 0);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, out[1], 3);
    std::string self(4096, '\0');
    self.resize(std::size_t(std::max<ssize_t>(0, ::readlink("/proc/self/exe", self.data(), self.size()))));
    std::string filter = "--gtest_filter=PictureHelperChild.*";
    char* argv[] = {self.data(), filter.data(), nullptr};
    ::setenv(kChildRole, "1", 1);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, self.c_str(), &files, nullptr, argv, environ);
    ::unsetenv(kChildRole);
    posix_spawn_file_actions_destroy(&files);
    ::close(out[1]);
    ASSERT_EQ(spawned, 0);

    // The helper's id is the one line the child writes on file 3.
    std::string text;
    char c = 0;
    pollfd p{out[0], POLLIN, 0};
    while (text.find('\n') == std::string::npos && ::poll(&p, 1, 20000) > 0 && ::read(out[0], &c, 1) == 1) text += c;
    ::close(out[0]);
    const pid_t helper = pid_t(std::atol(text.c_str()));
    std::this_thread::sleep_for(200ms);  // well into the looping metafile
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_GT(helper, 0) << "the child wrote: " << text;

    const auto start = Clock::now();
    while (processRuns(helper) && Clock::now() - start < 3s) std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(processRuns(helper));
}

TEST(PictureHelperTest, WindowProgramNeverForks) {
    thumbnail(loopingMetafile(), 100ms);  // ends the running helper: the next one starts anew
    const int before = forkCalls;
    EXPECT_TRUE(redLeftBlueRight(thumbnail(testMetafile()).image));
    EXPECT_TRUE(redLeftBlueRight(drawn(testMetafile(), QSize())));
    EXPECT_EQ(forkCalls, before);
}

// Drawn at a canvas's size, the picture's frame fills the picture: the
// outline's outer half lies outside it, so the corners are the outline's
// colour and the red inside begins half an outline in (about 42 pixels of
// 832), not a whole outline plus a margin.
TEST(PictureHelperTest, PlaceableMetafileFillsThePictureWithItsFrame) {
    const QImage image = drawn(outlinedRectangle(), QSize(832, 768));
    ASSERT_FALSE(image.isNull());
    for (QPoint corner : {QPoint(0, 0), QPoint(831, 0), QPoint(0, 767), QPoint(831, 767)})
        EXPECT_EQ(image.pixel(corner), qRgb(0, 255, 0)) << corner.x() << "," << corner.y();
    int firstRed = 0;
    while (firstRed < image.width() && image.pixel(firstRed, 384) != qRgb(255, 0, 0)) ++firstRed;
    EXPECT_NEAR(firstRed, 42, 3);
}

// The library allocates the header's "largest record" before it reads any
// record: a 150-byte file that claims gigabytes never reaches it.
TEST(PictureHelperTest, HeaderClaimingARecordLargerThanTheFileIsRefused) {
    QByteArray wmf = testMetafile();
    const int largest = 22 + 12;  // after the placeable header
    wmf[largest + 3] = char(0x40);
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(wmf.constData()),
                                              std::size_t(wmf.size()));
    EXPECT_FALSE(picture_helper::hasMetafileHeader(bytes));
}

}  // namespace
