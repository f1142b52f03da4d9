// The info line: the window caption rebuilt after every key command from
// the tool, the steps, the tool size, the draw width and the pen mode.
#include "forms/numbers.h"
#include "window/form1.h"

void Form1::DisplayInfo() {
    using forms::shownNumber;
    InfoText = ".   VRK  " + Image1(ToolNo).ToolTipText() + "   " + "[Moving Step " +
               shownNumber(MovingStep, true) + "] [Rotating Step " + shownNumber(RotatingStep) +
               "] [Tool Width " + shownNumber(forms::roundHalfEven(ToolWidth)) + "] [Tool Height " +
               shownNumber(forms::roundHalfEven(ToolHeight)) + "] [Draw Width " + shownNumber(DrawWidth) +
               "]" + "     " + ModeText;
    setCaption(InfoText);
}
