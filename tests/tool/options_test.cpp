// The option boxes, the focus they leave, and the grid.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/form_fixture.h"

class OptionsTest : public StartedFormTest {
protected:
    forms::CheckBox& box(int i) { return f().Check1(i); }
    void canvas(float width) {
        f().Picture4->setWidth(width);
        f().Picture4->setHeight(6000);
        f().HomeX = width / 2;
        f().HomeY = 3000;
    }
    // Somewhere else than the canvas, to see whether a handler moved the focus.
    void focusAway() { f().setActiveControl(f().Picture1); }
};

TEST_F(OptionsTest, GridOfTheWorkedExampleAltGAndRebuilds) {
    canvas(9000);
    f().GridDistance = 300;
    focusAway();
    box(5).setValue(1);
    EXPECT_TRUE(f().Picture4->HasFocus());
    ASSERT_EQ(f().Line4.Count(), 33);
    ASSERT_EQ(f().Line5.Count(), 23);
    for (auto [i, x] : {std::pair{2, 4500}, {17, 9000}, {18, 4200}, {32, 0}}) EXPECT_EQ(f().Line4(i).X2(), x) << i;
    EXPECT_EQ(f().Line5(22).Y2(), 0);
    EXPECT_TRUE(f().Line5(2).Visible() && !f().Line4(1).Visible());  // all but members 0 and 1
    f().KeyResponder(71, 4);  // Alt+G clears it: every line hidden, none removed
    EXPECT_FALSE(f().Line5(2).Visible());
    EXPECT_EQ(f().Line4.Count(), 33);

    canvas(8700);  // rebuilt from scratch: no member of the old build stays
    f().GridMaker();
    EXPECT_EQ(f().Line4.UBound(), 30);
    EXPECT_EQ(f().Line4(30).X1(), 150);
    // A distance that is not a finite positive number is taken as 100.
    canvas(9000);
    for (double bad : {0.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        f().GridDistance = bad;
        f().GridMaker();
        EXPECT_EQ(f().Line4.Count(), 2 + 46 + 45) << bad;
        EXPECT_EQ(f().Line4(3).X1(), 4600) << bad;
    }
}

TEST_F(OptionsTest, BoxesShowTheirPanelsAndGiveTheFocusBack) {
    for (auto [index, panel] : {std::pair<int, forms::Control*>{0, f().Picture13}, {1, f().Picture11},
                                {2, f().Picture19}, {3, f().Picture18}, {4, nullptr}, {6, f().Line6}}) {
        SCOPED_TRACE(index);
        focusAway();
        box(index).setValue(1);
        if (panel) { EXPECT_TRUE(panel->Visible()); }
        EXPECT_TRUE((index == 3 ? static_cast<forms::Control*>(f().Text2) : f().Picture4)->HasFocus());  // "Com" keeps it in its strip
        box(index).setValue(0);
        if (panel) { EXPECT_FALSE(panel->Visible()); }
        EXPECT_TRUE(f().Picture4->HasFocus());
    }
    box(1).setValue(1);  // "SM" with nothing recorded opens the editor holding no command
    EXPECT_EQ(f().RichTextBox1->Text().find_first_not_of("\r\n"), std::string::npos);
}
