#include <QTimer>
#include <algorithm>
#include <set>

#include "forms/controls.h"
#include "forms/guard.h"

namespace forms {

namespace {

bool g_liveTimers = true;

// Every timer, so that switching live timers off and on reaches them all.
std::set<Timer*>& allTimers() {
    static std::set<Timer*> timers;
    return timers;
}

// The run time's timers tick no faster than the system clock's 15 ms.
constexpr int kMinimumPeriodMs = 15;

}  // namespace

Timer::Timer(std::string name, int index) : Control(ControlKind::Timer, std::move(name), index) {
    timer_ = new QTimer();
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { runFromQt([this] { tick(); }); });
    allTimers().insert(this);
}

Timer::~Timer() {
    allTimers().erase(this);
    delete timer_;
}

void Timer::setEnabled(bool e) {
    enabled_ = e;
    restart();
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    restart();
}

void Timer::tick() {
    if (TimerEvent) TimerEvent();
}

void Timer::setLiveTimers(bool live) {
    g_liveTimers = live;
    for (Timer* t : allTimers()) t->restart();
}

int Timer::livePeriodMs() const { return timer_->isActive() ? timer_->interval() : 0; }

void Timer::restart() {
    if (g_liveTimers && enabled_ && interval_ > 0)
        timer_->start(std::max(interval_, kMinimumPeriodMs));
    else
        timer_->stop();
}

}  // namespace forms
