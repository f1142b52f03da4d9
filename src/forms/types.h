// Basic types of the forms layer: colours, fonts, errors, and the unit
// conversion between twips (the program's unit) and pixels.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace forms {

// A colour is red + 256 * green + 65536 * blue.
using Color = int32_t;

constexpr Color rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int redOf(Color c) { return c & 0xFF; }
constexpr int greenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Color c) { return (c >> 16) & 0xFF; }

// Twips per pixel. Positions and sizes are stored in twips as float, exactly
// as set; the Qt widget shows them at twips / 15.
constexpr float kTwipsPerPixel = 15.0f;

struct Font {
    std::string Name = "MS Sans Serif";
    float Size = 8.25f;  // points
    bool Bold = false;
};

// A failing statement, as the program's run time raises it. Handlers with an
// error trap catch it; everything else lets it end the event.
struct RuntimeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A number that does not fit the integer it is stored in.
struct OverflowError : RuntimeError {
    using RuntimeError::RuntimeError;
};

// Scale modes of a picture box.
enum ScaleModes { kScaleTwips = 1, kScalePixels = 3 };

// Message box buttons and answers.
enum MsgBoxStyle { vbOKOnly = 0, vbYesNo = 4 };
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Mouse buttons and the shift mask, as handlers receive them.
enum Buttons { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftMask { kShift = 1, kCtrl = 2, kAlt = 4 };

}  // namespace forms
