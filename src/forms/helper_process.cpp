#include "forms/helper_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

extern char** environ;

namespace forms {

namespace {

using Clock = HelperProcess::Clock;

// Waits until `fd` is ready for `events` or patience runs out. A signal
// that interrupts the wait is no reason to give up.
bool ready(int fd, short events, const HelperProcess::Patience& patience) {
    for (;;) {
        const std::optional<Clock::time_point> until = patience();
        if (!until) return false;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(*until - Clock::now()).count();
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, int(std::clamp<long long>(left, 0, 60'000)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n > 0) return true;
    }
}

std::filesystem::path programFolder() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
}

// Moves exactly `size` bytes with `move`, which moves some of them from
// `at` and returns how many (or -1 with errno), waiting for `events` in
// between while patience lasts.
template <class Move>
bool transfer(int fd, char* at, std::size_t size, short events, const HelperProcess::Patience& patience, Move move) {
    while (size > 0) {
        const ssize_t n = move(at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!ready(fd, events, patience)) return false;
            continue;
        }
        if (n <= 0) return false;
        at += n;
        size -= std::size_t(n);
    }
    return true;
}

}  // namespace

bool HelperProcess::start(const std::string& name, const std::vector<std::string>& arguments) {
    stop();
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
    const std::string path = (programFolder() / name).string();
    std::vector<std::string> words{path, std::to_string(::getpid())};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

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
    const int failed = ::posix_spawn(&pid, path.c_str(), &files, &attributes, argv.data(), environ);
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

bool HelperProcess::send(const void* data, std::size_t size, int fd, const Patience& patience) {
    if (fd_ < 0) return false;
    char* at = static_cast<char*>(const_cast<void*>(data));
    // The descriptor goes with the first bytes that leave.
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    bool descriptorSent = fd < 0;
    // MSG_NOSIGNAL: a helper that died gives an error here, not SIGPIPE.
    return transfer(fd_, at, size, POLLOUT, patience, [&](char* from, std::size_t n) {
        iovec part{from, n};
        msghdr message{};
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        if (!descriptorSent) {
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            cmsghdr* c = CMSG_FIRSTHDR(&message);
            c->cmsg_level = SOL_SOCKET;
            c->cmsg_type = SCM_RIGHTS;
            c->cmsg_len = CMSG_LEN(sizeof(int));
            std::memcpy(CMSG_DATA(c), &fd, sizeof fd);
        }
        const ssize_t sent = ::sendmsg(fd_, &message, MSG_NOSIGNAL);
        if (sent > 0) descriptorSent = true;
        return sent;
    });
}

bool HelperProcess::receive(void* data, std::size_t size, const Patience& patience) {
    if (fd_ < 0) return false;
    return transfer(fd_, static_cast<char*>(data), size, POLLIN, patience,
                    [this](char* at, std::size_t n) { return ::recv(fd_, at, n, 0); });
}

HelperProcess::Patience HelperProcess::until(Clock::time_point deadline) {
    return [deadline]() -> std::optional<Clock::time_point> {
        if (Clock::now() >= deadline) return std::nullopt;
        return deadline;
    };
}

bool HelperProcess::send(const void* data, std::size_t size, Clock::time_point deadline) {
    return send(data, size, -1, until(deadline));
}

bool HelperProcess::receive(void* data, std::size_t size, Clock::time_point deadline) {
    return receive(data, size, until(deadline));
}

std::optional<std::chrono::nanoseconds> HelperProcess::cpuTime() const {
    clockid_t clock;
    timespec used{};
    if (pid_ <= 0 || ::clock_getcpuclockid(pid_, &clock) != 0 || ::clock_gettime(clock, &used) != 0) return {};
    return std::chrono::seconds(used.tv_sec) + std::chrono::nanoseconds(used.tv_nsec);
}

bool HelperProcess::endedUnasked() const {
    if (fd_ < 0) return true;
    pollfd p{fd_, POLLIN, 0};
    int n;
    do n = ::poll(&p, 1, 0);
    while (n < 0 && errno == EINTR);
    return n != 0;
}

void HelperProcess::stop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        lastExitStatus_ = status;
    }
    pid_ = 0;
}

}  // namespace forms
