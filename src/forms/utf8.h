// Writing and checking UTF-8. Pure, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// The character put in place of anything that cannot be a character.
inline constexpr uint32_t kReplacementCharacter = 0xFFFD;

// True for a Unicode scalar value: up to U+10FFFF and no surrogate half.
constexpr bool isScalarValue(uint32_t cp) { return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF); }

// Appends `cp` encoded as UTF-8; a value that is no character is appended
// as U+FFFD, so the text stays valid UTF-8.
void appendUtf8(std::string& out, uint32_t cp);

// True when `text` is well-formed UTF-8: shortest forms only, no surrogate
// halves, nothing beyond U+10FFFF.
bool isValidUtf8(std::string_view text);

}  // namespace forms
