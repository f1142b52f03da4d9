// The palette of the colour box: 27 colours whose red, green and blue each
// take the levels 0, 128 and 255, red varying slowest. Pure, no Qt.
#pragma once

#include <cstdint>

#include "forms/types.h"

namespace palette {

constexpr int kSize = 27;

// The colour of cell k (0..26): k = 9 r + 3 g + b over the level indices.
constexpr forms::Color colorOf(int k) {
    constexpr int levels[3] = {0, 128, 255};
    return forms::rgb(levels[(k / 9) % 3], levels[(k / 3) % 3], levels[k % 3]);
}

// One component of a colour: 1 red, 2 green, 3 blue, anything else 0.
int16_t RGBFinder(int32_t ColCode, int No);

}  // namespace palette
