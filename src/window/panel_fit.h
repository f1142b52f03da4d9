// Fitting the settings panel's contents into their holders, after the layout's
// formulas. On screens that are wide for their height the formulas place
// sliders, buttons and frames partly or wholly below the bottom of the frame or
// box that holds them, where they do not show. No Qt, like layout.h.
#pragma once

#include "window/layout.h"

namespace layout {

// Brings every control of the settings panel's frames inside its frame, every
// frame inside the box that holds it (Picture16 or the panel) and the pads and
// Picture16 inside the panel, which is panelWidth x panelHeight. A control
// that already lies inside its holder may still move: it keeps its rectangle
// exactly only while it stays clear of the control stacked below it, no
// control stacked with it moves into it, and its holder is not made smaller.
//
// A control that reaches past its holder's edge moves back in, keeping its
// size; it shrinks only where it is longer than its holder. Controls stacked
// one above the other (the "File" buttons, the "Duration" line over "Play",
// "Repeat" over "Clear", the frames of one column) keep their order without
// overlapping: one that reaches into the one below it moves up, and one that
// moves up pushes the one above it up as well; where there is no room above,
// the ones below are pushed down. A frame or box shorter than its contents
// stacked at their heights grows to hold them (downwards, then moves back into
// its own holder), so a text box, button or slider keeps at least one line's
// height wherever the panel itself is high enough for that.
void fitSettingsPanel(StripsAndSettings& s, float panelWidth, float panelHeight);

}  // namespace layout
