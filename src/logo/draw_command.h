// Draws one recorded command on a picture box. Stamps, pencil strokes, the
// text tool, fills and the replay all draw through this one function, so a
// replayed drawing gives the same pixels as the drawing itself.
#pragma once

#include <cstdint>

#include "logo/command.h"

namespace forms {
class PictureBox;
}

namespace logo {

// Draws `c` in its own colour on `canvas`, with `resolution` twips a Logo
// unit about the Logo origin (originX, originY). The canvas's ForeColor,
// FillColor, FillStyle, font and ScaleMode are as before when the call
// returns (also when it throws); the print position is left where the
// drawing operations leave it. Lines are drawn at the canvas's DrawWidth.
// FLOODFILLAT takes canvas pixels, rounded half to even. The caller refreshes
// the canvas.
//
// Throws forms::RuntimeError for a command with the wrong number of
// arguments or a font size outside 1 to 2160 points, and
// forms::OverflowError for a coordinate beyond single precision; nothing is
// drawn then.
void drawCommand(forms::PictureBox& canvas, const Command& c, float originX, int16_t originY,
                 double resolution);

}  // namespace logo
