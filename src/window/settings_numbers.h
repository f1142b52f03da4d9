// The numbers the settings panel reads from its two boxes. Whatever is
// typed, each reader gives a value within its range: a box never overflows
// and never stops the program. Pure, no Qt.
#pragma once

#include <cstdint>
#include <string_view>

namespace settings {

// How many times a move or turn pad sends its key command, from the repeat
// box: the box's leading number rounded half to even within the 16-bit
// range; 0 (also an empty or non-numeric box) counts as 1, a negative count
// sends nothing.
int padRepetitions(std::string_view repeatBox);

// Twips per Logo unit, from the repeat box: its leading number rounded half
// to even and held within the 16-bit range (0 for an empty or non-numeric
// box).
int16_t resolutionOf(std::string_view repeatBox);

// The replay's interval in ms, from the duration box: its leading number
// rounded half to even and held within 1 .. 65535.
int replayInterval(std::string_view durationBox);

}  // namespace settings
