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

// CPU seconds one picture may take in the helper. The window program stops
// a helper that is still drawing after the picture's own limit (at most a
// couple of seconds), so this is only the backstop for a helper whose
// window program is gone without it noticing: the system ends it (SIGXCPU)
// this long into a picture that never finishes.
constexpr rlim_t kCpuSecondsPerPicture = 30;

// Allows the picture about to be drawn kCpuSecondsPerPicture more of CPU
// time than the helper has used so far (the hard limit, if any, stays).
void limitCpuForNextPicture() {
    rusage used{};
    rlimit cpu{};
    if (::getrusage(RUSAGE_SELF, &used) != 0 || ::getrlimit(RLIMIT_CPU, &cpu) != 0) return;
    const rlim_t soFar = rlim_t(used.ru_utime.tv_sec + used.ru_stime.tv_sec) + 1;
    cpu.rlim_cur = soFar + kCpuSecondsPerPicture;
    if (cpu.rlim_max != RLIM_INFINITY && cpu.rlim_cur > cpu.rlim_max) cpu.rlim_cur = cpu.rlim_max;
    ::setrlimit(RLIMIT_CPU, &cpu);
}

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
    int in = -1, out = -1;
    if (!takeChannels(in, out) || !writeAll(out, &protocol::kReady, 1)) return 1;

    std::vector<std::uint8_t> header(protocol::kRequestHeaderBytes), metafile;
    // The end of the input is the window program closing its side: done.
    while (readAll(in, header.data(), header.size())) {
        const std::optional<protocol::Request> request = protocol::parseRequest(header);
        if (!request) return 2;
        metafile.resize(request->byteCount);
        if (!readAll(in, metafile.data(), metafile.size())) return 2;
        limitCpuForNextPicture();
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
