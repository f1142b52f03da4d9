// The pop-up option panel's seven boxes: "Mouse", "SM", "Hints", "Com",
// "ACol", "Grid" and "Cen". The click handler also runs whenever code changes
// a box's value (key commands, the panel closers), so it does the work for
// them too. Each box switches one panel or drawing aid and hands the keys
// back to the canvas, except "Com" switched on, which leaves them in the
// command line.
#include "window/form1.h"

namespace {

constexpr int kMouse = 0, kScriptManager = 1, kHints = 2, kCommandLine = 3, kAutoColor = 4, kGrid = 5,
              kCentreLine = 6;
constexpr int kV = 86, kAlt = 4;

}  // namespace

void Form1::Check1_Click(int Index) {
    const bool checked = Check1(Index).Value() == 1;
    switch (Index) {
        case kMouse:
            Picture4->SetFocus();
            Picture13->setVisible(checked);
            break;
        case kScriptManager:
            Picture4->SetFocus();
            if (checked) {
                KeyResponder(kV, kAlt);  // fills the editor with the record
                Picture11->setVisible(true);
            } else {
                Picture11->setVisible(false);
            }
            break;
        case kHints:
            Picture19->setVisible(checked);
            break;
        case kCommandLine:
            Picture4->SetFocus();
            if (checked) {
                // The colour box stays as it is under the strip.
                Picture18->setVisible(true);
                Text2->SetFocus();
            } else {
                Picture2->setVisible(true);
                Picture18->setVisible(false);
            }
            break;
        case kAutoColor:
            // Read by the moves, stamps and the pencil; nothing to switch.
            Picture4->SetFocus();
            break;
        case kGrid:
            if (checked) {
                GridMaker();
                for (auto* lines : {&Line4, &Line5}) {
                    for (auto& [index, member] : *lines) {
                        if (index < 2) continue;
                        member->setVisible(true);
                        member->setBorderColor(forms::rgb(0, 0, 100));
                    }
                    // The lines through the home point stand out.
                    if (lines->Exists(2)) (*lines)(2).setBorderColor(forms::rgb(255, 255, 101));
                }
            } else {
                for (auto* lines : {&Line4, &Line5})
                    for (auto& [index, member] : *lines) member->setVisible(false);
            }
            break;
        case kCentreLine:
            Line6->setVisible(checked);
            break;
        default:
            break;
    }
    if (!(Index == kCommandLine && checked)) Picture4->SetFocus();
}

void Form1::ConnectOptionEvents() {
    for (auto& [i, box] : Check1) box->Click = [this, i = i] { Check1_Click(i); };
}
