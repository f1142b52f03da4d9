// The colour box in use: a left click on a cell makes its colour the pen
// colour, a right click makes it the background colour (clearing the canvas
// and recording the change), and hovering a cell shows its colour value and
// previews it in the circle on the canvas.
#include "forms/numbers.h"
#include "logo/command.h"
#include "window/form1.h"

void Form1::ColorBoxClick(int Cno, int Bno) {
    if (Cno == 28 || Cno == 29) return;
    if (Bno != forms::kLeftButton && Bno != forms::kRightButton) return;
    forms::Label& cell = Label2(Cno);

    if (Bno == forms::kLeftButton) {
        // The pen colour: nothing is recorded, the colour travels into the
        // record with the commands drawn in it.
        Picture4->setForeColor(cell.BackColor());
        Shape3->setLeft(cell.Left());
        Shape3->setTop(cell.Top());
        PenColor = Picture4->ForeColor();
        Shape5->setFillColor(cell.BackColor());
        Shape5->setBorderColor(cell.BackColor());
        Text1->setForeColor(PenColor);
        Line1->setBorderColor(cell.BackColor());
        for (int i = 0; i <= 3; ++i) Side(i).setBorderColor(cell.BackColor());
        // Eli(0) is the template of the ellipse's segments and keeps its colour.
        for (auto& [index, segment] : Eli)
            if (index >= 1) segment->setBorderColor(cell.BackColor());
        ColorIndex = forms::toInt16(Cno);
    } else if (Bno == forms::kRightButton) {
        // The background colour: setting it clears the canvas, even when it
        // is the colour the canvas has already.
        Shape4->setLeft(cell.Left());
        Shape4->setTop(cell.Top());
        Picture4->setBackColor(cell.BackColor());
        BackgroundColor = Picture4->BackColor();
        Text1->setBackColor(forms::toInt32(BackgroundColor));
        BackColorIndex = forms::toInt16(Cno);

        // A rectangle of the whole canvas in Logo units about the origin.
        logo::Command stamp;
        stamp.word = logo::Word::STAMPRECTRGB;
        stamp.args = {static_cast<float>(2.0f * LogoOriginX), 2.0 * LogoOriginY};
        stamp.color = Picture4->BackColor();
        // With the record full the canvas has still changed, but nothing
        // more is recorded and the record is left exactly as it is.
        if (AppendCommand(logo::toText(stamp))) CheckLogocommandArray();
    }
}

void Form1::Label2_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    (void)Shift, (void)X, (void)Y;
    ColorBoxClick(Index, Button);
}

void Form1::Label2_MouseMove(int Index, int Button, int Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
    forms::Label& cell = Label2(Index);
    cell.setToolTipText(forms::shownNumber(cell.BackColor()));
    Shape10->setVisible(true);
    Shape10->setFillColor(cell.BackColor());
}

void Form1::ConnectColorBoxEvents() {
    for (auto& [i, cell] : Label2) {
        cell->MouseDown = [this, i = i](int b, int s, float x, float y) {
            Label2_MouseDown(i, b, s, x, y);
        };
        cell->MouseMove = [this, i = i](int b, int s, float x, float y) {
            Label2_MouseMove(i, b, s, x, y);
        };
    }
}
