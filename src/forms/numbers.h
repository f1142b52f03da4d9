// Numbers as the program writes and reads them: rounding half to even, the
// number text shown to users and written into recorded commands, and the
// leading-number reader of a text box. Pure functions, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// Rounds to the nearest integer, a half to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -0.5 -> -0). Never std::round.
double roundHalfEven(double v);

// Rounds half to even into a 16-bit or 32-bit integer. A value that does not
// fit (or is not finite) throws OverflowError: a narrowing conversion is
// always range-checked.
int16_t toInt16(double v);
int32_t toInt32(double v);

// Clamps before rounding, for inputs typed by the user that must never stop
// the program (repeat counts, intervals).
int32_t clampToInt32(double v, int32_t lo, int32_t hi);

// Number text shown to the user (info line, tooltips, counts): a leading blank
// for zero and positive numbers, "-" for negative ones, no grouping, no
// decimal point for whole numbers. The value is written at single precision
// (7 significant digits) when `single` is true, else with up to 15.
std::string shownNumber(double v, bool single = false);

// Number text of a recorded command: as shownNumber but without the leading
// blank; fractions below one are written without a leading zero (".5",
// "-.25"), large and small magnitudes in exponent form ("1E+08", "1E-05").
std::string recordedNumber(double v, bool single = true);

// The leading number of a text, as a text box's number reader takes it:
// blanks are skipped anywhere, an optional sign, digits with an optional
// decimal point and exponent, or "&H" / "&O" followed by hexadecimal / octal
// digits. The first character that fits none of these ends the number; a
// text without one gives 0.
double leadingNumber(std::string_view text);

// Reads a whole recorded number (".5", "-12", "1E+08", "3.25"); returns false
// when the text is not one number.
bool parseNumber(std::string_view text, double& out);

}  // namespace forms
