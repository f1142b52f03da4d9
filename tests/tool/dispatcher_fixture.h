// A window with the tool set up by hand, as start-up leaves it on a canvas
// of 12480 x 11520 twips: the cross at home, palette colours in the cells,
// the Logo origin at the canvas centre. Tests of the key commands start
// from here and set whatever else they need.
#pragma once

#include "support/form_fixture.h"
#include "window/palette.h"

class DispatcherTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form1& f = *form;
        f.Picture4->setWidth(12480);
        f.Picture4->setHeight(11520);
        f.Picture4->setBackColor(0);
        f.Picture4->setForeColor(forms::rgb(255, 255, 0));
        for (int k = 0; k < palette::kSize; ++k) f.Label2(k).setBackColor(palette::colorOf(k));
        f.Pi = 3.1415927;
        f.RotatingStep = 1;
        f.ModeText = "Move";
        f.LineWidth = 1;
        f.CommandCount = 1;
        f.ColorIndex = 24;
        f.MovingStep = 100;
        f.MinX = 0;
        f.MaxX = 12480;
        f.MinY = 0;
        f.MaxY = 11520;
        f.ToolNo = 0;
        f.HomeX = 6240;
        f.HomeY = 5760;
        f.VirtualCenterX = 6240;
        f.VirtualCenterY = 5760;
        f.GridDistance = 300;
        f.Resolution = 10;
        f.LogoOriginX = 624;
        f.LogoOriginY = 576;
        f.KeyResponder(36, 0);
    }

    Form1& f() { return *form; }
    void key(int code, int sh = 0) { form->KeyResponder(code, sh); }
    std::string last() const { return form->CommandArray[form->CommandCount - 1]; }
    int recorded() const { return form->CommandCount - 1; }
};
