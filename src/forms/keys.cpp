#include "forms/keys.h"

#include <QtCore/qnamespace.h>

namespace forms {

namespace {

// Keys of the numeric keypad that have codes of their own. With Num Lock on
// Qt reports the digits and the decimal point; with it off the same keys
// come as the navigation keys (Left, Home, Insert, Delete, Clear...), which
// keep the codes of the main block's keys.
int keypadKey(int k) {
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return 96 + (k - Qt::Key_0);
    switch (k) {
        case Qt::Key_Asterisk: return 106;
        case Qt::Key_Plus: return 107;
        case Qt::Key_Minus: return 109;
        // The decimal point, whichever separator the keyboard layout gives it.
        case Qt::Key_Period: case Qt::Key_Comma: return 110;
        case Qt::Key_Slash: return 111;
        case Qt::Key_Enter: case Qt::Key_Return: return 13;
        default: return -1;  // a navigation key, coded as on the main block
    }
}

}  // namespace

int virtualKey(int k, bool keypad) {
    if (keypad) {
        const int code = keypadKey(k);
        if (code >= 0) return code;
    }
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return 48 + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
        case Qt::Key_Clear: return 12;
        case Qt::Key_Return: case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Pause: return 19;
        case Qt::Key_CapsLock: return 20;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Print: return 44;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        case Qt::Key_Meta: return 91;
        case Qt::Key_Menu: return 93;
        case Qt::Key_NumLock: return 144;
        case Qt::Key_ScrollLock: return 145;
        // Shifted digits of a US keyboard keep their digit's code.
        case Qt::Key_ParenRight: return 48;
        case Qt::Key_Exclam: return 49;
        case Qt::Key_At: return 50;
        case Qt::Key_NumberSign: return 51;
        case Qt::Key_Dollar: return 52;
        case Qt::Key_Percent: return 53;
        case Qt::Key_AsciiCircum: return 54;
        case Qt::Key_Ampersand: return 55;
        case Qt::Key_Asterisk: return 56;
        case Qt::Key_ParenLeft: return 57;
        // Punctuation keys of the main block (US layout, either shift).
        case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
        case Qt::Key_Equal: case Qt::Key_Plus: return 187;
        case Qt::Key_Comma: case Qt::Key_Less: return 188;
        case Qt::Key_Minus: case Qt::Key_Underscore: return 189;
        case Qt::Key_Period: case Qt::Key_Greater: return 190;
        case Qt::Key_Slash: case Qt::Key_Question: return 191;
        case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
        case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
        case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
        case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
        case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
        default: return 0;
    }
}

int shiftMask(int m) {
    int mask = 0;
    if (m & Qt::ShiftModifier) mask |= 1;
    if (m & Qt::ControlModifier) mask |= 2;
    if (m & Qt::AltModifier) mask |= 4;
    return mask;
}

bool keypadReleasesShift(int k, int m, unsigned nativeModifiers) {
    if (!(m & Qt::KeypadModifier) || !(m & Qt::ShiftModifier) || !(nativeModifiers & kNumLockState)) return false;
    switch (k) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
        case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
        case Qt::Key_Clear: case Qt::Key_Insert: case Qt::Key_Delete:
            return true;
        default:
            return false;
    }
}

int buttonMask(int b) {
    int mask = 0;
    if (b & Qt::LeftButton) mask |= 1;
    if (b & Qt::RightButton) mask |= 2;
    if (b & Qt::MiddleButton) mask |= 4;
    return mask;
}

}  // namespace forms
