// The program's window with a canvas of 1920 x 1080 pixels, set up for
// drawing without running start-up: the tool at home, the Logo origin at the
// canvas centre, timers that only tick when called. Never shown.
#pragma once

#include <memory>

#include "forms/platform.h"
#include "window/form1.h"

namespace bench {

struct CanvasWindow {
    static constexpr int kWidth = 1920, kHeight = 1080;

    forms::ScriptedPlatform platform;
    std::unique_ptr<Form1> form;

    CanvasWindow();
    ~CanvasWindow();
};

}  // namespace bench
