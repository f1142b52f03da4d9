// The full-screen panel Picture21: the splash at start-up, and the full view
// of the drawing later (a double click on the canvas). Timer1 hides it at
// its 101st tick; a click on its picture, a double click on the panel or
// Escape hide it earlier.
#include <QWidget>

#include "window/form1.h"

namespace {

constexpr int kEscape = 27;
constexpr double kSplashTicks = 100;  // hidden on the tick after these

}  // namespace

void Form1::ShowFullScreenPanel() {
    Picture21->setVisible(true);
    // Above every other control of the window, whatever was raised since.
    if (QWidget* w = Picture21->widget()) w->raise();
    // While it shows, the panel takes the keys (Escape closes it).
    Picture21->SetFocus();
}

void Form1::HideFullScreenPanel() {
    const bool hadFocus = Picture21->HasFocus();
    Picture21->setVisible(false);
    // The keys go back to the tool, unless the user had moved the focus
    // elsewhere meanwhile.
    if (hadFocus && Picture4->IsShown() && Picture4->Enabled()) Picture4->SetFocus();
}

void Form1::Timer1_Timer() {
    SplashTicks = SplashTicks + 1;
    if (SplashTicks > kSplashTicks) {
        HideFullScreenPanel();
        Image2->setEnabled(false);
        // A disabled picture lets the mouse through to its panel, so that a
        // double click on the full view's picture still closes it.
        if (QWidget* w = Image2->widget()) w->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        Timer1->setEnabled(false);
    }
}

void Form1::Image2_Click() { HideFullScreenPanel(); }

void Form1::Picture21_DblClick() { HideFullScreenPanel(); }

void Form1::Picture21_KeyDown(int& KeyCode, int& Shift) {
    (void)Shift;  // Escape closes the panel whatever the shift state
    if (KeyCode == kEscape) HideFullScreenPanel();
}

void Form1::ConnectWindowEvents() {
    Timer1->TimerEvent = [this] { Timer1_Timer(); };
    Image2->Click = [this] { Image2_Click(); };
    Picture21->DblClick = [this] { Picture21_DblClick(); };
    Picture21->KeyDown = [this](int& KeyCode, int& Shift) {
        Picture21_KeyDown(KeyCode, Shift);
    };
    Unload = [this](int& Cancel) { Form_Unload(Cancel); };
}
