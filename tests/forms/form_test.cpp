// The top-level window: its outer size, and showing it in the middle of the
// program's work.
#include "forms/form.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include "forms/picture_box.h"
#include "forms/timer.h"
#include "support/qt_app.h"

using namespace forms;

namespace {

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

TEST(FormWindow, WidthAndHeightAreTheOuterSize) {
    ensureQtApp();
    Form form("Form1");
    form.setBorderStyle(1);
    form.Move(150, 300, 15360, 11520);
    form.Show();
    QWidget* w = form.widget();
    const QMargins frame = w->windowHandle()->frameMargins();
    EXPECT_EQ(w->frameGeometry(), QRect(10, 20, 1024, 768));
    EXPECT_EQ(w->size(), QSize(1024 - frame.left() - frame.right(), 768 - frame.top() - frame.bottom()));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());  // the user cannot resize it
    EXPECT_FLOAT_EQ(form.Width(), 15360);            // the model keeps what was set
}

// Show lets the window paint itself while the program works on, but no
// timer's handler runs there: a tick that came due runs from the event loop.
TEST(FormWindow, ShowPaintsButHoldsTimerTicks) {
    ensureQtApp();
    Form form("Form1");
    form.Move(0, 0, 3000, 3000);
    PictureBox panel("Picture1");
    panel.attach(&form);
    panel.Move(0, 0, 1500, 1500);
    form.Show();

    Timer::setLiveTimers(true);
    Timer timer("Timer1");
    int ticks = 0;
    timer.TimerEvent = [&] { ++ticks; };
    timer.setInterval(50);
    timer.setEnabled(true);
    PaintCounter counter;
    panel.widget()->installEventFilter(&counter);
    QThread::msleep(80);  // due, with no event loop running
    panel.widget()->update();
    form.Show();
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(ticks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    Timer::setLiveTimers(false);
}
