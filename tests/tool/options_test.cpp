// The option boxes and the grid: each box checked and cleared, where the
// focus ends, the grid built from the home point outwards, and the grid's
// key commands (Alt+G, Ctrl+G).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/form_fixture.h"

namespace {

constexpr forms::Color kGridBlue = forms::rgb(0, 0, 100);      // 6553600
constexpr forms::Color kCentreYellow = forms::rgb(255, 255, 101);  // 6684671

class OptionsTest : public StartedFormTest {
protected:
    forms::CheckBox& box(int i) { return f().Check1(i); }
    // The canvas of the worked example: 9000 x 6000 twips, home at its centre.
    void canvas(float width, float height) {
        f().Picture4->setWidth(width);
        f().Picture4->setHeight(height);
        f().HomeX = width / 2;
        f().HomeY = height / 2;
    }
    // Somewhere else than the canvas, to see whether a handler moved the focus.
    void focusAway() { f().setActiveControl(f().Picture1); }
    int shownLines() const {
        int n = 0;
        for (auto* lines : {&form->Line4, &form->Line5})
            for (auto& [index, line] : *lines) n += line->Visible() ? 1 : 0;
        return n;
    }
};

TEST_F(OptionsTest, GridOfTheWorkedExample) {
    canvas(9000, 6000);
    f().GridDistance = 300;
    focusAway();
    box(5).setValue(1);
    EXPECT_TRUE(f().Picture4->HasFocus());

    ASSERT_EQ(f().Line4.Count(), 33);
    ASSERT_EQ(f().Line4.UBound(), 32);
    EXPECT_EQ(f().Line4(2).X1(), 4500);
    EXPECT_EQ(f().Line4(3).X1(), 4800);
    EXPECT_EQ(f().Line4(17).X1(), 9000);
    EXPECT_EQ(f().Line4(17).X2(), 9000);
    EXPECT_EQ(f().Line4(17).Y1(), 0);
    EXPECT_EQ(f().Line4(17).Y2(), 6000);
    EXPECT_EQ(f().Line4(18).X1(), 4200);
    EXPECT_EQ(f().Line4(32).X1(), 0);
    ASSERT_EQ(f().Line5.Count(), 23);
    EXPECT_EQ(f().Line5(2).Y1(), 3000);
    EXPECT_EQ(f().Line5(12).Y1(), 6000);
    EXPECT_EQ(f().Line5(22).Y2(), 0);
    EXPECT_EQ(f().Line5(22).X2(), 9000);

    for (auto* lines : {&f().Line4, &f().Line5}) {
        for (auto& [index, line] : *lines) {
            SCOPED_TRACE(lines->Name() + "(" + std::to_string(index) + ")");
            EXPECT_EQ(line->Visible(), index >= 2);
            if (index >= 2) EXPECT_EQ(line->BorderColor(), index == 2 ? kCentreYellow : kGridBlue);
            EXPECT_EQ(line->LineStyle(), 3);  // dotted, as the templates
        }
    }

    // Cleared: every line hidden, none removed; checked again: the same grid.
    focusAway();
    box(5).setValue(0);
    EXPECT_TRUE(f().Picture4->HasFocus());
    EXPECT_EQ(shownLines(), 0);
    EXPECT_EQ(f().Line4.Count(), 33);
    box(5).setValue(1);
    EXPECT_EQ(f().Line4.Count(), 33);
    EXPECT_EQ(f().Line5.Count(), 23);
    EXPECT_EQ(shownLines(), 31 + 21);
}

TEST_F(OptionsTest, GridMakerBuildsHiddenLinesForTheCanvasAtHand) {
    canvas(9300, 6000);
    f().GridDistance = 300;
    f().GridMaker();
    ASSERT_EQ(f().Line4.Count(), 2 + 16 + 16);
    EXPECT_EQ(f().Line4(17).X1(), 9150);
    EXPECT_EQ(f().Line4(18).X1(), 4350);
    EXPECT_EQ(f().Line4(33).X1(), -150);
    EXPECT_EQ(f().Line4(2).BorderColor(), forms::rgb(255, 255, 0));
    EXPECT_EQ(shownLines(), 0);

    // A narrower canvas rebuilds from scratch: no member of the old build stays.
    canvas(8700, 6000);
    f().GridMaker();
    EXPECT_EQ(f().Line4.Count(), 2 + 15 + 14);
    EXPECT_EQ(f().Line4.UBound(), 30);
    EXPECT_EQ(f().Line4(30).X1(), 150);
}

TEST_F(OptionsTest, BadGridDistanceIsTakenAsTheLeast) {
    canvas(9000, 6000);
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {0.0, -5.0, std::nan(""), inf}) {
        SCOPED_TRACE(bad);
        f().GridDistance = bad;
        box(5).setValue(1);
        EXPECT_EQ(f().Line4.Count(), 2 + 46 + 45);
        EXPECT_EQ(f().Line4(3).X1(), 4600);
        EXPECT_EQ(f().Line5.Count(), 2 + 31 + 30);
        box(5).setValue(0);
    }
}

TEST_F(OptionsTest, AltGTogglesTheGridAndCtrlGSetsItsDistance) {
    canvas(9000, 6000);
    f().GridDistance = 300;
    f().KeyResponder(71, 4);
    EXPECT_EQ(box(5).Value(), 1);
    EXPECT_EQ(f().Line4.Count(), 33);
    EXPECT_EQ(shownLines(), 31 + 21);
    EXPECT_EQ(f().Line4(2).BorderColor(), kCentreYellow);
    EXPECT_EQ(f().Line4(3).BorderColor(), kGridBlue);
    f().KeyResponder(71, 4);
    EXPECT_EQ(box(5).Value(), 0);
    EXPECT_EQ(shownLines(), 0);

    // The new distance shows at the next build.
    platform.inputAnswers = {"600", "40"};
    f().KeyResponder(71, 2);
    EXPECT_EQ(f().Line4.Count(), 33);
    f().KeyResponder(71, 4);
    EXPECT_EQ(f().Line4.Count(), 2 + 8 + 8);  // L = 7.5
    EXPECT_EQ(f().Line4(9).X1(), 8700);
    EXPECT_EQ(f().Line4(17).X1(), -300);
    f().KeyResponder(71, 4);
    f().KeyResponder(71, 2);  // below the least: 100
    f().KeyResponder(71, 4);
    EXPECT_EQ(f().Line4.Count(), 2 + 46 + 45);
    EXPECT_TRUE(f().Picture4->HasFocus());
}

TEST_F(OptionsTest, PanelBoxesShowAndHideTheirPanels) {
    struct Case {
        int index;
        forms::Control* panel;
    };
    for (const Case& c : {Case{0, f().Picture13}, Case{1, f().Picture11}, Case{2, f().Picture19},
                          Case{6, f().Line6}}) {
        SCOPED_TRACE(c.index);
        focusAway();
        box(c.index).setValue(1);
        EXPECT_TRUE(c.panel->Visible());
        EXPECT_TRUE(f().Picture4->HasFocus());
        // Set again to its value: nothing runs.
        focusAway();
        box(c.index).setValue(1);
        EXPECT_TRUE(f().Picture1->HasFocus());
        box(c.index).setValue(0);
        EXPECT_FALSE(c.panel->Visible());
        EXPECT_TRUE(f().Picture4->HasFocus());
        focusAway();
        box(c.index).setValue(0);
        EXPECT_TRUE(f().Picture1->HasFocus());
    }
}

TEST_F(OptionsTest, ScriptManagerBoxShowsTheRecord) {
    // With nothing recorded the editor holds no command.
    box(1).setValue(1);
    EXPECT_TRUE(f().Picture11->Visible());
    EXPECT_TRUE(f().RichTextBox1->Visible());
    EXPECT_EQ(f().RichTextBox1->Text().find_first_not_of("\r\n"), std::string::npos);
    box(1).setValue(0);

    f().AppendCommand("CS");
    box(1).setValue(1);
    EXPECT_NE(f().RichTextBox1->Text().find("CS"), std::string::npos);
}

TEST_F(OptionsTest, CommandLineBoxKeepsTheFocusWhenSwitchedOn) {
    // Checked: the strip shows over the colour box, which is left as it was.
    f().Picture2->setVisible(false);
    box(3).setValue(1);
    EXPECT_TRUE(f().Picture18->Visible());
    EXPECT_FALSE(f().Picture2->Visible());
    EXPECT_TRUE(f().Text2->HasFocus());
    // Cleared: the colour box is back and the keys go to the tool.
    box(3).setValue(0);
    EXPECT_TRUE(f().Picture2->Visible());
    EXPECT_FALSE(f().Picture18->Visible());
    EXPECT_TRUE(f().Picture4->HasFocus());
}

TEST_F(OptionsTest, AutoColourBoxOnlyMovesTheFocus) {
    const forms::Color pen = f().Picture4->ForeColor();
    for (int value : {1, 0}) {
        focusAway();
        box(4).setValue(value);
        EXPECT_TRUE(f().Picture4->HasFocus());
        EXPECT_EQ(f().Picture4->ForeColor(), pen);
    }
}

}  // namespace
