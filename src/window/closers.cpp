// Small handlers that keep the window usable from the keyboard: the close
// buttons of the "Script Manager" and the help panel, clicks on panel
// backgrounds that hand the focus back to the canvas (so keys reach the tool
// again), the click on the Script Manager's canvas copy, and two timers.
// Clearing an option box by code runs its click handler, which hides the
// panel and moves the focus as the box would.
#include "forms/platform.h"
#include "window/form1.h"

namespace {

constexpr int kScriptManagerBox = 1, kHintsBox = 2;
constexpr int kTextTool = 4;

}  // namespace

void Form1::Command1_Click() {
    Picture11->setVisible(false);
    Check1(kScriptManagerBox).setValue(0);
    if (ToolNo == kTextTool)
        Text1->SetFocus();
    else
        Picture4->SetFocus();
}

void Form1::Command3_Click() {
    Picture11->setVisible(false);
    Picture4->SetFocus();
    Check1(kScriptManagerBox).setValue(0);
}

void Form1::Command7_Click() {
    Check1(kHintsBox).setValue(0);
    Picture19->setVisible(false);
}

void Form1::Image6_Click() { forms::platform().msgBox("image6", forms::vbOKOnly, "Lumadraw"); }

void Form1::Picture1_MouseDown(int, int, float, float) {
    try {
        Picture4->SetFocus();
    } catch (const forms::RuntimeError&) {
        // The canvas cannot take the focus now; the click changes nothing.
    }
}

void Form1::Picture2_MouseDown(int, int, float, float) {
    try {
        Picture4->SetFocus();
    } catch (const forms::RuntimeError&) {
        // The canvas cannot take the focus now; the click changes nothing.
    }
}

void Form1::Picture5_Click() { Picture4->SetFocus(); }
void Form1::Picture6_Click() { Picture4->SetFocus(); }
void Form1::Picture7_Click() { Picture4->SetFocus(); }
void Form1::Picture8_Click() { Picture4->SetFocus(); }

// Hides the pop-up option panel every tick, shown or not.
void Form1::Timer5_Timer() { Picture12->setVisible(false); }

// Its timer is never enabled.
void Form1::Timer7_Timer() {
    setLeft(0);
    setTop(0);
}

void Form1::ConnectCloserEvents() {
    Command1->Click = [this] { Command1_Click(); };
    Command3->Click = [this] { Command3_Click(); };
    Command7->Click = [this] { Command7_Click(); };
    Image6->Click = [this] { Image6_Click(); };
    Picture1->MouseDown = [this](int b, int s, float x, float y) {
        Picture1_MouseDown(b, s, x, y);
    };
    Picture2->MouseDown = [this](int b, int s, float x, float y) {
        Picture2_MouseDown(b, s, x, y);
    };
    Picture5->Click = [this] { Picture5_Click(); };
    Picture6->Click = [this] { Picture6_Click(); };
    Picture7->Click = [this] { Picture7_Click(); };
    Picture8->Click = [this] { Picture8_Click(); };
    Timer5->TimerEvent = [this] { Timer5_Timer(); };
    Timer7->TimerEvent = [this] { Timer7_Timer(); };
}
