// A helper program started beside the running program (posix_spawn, never
// a fork of this threaded process), with its stdin and stdout joined to one
// socket here. Every wait is bounded. No Qt.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <string>

namespace forms {

class HelperProcess {
public:
    using Clock = std::chrono::steady_clock;

    HelperProcess() = default;
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;
    ~HelperProcess() { stop(); }

    // Starts `name` from the running program's folder with this process's
    // id as its one argument. Its parent-death signal follows the calling
    // thread: start it from the thread that lives as long as the program.
    bool start(const std::string& name);
    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }

    // Write or read exactly `size` bytes before `deadline`; false when the
    // helper closed its side, failed or the deadline passed.
    bool send(const void* data, std::size_t size, Clock::time_point deadline);
    bool receive(void* data, std::size_t size, Clock::time_point deadline);

    // Kills the helper (SIGKILL) and reaps it.
    void stop();

private:
    pid_t pid_ = 0;
    int fd_ = -1;
};

}  // namespace forms
