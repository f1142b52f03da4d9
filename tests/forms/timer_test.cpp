// The live timers: their countdown, and ticks held back while the program
// works outside the event loop.
#include "forms/timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <optional>

#include "support/qt_app.h"

using namespace forms;

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureQtApp();
        Timer::setLiveTimers(true);
    }
    void TearDown() override { Timer::setLiveTimers(false); }

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

TEST_F(TimerTest, EnablingARunningTimerKeepsItsCountdown) {
    Timer timer("Timer1");
    int ticks = 0;
    timer.TimerEvent = [&] { ++ticks; };
    timer.setInterval(300);
    timer.setEnabled(true);
    QElapsedTimer clock;
    clock.start();
    QThread::msleep(200);
    timer.setEnabled(true);  // a second Play changes nothing
    // Due 300 ms after the first enable; had the second one restarted the
    // countdown, not before 500 ms.
    runEvents(static_cast<int>(450 - clock.elapsed()));
    EXPECT_EQ(ticks, 1);

    timer.setEnabled(false);
    runEvents(350);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, TicksWaitForTheHoldAndComeOnceFromTheEventLoop) {
    Timer held("Timer1"), stopped("Timer2");
    int heldTicks = 0, stoppedTicks = 0;
    held.TimerEvent = [&] { ++heldTicks; };
    stopped.TimerEvent = [&] { ++stoppedTicks; };
    for (Timer* t : {&held, &stopped}) {
        t->setInterval(15);
        t->setEnabled(true);
    }
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
