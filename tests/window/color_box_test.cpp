// The colour box through real Qt mouse events: left click for the pen colour,
// right click for the background (one recorded line), hover.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "support/qt_events.h"

namespace {

using forms::rgb;

constexpr forms::Color kRed = 255, kYellow = 65535;
constexpr forms::Color kButtonFace = rgb(212, 208, 200);  // unlike any palette colour, for cell 27

class ColorBoxTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        platform.colors.buttonFace = kButtonFace;
        makeForm(1024, 768).Form_Load();
        form->Image2_Click();
    }
    Form1& f() { return *form; }
    forms::Color canvasCentre() const { return form->Picture4->Point(6240, 5760); }
    void stampLine() { form->KeyResponder(13, 0); }  // Enter in "Move" mode
};

TEST_F(ColorBoxTest, CellTwentySevenKeepsTheDesktopColour) {
    // Recorded as a plain number; F3 from it wraps to cell 1.
    clickOn(f().Label2(27), Qt::RightButton);
    EXPECT_EQ(f().Picture4->BackColor(), kButtonFace);
    EXPECT_EQ(f().CommandArray[1], "STAMPRECTRGB (1248) (1152) " + std::to_string(kButtonFace));
    clickOn(f().Label2(27), Qt::LeftButton);
    EXPECT_EQ(f().PenColor, kButtonFace);
    f().KeyResponder(114, 0);
    EXPECT_EQ(f().PenColor, 8388608);
}

TEST_F(ColorBoxTest, LeftClickMakesTheCellThePenColourAndRecordsNothing) {
    f().Image1_MouseDown(2, 1, 0, 0, 0);  // the ellipse tool: its segments exist
    const int recorded = f().CommandCount;
    clickOn(f().Label2(18), Qt::LeftButton);
    EXPECT_FLOAT_EQ(f().Shape3->Top(), f().Label2(18).Top());
    EXPECT_EQ(f().Text1->ForeColor(), kRed);
    EXPECT_EQ(f().Eli(1).BorderColor(), kRed);
    EXPECT_EQ(f().CommandCount, recorded);

    f().Image1_MouseDown(0, 1, 0, 0, 0);
    stampLine();  // drawn in the new pen colour, recorded with it
    EXPECT_THAT(f().CommandArray[f().CommandCount - 1], testing::MatchesRegex("LINERGB .* 255"));

    // Hovering shows the value and previews the colour, and chooses nothing.
    hover(f().Label2(24));
    EXPECT_EQ(f().Label2(24).ToolTipText(), " 65535");
    EXPECT_TRUE(f().Shape10->Visible());
    EXPECT_EQ(f().Shape10->FillColor(), kYellow);
    EXPECT_EQ(f().ColorIndex, 18);
}

TEST_F(ColorBoxTest, RightClickClearsToTheCellColourAndRecordsItOnceIfThereIsRoom) {
    stampLine();
    ASSERT_EQ(canvasCentre(), kYellow);
    clickOn(f().Label2(18), Qt::RightButton);
    EXPECT_EQ(canvasCentre(), kRed);  // the line is gone
    EXPECT_FLOAT_EQ(f().Shape4->Top(), f().Label2(18).Top());
    EXPECT_EQ(f().Picture4->ForeColor(), kYellow);  // the pen stays
    ASSERT_EQ(f().CommandCount, 3);
    EXPECT_EQ(f().CommandArray[2], "STAMPRECTRGB (1248) (1152) 255");

    // The same cell again clears again but leaves one line in the record.
    f().Picture4->Line(0, 0, 12480, 11520, kYellow);
    clickOn(f().Label2(18), Qt::RightButton);
    EXPECT_EQ(canvasCentre(), kRed);
    EXPECT_EQ(f().CommandCount, 3);
    clickOn(f().Label2(5), Qt::MiddleButton);  // the middle button changes nothing
    f().ColorBoxClick(28, 2);                   // nor does cell 28, which does not exist
    EXPECT_EQ(f().Picture4->BackColor(), kRed);
    // A fractional origin is written with its decimals.
    f().LogoOriginX = 765.75f;
    clickOn(f().Label2(24), Qt::RightButton);
    EXPECT_EQ(f().CommandArray[3], "STAMPRECTRGB (1531.5) (1152) 65535");

    // On a full record it still clears but records nothing. The last two
    // entries are equal: a duplicate check run on the full record would
    // wrongly drop one of them.
    for (int i = 1; i <= Form1::kRecordSize; ++i) f().CommandArray[i] = "CS";
    f().CommandCount = Form1::kRecordSize + 1;
    stampLine();  // refused: the user is told once
    ASSERT_EQ(platform.count("msgBox"), 1);
    clickOn(f().Label2(18), Qt::RightButton);
    EXPECT_EQ(canvasCentre(), kRed);
    EXPECT_EQ(f().CommandCount, Form1::kRecordSize + 1);
    EXPECT_EQ(f().CommandArray[Form1::kRecordSize - 1], "CS");
    EXPECT_EQ(platform.count("msgBox"), 1);
}

}  // namespace
