// A helper program started beside the running program (posix_spawn, never
// a fork of this threaded process), with its stdin and stdout joined to one
// socket here. Every wait is bounded. No Qt.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class HelperProcess {
public:
    using Clock = std::chrono::steady_clock;
    // Asked before each wait of a transfer: until when to wait before it
    // is asked again, or nothing to give up.
    using Patience = std::function<std::optional<Clock::time_point>()>;

    HelperProcess() = default;
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;
    ~HelperProcess() { stop(); }

    // Starts `name` from the running program's folder with this process's
    // id as its first argument and then `arguments`. It inherits no file of
    // this process but its channel and stderr. Its parent-death signal
    // follows the calling thread: start it from the thread that lives as
    // long as the program.
    bool start(const std::string& name, const std::vector<std::string>& arguments = {});
    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    // This side of the channel, -1 when none runs.
    int channel() const { return fd_; }

    // Write or read exactly `size` bytes while `patience` lasts; false when
    // the helper closed its side, failed or patience ran out. A helper
    // that died gives false, never SIGPIPE. `send` passes the descriptor
    // `fd` along with the bytes when it is not -1.
    bool send(const void* data, std::size_t size, int fd, const Patience& patience);
    bool receive(void* data, std::size_t size, const Patience& patience);
    // The same until `deadline`.
    bool send(const void* data, std::size_t size, Clock::time_point deadline);
    bool receive(void* data, std::size_t size, Clock::time_point deadline);
    static Patience until(Clock::time_point deadline);

    // The CPU time the helper has used, all its threads together; nothing
    // when none runs or it cannot be read.
    std::optional<std::chrono::nanoseconds> cpuTime() const;

    // Whether the helper is gone while it was owed nothing: it ended, or it
    // closed or wrote on its channel unasked. Asks without waiting.
    bool endedUnasked() const;

    // Kills the helper (SIGKILL) and reaps it.
    void stop();
    // How the last helper stopped ended, as waitpid tells it (0 before any).
    int lastExitStatus() const { return lastExitStatus_; }

private:
    pid_t pid_ = 0;
    int fd_ = -1;
    int lastExitStatus_ = 0;
};

}  // namespace forms
