// The settings panel: sliders for the draw width and the two steps, the
// tool-size and mode buttons, the move and turn pads, the repeat and
// duration boxes, and the clear and play buttons. A button or pad does
// exactly what its key does: it sends the same key command to the
// dispatcher. The "File" buttons have no action.
#include <array>
#include <exception>

#include "window/form1.h"
#include "window/settings_numbers.h"

namespace {

constexpr int kEnter = 13, kSpace = 32, kHome = 36, kLeft = 37, kRight = 39, kDelete = 46;
constexpr int kF8 = 119, kF9 = 120;
constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kLeftButton = 1, kRightButton = 2;

// A code that no rule of the dispatcher takes: with it only the common tail
// runs, so the outline, the pending command and the info line show the
// step just set.
constexpr int kRefreshCode = 0;

struct KeyCommand {
    int code, sh;
};

// "W+", "W-", "H+", "H-", "M", "+", "-".
constexpr std::array<KeyCommand, 7> kToolSizeButtons = {
    {{kF8, kShift}, {kF9, kShift}, {kF8, kCtrl}, {kF9, kCtrl}, {kSpace, 0}, {kF8, 0}, {kF9, 0}}};

// Move pad cells: left, up, right, down, home, then the keypad diagonals
// 7 (left top), 9 (right top), 3 (right bottom), 1 (left bottom).
constexpr int kHomeCell = 4;
constexpr std::array<int, 9> kMovePadCodes = {37, 38, 39, 40, kHome, 103, 105, 99, 97};

// Turn pad cells: about the tool's centre left and right, then around the
// virtual centre counter-clockwise and clockwise.
constexpr std::array<KeyCommand, 4> kTurnPadCommands = {
    {{kLeft, kCtrl}, {kRight, kCtrl}, {kLeft, kShift}, {kRight, kShift}}};

}  // namespace

void Form1::HScroll3_Change() {
    const int v = HScroll3->Value();
    Line1->setBorderWidth(v);
    Line2->setBorderWidth(v);
    for (int i = 0; i <= 3; ++i) Side(i).setBorderWidth(v);
    for (auto& [index, member] : Eli) member->setBorderWidth(v);
    Picture4->setDrawWidth(v);
    LineWidth = static_cast<int16_t>(Picture4->DrawWidth());
    // The info line's draw width is left as it is.
    Picture4->SetFocus();
}

void Form1::HScroll4_Change() {
    MovingStep = static_cast<float>(HScroll4->Value());
    Picture4->SetFocus();
    KeyResponder(kRefreshCode, kShift);
}

void Form1::HScroll5_Change() {
    RotatingStep = static_cast<int16_t>(HScroll5->Value());
    Picture4->SetFocus();
    KeyResponder(kRefreshCode, kShift);
}

void Form1::Command4_Click(int Index) {
    // The focus stays on the button.
    const KeyCommand k = kToolSizeButtons.at(static_cast<size_t>(Index));
    KeyResponder(k.code, k.sh);
}

void Form1::Command6_Click(int Index) {
    // Every step runs, whatever failed before it.
    auto step = [](auto&& run) {
        try {
            run();
        } catch (const std::exception&) {
        }
    };
    switch (Index) {
        case 0: step([&] { KeyResponder(kDelete, 0); }); break;
        case 1: step([&] { KeyResponder(kDelete, kShift); }); break;
        case 2: step([&] { Timer2->setEnabled(true); }); break;
        default: break;
    }
    step([&] { Picture4->SetFocus(); });
}

void Form1::Image4_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    (void)Shift;
    (void)X;
    (void)Y;
    const int n = settings::padRepetitions(Text3->Text());
    if (Index < 0 || Index >= static_cast<int>(kMovePadCodes.size())) return;
    const int code = kMovePadCodes[static_cast<size_t>(Index)];
    if (Button == kLeftButton) {
        if (Index == kHomeCell) {
            KeyResponder(kHome, 0);
        } else {
            for (int i = 0; i < n; ++i) KeyResponder(code, 0);
        }
    }
    // The right button on an arrow moves the virtual centre instead.
    if (Button == kRightButton && Index <= 3)
        for (int i = 0; i < n; ++i) KeyResponder(code, kAlt);
    // The focus is not moved.
}

void Form1::Image5_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    (void)Button;
    (void)Shift;
    (void)X;
    (void)Y;
    const int n = settings::padRepetitions(Text3->Text());
    const KeyCommand k = kTurnPadCommands.at(static_cast<size_t>(Index));
    for (int i = 0; i < n; ++i) {
        KeyResponder(k.code, k.sh);
        Picture4->Refresh();  // every single turn shows
    }
    Picture4->SetFocus();
}

void Form1::Text3_Change() { Resolution = settings::resolutionOf(Text3->Text()); }

void Form1::Text3_KeyDown(int& KeyCode, int& Shift) {
    (void)Shift;
    if (KeyCode == kEnter) Picture4->SetFocus();
}

void Form1::Text4_Change() { Timer2->setInterval(settings::replayInterval(Text4->Text())); }

void Form1::ConnectSettingsEvents() {
    HScroll3->Change = [this] { HScroll3_Change(); };
    HScroll4->Change = [this] { HScroll4_Change(); };
    HScroll5->Change = [this] { HScroll5_Change(); };
    for (auto& [i, b] : Command4) b->Click = [this, i = i] { Command4_Click(i); };
    for (auto& [i, b] : Command6) b->Click = [this, i = i] { Command6_Click(i); };
    for (auto& [i, m] : Image4)
        m->MouseDown = [this, i = i](int b, int s, float x, float y) {
            Image4_MouseDown(i, b, s, x, y);
        };
    for (auto& [i, m] : Image5)
        m->MouseDown = [this, i = i](int b, int s, float x, float y) {
            Image5_MouseDown(i, b, s, x, y);
        };
    Text3->Change = [this] { Text3_Change(); };
    Text3->KeyDown = [this](int& KeyCode, int& Shift) { Text3_KeyDown(KeyCode, Shift); };
    Text4->Change = [this] { Text4_Change(); };
    // "Play" enables the replay; each tick runs one line of the record.
    Timer2->TimerEvent = [this] { Timer2_Timer(); };
}
