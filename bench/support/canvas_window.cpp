#include "support/canvas_window.h"

#include "support/bench_app.h"
#include "window/palette.h"

namespace bench {

CanvasWindow::CanvasWindow() {
    app();
    platform.widthPx = kWidth + 2 * 96;
    platform.heightPx = kHeight;
    forms::setPlatform(&platform);
    forms::Timer::setLiveTimers(false);
    form = std::make_unique<Form1>();
    Form1& f = *form;
    f.Picture4->setWidth(kWidth * 15);
    f.Picture4->setHeight(kHeight * 15);
    f.Picture4->setBackColor(0);
    for (int k = 0; k < palette::kSize; ++k) f.Label2(k).setBackColor(palette::colorOf(k));
    f.Pi = 3.1415927;
    f.RotatingStep = 1;
    f.MovingStep = 100;
    f.MaxX = kWidth * 15;
    f.MaxY = kHeight * 15;
    f.HomeX = kWidth / 2 * 15;
    f.HomeY = kHeight / 2 * 15;
    f.VirtualCenterX = f.HomeX;
    f.VirtualCenterY = f.HomeY;
    f.Resolution = 10;
    f.LogoOriginX = kWidth * 15 / 20;
    f.LogoOriginY = kHeight * 15 / 20;
    f.KeyResponder(36, 0);
}

CanvasWindow::~CanvasWindow() {
    form.reset();
    forms::setPlatform(nullptr);
}

}  // namespace bench
