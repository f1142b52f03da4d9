// The screen size given by the user in LUMADRAW_SCREEN ("WIDTHxHEIGHT").
// Pure, no Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace forms {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The largest side taken, in pixels: beyond it the window's pictures would
// need gigabytes and Qt's painter refuses them.
inline constexpr int kMaxScreenSide = 16384;

// Reads "WIDTHxHEIGHT" (or "X"): two decimal numbers from 1 to
// kMaxScreenSide, nothing before, between or after them. Anything else
// (signs, blanks, zero, too large, overflowing, trailing text) gives nullopt.
std::optional<ScreenSize> parseScreenSize(std::string_view text);

// The one line that tells why `value` of `variable` was refused, with the
// accepted range, without the newline.
std::string screenSizeRefusal(std::string_view variable, std::string_view value);

}  // namespace forms
