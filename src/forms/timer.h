// The Timer control: a windowless control whose Timer event runs every
// Interval ms while it is enabled, and the hold that keeps its ticks back
// while the program works outside the event loop.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"

class QTimer;

namespace forms {

// The live timer never runs faster than every 15 ms; tests call tick()
// directly.
class Timer : public Control {
public:
    explicit Timer(std::string name, int index = -1);
    ~Timer() override;
    // Enabled() tells whether the timer runs. Enabling a running timer
    // changes nothing: its countdown goes on from where it stands.
    void setEnabled(bool e) override;
    int Interval() const { return interval_; }
    void setInterval(int ms);  // 0 stops the timer, as the run time does
    // Runs the Timer event once.
    void tick();
    std::function<void()> TimerEvent;
    // When false, no live timer runs (tests drive tick() themselves).
    static void setLiveTimers(bool live);
    // The live timer's period in ms; 0 while it does not run.
    int livePeriodMs() const;

private:
    friend class TimerTickHold;
    void restart();
    // The live timer came due: ticks now, or once the hold has ended.
    void due();
    static void runHeldTicks();

    int interval_ = 0;
    QTimer* timer_ = nullptr;
};

// While one lives, no Timer event runs: the window may pump its events to
// paint itself in the middle of the program's work (start-up above all)
// without a timer's handler running there. A timer that comes due meanwhile
// ticks once, from the event loop, after the last hold has ended.
class TimerTickHold {
public:
    TimerTickHold();
    ~TimerTickHold();
    TimerTickHold(const TimerTickHold&) = delete;
    TimerTickHold& operator=(const TimerTickHold&) = delete;
};

}  // namespace forms
