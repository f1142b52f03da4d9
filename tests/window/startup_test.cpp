// Start-up: the defaults, the cross, the info line, the layout stored in the
// controls; the splash and the full view of the drawing on the same panel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "support/form_fixture.h"
#include "window/layout.h"
#include "window/panel_fit.h"

namespace {

using layout::Rect;

class StartupTest : public FormTest {
protected:
    Form1& start(int wPx, int hPx) {
        makeForm(wPx, hPx).Form_Load();
        return *form;
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) form->Timer1->tick();
    }
    void key(int code, int shift) { form->Picture21->KeyDown(code, shift); }  // as the window system delivers it
};

void expectRect(const forms::Control& c, const Rect& r) {
    SCOPED_TRACE(c.Name() + (c.Index() >= 0 ? "(" + std::to_string(c.Index()) + ")" : ""));
    EXPECT_FLOAT_EQ(c.Left(), r.Left);
    EXPECT_FLOAT_EQ(c.Top(), r.Top);
    EXPECT_FLOAT_EQ(c.Width(), r.Width);
    EXPECT_FLOAT_EQ(c.Height(), r.Height);
}

TEST_F(StartupTest, DefaultsOriginAndCrossFollowTheScreen) {
    Form1& f = start(1024, 768);
    const std::string infoLine = f.Caption();  // its layout is pinned with the key commands
    EXPECT_NE(infoLine.find("Line Tool   [Moving Step  100]"), std::string::npos) << infoLine;
    EXPECT_FALSE(f.Text2->Text().empty());  // the pending command, built while the origin was 0
    // The splash covers the screen and holds the focus.
    EXPECT_TRUE(f.Picture21->HasFocus());
    expectRect(*f.Picture21, {0, 0, 15360, 11520});
    EXPECT_FLOAT_EQ(f.Image2->Left() + f.Image2->Width() / 2, 7680);  // the splash picture is centred

    // 1042 x 774: a canvas of 12750 x 11610 twips; 11610 / 20 = 580.5 goes to 580.
    Form1& e = start(1042, 774);
    EXPECT_FLOAT_EQ(e.LogoOriginX, 637.5f);
    EXPECT_EQ(e.LogoOriginY, 580);
    EXPECT_NEAR((e.Line1->X1() + e.Line1->X2()) / 2, 6375, 1.0);  // the cross stands there
    EXPECT_NEAR((e.Line1->Y1() + e.Line1->Y2()) / 2, 5805, 1.0);

    // Very wide, small and portrait screens start too.
    for (auto [w, h] : {std::pair{3840, 480}, std::pair{640, 480}, std::pair{768, 1366}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ASSERT_NO_THROW(start(w, h));
        EXPECT_EQ(form->Caption(), infoLine);
    }
}

// Controls hold the layout's rectangles: a value stored in the wrong control shows here.
TEST_F(StartupTest, ControlsHoldTheLayout) {
    for (auto [w, h] : {std::pair{1920, 1080}, std::pair{800, 600}, std::pair{3840, 1080}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Form1& f = start(w, h);
        const auto m = layout::mainPanels(w * 15.0f, h * 15.0f);
        auto s = layout::stripsAndSettings(h * 15.0f, m);
        layout::fitSettingsPanel(s, m.Picture13.Width, m.Picture13.Height);
        const auto cells = layout::colorCells(m.Picture2.Width, m.Picture2.Height);
        const std::vector<std::pair<forms::Control*, Rect>> placed = {
            {f.Picture4, m.Picture4}, {f.Image6, m.Image6}, {f.Text2, m.commander.Text2}, {&f.Image1(9), m.Image1[9]},
            {&f.Label2(27), cells[27]}, {f.Picture5, s.Picture5}, {&f.Command4(6), s.Command4[6]}, {f.Text3, s.Text3},
            {&f.Command6(1), s.Command6[1]}, {&f.Image4(7), s.Image4[7]}};
        for (const auto& [control, rect] : placed) expectRect(*control, rect);
        // No gallery: the thumbnail frame takes the design rectangle of the empty thumbnail 0.
        expectRect(*f.Shape6, {4920, 240, 1815, 1335});
    }
}

TEST_F(StartupTest, SplashAndFullViewHideAtTick101OrEarlier) {
    Form1& f = start(1024, 768);
    ticks(100);
    EXPECT_TRUE(f.Picture21->Visible());
    ticks(1);
    EXPECT_FALSE(f.Picture21->Visible());
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_TRUE(f.Picture4->HasFocus());  // the keys reach the tool again

    Form1& g = start(1024, 768);
    ticks(50);
    g.Image2->Click();
    EXPECT_FALSE(g.Picture21->Visible());
    // The focus moved on meanwhile: the timer's last tick does not take it back.
    g.Picture18->setVisible(true);
    g.Text2->SetFocus();
    ticks(51);
    EXPECT_FALSE(g.Timer1->Enabled());
    EXPECT_TRUE(g.Text2->HasFocus());

    // The full view of the drawing, on the same panel, closes like the splash.
    Form1& h = start(1024, 768);
    h.Picture4->Line(0, 0, 3000, 3000, forms::rgb(255, 0, 0));
    h.Picture4_DblClick();
    EXPECT_TRUE(h.Picture21->HasFocus());
    // A copy of the canvas's image (no tool outline) at its size.
    EXPECT_EQ(h.Image2->Picture(), h.Picture4->Image());
    EXPECT_EQ(h.Image2->Picture().pixel(416, 384), qRgb(0, 0, 0));  // the cross is not in it
    ticks(101);  // opened before the splash's 101st tick, it is hidden at that tick
    EXPECT_FALSE(h.Picture21->Visible());

    // Escape closes the panel with any shift state; another key does not.
    for (int shift : {0, 1, 4}) {
        h.Picture4_DblClick();
        key(13, shift);
        EXPECT_TRUE(h.Picture21->Visible()) << shift;
        key(27, shift);
        EXPECT_FALSE(h.Picture21->Visible()) << shift;
    }
    h.Picture4_DblClick();
    h.Picture21->DblClick();
    EXPECT_FALSE(h.Picture21->Visible());
}

}  // namespace
