// lumadraw-metafile: draws metafiles for the window program, which starts
// it (posix_spawn) from beside itself and talks to it over its stdin and
// stdout (forms/metafile_protocol.h): one request in, one answer out, for
// as long as the window program runs. libwmf is old C code that trusts the
// file; here a metafile that crashes it or never ends costs the window
// program no more than a blank picture.
//
// Usage: lumadraw-metafile PARENT-PID
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <span>
#include <vector>

#include "forms/metafile_protocol.h"
#include "metafile_helper/wmf_draw.h"

namespace {

namespace protocol = forms::metafile_protocol;

// CPU seconds the helper may use in all: a thumbnail takes about a
// millisecond and a canvas-sized picture tens of them, and every picture
// that takes longer than its time limit ends its helper anyway, so a whole
// session of sound metafiles stays far below an hour. A helper that reaches
// it is ended by the system (SIGXCPU, then SIGKILL a minute later), however
// it runs; the window program starts a new one for the next metafile.
constexpr rlim_t kCpuSeconds = 3600;

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
bool tiedToParent(int argc, char** argv) {
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || argc != 2) return false;
    char* end = nullptr;
    const long parent = std::strtol(argv[1], &end, 10);
    return end && *end == '\0' && parent > 0 && ::getppid() == pid_t(parent);
}

// The protocol keeps the input and output to itself: anything else that
// writes to stdout (a library's message) goes to stderr instead.
bool takeChannels(int& in, int& out) {
    in = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    out = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    return in >= 0 && out >= 0 && null >= 0 && ::dup2(null, STDIN_FILENO) >= 0 &&
           ::dup2(STDERR_FILENO, STDOUT_FILENO) >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!tiedToParent(argc, argv)) return 1;
    const rlimit cpu{kCpuSeconds, kCpuSeconds + 60};
    ::setrlimit(RLIMIT_CPU, &cpu);
    int in = -1, out = -1;
    if (!takeChannels(in, out) || !writeAll(out, &protocol::kReady, 1)) return 1;

    std::vector<std::uint8_t> header(protocol::kRequestHeaderBytes), metafile;
    // The end of the input is the window program closing its side: done.
    while (readAll(in, header.data(), header.size())) {
        const std::optional<protocol::Request> request = protocol::parseRequest(header);
        if (!request) return 2;
        metafile.resize(request->byteCount);
        if (!readAll(in, metafile.data(), metafile.size())) return 2;
        const std::optional<metafile_helper::Pixels> pixels =
            metafile_helper::drawMetafile(metafile, request->width, request->height, request->maxPixels);
        protocol::Answer answer;
        if (pixels) answer = {protocol::Status::Drawn, pixels->width, pixels->height};
        const auto encoded = protocol::encodeAnswer(answer);
        if (!writeAll(out, encoded.data(), encoded.size())) return 2;
        if (pixels && !writeAll(out, pixels->rows.data(), pixels->rows.size() * sizeof pixels->rows[0])) return 2;
    }
    return 0;
}
