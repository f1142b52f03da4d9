// Flood fill over a 32-bit pixel buffer: exact colour match, surface fill
// (the area that has the seed's colour), 4-connected, scanline, no
// recursion. Pure, no Qt.
#pragma once

#include <cstdint>

namespace forms {

// pixels: width * height values, row after row, `stride` values per row.
// Replaces every pixel 4-connected to (x, y) that has the colour of (x, y)
// by `fill`. A seed outside the buffer, or a fill equal to the seed's
// colour, changes nothing. Returns the number of pixels changed.
long floodFill(uint32_t* pixels, int width, int height, int stride, int x, int y, uint32_t fill);

// The smallest rectangle holding every changed pixel (inclusive bounds).
struct FillBounds {
    int left = 0, top = 0, right = -1, bottom = -1;
};
// The same fill, also giving the bounds of what it changed (left > right
// when nothing changed).
long floodFill(uint32_t* pixels, int width, int height, int stride, int x, int y, uint32_t fill,
               FillBounds& bounds);

}  // namespace forms
