#include "forms/helper_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

extern char** environ;

namespace forms {

namespace {

// Waits until `fd` is ready for `events` or the deadline passes.
bool ready(int fd, short events, HelperProcess::Clock::time_point deadline) {
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - HelperProcess::Clock::now()).count();
        if (left <= 0) return false;
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, int(std::min<long long>(left, 60'000)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n > 0) return true;
    }
}

std::filesystem::path programFolder() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
}

}  // namespace

bool HelperProcess::start(const std::string& name) {
    stop();
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
    const std::string path = (programFolder() / name).string();
    const std::string parent = std::to_string(::getpid());
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>(parent.c_str()), nullptr};

    // The helper's stdin and stdout are its end of the socket; nothing else
    // of this process's files reaches it. It starts with the default signal
    // handling, whatever this process set.
    posix_spawn_file_actions_t files;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, pair[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&files, pair[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, path.c_str(), &files, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    ::close(pair[1]);
    if (failed != 0) {
        ::close(pair[0]);
        return false;
    }
    pid_ = pid;
    fd_ = pair[0];
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
    return true;
}

namespace {

// Moves exactly `size` bytes with `move` (send or recv on `fd`), waiting
// for `events` in between, before `deadline`.
template <class Move>
bool transfer(int fd, char* at, std::size_t size, short events, HelperProcess::Clock::time_point deadline, Move move) {
    while (size > 0) {
        const ssize_t n = move(fd, at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!ready(fd, events, deadline)) return false;
            continue;
        }
        if (n <= 0) return false;
        at += n;
        size -= std::size_t(n);
    }
    return true;
}

}  // namespace

bool HelperProcess::send(const void* data, std::size_t size, Clock::time_point deadline) {
    // MSG_NOSIGNAL: a helper that died gives an error here, not SIGPIPE.
    return transfer(fd_, static_cast<char*>(const_cast<void*>(data)), size, POLLOUT, deadline,
                    [](int fd, char* at, std::size_t n) { return ::send(fd, at, n, MSG_NOSIGNAL); });
}

bool HelperProcess::receive(void* data, std::size_t size, Clock::time_point deadline) {
    return transfer(fd_, static_cast<char*>(data), size, POLLIN, deadline,
                    [](int fd, char* at, std::size_t n) { return ::recv(fd, at, n, 0); });
}

void HelperProcess::stop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    pid_ = 0;
}

}  // namespace forms
