// The layout as pure functions of the screen size: worked screens, colour cells,
// the gallery strip, and invariants over screens from 640 x 480 to 7680 x 4320.
#include "window/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/types.h"
#include "window/panel_fit.h"

namespace {

using layout::Rect;

void expectRect(const Rect& r, float l, float t, float w, float h, const std::string& name) {
    SCOPED_TRACE(name);
    EXPECT_FLOAT_EQ(r.Left, l);
    EXPECT_FLOAT_EQ(r.Top, t);
    EXPECT_FLOAT_EQ(r.Width, w);
    EXPECT_FLOAT_EQ(r.Height, h);
}

layout::MainPanels screen(int wPx, int hPx) { return layout::mainPanels(wPx * 15.0f, hPx * 15.0f); }

// The strips and the settings panel as the window places them: the formulas,
// then the panel's contents fitted into their holders.
layout::StripsAndSettings fitted(float screenHeight, const layout::MainPanels& m) {
    auto s = layout::stripsAndSettings(screenHeight, m);
    layout::fitSettingsPanel(s, m.Picture13.Width, m.Picture13.Height);
    return s;
}

TEST(Layout, MainPanelsOn1024x768And800x600) {
    const auto p = screen(1024, 768);
    EXPECT_FALSE(p.Image1Stretch);  // 10005 is not above 11232
    expectRect(p.Image1[9], 144, 265 + 975.0f * 9, 1200, 975, "Image1(9)");
    expectRect(p.Picture4, 1440, 0, 12480, 11520, "Picture4");
    expectRect(p.Picture2, 13920, 255, 1440, 10977, "Picture2");
    expectRect(p.Picture13, 0, 0, 12480, 1497.6f, "Picture13");
    expectRect(p.commander.Text2, 62, 62, 8736, 452, "Text2");  // a margin of 62.4 held at 62
    // 800 x 600: the tool box is 8775 high and 10005 is greater: the icons are squeezed to 852.
    EXPECT_FLOAT_EQ(screen(800, 600).Shape1Height, 852);

    const auto cells = layout::colorCells(1440, 10977);  // two columns of 14
    EXPECT_FLOAT_EQ(cells[27].Left, 720);
    EXPECT_NEAR(cells[27].Height, 784.07, 0.005);
}

TEST(Layout, SettingsPanelOn1920x1080) {
    const auto p = screen(1920, 1080);  // 28800 x 16200 twips, worked by hand: a 25920-wide canvas
    const auto s = layout::stripsAndSettings(16200, p);
    expectRect(s.Picture5, 0, 13557.375f, 25920, 2295, "Picture5");
    EXPECT_EQ(s.PanelGap, 156);  // 155.52
    expectRect(s.HScroll3, 156, 327.6f, 4872, 273, "HScroll3");
    expectRect(s.Text3, 156, 312, 1574.4f, 255, "Text3");               // 93.6 held at one line
    // So is "CB", raised to end at the bottom of its 717.6-high frame.
    expectRect(s.Command6[1], 1099.2f, 462.6f, 628.8f, 255, "Command6(1)");
}

TEST(Layout, PanelGapRoundsHalfToEvenOverflowsLoudlyAndHoldsSizesAtZero) {
    // A 1042-pixel screen leaves a 12750-twip canvas: 12750 x 0.006 = 76.5.
    EXPECT_EQ(layout::stripsAndSettings(11520, screen(1042, 768)).PanelGap, 76);
    // The spacing unit is 16-bit: a panel beyond any screen fails loudly, not a negative gap.
    auto p = screen(1024, 768);
    p.Picture13.Width = 6e6f;
    EXPECT_THROW(layout::stripsAndSettings(11520, p), forms::OverflowError);

    // 3840 x 480: g = 328 exceeds H13 / 10 = 93.6, so the plain formulas give
    // negative heights; they are held at zero and the layout goes on.
    const auto m = screen(3840, 480);
    const auto s = layout::stripsAndSettings(480 * 15.0f, m);
    EXPECT_EQ(s.PanelGap, 328);
    EXPECT_EQ(m.commander.Text2.Height, 0);  // 360 - 2 x 274
    EXPECT_FLOAT_EQ(s.Frame3.Top, 2 * 328);  // below a frame of (936 - 984) / 2 held at 0
}

// Each box of the settings panel with what it holds, by name: the panel itself
// (its size given), Picture16 and the frames.
struct Holder {
    std::string name;
    Rect box;
    std::vector<std::pair<std::string, Rect>> held;
};

std::vector<Holder> holders(const layout::StripsAndSettings& s, const Rect& panel) {
    auto members = [](const char* name, const auto& array) {
        std::vector<std::pair<std::string, Rect>> all;
        for (size_t i = 0; i < array.size(); ++i) all.push_back({name + ("(" + std::to_string(i) + ")"), array[i]});
        return all;
    };
    return {{"Picture13", panel, {{"Frame1", s.Frame1}, {"Frame2", s.Frame2}, {"Frame3", s.Frame3}, {"Frame4", s.Frame4},
                                  {"Picture14", s.Picture14}, {"Picture15", s.Picture15}, {"Picture16", s.Picture16}}},
            {"Picture16", s.Picture16, {{"Frame5", s.Frame5}, {"Frame6", s.Frame6}, {"Frame7", s.Frame7}, {"Frame8", s.Frame8}}},
            {"Frame1", s.Frame1, {{"HScroll3", s.HScroll3}}},
            {"Frame2", s.Frame2, {{"HScroll4", s.HScroll4}}},
            {"Frame3", s.Frame3, {{"HScroll5", s.HScroll5}}},
            {"Frame4", s.Frame4, members("Command4", s.Command4)},
            {"Frame5", s.Frame5, {{"Text3", s.Text3}}},
            {"Frame6", s.Frame6, {{"Label9", s.Label9}, {"Text4", s.Text4}, {"Command6(2)", s.Command6[2]}}},
            {"Frame7", s.Frame7, {{"Command6(0)", s.Command6[0]}, {"Command6(1)", s.Command6[1]}}},
            {"Frame8", s.Frame8, members("Command8", s.Command8)}};
}

bool inside(const Rect& r, const Rect& box) {
    return r.Left >= 0 && r.Top >= 0 && double(r.Left) + r.Width <= box.Width &&
           double(r.Top) + r.Height <= box.Height;
}

bool sameRect(const Rect& a, const Rect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

// Every rectangle of the strips and the settings panel, by name.
std::vector<std::pair<std::string, Rect>> namedRects(const layout::StripsAndSettings& s) {
    std::vector<std::pair<std::string, Rect>> all = {
        {"Picture5", s.Picture5}, {"HScroll1", s.HScroll1}, {"Picture7", s.Picture7}, {"HScroll2", s.HScroll2},
        {"Frame1", s.Frame1},     {"HScroll3", s.HScroll3}, {"Frame2", s.Frame2},     {"HScroll4", s.HScroll4},
        {"Frame3", s.Frame3},     {"HScroll5", s.HScroll5}, {"Frame4", s.Frame4},     {"Picture14", s.Picture14},
        {"Picture15", s.Picture15}, {"Picture16", s.Picture16}, {"Frame5", s.Frame5}, {"Text3", s.Text3},
        {"Frame7", s.Frame7},     {"Frame6", s.Frame6},     {"Label9", s.Label9},     {"Text4", s.Text4},
        {"Frame8", s.Frame8}};
    auto members = [&](const char* name, const auto& array) {
        for (size_t i = 0; i < array.size(); ++i) all.push_back({name + ("(" + std::to_string(i) + ")"), array[i]});
    };
    members("Command4", s.Command4);
    members("Command6", s.Command6);
    members("Command8", s.Command8);
    members("Image4", s.Image4);
    members("Image5", s.Image5);
    return all;
}

// The settings panel's text boxes, buttons and sliders.
bool showsALine(const std::string& name) {
    for (const char* prefix : {"Text3", "Text4", "HScroll3", "HScroll4", "HScroll5", "Command4", "Command6", "Command8"})
        if (name.rfind(prefix, 0) == 0) return true;
    return false;
}

layout::Design plainDesign() {  // the formulas alone, no height held at a line
    layout::Design plain;
    plain.PanelLineHeight = 0;
    return plain;
}

// The names of the rectangles in which `held` differs from `plain`; each such
// difference must be a height raised to one line, the rest of it unchanged,
// but that "CS" and "CB" may rise where the raised height would reach past
// their frame's bottom (where to is pinned by a worked screen).
std::vector<std::string> raisedToOneLine(const layout::StripsAndSettings& held,
                                         const layout::StripsAndSettings& plain) {
    std::vector<std::string> raised;
    const auto h = namedRects(held), p = namedRects(plain);
    for (size_t i = 0; i < h.size(); ++i) {
        const auto& [name, r] = h[i];
        const Rect& q = p[i].second;
        if (r.Left == q.Left && r.Top == q.Top && r.Width == q.Width && r.Height == q.Height) continue;
        raised.push_back(name);
        SCOPED_TRACE(name);
        EXPECT_TRUE(showsALine(name));
        EXPECT_EQ(r.Left, q.Left);
        if (name.rfind("Command6(", 0) != 0 || q.Top + 255 <= held.Frame7.Height) { EXPECT_EQ(r.Top, q.Top); }
        EXPECT_EQ(r.Width, q.Width);
        EXPECT_LT(q.Height, 255);
        EXPECT_EQ(r.Height, 255);
    }
    return raised;
}

TEST(Layout, ShortPanelControlsAreHeldAtOneLineWhereThePlainFormulasPlaceThem) {
    auto raised = [](int wPx, int hPx) {
        const auto m = screen(wPx, hPx);
        const float H = hPx * 15.0f;
        return raisedToOneLine(layout::stripsAndSettings(H, m), layout::stripsAndSettings(H, m, plainDesign()));
    };
    // 1024 x 768: only the repeat box (239.04 twips) and "CS" and "CB" are below a line.
    EXPECT_EQ(raised(1024, 768), (std::vector<std::string>{"Text3", "Command6(0)", "Command6(1)"}));
    // 2560 x 1080 (g = 213): "CS" would stand at 639 in its 672-high frame: it rises to end there.
    const auto wide = layout::stripsAndSettings(16200, screen(2560, 1080));
    expectRect(wide.Command6[0], 213, 417, 862, 255, "Command6(0)");
}

TEST(Layout, PanelControlsBelowTheirFrameMoveUpIntoIt) {
    // 3840 x 1080 (g = 328): the sliders and tool-size buttons, at 688.8 and
    // 721.6 in 561-high frames, rise to end at the frames' bottom, keeping
    // their size; "Animated Play", 1597.33 high in a 1450-high box, shrinks to
    // it, and "Play", 375 above the frame's formula bottom, rises to end at the new one.
    const auto s = fitted(16200, screen(3840, 1080));
    expectRect(s.HScroll5, 328, 306, 10288, 255, "HScroll5");
    expectRect(s.Command4[6], 9146.2857f, 306, 1469.7143f, 255, "Command4(6)");
    expectRect(s.Frame6, 4640, 0, 5976, 1450, "Frame6");
    expectRect(s.Command6[2], 120, 1195, 5736, 255, "Command6(2)");

    // 2560 x 600: the "File" buttons, a column of three 255-high buttons from
    // 240, need 765; their frame and its box, 744 high, grow to hold them and
    // each button keeps its place above the one below it.
    const auto shortScreen = fitted(9000, screen(2560, 600));
    expectRect(shortScreen.Picture16, 22377, 213, 12930, 765, "Picture16");
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(shortScreen.Command8[i].Top, 255.0f * i);
}

TEST(Layout, GalleryStripAndScrollRange) {
    const auto ten = layout::galleryStrip(1935, 10, 12480);
    ASSERT_EQ(ten.Image3.size(), 10u);
    expectRect(ten.Image3[9], 193.5f + 1741.5f * 9, 193.5f, 1548, 1548, "Image3(9)");
    EXPECT_EQ(ten.HScroll1Max, 43);  // 42.74
    // A strip at most 60 twips wider than the viewport still scrolls by one
    // (0.5 rounds to 0); no wider gives no range.
    EXPECT_EQ(layout::galleryStrip(1935, 10, 17548.5f).HScroll1Max, 1);
    EXPECT_EQ(layout::galleryStrip(1935, 10, 17608.5f).HScroll1Max, 0);
    // A strip far longer than 32767 units keeps the largest range instead of overflowing.
    EXPECT_EQ(layout::galleryStrip(1935, 3000, 12480).HScroll1Max, 32767);
}

TEST(Layout, InvariantsOnEveryScreen) {
    // Common, 21:9, 32:9 and short wide screens, then a sweep of the sizes between.
    std::vector<std::pair<int, int>> screens = {{768, 1366}, {1080, 1920}};  // portrait
    for (int w : {640, 800, 1024, 1042, 1366, 1920, 2560, 3440, 3840, 5120, 7680})
        for (int h : {480, 600, 768, 1080, 1440, 2160, 4320}) screens.push_back({w, h});
    for (int w = 1024; w <= 7680; w += 127)
        for (int h = 600; h <= 4320; h += 89) screens.push_back({w, h});
    constexpr double kTile = 0.01;  // cells from float divisions meet within float rounding
    for (const auto& [wPx, hPx] : screens) {
        const float W = wPx * 15.0f, H = hPx * 15.0f;
        SCOPED_TRACE(std::to_string(wPx) + "x" + std::to_string(hPx));
        const auto m = layout::mainPanels(W, H);
        const auto formulas = layout::stripsAndSettings(H, m);
        const auto s = fitted(H, m);
        const auto cells = layout::colorCells(m.Picture2.Width, m.Picture2.Height);

        // The colour column ends at the screen's right edge, level with the
        // tool box's bottom; the canvas spans the rest.
        EXPECT_FLOAT_EQ(m.Picture2.Left + m.Picture2.Width, W);
        EXPECT_FLOAT_EQ(m.Picture2.Top + m.Picture2.Height, m.Picture1.Height);
        EXPECT_FLOAT_EQ(m.Picture4.Left + m.Picture4.Width, m.Picture2.Left);
        if (m.Image1Stretch) { EXPECT_NEAR(m.Image1[9].Top + m.Image1[9].Height, m.Picture1.Height, kTile); }
        EXPECT_NEAR(cells[13].Top + cells[13].Height, m.Picture2.Height, kTile);

        // The pad's cells tile it (same area, neighbours meet).
        double area = 0;
        for (const Rect& c : s.Image4) area += double(c.Width) * c.Height;
        EXPECT_NEAR(area, double(s.Picture14.Width) * s.Picture14.Height,
                    kTile * (s.Picture14.Width + s.Picture14.Height));
        EXPECT_NEAR(s.Image4[0].Left + s.Image4[0].Width, s.Image4[4].Left, kTile);

        // No size is negative; every text box, button and slider of the settings
        // panel shows a line; the layout only ever raises such a height, never moves it.
        for (const auto& [name, r] : namedRects(s)) {
            EXPECT_TRUE(r.Width >= 0 && r.Height >= 0) << name;
            if (showsALine(name)) { EXPECT_GE(r.Height, 255) << name; }
        }
        raisedToOneLine(formulas, layout::stripsAndSettings(H, m, plainDesign()));

        // Every control of the settings panel lies inside its frame, every frame
        // and box inside its holder, and from 1024 pixels wide no two things
        // one box holds overlap. Where the formulas already put everything
        // inside, the fit changes nothing.
        bool formulasInside = true;
        for (const Holder& h : holders(formulas, m.Picture13))
            for (const auto& [name, r] : h.held) formulasInside = formulasInside && inside(r, h.box);
        for (const Holder& h : holders(s, m.Picture13)) {
            for (size_t i = 0; i < h.held.size(); ++i) {
                const auto& [name, r] = h.held[i];
                EXPECT_TRUE(inside(r, h.box)) << name << " in " << h.name;
                for (size_t j = i + 1; j < h.held.size() && wPx >= 1024; ++j) {
                    const Rect& o = h.held[j].second;
                    const bool apart = r.Left + r.Width <= o.Left + kTile || o.Left + o.Width <= r.Left + kTile ||
                                       r.Top + r.Height <= o.Top + kTile || o.Top + o.Height <= r.Top + kTile;
                    EXPECT_TRUE(apart) << name << " over " << h.held[j].first;
                }
            }
        }
        const auto was = namedRects(formulas), is = namedRects(s);
        for (size_t i = 0; formulasInside && i < is.size(); ++i)
            EXPECT_TRUE(sameRect(is[i].second, was[i].second)) << is[i].first << " moved";

        // The settings panel's right part ends g before its edge.
        EXPECT_NEAR(s.Picture16.Left + s.Picture16.Width, m.Picture13.Width - s.PanelGap, kTile);
    }
}

}  // namespace
