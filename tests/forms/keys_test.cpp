#include "forms/keys.h"

#include <gtest/gtest.h>

#include <QtCore/qnamespace.h>

using forms::buttonMask;
using forms::shiftMask;
using forms::virtualKey;

TEST(Keys, NavigationAndFunctionKeys) {
    EXPECT_EQ(virtualKey(Qt::Key_Left, false), 37);
    EXPECT_EQ(virtualKey(Qt::Key_Up, false), 38);
    EXPECT_EQ(virtualKey(Qt::Key_Right, false), 39);
    EXPECT_EQ(virtualKey(Qt::Key_Down, false), 40);
    EXPECT_EQ(virtualKey(Qt::Key_PageUp, false), 33);
    EXPECT_EQ(virtualKey(Qt::Key_PageDown, false), 34);
    EXPECT_EQ(virtualKey(Qt::Key_End, false), 35);
    EXPECT_EQ(virtualKey(Qt::Key_Home, false), 36);
    EXPECT_EQ(virtualKey(Qt::Key_Insert, false), 45);
    EXPECT_EQ(virtualKey(Qt::Key_Delete, false), 46);
    EXPECT_EQ(virtualKey(Qt::Key_Return, false), 13);
    EXPECT_EQ(virtualKey(Qt::Key_Enter, true), 13);
    EXPECT_EQ(virtualKey(Qt::Key_Escape, false), 27);
    EXPECT_EQ(virtualKey(Qt::Key_Backspace, false), 8);
    EXPECT_EQ(virtualKey(Qt::Key_Tab, false), 9);
    EXPECT_EQ(virtualKey(Qt::Key_Backtab, false), 9);
    EXPECT_EQ(virtualKey(Qt::Key_Space, false), 32);
    EXPECT_EQ(virtualKey(Qt::Key_F1, false), 112);
    EXPECT_EQ(virtualKey(Qt::Key_F2, false), 113);
    EXPECT_EQ(virtualKey(Qt::Key_F12, false), 123);
}

TEST(Keys, LettersAndDigitsWhateverTheShift) {
    EXPECT_EQ(virtualKey(Qt::Key_A, false), 65);
    EXPECT_EQ(virtualKey(Qt::Key_V, false), 86);
    EXPECT_EQ(virtualKey(Qt::Key_Z, false), 90);
    EXPECT_EQ(virtualKey(Qt::Key_0, false), 48);
    EXPECT_EQ(virtualKey(Qt::Key_9, false), 57);
    // Shift+1 and Shift+9 on a US keyboard still are the digit keys.
    EXPECT_EQ(virtualKey(Qt::Key_Exclam, false), 49);
    EXPECT_EQ(virtualKey(Qt::Key_ParenLeft, false), 57);
}

TEST(Keys, KeypadGivesDigitCodesWithAndWithoutNumLock) {
    // Num Lock on: digits with the keypad flag.
    for (int d = 0; d <= 9; ++d) EXPECT_EQ(virtualKey(Qt::Key_0 + d, true), 96 + d) << d;
    // Num Lock off: the navigation keys, still on the keypad.
    EXPECT_EQ(virtualKey(Qt::Key_Insert, true), 96);
    EXPECT_EQ(virtualKey(Qt::Key_End, true), 97);
    EXPECT_EQ(virtualKey(Qt::Key_Down, true), 98);
    EXPECT_EQ(virtualKey(Qt::Key_PageDown, true), 99);
    EXPECT_EQ(virtualKey(Qt::Key_Left, true), 100);
    EXPECT_EQ(virtualKey(Qt::Key_Clear, true), 101);
    EXPECT_EQ(virtualKey(Qt::Key_Right, true), 102);
    EXPECT_EQ(virtualKey(Qt::Key_Home, true), 103);
    EXPECT_EQ(virtualKey(Qt::Key_Up, true), 104);
    EXPECT_EQ(virtualKey(Qt::Key_PageUp, true), 105);
    EXPECT_EQ(virtualKey(Qt::Key_Asterisk, true), 106);
    EXPECT_EQ(virtualKey(Qt::Key_Plus, true), 107);
    EXPECT_EQ(virtualKey(Qt::Key_Minus, true), 109);
    EXPECT_EQ(virtualKey(Qt::Key_Period, true), 110);
    EXPECT_EQ(virtualKey(Qt::Key_Delete, true), 110);
    EXPECT_EQ(virtualKey(Qt::Key_Slash, true), 111);
}

TEST(Keys, PunctuationIsNeverInsertOrDelete) {
    EXPECT_EQ(virtualKey(Qt::Key_Minus, false), 189);
    EXPECT_EQ(virtualKey(Qt::Key_Underscore, false), 189);
    EXPECT_EQ(virtualKey(Qt::Key_Period, false), 190);
    EXPECT_EQ(virtualKey(Qt::Key_Equal, false), 187);
    EXPECT_EQ(virtualKey(Qt::Key_Plus, false), 187);
    EXPECT_EQ(virtualKey(Qt::Key_Comma, false), 188);
    EXPECT_EQ(virtualKey(Qt::Key_Slash, false), 191);
    EXPECT_EQ(virtualKey(Qt::Key_unknown, false), 0);
}

TEST(Keys, ShiftAndButtonMasks) {
    EXPECT_EQ(shiftMask(Qt::NoModifier), 0);
    EXPECT_EQ(shiftMask(Qt::ShiftModifier), 1);
    EXPECT_EQ(shiftMask(Qt::ControlModifier), 2);
    EXPECT_EQ(shiftMask(Qt::AltModifier), 4);
    EXPECT_EQ(shiftMask(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftMask(Qt::ShiftModifier | Qt::KeypadModifier), 1);
    EXPECT_EQ(shiftMask(Qt::MetaModifier), 0);

    EXPECT_EQ(buttonMask(Qt::LeftButton), 1);
    EXPECT_EQ(buttonMask(Qt::RightButton), 2);
    EXPECT_EQ(buttonMask(Qt::MiddleButton), 4);
    EXPECT_EQ(buttonMask(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(buttonMask(Qt::NoButton), 0);
    EXPECT_EQ(buttonMask(Qt::BackButton), 0);
}
