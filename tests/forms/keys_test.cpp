// Qt keys and buttons as the handlers' virtual-key codes and masks.
#include "forms/keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <tuple>
#include <utility>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/picture_box.h"

using namespace forms;

namespace {

// Keypad 0..9 and its decimal point as Qt reports them with Num Lock on and
// with it off, and the codes the handlers receive in each state.
struct KeypadKey {
    int numLockOn, codeOn, numLockOff, codeOff;
};
constexpr KeypadKey kKeypad[] = {
    {Qt::Key_0, 96, Qt::Key_Insert, 45},   {Qt::Key_1, 97, Qt::Key_End, 35},  {Qt::Key_2, 98, Qt::Key_Down, 40},
    {Qt::Key_3, 99, Qt::Key_PageDown, 34}, {Qt::Key_4, 100, Qt::Key_Left, 37}, {Qt::Key_5, 101, Qt::Key_Clear, 12},
    {Qt::Key_6, 102, Qt::Key_Right, 39},   {Qt::Key_7, 103, Qt::Key_Home, 36}, {Qt::Key_8, 104, Qt::Key_Up, 38},
    {Qt::Key_9, 105, Qt::Key_PageUp, 33},  {Qt::Key_Period, 110, Qt::Key_Delete, 46},
};

}  // namespace

TEST(Keys, VirtualKeyCodesAndMasks) {
    // Shift+1 is still the digit key; "-" and "." of the main block are never
    // Insert or Delete. On the keypad (its digits in both Num Lock states are
    // sent below): a decimal comma, the operators, Enter.
    for (auto [key, keypad, code] : {std::tuple{Qt::Key_Exclam, false, 49}, {Qt::Key_Minus, false, 189},
                                     {Qt::Key_Period, false, 190}, {Qt::Key_Comma, true, 110},
                                     {Qt::Key_Plus, true, 107}, {Qt::Key_Enter, true, 13}})
        EXPECT_EQ(virtualKey(key, keypad), code) << key;

    EXPECT_EQ(shiftMask(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftMask(Qt::ControlModifier | Qt::KeypadModifier | Qt::MetaModifier), 2);
    EXPECT_EQ(buttonMask(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(buttonMask(Qt::MiddleButton | Qt::BackButton), 4);
}

// Real key events carrying the keypad modifier, on a canvas and in a text
// box: the handlers see the state's codes, and the characters "-" and "."
// reach KeyPress as themselves.
TEST(Keys, KeypadEventsReachCanvasAndTextBoxHandlers) {
    Form form("Form1");
    PictureBox canvas("Picture4");
    TextBox box("Text1");
    canvas.attach(&form);
    box.attach(&form);
    for (Control* c : {static_cast<Control*>(&canvas), static_cast<Control*>(&box)}) {
        std::vector<int> downs, presses;
        c->KeyDown = [&](int& code, int&) { downs.push_back(code); };
        c->KeyPress = [&](int& ascii) { presses.push_back(ascii); };
        auto send = [&](int key, const QString& text = {}) {
            QKeyEvent e(QEvent::KeyPress, key, Qt::KeypadModifier, text);
            QApplication::sendEvent(c->widget(), &e);
        };
        std::vector<int> expected;
        for (const KeypadKey& k : kKeypad) {
            send(k.numLockOn);
            send(k.numLockOff);
            expected.push_back(k.codeOn);
            expected.push_back(k.codeOff);
        }
        EXPECT_EQ(downs, expected) << c->Name();

        downs.clear();
        presses.clear();
        send(Qt::Key_Minus, QStringLiteral("-"));
        send(Qt::Key_Period, QStringLiteral("."));
        EXPECT_EQ(downs, (std::vector<int>{109, 110})) << c->Name();
        EXPECT_EQ(presses, (std::vector<int>{'-', '.'})) << c->Name();
    }
    EXPECT_EQ(box.Text(), "-.");  // the box typed both characters
}

// Shift with keypad 4, 6 and the decimal point as X reports them: the
// navigation key with Shift, and Num Lock's bit in the native state when it
// is on. With Num Lock on the handlers get the key with Shift released (Ctrl
// kept) and a text box moves its caret without selecting; with it off Shift
// stays, as for Shift+Left.
TEST(Keys, ShiftWithKeypadDigitsUnderNumLock) {
    constexpr quint32 kShift = 0x1, kCtrl = 0x4, kNumLock = 0x10;
    Form form("Form1");
    PictureBox canvas("Picture4");
    TextBox box("Text1");
    canvas.attach(&form);
    box.attach(&form);
    box.setText("abc");
    auto* edit = qobject_cast<QLineEdit*>(box.widget());
    ASSERT_NE(edit, nullptr);
    for (Control* c : {static_cast<Control*>(&canvas), static_cast<Control*>(&box)}) {
        std::vector<std::pair<int, int>> downs;
        c->KeyDown = [&](int& code, int& shift) { downs.emplace_back(code, shift); };
        auto send = [&](Qt::Key key, Qt::KeyboardModifiers mods, quint32 native) {
            QKeyEvent e(QEvent::KeyPress, key, mods | Qt::KeypadModifier, 0, 0, native);
            QApplication::sendEvent(c->widget(), &e);
        };
        edit->end(false);
        send(Qt::Key_Left, Qt::ShiftModifier, kShift | kNumLock);
        EXPECT_FALSE(edit->hasSelectedText());
        send(Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier, kShift | kCtrl | kNumLock);
        send(Qt::Key_Delete, Qt::ShiftModifier, kShift | kNumLock);
        send(Qt::Key_Left, Qt::ShiftModifier, kShift);
        EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{37, 0}, {39, 2}, {46, 0}, {37, 1}})) << c->Name();
    }
    // In the box: Left, Ctrl+Right to the end, Delete (nothing there), then
    // Shift+Left selects the last character.
    EXPECT_EQ(box.Text(), "abc");
    EXPECT_EQ(edit->selectedText(), QStringLiteral("c"));
}
