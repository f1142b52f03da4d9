// A small RTF reader: enough for a help text of paragraphs with bold runs.
// Pure, no Qt.
#pragma once

#include <string>
#include <vector>

namespace forms {

struct RtfRun {
    std::string text;
    bool bold = false;
};
// One paragraph: its runs in order.
using RtfParagraph = std::vector<RtfRun>;

// Reads RTF text: groups, control words (\par, \b, \b0, \line, \tab,
// \'hh, \uN), escaped braces and backslashes; skips the font and colour
// tables and other destinations ({\* ...}). Text that is not RTF is taken as
// plain text, one paragraph per line: UTF-8 when all of it is well-formed
// UTF-8, else Windows-1252. The runs are always valid UTF-8: a \uN that is
// no character, a lone surrogate half or a byte undefined in Windows-1252
// becomes U+FFFD; a surrogate pair written as two \uN is one character.
std::vector<RtfParagraph> readRtf(const std::string& source);

// The plain text of the paragraphs, joined by "\n".
std::string plainText(const std::vector<RtfParagraph>& paragraphs);

}  // namespace forms
