// The live timers: their period and countdown, and ticks held back while the
// program works outside the event loop.
#include "forms/timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <optional>

#include "forms/form.h"
#include "support/paint_recorder.h"

using namespace forms;

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { Timer::setLiveTimers(true); }
    void TearDown() override { Timer::setLiveTimers(false); }

    // Starts the timer every `ms` milliseconds, counting its ticks in `ticks`.
    static void start(Timer& t, int ms, int& ticks) {
        t.TimerEvent = [&ticks] { ++ticks; };
        t.setInterval(ms);
        t.setEnabled(true);
    }
    // Runs the event loop for `ms` milliseconds.
    static void runEvents(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
    }
};

}  // namespace

TEST_F(TimerTest, NeverFasterThan15msAndEnablingARunningTimerKeepsItsCountdown) {
    Timer timer("Timer1");
    timer.setInterval(1);
    EXPECT_EQ(timer.livePeriodMs(), 15);
    int ticks = 0;
    start(timer, 300, ticks);
    QElapsedTimer clock;
    clock.start();
    QThread::msleep(200);
    timer.setEnabled(true);  // a second Play changes nothing
    // Due 300 ms after the first enable; had the second one restarted the
    // countdown, not before 500 ms.
    runEvents(static_cast<int>(450 - clock.elapsed()));
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, TicksWaitForTheHoldAndComeOnceFromTheEventLoop) {
    Timer held("Timer1"), stopped("Timer2");
    int heldTicks = 0, stoppedTicks = 0;
    start(held, 15, heldTicks);
    start(stopped, 15, stoppedTicks);
    {
        std::optional<TimerTickHold> outer(std::in_place);
        {
            TimerTickHold inner;
            runEvents(100);  // each timer comes due several times
        }
        runEvents(20);  // the outer hold still stands
        EXPECT_EQ(heldTicks, 0);
        EXPECT_EQ(stoppedTicks, 0);
        stopped.setEnabled(false);  // a stopped timer has nothing to catch up
        held.setInterval(1000);     // so that only the held tick can come
        outer.reset();
        // Not from the code that ended the hold...
        EXPECT_EQ(heldTicks, 0);
    }
    // ...but from the event loop, once.
    runEvents(50);
    EXPECT_EQ(heldTicks, 1);
    EXPECT_EQ(stoppedTicks, 0);
}

// A form's Show lets the window paint itself while the program works on, but
// no timer's handler runs there: a tick that came due runs from the event loop.
TEST_F(TimerTest, FormShowPaintsButHoldsTimerTicks) {
    Form form("Form1");
    form.Move(0, 0, 3000, 3000);
    form.Show();
    Timer timer("Timer1");
    int ticks = 0;
    start(timer, 50, ticks);
    PaintRecorder recorder(form.widget());
    recorder.start();
    QThread::msleep(80);  // due, with no event loop running
    form.widget()->update();
    form.Show();
    EXPECT_FALSE(recorder.region().isEmpty());
    EXPECT_EQ(ticks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}
