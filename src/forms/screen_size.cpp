#include "forms/screen_size.h"

#include <charconv>

namespace forms {

namespace {

// One side: decimal digits only, 1 to kMaxScreenSide. from_chars reports
// overflow instead of wrapping, and the digit check keeps out the sign
// from_chars would take.
std::optional<int> readSide(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < 1 || value > kMaxScreenSide) return std::nullopt;
    return value;
}

// The value as it can be shown on one line: control characters as \xHH.
std::string oneLine(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : value) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace

std::optional<ScreenSize> parseScreenSize(std::string_view text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string_view::npos) return std::nullopt;
    const auto width = readSide(text.substr(0, x));
    const auto height = readSide(text.substr(x + 1));
    if (!width || !height) return std::nullopt;
    return ScreenSize{*width, *height};
}

std::string screenSizeRefusal(std::string_view variable, std::string_view value) {
    const std::string max = std::to_string(kMaxScreenSide);
    return std::string(variable) + "=\"" + oneLine(value) + "\" refused: expected WIDTHxHEIGHT with 1 to " + max +
           " pixels a side (1x1 to " + max + "x" + max + "); using the screen's size";
}

}  // namespace forms
