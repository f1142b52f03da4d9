// The tool box: a left click on a tool icon chooses that tool, moving the
// mouse onto an icon slides the tool-name hint panel in from the canvas's
// left edge with a short sound, and the help panel's title "VRK Help"
// chooses the text tool.
#include "forms/numbers.h"
#include "forms/platform.h"
#include "window/form1.h"

namespace {

constexpr int kF2 = 113;
constexpr int kTextTool = 4;
constexpr float kSlideStep = 100;  // twips the hint panel moves per tick

}  // namespace

void Form1::Image1_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    (void)Shift, (void)X, (void)Y;
    if (Button != forms::kLeftButton) return;
    // One step back, then the next-tool command: it advances ToolNo onto the
    // icon, marks it, shows the tool's outline and rebuilds the info line.
    ToolNo = forms::toInt16(Index - 1);
    KeyResponder(kF2, 0);
    if (ToolNo == kTextTool)
        Text1->SetFocus();
    else
        Picture4->SetFocus();
}

void Form1::Label7_Click() { Image1_MouseDown(kTextTool, forms::kLeftButton, 0, 1, 1); }

void Form1::Image1_MouseMove(int Index, int Button, int Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
    FirstMove = FirstMove == 0 ? 1 : 2;
    Picture3->setVisible(true);
    // The very first hover slides in even over icon 0, which LastToolIndex
    // already names; back on the icon last hovered the panel just shows.
    if (FirstMove == 1 || LastToolIndex != Index) {
        Picture3->setTop(Image1(Index).Top());
        Picture3->setLeft(-Picture3->Width());  // just left of the canvas, out of sight
        Timer6->setEnabled(true);
        Label3->setCaption(Image1(Index).ToolTipText());
        LastToolIndex = forms::toInt16(Index);
        forms::platform().playSound(forms::platform().programFolder() + "/mousemove.wav");
    }
}

void Form1::Timer6_Timer() {
    Picture3->setLeft(Picture3->Left() + kSlideStep);
    if (Picture3->Left() >= 0) Timer6->setEnabled(false);
}

void Form1::ConnectToolBoxEvents() {
    for (auto& [i, icon] : Image1) {
        icon->MouseDown = [this, i = i](int b, int s, float x, float y) {
            Image1_MouseDown(i, b, s, x, y);
        };
        icon->MouseMove = [this, i = i](int b, int s, float x, float y) {
            Image1_MouseMove(i, b, s, x, y);
        };
    }
    Label7->Click = [this] { Label7_Click(); };
    Timer6->TimerEvent = [this] { Timer6_Timer(); };
}
