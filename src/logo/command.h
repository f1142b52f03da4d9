// The recorded drawing commands: one table of the command words, the value
// of one command, its text as it is recorded, and the reader of that text.
//
// A recorded line is the command word, one blank, each number in brackets
// followed by one blank, and the colour last as a bare decimal integer:
//   LINERGB (x1) (y1) (x2) (y2) c
//   BOXRGB (x1) (y1) (x2) (y2) (x3) (y3) (x4) (y4) c   the four corners, joined in turn
//   ELLIPSERGB (x) (y) (w) (h) (heading) c             centre, full size, heading in degrees
//   FILLRECTRGB (x) (y) (w) (h) c                      filled rectangle: centre and full size
//   FILLOVALRGB (x) (y) (w) (h) c                      filled oval: centre and full size
//   FLOODFILLAT (x) (y) c                              canvas pixels from the top left, y down
//   STAMPRECTRGB (w) (h) c                             filled w x h rectangle centred on the origin
//   WRITERGB "<text>,c (x) (y) size"                   text whose top-left corner is at (x, y)
//   CS                                                 clears the canvas
// Coordinates are Logo units about the Logo origin, x to the right and y
// upward, except FLOODFILLAT's pixels. FILLRECTRGB and FILLOVALRGB give the
// centre like ELLIPSERGB, so every tool shape is recorded about the tool
// centre. The text of WRITERGB is written unchanged (it may hold blanks,
// commas, brackets and double quotes); a reader finds the numbers from the
// end of the line.
//
// Precision of the recorders: the pencil, the text tool and the fill compute
// their numbers at single precision and record them unrounded; the stamps
// round every number half to even to whole Logo units.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace logo {

// The command words, spelt as they are recorded.
enum class Word : uint8_t {
    LINERGB,
    BOXRGB,
    ELLIPSERGB,
    FILLRECTRGB,
    FILLOVALRGB,
    FLOODFILLAT,
    STAMPRECTRGB,
    WRITERGB,
    CS,
};

struct WordInfo {
    Word word;
    std::string_view name;
    uint8_t numbers;  // numeric arguments (for WRITERGB: x, y, size)
    bool color;       // a colour follows the numbers
    bool quoted;      // the line carries a quoted text (WRITERGB)
};

inline constexpr std::array<WordInfo, 9> kWords{{
    {Word::LINERGB, "LINERGB", 4, true, false},
    {Word::BOXRGB, "BOXRGB", 8, true, false},
    {Word::ELLIPSERGB, "ELLIPSERGB", 5, true, false},
    {Word::FILLRECTRGB, "FILLRECTRGB", 4, true, false},
    {Word::FILLOVALRGB, "FILLOVALRGB", 4, true, false},
    {Word::FLOODFILLAT, "FLOODFILLAT", 2, true, false},
    {Word::STAMPRECTRGB, "STAMPRECTRGB", 2, true, false},
    {Word::WRITERGB, "WRITERGB", 3, true, true},
    {Word::CS, "CS", 0, false, false},
}};

constexpr bool wordsInOrder() {
    for (size_t i = 0; i < kWords.size(); ++i)
        if (static_cast<size_t>(kWords[i].word) != i) return false;
    return true;
}
static_assert(wordsInOrder(), "kWords must list the words in the order of Word");

constexpr const WordInfo& wordInfo(Word w) { return kWords[static_cast<size_t>(w)]; }

// One drawing command. For WRITERGB, args are x, y and the font size in
// points, and text the text printed.
struct Command {
    Word word = Word::CS;
    std::vector<double> args;
    int32_t color = 0;
    std::string text;
};

// The recorded text of a command. Numbers are written as recorded number
// text at single precision ("12", "-3.5", ".25", "1E+08").
std::string toText(const Command& c);

// Reads one line as toText writes it. Blanks between tokens (and inside the
// brackets) may be repeated, the word may be in any case. A colour is a
// decimal integer from 0 to &HFFFFFF. Anything else, an unknown word, a
// missing or extra argument, or a number that is not finite gives nullopt.
std::optional<Command> parse(std::string_view line);

// True when the line holds "PD", "PU", "SETXY" or "FILLSTYLE" (any case) as a
// whole word, outside the quoted text of a WRITERGB line. The replay skips
// the line after such a marker; a user's text such as "UPDATE" or "PD" typed
// with the text tool is no marker.
bool isReplaySkipMarker(std::string_view line);

// Canvas twips to Logo units as the recorders take them: 10 twips a unit,
// x to the right of the origin and y upward from it.
inline double logoX(double twipsX, float originX) { return twipsX / 10 - originX; }
inline double logoY(double twipsY, int16_t originY) { return originY - twipsY / 10; }

// Logo units to canvas twips at `resolution` twips a unit. The origin itself
// is given in units of 10 twips and stays at the canvas centre whatever the
// resolution: the resolution scales the drawing about it.
inline double twipsX(double x, float originX, double resolution) { return originX * 10.0 + x * resolution; }
inline double twipsY(double y, int16_t originY, double resolution) { return originY * 10.0 - y * resolution; }

}  // namespace logo
