// lumadraw-picture: decodes the gallery's pictures for the window program,
// which starts it (posix_spawn) from beside itself and talks to it over its
// stdin and stdout, one socket (forms/picture_protocol.h): one request in,
// with the picture file's open descriptor, one answer out, for as long as
// the window program runs. Image decoders, libwmf above all, are old C
// code that trusts the file; here a picture that crashes one, never ends
// or asks for all memory costs the window program no more than a blank
// picture, and the helper can neither open a file nor start a program.
//
// Usage: lumadraw-picture PARENT-PID [TEST-MODE]
// TEST-MODE makes the helper misbehave on purpose, so that the tests can
// check the window program's guards and the helper's confinement:
//   open-file  tries to open a file before each picture;
//   allocate   tries to use 1.5 GB before each picture;
//   oversize   answers one pixel wider than asked;
//   slow       waits 300 ms before each answer;
//   hang-up    closes its channel once it is ready;
//   no-ready   never says it is ready.
// A misbehaviour that succeeds (a file opened, the memory had) answers a
// 1 x 1 picture, so that the test sees it.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "forms/picture_protocol.h"
#include "picture_helper/confinement.h"
#include "picture_helper/decode.h"

namespace {

namespace protocol = forms::picture_protocol;

// Moves exactly `size` bytes with `move` (read or write); false at the end
// of the input or on an error.
template <class Move>
bool transfer(int fd, char* at, std::size_t size, Move move) {
    while (size > 0) {
        const ssize_t n = move(fd, at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        size -= std::size_t(n);
    }
    return true;
}

bool readAll(int fd, void* data, std::size_t size) {
    return transfer(fd, static_cast<char*>(data), size, [](int f, char* at, std::size_t n) { return ::read(f, at, n); });
}

bool writeAll(int fd, const void* data, std::size_t size) {
    return transfer(fd, static_cast<char*>(const_cast<void*>(data)), size,
                    [](int f, char* at, std::size_t n) { return ::write(f, at, n); });
}

// The helper ends with the window program: the kernel kills it when its
// parent ends, and a parent that ended before that was set up is caught by
// comparing it with the one named on the command line.
bool tiedToParent(const char* parentArgument) {
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0) return false;
    char* end = nullptr;
    const long parent = std::strtol(parentArgument, &end, 10);
    return end && *end == '\0' && parent > 0 && ::getppid() == pid_t(parent);
}

// The protocol keeps the input and output to itself: anything else that
// writes to stdout (a library's message) goes to stderr instead.
bool takeChannels(int& in, int& out) {
    in = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    out = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const bool taken = in >= 0 && out >= 0 && null >= 0 && ::dup2(null, STDIN_FILENO) >= 0 &&
                       ::dup2(STDERR_FILENO, STDOUT_FILENO) >= 0;
    if (null >= 0) ::close(null);
    return taken;
}

// One request's header and the descriptor that came with it (-1 when none
// or more than one came: every one received is closed but that one).
struct Received {
    std::vector<std::uint8_t> header = std::vector<std::uint8_t>(protocol::kRequestHeaderBytes);
    int fd = -1;
};

// False at the end of the input (the window program closed its side) or
// on an error.
bool receiveRequest(int in, Received& received) {
    constexpr int kMostDescriptors = 4;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * kMostDescriptors)];
    iovec part{received.header.data(), received.header.size()};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t n;
    do n = ::recvmsg(in, &message, MSG_CMSG_CLOEXEC);
    while (n < 0 && errno == EINTR);
    if (n <= 0) return false;
    std::vector<int> fds;
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS) continue;
        const std::size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (std::size_t i = 0; i < count; ++i) {
            int fd;
            std::memcpy(&fd, CMSG_DATA(c) + i * sizeof(int), sizeof fd);
            fds.push_back(fd);
        }
    }
    if (fds.size() == 1 && !(message.msg_flags & MSG_CTRUNC)) {
        received.fd = fds[0];
    } else {
        for (int fd : fds) ::close(fd);
    }
    return readAll(in, received.header.data() + n, received.header.size() - std::size_t(n));
}

std::uint64_t cpuMicroseconds() {
    rusage used{};
    ::getrusage(RUSAGE_SELF, &used);
    return std::uint64_t(used.ru_utime.tv_sec + used.ru_stime.tv_sec) * 1'000'000 +
           std::uint64_t(used.ru_utime.tv_usec + used.ru_stime.tv_usec);
}

// What a test mode does before a picture: true when it got what the
// confinement should have refused.
bool misbehave(const std::string& mode) {
    if (mode == "open-file") {
        const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (fd >= 0) ::close(fd);
        return fd >= 0;
    }
    if (mode == "allocate") {
        const std::size_t size = std::size_t(1536) << 20;
        void* block = std::malloc(size);
        if (block) std::memset(block, 1, size);
        std::free(block);
        return block != nullptr;
    }
    if (mode == "slow") {
        const timespec wait{0, 300'000'000};
        ::nanosleep(&wait, nullptr);
    }
    return false;
}

QImage answerFor(const protocol::Request& request, int fd, const std::string& mode) {
    if (misbehave(mode)) {
        QImage got(1, 1, QImage::Format_RGB32);
        got.fill(Qt::white);
        return got;
    }
    QImage image = fd >= 0 ? picture_helper::decodeFile(fd, request) : QImage();
    if (mode == "oversize" && request.width > 0) {
        image = QImage(int(request.width) + 1, int(request.height), QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || !tiedToParent(argv[1])) return 1;
    const std::string mode = argc == 3 ? argv[2] : "";
    int in = -1, out = -1;
    if (!takeChannels(in, out)) return 1;
    picture_helper::loadImagePlugins();
    if (!picture_helper::confine()) return 1;
    if (mode == "no-ready") {
        for (;;) ::pause();
    }
    if (!writeAll(out, &protocol::kReady, 1)) return 1;
    if (mode == "hang-up") {
        ::close(in);
        ::close(out);
        ::close(STDIN_FILENO);
        ::close(STDOUT_FILENO);
        for (;;) ::pause();
    }

    // The end of the input is the window program closing its side: done.
    Received received;
    while (receiveRequest(in, received)) {
        const std::optional<protocol::Request> request = protocol::parseRequest(received.header);
        if (!request) return 2;
        picture_helper::limitCpuForNextPicture();
        const std::uint64_t cpuBefore = cpuMicroseconds();
        const QImage image = answerFor(*request, received.fd, mode);
        if (received.fd >= 0) ::close(received.fd);
        received.fd = -1;
        protocol::Answer answer;
        if (!image.isNull())
            answer = {protocol::Status::Decoded, std::uint32_t(image.width()), std::uint32_t(image.height()),
                      image.format() == QImage::Format_ARGB32 ? protocol::Format::Transparent : protocol::Format::Opaque,
                      0};
        answer.cpuMicroseconds = cpuMicroseconds() - cpuBefore;
        const auto encoded = protocol::encodeAnswer(answer);
        if (!writeAll(out, encoded.data(), encoded.size())) return 2;
        if (!image.isNull() && !writeAll(out, image.constBits(), std::size_t(image.sizeInBytes()))) return 2;
    }
    return 0;
}
