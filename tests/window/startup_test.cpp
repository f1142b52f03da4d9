// Start-up as the user meets it: every default, the cross at the canvas
// centre turned 45 degrees, the info line as caption, the markers on their
// cells, the panels hidden, and the layout's rectangles stored in the
// controls they belong to.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "support/form_fixture.h"
#include "window/layout.h"

namespace {

using layout::Rect;

constexpr const char* kInfoLine =
    ".   VRK  Line Tool   [Moving Step  100] [Rotating Step  1] [Tool Width  1000] [Tool Height  1000] "
    "[Draw Width  0]     Move";

class StartupTest : public FormTest {
protected:
    Form1& start(int wPx, int hPx) {
        Form1& f = makeForm(wPx, hPx);
        f.Form_Load();
        return f;
    }
};

void expectRect(const forms::Control& c, const Rect& r) {
    SCOPED_TRACE(c.Name() + (c.Index() >= 0 ? "(" + std::to_string(c.Index()) + ")" : ""));
    EXPECT_FLOAT_EQ(c.Left(), r.Left);
    EXPECT_FLOAT_EQ(c.Top(), r.Top);
    EXPECT_FLOAT_EQ(c.Width(), r.Width);
    EXPECT_FLOAT_EQ(c.Height(), r.Height);
}

void expectCross(const Form1& f, double cx, double cy) {
    const double x1 = f.Line1->X1(), y1 = f.Line1->Y1(), x2 = f.Line1->X2(), y2 = f.Line1->Y2();
    EXPECT_NEAR((x1 + x2) / 2, cx, 1.0);
    EXPECT_NEAR((y1 + y2) / 2, cy, 1.0);
    EXPECT_NEAR(std::hypot(x2 - x1, y2 - y1), 1000, 2.0);
    // Turned 45 degrees clockwise on screen: the arm runs from the upper
    // left to the lower right (the turn may swap its two ends).
    const double degrees = std::atan2(y2 - y1, x2 - x1) * 180 / M_PI;
    EXPECT_NEAR(std::fmod(degrees + 360, 180), 45, 0.5);
    EXPECT_TRUE(f.Line1->Visible());
    EXPECT_FALSE(f.Line2->Visible());
    for (int i = 0; i <= 3; ++i) EXPECT_FALSE(f.Side(i).Visible());
}

TEST_F(StartupTest, DefaultsOn1024x768) {
    Form1& f = start(1024, 768);
    EXPECT_EQ(f.Caption(), kInfoLine);
    expectCross(f, 6240, 5760);
    EXPECT_EQ(f.Line1->BorderWidth(), 2);

    EXPECT_FLOAT_EQ(f.MovingStep, 100);
    EXPECT_EQ(f.RotatingStep, 1);
    EXPECT_DOUBLE_EQ(f.GridDistance, 300);
    EXPECT_EQ(f.Resolution, 10);
    EXPECT_DOUBLE_EQ(f.ToolLength, 1000);
    EXPECT_EQ(f.CommandCount, 1);
    EXPECT_EQ(f.ToolNo, 0);
    EXPECT_FLOAT_EQ(f.MaxX, 12480);
    EXPECT_EQ(f.MaxY, 11520);
    EXPECT_FLOAT_EQ(f.LogoOriginX, 624);
    EXPECT_EQ(f.LogoOriginY, 576);
    // The pending command was built while the origin was still 0.
    EXPECT_FALSE(f.Text2->Text().empty());

    // The window covers the screen; the canvas is black.
    EXPECT_FLOAT_EQ(f.Width(), 15360);
    EXPECT_FLOAT_EQ(f.Height(), 11520);
    EXPECT_EQ(f.Picture4->BackColor(), 0);
    EXPECT_EQ(f.Picture4->Point(100, 100), 0);

    // Pen colour marker on cell 24 (yellow), background marker on cell 0.
    EXPECT_EQ(f.ColorIndex, 24);
    EXPECT_EQ(f.Label2(24).BackColor(), forms::rgb(255, 255, 0));
    expectRect(*f.Shape3, {f.Label2(24).Left(), f.Label2(24).Top(), f.Label2(24).Width(), f.Label2(24).Height()});
    expectRect(*f.Shape4, {f.Label2(0).Left(), f.Label2(0).Top(), f.Label2(0).Width(), f.Label2(0).Height()});
    EXPECT_FLOAT_EQ(f.Shape1->Left(), f.Image1(0).Left());
    EXPECT_FLOAT_EQ(f.Shape1->Top(), f.Image1(0).Top());

    // Panels hidden; the splash still covers the screen and holds the focus.
    for (forms::Control* hidden :
         std::vector<forms::Control*>{f.Picture5, f.Picture7, f.Picture11, f.Picture12, f.Picture13, f.Picture18,
                                      f.Picture19, f.Text1, f.Shape10, f.ProgressBar1, f.Picture6, f.Picture20})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    EXPECT_TRUE(f.Picture21->Visible());
    EXPECT_TRUE(f.Picture21->HasFocus());
    expectRect(*f.Picture21, {0, 0, 15360, 11520});
    // The splash picture is centred.
    EXPECT_FLOAT_EQ(f.Image2->Left() + f.Image2->Width() / 2, 7680);
    EXPECT_FLOAT_EQ(f.Image2->Top() + f.Image2->Height() / 2, 5760);
    EXPECT_TRUE(f.Text1->Transparent());
}

TEST_F(StartupTest, OriginAndCrossFollowTheScreen) {
    // 1042 x 774: a canvas of 12750 x 11610 twips; 11610 / 20 = 580.5 goes
    // to the even 580.
    Form1& f = start(1042, 774);
    EXPECT_FLOAT_EQ(f.LogoOriginX, 637.5f);
    EXPECT_EQ(f.LogoOriginY, 580);
    expectCross(f, 6375, 5805);
    EXPECT_EQ(f.Caption(), kInfoLine);

    // A short screen squeezes the icons into the tool box.
    Form1& g = start(800, 600);
    EXPECT_TRUE(g.Image1(9).Stretch());
    EXPECT_FLOAT_EQ(g.Image1(1).Height(), 852);
    EXPECT_FLOAT_EQ(g.Shape1->Height(), 852);
    EXPECT_FLOAT_EQ(g.Picture4->Width(), 9120);
    EXPECT_EQ(g.LogoOriginY, 450);
    expectCross(g, 4560, 4500);

    // Very wide, small and portrait screens start too; sizes that would
    // come out negative are held at 0.
    for (auto [w, h] : {std::pair{3840, 480}, std::pair{640, 480}, std::pair{768, 1366}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Form1& s = makeForm(w, h);
        ASSERT_NO_THROW(s.Form_Load());
        EXPECT_EQ(s.Caption(), kInfoLine);
        EXPECT_GE(s.Text3->Height(), 0);
        EXPECT_GE(s.HScroll3->Height(), 0);
    }
}

// Every control the layout places holds the layout's rectangle for it: a
// value stored in the wrong control, or one step missed, shows here.
TEST_F(StartupTest, ControlsHoldTheLayout) {
    for (auto [w, h] : {std::pair{1024, 768}, std::pair{1920, 1080}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Form1& f = start(w, h);
        const auto m = layout::mainPanels(w * 15.0f, h * 15.0f);
        const auto s = layout::stripsAndSettings(h * 15.0f, m);
        const auto cells = layout::colorCells(m.Picture2.Width, m.Picture2.Height);
        const std::vector<std::pair<forms::Control*, Rect>> placed = {
            {f.Picture1, m.Picture1}, {&f.Label1(0), m.Label1}, {f.Picture4, m.Picture4},
            {f.Picture19, m.Picture19}, {f.Label10, m.Label10}, {f.RichTextBox2, m.RichTextBox2},
            {f.Shape7, m.Shape7}, {f.Label14, m.Label14}, {f.Picture2, m.Picture2},
            {f.Picture11, m.Picture11}, {f.Label4, m.Label4}, {f.ProgressBar2, m.ProgressBar2},
            {f.RichTextBox1, m.RichTextBox1}, {f.Image6, m.Image6}, {f.Shape8, m.Shape8},
            {f.Picture13, m.Picture13}, {f.Picture18, m.commander.Picture18}, {f.Text2, m.commander.Text2},
            {&f.Command5(2), m.commander.Command5[2]}, {&f.Image1(9), m.Image1[9]},
            {&f.Label2(24), cells[24]}, {&f.Label2(27), cells[27]},
            {f.Picture5, s.Picture5}, {f.HScroll1, s.HScroll1}, {f.Picture7, s.Picture7},
            {f.HScroll2, s.HScroll2}, {f.Frame1, s.Frame1}, {f.HScroll3, s.HScroll3},
            {f.Frame2, s.Frame2}, {f.HScroll4, s.HScroll4}, {f.Frame3, s.Frame3}, {f.HScroll5, s.HScroll5},
            {f.Frame4, s.Frame4}, {&f.Command4(6), s.Command4[6]}, {f.Picture14, s.Picture14},
            {f.Picture15, s.Picture15}, {f.Picture16, s.Picture16}, {f.Frame5, s.Frame5}, {f.Text3, s.Text3},
            {f.Frame7, s.Frame7}, {&f.Command6(0), s.Command6[0]}, {&f.Command6(1), s.Command6[1]},
            {f.Frame6, s.Frame6}, {&f.Command6(2), s.Command6[2]}, {f.Label9, s.Label9}, {f.Text4, s.Text4},
            {f.Frame8, s.Frame8}, {&f.Command8(2), s.Command8[2]}, {&f.Image4(7), s.Image4[7]},
            {&f.Image5(3), s.Image5[3]}};
        for (const auto& [control, rect] : placed) expectRect(*control, rect);
        EXPECT_FLOAT_EQ(f.Picture3->Left(), m.Picture3.Left);
        EXPECT_FLOAT_EQ(f.Command7->Left(), m.Command7.Left);
        EXPECT_FLOAT_EQ(f.Label6->Top(), m.Label6.Top);
        EXPECT_FLOAT_EQ(f.Shape10->Left(), m.Shape10.Left);
        EXPECT_FLOAT_EQ(f.ProgressBar1->Width(), m.Picture4.Width);
        EXPECT_EQ(f.Command4(0).font().Size, 7);
        EXPECT_EQ(f.Label2(18).BackColor(), forms::rgb(255, 0, 0));
        EXPECT_EQ(f.Label2(26).Caption(), "");
        // No gallery: the thumbnail frame takes the design rectangle of the
        // empty thumbnail 0.
        expectRect(*f.Shape6, {4920, 240, 1815, 1335});
    }
}

}  // namespace
