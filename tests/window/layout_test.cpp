// Worked screen sizes of the full-screen layout, checked rectangle by
// rectangle: 1024 x 768 (the reference screen), 800 x 600 (icons squeezed
// into the tool box) and 1920 x 1080, plus the colour cells and the gallery
// strip's geometry and scroll range.
#include "window/layout.h"

#include <gtest/gtest.h>

#include <string>

#include "forms/types.h"

namespace {

using layout::Pos;
using layout::Rect;

constexpr float kTwips = 15;

// Stored values are floats computed in double: a few ulps of the expected
// decimal value.
void expectRect(const Rect& r, float l, float t, float w, float h, const std::string& name) {
    SCOPED_TRACE(name);
    EXPECT_FLOAT_EQ(r.Left, l);
    EXPECT_FLOAT_EQ(r.Top, t);
    EXPECT_FLOAT_EQ(r.Width, w);
    EXPECT_FLOAT_EQ(r.Height, h);
}

void expectPos(const Pos& p, float l, float t, const std::string& name) {
    SCOPED_TRACE(name);
    EXPECT_FLOAT_EQ(p.Left, l);
    EXPECT_FLOAT_EQ(p.Top, t);
}

layout::MainPanels screen(int wPx, int hPx, const layout::Design& d = {}) {
    return layout::mainPanels(wPx * kTwips, hPx * kTwips, d);
}

TEST(Layout, MainPanelsOn1024x768) {
    const auto p = screen(1024, 768);
    expectRect(p.Picture1, 0, 0, 1440, 11232, "Picture1");
    expectRect(p.Label1, 0, 0, 1440, 255, "Label1(0)");
    EXPECT_FALSE(p.Image1Stretch);  // 10005 is not above 11232
    for (int i = 0; i < layout::kIconCount; ++i)
        expectRect(p.Image1[i], 144, 265 + 975.0f * i, 1200, 975, "Image1(" + std::to_string(i) + ")");
    EXPECT_FLOAT_EQ(p.Shape1Width, 1200);
    EXPECT_FLOAT_EQ(p.Shape1Height, 975);
    expectPos(p.Picture3, -3255, 265, "Picture3");
    expectRect(p.Picture4, 1440, 0, 12480, 11520, "Picture4");
    expectRect(p.Label14, 13920, 0, 1440, 255, "Label14");
    expectRect(p.Picture2, 13920, 255, 1440, 10977, "Picture2");
    expectRect(p.Picture19, 1632, 2304, 9216, 6912, "Picture19");
    expectRect(p.Picture11, 1248, 1152, 9984, 6912, "Picture11");
    expectRect(p.Picture13, 0, 0, 12480, 1497.6f, "Picture13");

    const auto& c = p.commander;
    expectRect(c.Picture18, 1440, 0, 12480, 576, "Picture18");
    EXPECT_EQ(c.Margin, 62);  // from 62.4
    expectRect(c.Text2, 62, 62, 8736, 452, "Text2");
    expectRect(c.Command5[0], 8860, 62, 624, 452, "Command5(0)");
    expectRect(c.Command5[1], 9546, 62, 624, 452, "Command5(1)");
    expectRect(c.Command5[2], 10232, 62, 624, 452, "Command5(2)");
}

TEST(Layout, PanelContentsOn1024x768) {
    const auto p = screen(1024, 768);
    // Help panel.
    expectRect(p.Label10, 0, 0, 9216, 375, "Label10");
    expectPos(p.Label7, 120, 37.5f, "Label7");
    expectRect(p.RichTextBox2, 240, 615, 8736, 6057, "RichTextBox2");
    expectRect(p.Shape7, 0, 0, 9206, 6902, "Shape7");
    expectPos(p.Command7, 8841, 60, "Command7");
    // Script Manager panel.
    expectRect(p.Label4, 0, 0, 9984, 500, "Label4");
    expectRect(p.ProgressBar2, 60, 6597, 9864, 255, "ProgressBar2");
    expectRect(p.RichTextBox1, 240, 740, 5990.4f, 5737, "RichTextBox1");
    expectRect(p.Image6, 6350.4f, 740, 3393.6f, 2375.52f, "Image6");
    expectPos(p.Command1, 9489, 115, "Command1");
    expectPos(p.Command2, 8769, 3235.52f, "Command2");
    expectPos(p.Command3, 7674, 3235.52f, "Command3");
    expectPos(p.Label5, 6350.4f, 3850.52f, "Label5");
    expectPos(p.Label6, 6350.4f, 4345.52f, "Label6");
    expectRect(p.Shape8, 0, 0, 9974, 6902, "Shape8");
    // Preview circle centred on the canvas's top-right corner.
    expectPos(p.Shape10, 10312.5f, -2647.5f, "Shape10");
}

TEST(Layout, ShortScreenSqueezesTheIcons) {
    // 800 x 600: the tool box is 8775 high and 10005 is greater.
    const auto p = screen(800, 600);
    EXPECT_FLOAT_EQ(p.Picture1.Height, 8775);
    ASSERT_TRUE(p.Image1Stretch);
    for (int i = 0; i < layout::kIconCount; ++i)
        expectRect(p.Image1[i], 144, 255 + 852.0f * i, 1200, 852, "Image1(" + std::to_string(i) + ")");
    EXPECT_FLOAT_EQ(p.Shape1Width, 1200);
    EXPECT_FLOAT_EQ(p.Shape1Height, 852);
    EXPECT_FLOAT_EQ(p.Picture3.Top, 255);  // the hint panel follows icon 0
    EXPECT_FLOAT_EQ(p.Picture4.Width, 9120);

    // A column exactly as high as the tool box is not squeezed: with a
    // 12000-twip screen the box is 11700 high and 10 x 1144.5 + 255 = 11700.
    layout::Design d;
    d.IconHeight = 1144.5f;
    const auto fits = layout::mainPanels(15360, 12000, d);
    EXPECT_FALSE(fits.Image1Stretch);
    EXPECT_FLOAT_EQ(fits.Image1[9].Top + fits.Image1[9].Height, 11710);  // 10 below the box
    d.IconHeight = 1144.75f;
    EXPECT_TRUE(layout::mainPanels(15360, 12000, d).Image1Stretch);
}

TEST(Layout, MainPanelsOn1920x1080) {
    // 28800 x 16200 twips, worked by hand.
    const auto p = screen(1920, 1080);
    expectRect(p.Picture1, 0, 0, 1440, 15795, "Picture1");
    EXPECT_FALSE(p.Image1Stretch);
    expectRect(p.Image1[9], 144, 9040, 1200, 975, "Image1(9)");
    expectRect(p.Picture4, 1440, 0, 25920, 16200, "Picture4");
    expectRect(p.Picture19, 4320, 3240, 17280, 9720, "Picture19");
    expectRect(p.Picture2, 27360, 255, 1440, 15540, "Picture2");
    expectRect(p.Picture11, 2592, 1620, 20736, 9720, "Picture11");
    expectRect(p.Picture13, 0, 0, 25920, 2106, "Picture13");
    EXPECT_EQ(p.commander.Margin, 130);  // 129.6
    expectRect(p.commander.Text2, 130, 130, 18144, 550, "Text2");
    expectRect(p.commander.Command5[2], 21256, 130, 1296, 550, "Command5(2)");

    const auto s = layout::stripsAndSettings(16200, p);
    expectRect(s.Picture5, 0, 13557.375f, 25920, 2295, "Picture5");
    expectRect(s.Picture7, 1440, 11295, 24480, 4095, "Picture7");
    EXPECT_EQ(s.PanelGap, 156);  // 155.52
    expectRect(s.Frame1, 156, 156, 5184, 819, "Frame1");
    expectRect(s.HScroll3, 156, 327.6f, 4872, 273, "HScroll3");
    expectRect(s.Frame4, 5496, 1131, 5184, 819, "Frame4");
    expectRect(s.Command4[6], 156 + 6 * 696, 343.2f, 696, 273, "Command4(6)");
    expectRect(s.Picture16, 16332, 156, 9432, 1794, "Picture16");
    expectRect(s.Text3, 156, 312, 1574.4f, 93.6f, "Text3");
    expectRect(s.Frame6, 2198.4f, 52, 2829.6f, 1643.2f, "Frame6");
    expectRect(s.Command6[2], 120, 1268.2f, 2589.6f, 255, "Command6(2)");
}

TEST(Layout, SettingsPanelOn1024x768) {
    const auto p = screen(1024, 768);
    const auto s = layout::stripsAndSettings(11520, p);
    expectRect(s.Picture5, 0, 0.975f * (11520 - 2295), 12480, 2295, "Picture5");
    expectRect(s.HScroll1, 0, 1920, 12480, 255, "HScroll1");

    // W13 13380 would give 80; the reference canvas is 12480 wide: 74.88 -> 75.
    EXPECT_EQ(s.PanelGap, 75);
    layout::MainPanels wider = p;
    wider.Picture13 = {0, 0, 13380, 1497.6f};
    const auto w = layout::stripsAndSettings(11520, wider);
    const int g = w.PanelGap;
    EXPECT_EQ(g, 80);
    expectRect(w.Frame1, 80, 80, 2676, 628.8f, "Frame1");
    EXPECT_FLOAT_EQ(w.Frame4.Top + w.Frame4.Height, 1497.6f - g);
    EXPECT_FLOAT_EQ(w.Picture14.Left, w.Frame2.Left + w.Frame2.Width + g);
    // Sliders 2.1 g below their frame's top; the third slider and the
    // tool-size buttons at 2.2 g.
    EXPECT_FLOAT_EQ(w.HScroll4.Top, 2.1f * g);
    EXPECT_FLOAT_EQ(w.HScroll5.Top, 2.2f * g);
    EXPECT_FLOAT_EQ(w.Command4[3].Top, 2.2f * g);
    // The seven tool-size buttons abut from g to g + 7 widths.
    EXPECT_FLOAT_EQ(w.Command4[6].Left + w.Command4[6].Width, g + 7 * w.Command4[0].Width);
    // A sixth of the "Clear" frame separates "CS" and "CB".
    EXPECT_NEAR(w.Command6[1].Left - (w.Command6[0].Left + w.Command6[0].Width),
                w.Frame7.Width / 6, 0.01);
    // "File" buttons and the duration box.
    EXPECT_FLOAT_EQ(w.Command8[0].Top, 240);
    EXPECT_FLOAT_EQ(w.Command8[1].Top, 495);
    EXPECT_FLOAT_EQ(w.Command8[2].Top, 750);
    EXPECT_FLOAT_EQ(w.Text4.Left, 855);
    EXPECT_FLOAT_EQ(w.Text4.Top, w.Label9.Top);
    // Home is the move pad's centre cell, the diagonals its corners.
    const float cw = w.Picture14.Width / 3, ch = w.Picture14.Height / 3;
    EXPECT_FLOAT_EQ(w.Image4[4].Left, cw);
    EXPECT_FLOAT_EQ(w.Image4[4].Top, ch);
    EXPECT_FLOAT_EQ(w.Image4[5].Left + w.Image4[5].Top, 0);
    EXPECT_FLOAT_EQ(w.Image4[7].Left, 2 * cw);
    EXPECT_FLOAT_EQ(w.Image4[7].Top, 2 * ch);
}

TEST(Layout, ColourCellsFillTheColourBox) {
    const auto cells = layout::colorCells(1440, 10977);
    for (int i = 0; i < layout::kColorCellCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(cells[i].Width, 648);
        EXPECT_NEAR(cells[i].Height, 784.07, 0.005);
        EXPECT_FLOAT_EQ(cells[i].Left, i < 14 ? 0 : 720);
        EXPECT_NEAR(cells[i].Top, (i % 14) * 10977.0 / 14, 0.01);
    }
    EXPECT_EQ(cells[0].Top, 0);
    EXPECT_EQ(cells[14].Top, 0);
    EXPECT_NEAR(cells[13].Top + cells[13].Height, 10977, 0.01);
    EXPECT_NEAR(cells[27].Top + cells[27].Height, 10977, 0.01);
}

TEST(Layout, GalleryStripAndScrollRange) {
    const auto ten = layout::galleryStrip(1935, 10, 12480);
    ASSERT_EQ(ten.Image3.size(), 10u);
    for (size_t i = 0; i < 10; ++i)
        expectRect(ten.Image3[i], 193.5f + 1741.5f * i, 193.5f, 1548, 1548,
                   "Image3(" + std::to_string(i) + ")");
    expectRect(ten.Picture6, 0, 0, 17608.5f, 1935, "Picture6");
    EXPECT_EQ(ten.HScroll1Max, 43);  // 42.74 rounded

    // A strip at most 60 twips wider than the viewport rounds to no unit and
    // still scrolls by one; no wider gives no range; halves go to even.
    EXPECT_EQ(layout::galleryStrip(1935, 10, 17600).HScroll1Max, 1);     // 0.07
    EXPECT_EQ(layout::galleryStrip(1935, 10, 17548.5f).HScroll1Max, 1);  // 0.5 -> 0
    EXPECT_EQ(layout::galleryStrip(1935, 10, 17608.5f).HScroll1Max, 0);
    EXPECT_EQ(layout::galleryStrip(1935, 10, 17428.5f).HScroll1Max, 2);  // 1.5 -> 2
    EXPECT_EQ(layout::galleryStrip(1935, 10, 17308.5f).HScroll1Max, 2);  // 2.5 -> 2
    EXPECT_EQ(layout::galleryStrip(1935, 8, 12480).HScroll1Max, 14);  // 13.71
    EXPECT_EQ(layout::galleryStrip(1935, 7, 12480).HScroll1Max, 0);   // 12384 fits

    const auto one = layout::galleryStrip(1935, 1, 12480);
    ASSERT_EQ(one.Image3.size(), 1u);
    EXPECT_FLOAT_EQ(one.Picture6.Width, 1935);

    // A strip far longer than 32767 units keeps the largest range instead of
    // overflowing.
    const auto many = layout::galleryStrip(1935, 3000, 12480);
    EXPECT_EQ(many.HScroll1Max, 32767);
    EXPECT_FLOAT_EQ(many.Image3.back().Left, 193.5f + 1741.5f * 2999);
    EXPECT_TRUE(layout::galleryStrip(1935, 0, 12480).Image3.empty());
}

TEST(Layout, AbsurdSettingsWidthIsAnOverflowNotAWrap) {
    // The spacing unit is a 16-bit value: a panel beyond any screen fails
    // loudly rather than wrapping to a negative gap.
    auto p = screen(1024, 768);
    p.Picture13.Width = 6e6f;
    EXPECT_THROW(layout::stripsAndSettings(11520, p), forms::OverflowError);
}

}  // namespace
