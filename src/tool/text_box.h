// Sizes of the text tool's box and the text it prints. The font size is kept
// as the font object holds it, a number of points with four decimal places,
// so every step on it is exact. Pure functions, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/numbers.h"

namespace tool {

// The font sizes the box may take with F8 and F9, in points.
inline constexpr double kMinTextSize = 10;
inline constexpr double kMaxTextSize = 288;

// A font size as ten-thousandths of a point.
inline int64_t fontTicks(double points) { return static_cast<int64_t>(forms::roundHalfEven(points * 10000)); }

// The number of characters of a UTF-8 text as the box counts them: UTF-16
// code units (a character beyond the basic plane counts twice).
inline int64_t textLength(std::string_view utf8) {
    int64_t n = 0;
    for (unsigned char ch : utf8) {
        if ((ch & 0xC0) == 0x80) continue;  // a continuation byte
        n += ch >= 0xF0 ? 2 : 1;
    }
    return n;
}

// The box's width in twips: font size x (characters + 1) x 10 + 500, so the
// box is always one character wider than the text it holds.
inline float textBoxWidth(double fontSize, std::string_view text) {
    const int64_t ticks = fontTicks(fontSize) * (textLength(text) + 1) * 10 + 500 * 10000;
    return static_cast<float>(static_cast<double>(ticks) / 10000);
}

// The font size one point larger (delta 1) or smaller (delta -1), held
// within kMinTextSize..kMaxTextSize.
inline float steppedTextSize(double fontSize, int delta) {
    int64_t ticks = fontTicks(fontSize) + int64_t{delta} * 10000;
    if (ticks > fontTicks(kMaxTextSize)) ticks = fontTicks(kMaxTextSize);
    if (ticks < fontTicks(kMinTextSize)) ticks = fontTicks(kMinTextSize);
    return static_cast<float>(static_cast<double>(ticks) / 10000);
}

// The text as one printed and recorded line: carriage returns and line
// feeds (pasted text) are dropped, since a recorded line ends at the first
// of them.
inline std::string singleLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (ch != '\r' && ch != '\n') out.push_back(ch);
    return out;
}

}  // namespace tool
