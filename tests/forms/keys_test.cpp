// Qt keys and buttons as the handlers' virtual-key codes and masks.
#include "forms/keys.h"

#include <gtest/gtest.h>

#include <QtCore/qnamespace.h>

using namespace forms;

TEST(Keys, VirtualKeyCodesAndMasks) {
    EXPECT_EQ(virtualKey(Qt::Key_Enter, true), 13);
    EXPECT_EQ(virtualKey(Qt::Key_Exclam, false), 49);  // Shift+1 is still the digit key
    // The keypad gives 96..105 with Num Lock on (digits) or off (navigation).
    for (int d = 0; d <= 9; ++d) EXPECT_EQ(virtualKey(Qt::Key_0 + d, true), 96 + d) << d;
    EXPECT_EQ(virtualKey(Qt::Key_Insert, true), 96);
    EXPECT_EQ(virtualKey(Qt::Key_Clear, true), 101);
    // "-" and "." are never Insert or Delete.
    EXPECT_EQ(virtualKey(Qt::Key_Minus, true), 109);
    EXPECT_EQ(virtualKey(Qt::Key_Delete, true), 110);
    EXPECT_EQ(virtualKey(Qt::Key_Minus, false), 189);
    EXPECT_EQ(virtualKey(Qt::Key_Period, false), 190);

    EXPECT_EQ(shiftMask(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftMask(Qt::ControlModifier | Qt::KeypadModifier | Qt::MetaModifier), 2);
    EXPECT_EQ(buttonMask(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(buttonMask(Qt::MiddleButton | Qt::BackButton), 4);
}
