#include "forms/timer.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <set>

#include "forms/guard.h"

namespace forms {

namespace {

bool g_liveTimers = true;
int g_tickHolds = 0;

// Every timer, so that switching live timers off and on reaches them all.
std::set<Timer*>& allTimers() {
    static std::set<Timer*> timers;
    return timers;
}

// Timers that came due while their ticks were held.
std::set<Timer*>& heldTimers() {
    static std::set<Timer*> timers;
    return timers;
}

// The run time's timers tick no faster than the system clock's 15 ms.
constexpr int kMinimumPeriodMs = 15;

}  // namespace

Timer::Timer(std::string name, int index) : Control(ControlKind::Timer, std::move(name), index) {
    timer_ = new QTimer();
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { due(); });
    allTimers().insert(this);
}

Timer::~Timer() {
    allTimers().erase(this);
    heldTimers().erase(this);
    delete timer_;
}

void Timer::setEnabled(bool e) {
    if (e == enabled_) return;
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
    if (g_liveTimers && enabled_ && interval_ > 0) {
        timer_->start(std::max(interval_, kMinimumPeriodMs));
    } else {
        timer_->stop();
        heldTimers().erase(this);  // a stopped timer has no tick to catch up
    }
}

void Timer::due() {
    if (g_tickHolds > 0) {
        heldTimers().insert(this);  // however often it came due, one tick
        return;
    }
    heldTimers().erase(this);  // this tick is the one that was held back
    runFromQt([this] { tick(); });
}

void Timer::runHeldTicks() {
    // A handler may stop or destroy other held timers; each leaves the set.
    while (g_tickHolds == 0 && !heldTimers().empty()) (*heldTimers().begin())->due();
}

TimerTickHold::TimerTickHold() { ++g_tickHolds; }

TimerTickHold::~TimerTickHold() {
    if (--g_tickHolds > 0 || heldTimers().empty()) return;
    // From the event loop: not inside the work that held them.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &Timer::runHeldTicks, Qt::QueuedConnection);
}

}  // namespace forms
