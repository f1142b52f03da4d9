// The text tool: while the "Text Tool" is current its box Text1 lies on the
// canvas with its top-left corner at the tool centre and takes every key.
// The handler keeps the box one character wider than its text, prints the
// text on the canvas and records it on Enter (and at every arrow in "Draw
// and Move" mode), moves the box and the tool cross together, and passes a
// few keys on to the key-command dispatcher. The box does its own editing
// after the handler.
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QObject>
#include <algorithm>

#include "logo/draw_command.h"
#include "tool/text_box.h"
#include "window/form1.h"

namespace {

constexpr int kEnter = 13, kSpace = 32, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kV = 86;
constexpr int kF2 = 113, kF3 = 114, kF8 = 119, kF9 = 120;
constexpr int kPaletteSize = 27;
constexpr int kAutoColor = 4;  // the "ACol" option box
// The face name the canvas prints in; the forms layer maps it to the same
// face as the box's own "20".
constexpr const char* kPrintFace = "15";

bool isArrow(int code) { return code >= kLeft && code <= kDown; }

// The box's Height is its font size taken as twips, far less than a line of
// text, and its Width allows about 13 pixels a character at size 20: its
// widget is kept at least one line of its font tall and as wide as its text,
// so the user sees all that is typed. The model's Height and Width stay as
// set (the box has no border or background, so only the text shows).
class BoxSizeKeeper : public QObject {
public:
    explicit BoxSizeKeeper(QLineEdit* box) : QObject(box), box_(box) {
        QObject::connect(box, &QLineEdit::textChanged, this, [this] { follow(); });
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ && event->type() == QEvent::FontChange) follow();
        return false;
    }

private:
    void follow() {
        const QFontMetrics fm(box_->font());
        box_->setMinimumHeight(std::max(fm.height() + 2, box_->minimumSizeHint().height()));
        // The text, one blank for the caret, and the line edit's margins.
        box_->setMinimumWidth(fm.horizontalAdvance(box_->text()) + fm.horizontalAdvance(QLatin1Char(' ')) + 6);
    }
    QLineEdit* box_;
};

// Prints the box text on the canvas at the box's top-left corner and records
// it as one WRITERGB line (nothing is recorded for an empty box). The text is
// drawn from the recorded line itself, through the function the replay uses,
// so a replay gives the same pixels. The canvas keeps the print settings.
void printBoxText(Form1& f) {
    forms::PictureBox& canvas = *f.Picture4;
    const float size = f.Text1->font().Size;
    if (const auto cmd = f.TextToolCommand()) {
        const std::string line = logo::toText(*cmd);
        const auto recorded = logo::parse(line);
        logo::drawCommand(canvas, recorded ? *recorded : *cmd, f.LogoOriginX, f.LogoOriginY, 10);
        canvas.Refresh();
        // A full record keeps the print; the user is told once.
        if (f.AppendCommand(line)) f.CheckLogocommandArray();
    } else {
        // An empty line only moves the print position down.
        canvas.setFontName(kPrintFace);
        canvas.setFontSize(size);
        canvas.setCurrentX(f.Text1->Left());
        canvas.setCurrentY(f.Text1->Top());
        canvas.Print("");
    }
    canvas.setFontName(kPrintFace);
    canvas.setFontSize(size);
}

}  // namespace

void Form1::Text1_KeyDown(int& KeyCode, int& Shift) {
    const int code = KeyCode, sh = Shift;

    // The width for the text before this key takes effect.
    Text1->setWidth(tool::textBoxWidth(Text1->font().Size, Text1->Text()));
    ToolX = Text1->Left();
    ToolY = Text1->Top();

    if (code == kEnter) {
        printBoxText(*this);
        Text1->setText("");
        // Four moving steps down, ready for the next line; each puts the
        // box's corner on the tool centre.
        for (int i = 0; i < 4; ++i) KeyResponder(kDown, 0);
        Picture4->SetFocus();
    }

    if (code == kF2) {
        KeyResponder(kF2, 0);
        // The box is hidden with the tool outlines: the keys go on to the
        // canvas, and so to the newly chosen tool.
        if (!Text1->IsShown() && Picture4->IsShown() && Picture4->Enabled()) Picture4->SetFocus();
    }

    if (code == kF3 && sh == 0) SetPenColorCell((ColorIndex + 1) % kPaletteSize);

    if ((code == kF8 || code == kF9) && sh == 0) {
        Text1->setFontSize(tool::steppedTextSize(Text1->font().Size, code == kF8 ? 1 : -1));
        Text1->setHeight(Text1->font().Size);
    }

    const float step = MovingStep;
    if (code == kUp && sh == 0 && Text1->Top() - step >= MinY) {
        Text1->setTop(Text1->Top() - step);
        ToolMove(kUp, 0);
    }
    if (code == kDown && sh == 0 && Text1->Top() + step < 0.95 * MaxY) {
        Text1->setTop(Text1->Top() + step);
        ToolMove(kDown, 0);
    }
    if (code == kLeft && sh == 0 && Text1->Left() - step >= MinX) {
        Text1->setLeft(Text1->Left() - step);
        ToolMove(kLeft, 0);
    }
    // Shift+Left and Shift+Right carry the tool around the virtual centre,
    // counter-clockwise and clockwise; the box follows the tool centre.
    if ((code == kLeft || code == kRight) && sh == 1) {
        RotateAround1(code == kLeft ? 360 - RotatingStep : RotatingStep);
        ToolX = static_cast<float>((Line1->X1() + Line1->X2()) / 2.0f);
        ToolY = (static_cast<double>(Line1->Y1()) + Line1->Y2()) / 2;
        Text1->setLeft(static_cast<float>(ToolX));
        Text1->setTop(static_cast<float>(ToolY));
        Line6->setX1(static_cast<float>(ToolX));
        Line6->setY1(static_cast<float>(ToolY));
    }
    if (code == kRight && sh == 0 && Text1->Left() + step <= MaxX) {
        Text1->setLeft(Text1->Left() + step);
        ToolMove(kRight, 0);
    }

    if (code == kSpace && sh == 1) KeyResponder(kSpace, 0);
    if (code == kV && sh == 4) KeyResponder(kV, 4);

    if (isArrow(code)) {
        // Draw mode prints where the box stands after its move, and keeps
        // the text in the box, so one text can be stamped along a path.
        if (PenMode == 1) printBoxText(*this);
        if (Check1(kAutoColor).Value() == 1) KeyResponder(kF3, 0);
    }
}

void Form1::ToolMove(int Code, int sh) {
    if (sh == 0 && isArrow(Code)) MoveTool(Code);
    ToolX = static_cast<float>((Line1->X1() + Line1->X2()) / 2.0f);
    ToolY = (static_cast<double>(Line1->Y1()) + Line1->Y2()) / 2;
    const float left = static_cast<float>(ToolX - Shape5->Width() / 2.0);
    const float top = static_cast<float>(ToolY - Shape5->Height() / 2.0);
    Shape5->setLeft(left);
    Shape5->setTop(top);
    Shape2->setLeft(left);
    Shape2->setTop(top);
    Line6->setX1(static_cast<float>(ToolX));
    Line6->setY1(static_cast<float>(ToolY));
}

void Form1::ConnectTextToolEvents() {
    Text1->KeyDown = [this](int& KeyCode, int& Shift) {
        Text1_KeyDown(KeyCode, Shift);
    };
    if (auto* box = qobject_cast<QLineEdit*>(Text1->widget())) box->installEventFilter(new BoxSizeKeeper(box));
}
