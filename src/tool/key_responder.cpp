// The key-command dispatcher: every key on the canvas, every pad, button and
// mouse gesture reaches the tool as a key command (Code, sh). The rules are
// tested one after another, so one call may run several, and every call
// ends with the common tail that re-derives the tool from its arms.
#include <cmath>

#include "forms/numbers.h"
#include "forms/platform.h"
#include "tool/text_box.h"
#include "window/form1.h"

namespace {

constexpr int kEnter = 13, kSpace = 32, kPageUp = 33, kPageDown = 34, kHome = 36;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kInsert = 45, kDelete = 46;
constexpr int kG = 71, kK = 75, kV = 86;
constexpr int kF2 = 113, kF3 = 114, kF8 = 119, kF9 = 120, kF10 = 121;
constexpr int kToolCount = 10;
constexpr int kPaletteSize = 27;

bool isArrow(int code) { return code >= kLeft && code <= kDown; }

double armLength(const forms::Line& arm) {
    const double dx = static_cast<double>(arm.X2()) - arm.X1();
    const double dy = static_cast<double>(arm.Y2()) - arm.Y1();
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

void Form1::SetPenColorCell(int index) {
    ColorIndex = static_cast<int16_t>(index);
    const forms::Color c = Label2(index).BackColor();
    Picture4->setForeColor(c);
    PenColor = Picture4->ForeColor();
    Shape3->setLeft(Label2(index).Left());
    Shape3->setTop(Label2(index).Top());
    Shape5->setFillColor(PenColor);
    Shape5->setBorderColor(PenColor);
    Text1->setForeColor(PenColor);
}

void Form1::MoveTool(int Code) {
    const float step = MovingStep;
    const float ends[2][2] = {{Line1->X1(), Line1->Y1()}, {Line1->X2(), Line1->Y2()}};
    bool allowed = true;
    for (const auto& e : ends) {
        switch (Code) {
            case kLeft: allowed = allowed && e[0] - step >= MinX; break;
            case kUp: allowed = allowed && e[1] - step >= MinY; break;
            case kRight: allowed = allowed && e[0] + step <= MaxX; break;
            case kDown: allowed = allowed && e[1] + step < 0.95 * MaxY; break;
        }
    }
    if (!allowed) return;
    const float dx = Code == kLeft ? -step : Code == kRight ? step : 0.0f;
    const float dy = Code == kUp ? -step : Code == kDown ? step : 0.0f;
    for (forms::Line* arm : {Line1, Line2}) {
        arm->setX1(arm->X1() + dx);
        arm->setY1(arm->Y1() + dy);
        arm->setX2(arm->X2() + dx);
        arm->setY2(arm->Y2() + dy);
    }
}

void Form1::KeyResponder(int Code, int sh) {
    Picture4->setScaleMode(forms::kScaleTwips);
    const bool aCol = Check1(4).Value() == 1;

    // In "Draw and Move" mode every arrow stamps: before the rule when it
    // moves or turns the tool, after it when it orbits or moves the virtual
    // centre.
    auto drawModeStamp = [&] {
        StampTool();
        if (aCol) SetPenColorCell((ColorIndex + 1) % kPaletteSize);
    };
    const bool arrowStamps = isArrow(Code) && PenMode == 1;
    if (arrowStamps && (sh == 0 || sh == 2)) drawModeStamp();

    if (Code == kEnter && sh == 0 && PenMode == 0) StampTool();

    if (Code == kSpace && sh == 0) {
        PenMode = static_cast<int16_t>((PenMode + 1) % 2);
        ModeText = PenMode == 0 ? "Move" : "Draw and Move";
    }

    if (Code == kPageUp && sh == 0) KeyResponder(kRight, 2);
    if (Code == kPageDown && sh == 0) KeyResponder(kLeft, 2);

    if (Code == kHome && sh == 0) {
        BringToolHome();
        const float saved = MovingStep;
        MovingStep = 0;
        KeyResponder(kLeft, 0);
        MovingStep = forms::toInt16(saved);
    }

    if (isArrow(Code) && sh == 0) MoveTool(Code);

    if ((Code == kLeft || Code == kRight) && (sh == 1 || sh == 3)) {
        RotateAround1(Code == kLeft ? 360 - RotatingStep : RotatingStep);
        if (sh == 3) KeyResponder(Code, 2);
    }

    if ((Code == kLeft || Code == kRight) && sh == 2) {
        // Each arm end is placed at its own heading from the centre, turned
        // by the rotating step; the heading is taken from the end toward the
        // centre, so every end also crosses to the other side.
        ToolX = static_cast<float>((Line1->X1() + Line1->X2()) / 2.0f);
        ToolY = (static_cast<double>(Line1->Y1()) + Line1->Y2()) / 2;
        const int sign = Code == kLeft ? -1 : 1;
        auto turnEnd = [&](float x, float y, auto setX, auto setY) {
            ToolHeading = AngleFinder(x, y, ToolX, ToolY) + sign * RotatingStep;
            const double r = std::sqrt((x - ToolX) * (x - ToolX) + (y - ToolY) * (y - ToolY));
            const auto p = Repos(ToolX, ToolY, ToolHeading, r);
            setX(static_cast<float>(p[0]));
            setY(static_cast<float>(p[1]));
        };
        turnEnd(Line1->X1(), Line1->Y1(), [&](float v) { Line1->setX1(v); }, [&](float v) { Line1->setY1(v); });
        turnEnd(Line1->X2(), Line1->Y2(), [&](float v) { Line1->setX2(v); }, [&](float v) { Line1->setY2(v); });
        turnEnd(Line2->X1(), Line2->Y1(), [&](float v) { Line2->setX1(v); }, [&](float v) { Line2->setY1(v); });
        turnEnd(Line2->X2(), Line2->Y2(), [&](float v) { Line2->setX2(v); }, [&](float v) { Line2->setY2(v); });
    }

    if (isArrow(Code) && sh == 4) {
        if (Code == kLeft) VirtualCenterX -= MovingStep;
        if (Code == kRight) VirtualCenterX += MovingStep;
        if (Code == kUp) VirtualCenterY -= MovingStep;
        if (Code == kDown) VirtualCenterY += MovingStep;
    }

    if (arrowStamps && (sh == 1 || sh == 4)) drawModeStamp();

    if (Code == kDelete && sh == 0) {
        Picture4->Cls();
        if (AppendCommand("CS")) CheckLogocommandArray();
        if (BackgroundSet) FullScreenPicture();
    }
    if (Code == kDelete && sh == 1) {
        Picture4->setPicture(QImage());
        BackgroundSet = false;
    }

    if (Code == kV && sh == 4) {
        // The Script Manager shows the record, one line per entry.
        const int last = std::min<int>(CommandCount, kRecordSize);
        std::string text;
        ProgressBar2->setMin(0);
        ProgressBar2->setMax(last);
        for (int i = 1; i <= last; ++i) {
            text += CommandArray[i];
            text += '\r';
            ProgressBar2->setValue(i);
        }
        RichTextBox1->setText(text);
        Label5->setCaption("No of Lines:" + forms::shownNumber(CommandCount - 1));
        Label6->setCaption("No of Characters:" +
                           forms::shownNumber(static_cast<double>(tool::textLength(RichTextBox1->Text()))));
        Picture11->setVisible(true);
        RichTextBox1->setVisible(true);
    }

    if (Code == 97 || Code == 99 || Code == 103 || Code == 105) {
        if (sh == 0) {
            if (aCol) SetPenColorCell((ColorIndex + 1) % kPaletteSize);
            if (PenMode == 1) StampTool();
            const int16_t savedMode = PenMode;
            PenMode = 0;
            const int vertical = (Code == 97 || Code == 99) ? kDown : kUp;
            const int horizontal = (Code == 97 || Code == 103) ? kLeft : kRight;
            // 1: down then left, 3: right then down, 7: up then left, 9: up then right.
            if (Code == 99) {
                KeyResponder(horizontal, 0);
                KeyResponder(vertical, 0);
            } else {
                KeyResponder(vertical, 0);
                KeyResponder(horizontal, 0);
            }
            PenMode = savedMode;
        }
    }

    if (Code == kF2 && sh == 0) {
        ToolNo = static_cast<int16_t>((ToolNo + 1) % kToolCount);
        Shape1->setLeft(Image1(ToolNo).Left());
        Shape1->setTop(Image1(ToolNo).Top());
    }
    if (Code == kF2 && sh == 1) {
        ToolNo = static_cast<int16_t>(ToolNo == 0 ? kToolCount - 1 : ToolNo - 1);
        Shape1->setLeft(Image1(ToolNo).Left());
        Shape1->setTop(Image1(ToolNo).Top());
    }
    if (Code == kF2) {
        MakeAllToolsVisibleFalse();
        switch (ToolNo) {
            case 0: Line1->setVisible(true); break;
            case 1:
                for (int i = 0; i <= 3; ++i) Side(i).setVisible(true);
                break;
            case 2:
                for (auto& [index, member] : Eli)
                    if (index >= 1) member->setVisible(true);
                break;
            case 3: Shape2->setVisible(true); break;
            case 4:
                Text1->setVisible(true);
                Text1->setFontSize(20);
                Text1->setFontName("20");
                Text1->setForeColor(Picture4->ForeColor());
                Text1->setHeight(Text1->font().Size);
                Text1->SetFocus();
                break;
            case 5:
            case 6:
                Shape5->setVisible(true);
                Shape5->setShapeKind(ToolNo == 5 ? 0 : 2);
                Shape5->setFillStyle(0);
                Shape5->setFillColor(Picture4->ForeColor());
                Shape5->setBorderColor(Picture4->ForeColor());
                break;
            case 7:
                Picture5->setVisible(true);
                Picture5->SetFocus();
                break;
            case 8:
                Picture5->setVisible(false);
                Picture4->setMouseIcon(Image7->Picture());
                break;
            case 9:
                FillMode = true;
                Picture4->setMouseIcon(Image8->Picture());
                break;
        }
        if (ToolNo != 9) FillMode = false;
    }

    if (Code == kF3 && sh == 0) SetPenColorCell((ColorIndex + 1) % kPaletteSize);
    if (Code == kF3 && sh == 1) SetPenColorCell(ColorIndex == 0 ? kPaletteSize - 1 : ColorIndex - 1);

    if ((Code == kF8 || Code == kF9) && (sh == 0 || sh == 1 || sh == 2)) {
        if (PenMode == 1) drawModeStamp();
        const double d = Code == kF8 ? MovingStep : -MovingStep;
        auto resize = [&](forms::Line& arm) {
            if (Code == kF9 && !(armLength(arm) - MovingStep > 0)) return;
            const auto r = RSizer(arm.X1(), arm.Y1(), arm.X2(), arm.Y2(), d);
            arm.setX1(static_cast<float>(r[0]));
            arm.setY1(static_cast<float>(r[1]));
            arm.setX2(static_cast<float>(r[2]));
            arm.setY2(static_cast<float>(r[3]));
        };
        if (sh == 0 || sh == 1) resize(*Line1);
        if (sh == 0 || sh == 2) resize(*Line2);
        if (sh == 0) {
            const float step = MovingStep;
            for (forms::Shape* s : {Shape5, Shape2}) {
                const float w = Code == kF8 ? s->Width() + step : s->Width() - step;
                const float h = Code == kF8 ? s->Height() + step : s->Height() - step;
                const bool fits = Code == kF8 ? (w < ScreenWidth() && h < ScreenHeight()) : (w > 1 && h > 1);
                if (fits) {
                    s->setHeight(h);
                    s->setWidth(w);
                }
            }
        }
    }

    if (Code == kG && sh == 2) {
        const std::string answer = forms::platform().inputBox("Enter the Grid distance", "VRK", "100");
        GridDistance = forms::leadingNumber(answer);
        if (!(GridDistance >= 100)) GridDistance = 100;
    }
    if (Code == kG && sh == 4) {
        if (Check1(5).Value() == 0) {
            Check1(5).setValue(1);
            GridMaker();
            for (auto* lines : {&Line4, &Line5}) {
                for (auto& [index, member] : *lines) {
                    if (index < 2) continue;
                    member->setBorderColor(forms::rgb(0, 0, 100));
                    member->setVisible(true);
                }
                if (lines->Exists(2)) (*lines)(2).setBorderColor(forms::rgb(255, 255, 101));
            }
        } else {
            Check1(5).setValue(0);
            for (auto* lines : {&Line4, &Line5})
                for (auto& [index, member] : *lines) member->setVisible(false);
        }
    }

    if (Code == kK && sh == 2) FollowMouse = !FollowMouse;
    if (Code == kF10 && sh == 0) SAVE_PICTURE();
    if (Code == kUp && sh == 2) Picture_Loader1();
    if (Code == kDown && sh == 2) Picture_Loader2();

    KeyResponderTail(Code, sh);
}

void Form1::KeyResponderTail(int Code, int sh) {
    ToolX = static_cast<float>((Line1->X1() + Line1->X2()) / 2.0f);
    ToolY = (static_cast<double>(Line1->Y1()) + Line1->Y2()) / 2;
    ToolWidth = armLength(*Line1);
    ToolHeight = armLength(*Line2);
    MakeBox();
    if (ToolNo == 2) {
        ToolHeading = AngleFinder(static_cast<float>(Line2->X2()), static_cast<float>(Line2->Y2()),
                                  static_cast<float>(ToolX), static_cast<float>(ToolY));
        EllipseMaker(static_cast<float>(ToolX), static_cast<float>(ToolY), static_cast<float>(ToolWidth),
                     static_cast<float>(ToolHeight), static_cast<float>(ToolHeading));
    }
    const forms::Color pen = Picture4->ForeColor();
    for (int i = 0; i <= 3; ++i) Side(i).setBorderColor(pen);
    Line1->setBorderColor(pen);
    Line2->setBorderColor(pen);
    for (auto& [index, member] : Eli)
        if (index >= 1) member->setBorderColor(pen);
    for (forms::Shape* s : {Shape2, Shape5}) {
        s->setWidth(static_cast<float>(ToolWidth));
        s->setHeight(static_cast<float>(ToolHeight));
        s->setLeft(static_cast<float>(ToolX - ToolWidth / 2));
        s->setTop(static_cast<float>(ToolY - ToolHeight / 2));
    }
    Picture9->setLeft(static_cast<float>(ToolX - ToolWidth / 2));
    Picture9->setTop(static_cast<float>(ToolY - ToolHeight / 2));
    Text1->setLeft(static_cast<float>(ToolX));
    Text1->setTop(static_cast<float>(ToolY));
    Line6->setX1(static_cast<float>(ToolX));
    Line6->setY1(static_cast<float>(ToolY));
    Line6->setX2(static_cast<float>(VirtualCenterX));
    Line6->setY2(static_cast<float>(VirtualCenterY));
    // The box takes the focus while it shows; after Insert has hidden it the
    // keys stay with the canvas instead of failing every key command.
    if (ToolNo == 4 && Text1->Visible()) Text1->SetFocus();
    if (ToolNo != 8 && ToolNo != 9) Picture4->setMouseIcon(QImage());
    if (Code == kInsert && sh == 0) MakeAllToolsVisibleFalse();
    Text2->setText(PendingCommand());
    DisplayInfo();
    if (Picture11->Visible()) Image6->setPicture(Picture4->Image());
}
