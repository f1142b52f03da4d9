// Properties of the full-screen layout that must hold on every screen, from
// 640 x 480 to 3840 x 2160, very wide and portrait ones included.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "window/layout.h"

namespace {

using layout::Rect;

struct Screen {
    int w, h;  // pixels
};

std::vector<Screen> sweep() {
    std::vector<Screen> out;
    for (int w : {640, 800, 1024, 1042, 1280, 1366, 1600, 1920, 2560, 3840})
        for (int h : {480, 600, 768, 900, 1080, 1440, 2160}) out.push_back({w, h});
    out.push_back({3840, 480});  // very wide for its height
    out.push_back({768, 1366});  // portrait
    out.push_back({1080, 1920});
    return out;
}

// Every rectangle the layout sets, for the no-negative-size check.
std::vector<Rect> everyRect(const layout::MainPanels& m, const layout::StripsAndSettings& s) {
    std::vector<Rect> r = {m.Picture1, m.Picture4, m.Picture19, m.Label10, m.RichTextBox2,
                           m.Shape7, m.Label14, m.Picture2, m.Picture11, m.Label4,
                           m.ProgressBar2, m.RichTextBox1, m.Image6, m.Shape8, m.Picture13,
                           m.commander.Picture18, m.commander.Text2, s.Picture5, s.HScroll1,
                           s.Picture7, s.HScroll2, s.Frame1, s.HScroll3, s.Frame2, s.HScroll4,
                           s.Frame3, s.HScroll5, s.Frame4, s.Picture14, s.Picture15,
                           s.Picture16, s.Frame5, s.Text3, s.Frame7, s.Frame6, s.Label9,
                           s.Text4, s.Frame8};
    const auto cells = layout::colorCells(m.Picture2.Width, m.Picture2.Height);
    r.insert(r.end(), m.Image1.begin(), m.Image1.end());
    r.insert(r.end(), cells.begin(), cells.end());
    r.insert(r.end(), m.commander.Command5.begin(), m.commander.Command5.end());
    r.insert(r.end(), s.Command4.begin(), s.Command4.end());
    r.insert(r.end(), s.Command6.begin(), s.Command6.end());
    r.insert(r.end(), s.Command8.begin(), s.Command8.end());
    r.insert(r.end(), s.Image4.begin(), s.Image4.end());
    r.insert(r.end(), s.Image5.begin(), s.Image5.end());
    return r;
}

// Cells set from float divisions of the pad's size meet within float rounding.
constexpr double kTile = 0.01;

TEST(LayoutSweep, InvariantsOnEveryScreen) {
    for (const Screen& sc : sweep()) {
        const float W = sc.w * 15.0f, H = sc.h * 15.0f;
        SCOPED_TRACE(std::to_string(sc.w) + "x" + std::to_string(sc.h));
        const auto m = layout::mainPanels(W, H);
        const auto s = layout::stripsAndSettings(H, m);

        const auto rects = everyRect(m, s);
        for (size_t i = 0; i < rects.size(); ++i) {
            EXPECT_GE(rects[i].Width, 0) << "rect " << i;
            EXPECT_GE(rects[i].Height, 0) << "rect " << i;
        }

        // The colour column ends at the screen's right edge, level with the
        // tool box's bottom; the canvas spans the rest.
        EXPECT_FLOAT_EQ(m.Picture2.Left + m.Picture2.Width, W);
        EXPECT_FLOAT_EQ(m.Label14.Left + m.Label14.Width, W);
        EXPECT_FLOAT_EQ(m.Picture2.Top + m.Picture2.Height, m.Picture1.Height);
        EXPECT_FLOAT_EQ(m.Picture4.Left + m.Picture4.Width, m.Picture2.Left);

        // The icons fit in the tool box whenever they had to be squeezed.
        if (m.Image1Stretch) {
            EXPECT_NEAR(m.Image1[9].Top + m.Image1[9].Height, m.Picture1.Height, kTile);
        }

        // The colour cells stay inside the box and their columns end at its bottom.
        const auto cells = layout::colorCells(m.Picture2.Width, m.Picture2.Height);
        EXPECT_LE(cells[27].Left + cells[27].Width, m.Picture2.Width);
        EXPECT_NEAR(cells[13].Top + cells[13].Height, m.Picture2.Height, kTile);
        EXPECT_NEAR(cells[27].Top + cells[27].Height, m.Picture2.Height, kTile);

        // The move pad's nine cells tile it: every cell touches its
        // neighbours and the outer ones touch the pad's edges.
        double area = 0;
        for (const Rect& c : s.Image4) {
            area += double(c.Width) * c.Height;
            EXPECT_LE(c.Left + c.Width, s.Picture14.Width + kTile);
            EXPECT_LE(c.Top + c.Height, s.Picture14.Height + kTile);
        }
        EXPECT_NEAR(area, double(s.Picture14.Width) * s.Picture14.Height,
                    kTile * (s.Picture14.Width + s.Picture14.Height));
        EXPECT_NEAR(s.Image4[7].Left + s.Image4[7].Width, s.Picture14.Width, kTile);
        EXPECT_NEAR(s.Image4[7].Top + s.Image4[7].Height, s.Picture14.Height, kTile);
        EXPECT_NEAR(s.Image4[0].Left + s.Image4[0].Width, s.Image4[4].Left, kTile);
        EXPECT_NEAR(s.Image4[1].Top + s.Image4[1].Height, s.Image4[4].Top, kTile);

        // The turn pad's four cells tile it exactly (halves are exact).
        EXPECT_EQ(s.Image5[1].Left, s.Image5[0].Width);
        EXPECT_EQ(s.Image5[2].Top, s.Image5[0].Height);
        EXPECT_FLOAT_EQ(s.Image5[3].Left + s.Image5[3].Width, s.Picture15.Width);
        EXPECT_FLOAT_EQ(s.Image5[3].Top + s.Image5[3].Height, s.Picture15.Height);

        // The right part of the settings panel ends g before its edge.
        EXPECT_NEAR(s.Picture16.Left + s.Picture16.Width, m.Picture13.Width - s.PanelGap, kTile);

        // The command row stays inside its strip.
        const Rect& run3 = m.commander.Command5[2];
        EXPECT_LE(run3.Left + run3.Width, m.commander.Picture18.Width);
    }
}

TEST(LayoutSweep, PanelGapRoundsHalfToEven) {
    // A 1042-pixel screen leaves a 12750-twip canvas: 12750 x 0.006 = 76.5.
    const auto m = layout::mainPanels(1042 * 15.0f, 768 * 15.0f);
    ASSERT_FLOAT_EQ(m.Picture13.Width, 12750);
    EXPECT_EQ(layout::stripsAndSettings(768 * 15.0f, m).PanelGap, 76);
    // 1142 pixels: 14250 x 0.006 = 85.5 goes up to 86; 1075: 79.47 goes down.
    EXPECT_EQ(layout::stripsAndSettings(11520, layout::mainPanels(1142 * 15.0f, 11520)).PanelGap, 86);
    EXPECT_EQ(layout::stripsAndSettings(11520, layout::mainPanels(1075 * 15.0f, 11520)).PanelGap, 79);
}

TEST(LayoutSweep, VeryWideScreenHoldsNegativeSizesAtZero) {
    // 3840 x 480: g = 328 exceeds H13 / 10 = 93.6, so the plain formulas
    // give the frames, sliders, buttons, repeat box and command line negative
    // heights; they are held at zero and the layout goes on.
    const float W = 3840 * 15.0f, H = 480 * 15.0f;
    const auto m = layout::mainPanels(W, H);
    const auto s = layout::stripsAndSettings(H, m);
    EXPECT_EQ(s.PanelGap, 328);
    EXPECT_EQ(s.Frame1.Height, 0);  // (936 - 984) / 2
    EXPECT_EQ(s.HScroll3.Height, 0);
    EXPECT_EQ(s.HScroll5.Height, 0);
    EXPECT_EQ(s.Command4[0].Height, 0);
    EXPECT_EQ(s.Text3.Height, 0);
    EXPECT_EQ(s.Command6[0].Height, 0);
    EXPECT_EQ(s.Command6[1].Height, 0);
    EXPECT_EQ(m.commander.Text2.Height, 0);  // 360 - 2 x 274
    EXPECT_EQ(m.commander.Command5[0].Height, 0);
    EXPECT_FLOAT_EQ(s.Frame3.Top, 2 * 328);  // below a zero-high frame
    EXPECT_FLOAT_EQ(s.Picture14.Height, 936 - 2 * 328);
}

}  // namespace
