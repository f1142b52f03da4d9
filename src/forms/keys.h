// Translation of Qt key events into the key codes and shift mask the
// handlers receive: Windows virtual-key numbers (arrows 37-40, F2 113,
// letters 65-90 whatever the shift; the keypad gives its digits 96-105 and
// decimal point 110 with Num Lock on, the navigation keys' codes with it
// off), and the mask 1 Shift + 2 Ctrl + 4 Alt.
#pragma once

namespace forms {

// qtKey is a Qt::Key value, keypad true when the key is on the numeric
// keypad (Qt::KeypadModifier). Returns 0 for a key without a virtual-key
// code. "-" maps to 189 (or 109 on the keypad) and "." to 190 (110 on the
// keypad): never Insert (45) or Delete (46), which the keypad gives only as
// its 0 and decimal point with Num Lock off.
int virtualKey(int qtKey, bool keypad);

// qtModifiers is a Qt::KeyboardModifiers value.
int shiftMask(int qtModifiers);

// The bit of an X key event's state (QKeyEvent::nativeModifiers) that says
// Num Lock is on: Mod2, where every standard keymap puts Num_Lock.
constexpr unsigned kNumLockState = 0x10;

// True for Shift held with a keypad digit or decimal point while Num Lock is
// on. X then reports the keypad's navigation key with Shift still down
// (Shift+keypad 4 is KP_Left with the Shift bit and the Num Lock bit); the
// program takes it as its own platform gives it, the navigation key with
// Shift released (Left, mask 0). With Num Lock off Shift stays: Shift+Left.
bool keypadReleasesShift(int qtKey, int qtModifiers, unsigned nativeModifiers);

// Mouse buttons (Qt::MouseButtons) as the mask 1 left, 2 right, 4 middle.
int buttonMask(int qtButtons);

}  // namespace forms
