// What every benchmark program shares: its one Qt application, the process
// CPU clock, and a stopwatch for manually timed benchmarks.
#pragma once

#include <QApplication>
#include <chrono>

namespace bench {

// The application of this process, created on first use: on the platform
// QT_QPA_PLATFORM names, on the offscreen platform when it names none.
QApplication& app();

// CPU seconds used so far by every thread of this process.
double processCpuSeconds();

// Wall-clock seconds since construction.
class Stopwatch {
public:
    double seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point start_ = Clock::now();
};

}  // namespace bench
