// The full-screen layout applied to the window's controls. The formulas
// themselves live in layout.cpp as pure functions; here their results are
// stored into the controls, in the order start-up sets them, and every
// design value the formulas read is taken from the control that holds it.
#include "window/form1.h"
#include "window/layout.h"
#include "window/panel_fit.h"
#include "window/palette.h"

namespace {

using layout::Rect;

void place(forms::Control& c, const Rect& r) { c.Move(r.Left, r.Top, r.Width, r.Height); }

void placeAt(forms::Control& c, const layout::Pos& p) {
    c.setLeft(p.Left);
    c.setTop(p.Top);
}

Rect rectOf(const forms::Control& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

// The design values that the layout reads and no layout step sets, as the
// controls hold them now. The icon size is the natural size of Image1(0)'s
// picture, so it must be read after its Stretch is switched off.
layout::Design designOf(const Form1& f) {
    layout::Design d;
    d.Label1Height = f.Label1(0).Height();
    d.Picture3Width = f.Picture3->Width();
    d.Label7Height = f.Label7->Height();
    d.Command7Width = f.Command7->Width();
    d.Command7Height = f.Command7->Height();
    d.ProgressBar2Height = f.ProgressBar2->Height();
    d.Command1Width = f.Command1->Width();
    d.Command1Height = f.Command1->Height();
    d.Command2Width = f.Command2->Width();
    d.Command2Height = f.Command2->Height();
    d.Command3Width = f.Command3->Width();
    d.Label5Height = f.Label5->Height();
    d.Shape10Width = f.Shape10->Width();
    d.Shape10Height = f.Shape10->Height();
    d.IconWidth = f.Image1(0).Width();
    d.IconHeight = f.Image1(0).Height();
    d.Picture5Height = f.Picture5->Height();
    d.HScroll1Left = f.HScroll1->Left();
    d.HScroll1Top = f.HScroll1->Top();
    d.HScroll1Height = f.HScroll1->Height();
    d.Picture7Height = f.Picture7->Height();
    d.HScroll2Left = f.HScroll2->Left();
    d.HScroll2Top = f.HScroll2->Top();
    d.HScroll2Height = f.HScroll2->Height();
    d.Command6PlayHeight = f.Command6(2).Height();
    d.Label9Width = f.Label9->Width();
    d.Label9Height = f.Label9->Height();
    d.Text4Width = f.Text4->Width();
    d.Text4Height = f.Text4->Height();
    d.Command8Height = f.Command8(0).Height();
    return d;
}

}  // namespace

void Form1::LayoutMainPanels() {
    // The first icon takes its picture's natural size, which sizes the tool
    // box and everything laid out from it.
    Image1(0).setStretch(false);
    RepaintWindow();
    const layout::MainPanels p = layout::mainPanels(ScreenWidth(), ScreenHeight(), designOf(*this));

    // Tool box: the frame of the chosen tool, the box, its title, the icons.
    Shape1->setWidth(p.Shape1Width);
    Shape1->setHeight(p.Shape1Height);
    place(*Picture1, p.Picture1);
    place(Label1(0), p.Label1);
    for (int i = 0; i < layout::kIconCount; ++i) {
        Image1(i).setStretch(false);
        if (p.Image1Stretch) Image1(i).setStretch(true);  // squeezed into a short tool box
        place(Image1(i), p.Image1[i]);
    }

    // Hint panel, parked left of the canvas, with its painted background.
    placeAt(*Picture3, p.Picture3);
    Picture3->setVisible(true);
    Picture3->PaintPicture(Picture17->Picture(), 0, 0, Picture3->Width(), Picture3->Height(), 0, 0,
                           Picture17->Width(), Picture17->Height());

    place(*Picture4, p.Picture4);

    // Help panel and its contents.
    place(*Picture19, p.Picture19);
    place(*Label10, p.Label10);
    placeAt(*Label7, p.Label7);
    place(*RichTextBox2, p.RichTextBox2);
    place(*Shape7, p.Shape7);
    placeAt(*Command7, p.Command7);

    // Colour column.
    place(*Label14, p.Label14);
    place(*Picture2, p.Picture2);

    // "Script Manager" panel and its contents.
    place(*Picture11, p.Picture11);
    place(*Label4, p.Label4);
    place(*ProgressBar2, p.ProgressBar2);
    place(*RichTextBox1, p.RichTextBox1);
    place(*Image6, p.Image6);
    placeAt(*Command1, p.Command1);
    placeAt(*Command2, p.Command2);
    placeAt(*Command3, p.Command3);
    placeAt(*Label5, p.Label5);
    placeAt(*Label6, p.Label6);
    place(*Shape8, p.Shape8);

    // Colour preview circle, centred on the canvas's top-right corner.
    Shape10->setVisible(false);
    placeAt(*Shape10, p.Shape10);

    place(*Picture13, p.Picture13);
    place(*Picture18, p.commander.Picture18);
}

void Form1::ColorBoxSetting() {
    const auto cells = layout::colorCells(Picture2->Width(), Picture2->Height());
    for (int i = 0; i < layout::kColorCellCount; ++i) {
        place(Label2(i), cells[i]);
        Label2(i).setCaption("");
    }
    // Cell 27 keeps the label's own colour: the palette has 27 entries.
    for (int k = 0; k < palette::kSize; ++k) Label2(k).setBackColor(palette::colorOf(k));
}

void Form1::CommanderSetting() {
    Picture18->setVisible(false);
    const layout::Commander c = layout::commanderStrip(rectOf(*Picture1), rectOf(*Picture4));
    // The strip is placed again; its width stays the canvas width given it.
    Picture18->setLeft(c.Picture18.Left);
    Picture18->setHeight(c.Picture18.Height);
    Picture18->setTop(c.Picture18.Top);
    place(*Text2, c.Text2);
    for (int i = 0; i < 3; ++i) place(Command5(i), c.Command5[i]);
}

void Form1::LayoutStripsAndSettings() {
    // The strips read the tool box, the canvas and the settings panel as
    // they stand now.
    layout::MainPanels m;
    m.Picture1 = rectOf(*Picture1);
    m.Picture4 = rectOf(*Picture4);
    m.Picture13 = rectOf(*Picture13);
    layout::StripsAndSettings s = layout::stripsAndSettings(ScreenHeight(), m, designOf(*this));
    layout::fitSettingsPanel(s, m.Picture13.Width, m.Picture13.Height);

    place(*Picture5, s.Picture5);
    place(*HScroll1, s.HScroll1);
    MakeBox();
    place(*Picture7, s.Picture7);
    place(*HScroll2, s.HScroll2);
    MakeBox();

    // The gallery strip, sized to the viewport placed just above.
    if (FileList->ListCount() > 0) ControlArranger(*Picture6, Image3, FileList->ListCount());
    Resolution = 10;
    Shape6->setHeight(Image3(0).Height());
    Shape6->setWidth(Image3(0).Width());
    Shape6->setLeft(Image3(0).Left());
    Shape6->setTop(Image3(0).Top());

    // Settings panel: two columns of two frames with their contents.
    place(*Frame1, s.Frame1);
    place(*HScroll3, s.HScroll3);
    place(*Frame2, s.Frame2);
    place(*HScroll4, s.HScroll4);
    place(*Frame3, s.Frame3);
    place(*HScroll5, s.HScroll5);
    place(*Frame4, s.Frame4);
    for (int i = 0; i < 7; ++i) place(Command4(i), s.Command4[i]);
    for (int i = 0; i < 7; ++i) Command4(i).setFontSize(7);

    // Move pad, turn pad and the box of small frames.
    place(*Picture14, s.Picture14);
    place(*Picture15, s.Picture15);
    place(*Picture16, s.Picture16);
    place(*Frame5, s.Frame5);
    place(*Text3, s.Text3);
    place(*Frame7, s.Frame7);
    place(Command6(0), s.Command6[0]);
    place(Command6(1), s.Command6[1]);
    place(*Frame6, s.Frame6);
    place(Command6(2), s.Command6[2]);
    place(*Label9, s.Label9);
    place(*Text4, s.Text4);
    place(*Frame8, s.Frame8);
    for (int i = 0; i < 3; ++i) place(Command8(i), s.Command8[i]);
    for (int k = 0; k < 9; ++k) place(Image4(k), s.Image4[k]);
    for (int k = 0; k < 4; ++k) place(Image5(k), s.Image5[k]);
}
