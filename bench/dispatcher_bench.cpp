// The cost of one key command, common tail included, on a canvas of
// 1920 x 1080 pixels: a turn with the ellipse tool in a window set up for
// drawing without start-up, and the same turn with the line tool and with
// the ellipse tool in the window as start-up builds it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "forms/platform.h"
#include "support/bench_app.h"
#include "support/canvas_window.h"
#include "window/form1.h"

namespace {

void BM_KeyResponderTurnWithEllipse(benchmark::State& state) {
    bench::CanvasWindow w;
    w.form->ToolNo = 2;
    for (auto _ : state) w.form->KeyResponder(39, 2);
}
BENCHMARK(BM_KeyResponderTurnWithEllipse);

// Ctrl+Right in the window started for a 1920x1080 screen and shown, with
// the tool given by the argument (0 line, 2 ellipse). Each iteration also
// hands the outline's new place to the canvas to repaint, the work the
// event loop does after the key; the painting itself is not counted.
void BM_KeyTurnInStartedWindow(benchmark::State& state) {
    bench::app();
    forms::ScriptedPlatform platform;
    platform.widthPx = 1920;
    platform.heightPx = 1080;
    forms::setPlatform(&platform);
    forms::Timer::setLiveTimers(false);
    {
        auto form = std::make_unique<Form1>();
        form->Form_Load();
        form->Image2_Click();  // the splash closed
        form->Show();
        QCoreApplication::processEvents();
        while (form->ToolNo != state.range(0)) form->KeyResponder(113, 0);
        int keys = 0;
        for (auto _ : state) {
            form->KeyResponder(39, 2);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
            // Now and then the rest of the event loop's work, painting among
            // it, untimed: events left undelivered would pile up in Qt's
            // queue and make every later delivery scan past them.
            if (++keys % 64 == 0) {
                state.PauseTiming();
                QCoreApplication::processEvents();
                state.ResumeTiming();
            }
        }
    }
    QCoreApplication::processEvents();
    forms::setPlatform(nullptr);
}
BENCHMARK(BM_KeyTurnInStartedWindow)->ArgName("tool")->Arg(0)->Arg(2);

}  // namespace
