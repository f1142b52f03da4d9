// Stamping the current tool: the stamp is a command value built from the
// arms, written into the record and drawn by the same function the replay
// uses, so a replayed drawing gives the same pixels.
#include <cmath>

#include "forms/numbers.h"
#include "logo/draw_command.h"
#include "tool/text_box.h"
#include "window/form1.h"

namespace {

// Recorders other than the pencil, text and fill write whole Logo units.
double unitX(double twips, float originX) { return forms::roundHalfEven(logo::logoX(twips, originX)); }
double unitY(double twips, int16_t originY) { return forms::roundHalfEven(logo::logoY(twips, originY)); }
double units(double twips) { return forms::roundHalfEven(twips / 10); }

}  // namespace

std::optional<logo::Command> Form1::StampCommand() const {
    const forms::Color c = Picture4->ForeColor();
    const double cx = static_cast<float>((Line1->X1() + Line1->X2()) / 2.0f);
    const double cy = (static_cast<double>(Line1->Y1()) + Line1->Y2()) / 2;
    auto length = [](const forms::Line& arm) {
        const double dx = static_cast<double>(arm.X2()) - arm.X1();
        const double dy = static_cast<double>(arm.Y2()) - arm.Y1();
        return std::sqrt(dx * dx + dy * dy);
    };
    logo::Command cmd;
    cmd.color = c;
    switch (ToolNo) {
        case 0:
            cmd.word = logo::Word::LINERGB;
            cmd.args = {unitX(Line1->X1(), LogoOriginX), unitY(Line1->Y1(), LogoOriginY),
                        unitX(Line1->X2(), LogoOriginX), unitY(Line1->Y2(), LogoOriginY)};
            return cmd;
        case 1: {
            cmd.word = logo::Word::BOXRGB;
            // Corners in outline order: Line1 first end, Line2 second end,
            // Line1 second end, Line2 first end.
            const float px[4] = {Line1->X1(), Line2->X2(), Line1->X2(), Line2->X1()};
            const float py[4] = {Line1->Y1(), Line2->Y2(), Line1->Y2(), Line2->Y1()};
            for (int i = 0; i < 4; ++i) {
                cmd.args.push_back(unitX(px[i], LogoOriginX));
                cmd.args.push_back(unitY(py[i], LogoOriginY));
            }
            return cmd;
        }
        case 2: {
            cmd.word = logo::Word::ELLIPSERGB;
            const double heading = AngleFinder(static_cast<float>(Line2->X2()), static_cast<float>(Line2->Y2()),
                                               static_cast<float>(cx), static_cast<float>(cy));
            cmd.args = {unitX(cx, LogoOriginX), unitY(cy, LogoOriginY), units(length(*Line1)),
                        units(length(*Line2)), heading};
            return cmd;
        }
        case 3:
        case 5:
        case 6:
            cmd.word = ToolNo == 6 ? logo::Word::FILLOVALRGB : logo::Word::FILLRECTRGB;
            cmd.args = {unitX(cx, LogoOriginX), unitY(cy, LogoOriginY), units(length(*Line1)),
                        units(length(*Line2))};
            return cmd;
        default:
            return std::nullopt;
    }
}

void Form1::StampTool() {
    // The pencil stamps nothing: its stamp hides the tool outlines.
    if (ToolNo == 8) MakeAllToolsVisibleFalse();
    const auto cmd = StampCommand();
    if (!cmd) return;
    logo::drawCommand(*Picture4, *cmd, LogoOriginX, LogoOriginY, 10);
    Picture4->Refresh();
    if (AppendCommand(logo::toText(*cmd))) CheckLogocommandArray();
}

std::optional<logo::Command> Form1::TextToolCommand() const {
    // A line break (pasted text) would split the recorded line: the text is
    // printed and recorded without them.
    std::string text = tool::singleLine(Text1->Text());
    if (text.empty()) return std::nullopt;
    logo::Command cmd;
    cmd.word = logo::Word::WRITERGB;
    cmd.text = std::move(text);
    cmd.color = Text1->ForeColor();
    // Single precision throughout, as the text tool records its place: left
    // 7321 on an origin of 718.5 gives 13.59998.
    const float x = Text1->Left() / 10.0f - LogoOriginX;
    const float y = static_cast<float>(LogoOriginY) - Text1->Top() / 10.0f;
    cmd.args = {x, y, Text1->font().Size};
    return cmd;
}

std::string Form1::PendingCommand() const {
    const auto cmd = ToolNo == 4 ? TextToolCommand() : StampCommand();
    return cmd ? logo::toText(*cmd) : std::string();
}
