// The key-command dispatcher: every rule and the common tail.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "tool/dispatcher_fixture.h"

static double length(const forms::Line& l) { return std::hypot(l.X2() - l.X1(), l.Y2() - l.Y1()); }

TEST_F(DispatcherTest, HomeAndArrowsWithinTheirBounds) {
    EXPECT_FLOAT_EQ(f().MovingStep, 100);  // given back after Home's zero move
    // An end may land exactly on MaxX, not beyond it; Down stays strictly
    // below 0.95 x MaxY (10944), a negative step under the same test.
    for (auto [step, code, x2, y1] : {std::tuple{5740.f, 39, 12480.f, 5760.f}, {1.f, 39, 12480.f, 5760.f},
                                      {5184.f, 40, 12480.f, 5760.f}, {5183.f, 40, 12480.f, 10943.f},
                                      {-100.f, 40, 12480.f, 10843.f}}) {
        f().MovingStep = step;
        key(code);
        EXPECT_FLOAT_EQ(f().Line1->X2(), x2) << code << " by " << step;
        EXPECT_FLOAT_EQ(f().Line1->Y1(), y1) << code << " by " << step;
    }
}

TEST_F(DispatcherTest, TurnsOrbitsTheVirtualCentreAndArmSizes) {
    key(39, 2);  // each turn carries every end across the centre
    EXPECT_NEAR(f().Line1->X1(), 6240 + 500 * std::sin(91 * 3.1415927 / 180), 0.01);
    EXPECT_NEAR(length(*f().Line1), 1000, 0.01);
    key(36);
    f().RotatingStep = 90;
    f().VirtualCenterY = 6760;  // the tool centre stands 1000 above it
    key(39, 1);
    EXPECT_NEAR(f().ToolX, 7240, 0.01);
    EXPECT_NEAR(f().ToolY, 6760, 0.01);
    EXPECT_NEAR(f().Line1->Y1(), f().Line1->Y2(), 0.01);  // arms keep their direction
    key(38, 4);  // Alt moves the virtual centre only
    EXPECT_DOUBLE_EQ(f().VirtualCenterY, 6660);

    key(119);     // F8 both arms
    key(120, 1);  // width only
    key(119, 2);  // height only
    EXPECT_DOUBLE_EQ(f().ToolWidth, 1000);
    EXPECT_DOUBLE_EQ(f().ToolHeight, 1400);
    f().MovingStep = 1000;  // F9 refuses an arm whose length would not stay above 0
    key(120, 1);
    EXPECT_DOUBLE_EQ(f().ToolWidth, 1000);
}

TEST_F(DispatcherTest, ToolsAndColoursStepAndWrap) {
    key(113, 1);  // back round to the fill tool, with its own mouse pointer
    EXPECT_FALSE(f().Picture4->MouseIcon().isNull());
    key(113);
    EXPECT_EQ(f().ToolNo, 0);
    EXPECT_TRUE(f().Picture4->MouseIcon().isNull());
    for (int i = 0; i < 3; ++i) key(114);
    EXPECT_EQ(f().ColorIndex, 0);
    key(114, 1);
    EXPECT_EQ(f().ColorIndex, 26);
    EXPECT_EQ(f().Line1->BorderColor(), 16777215);  // the tail recolours the outline
}

TEST_F(DispatcherTest, DrawModeAndKeypadDiagonals) {
    key(99);  // in "Move" mode a diagonal only moves, twice
    key(103);
    key(32);  // "Draw and Move"
    key(39);  // stamps where the tool stood, then moves
    key(39, 4);  // moves the virtual centre, then stamps
    key(38, 1);  // Shift+Up stamps in place: the same line is kept once
    key(13);     // Enter in draw mode stamps nothing itself
    EXPECT_EQ(recorded(), 2);
    EXPECT_EQ(f().CommandArray[1], "LINERGB (-50) (0) (50) (0) 65535");
    EXPECT_EQ(last(), "LINERGB (-40) (0) (60) (0) 65535");
    key(36);  // Home stamps once at home
    key(40);  // the same stamp again, dropped, then a step down
    key(97);  // a diagonal stamps once, then moves twice
    EXPECT_EQ(recorded(), 4);
    EXPECT_EQ(last(), "LINERGB (-50) (-10) (50) (-10) 65535");
    EXPECT_FLOAT_EQ(f().Line1->X1(), 5640);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 5960);
}

TEST_F(DispatcherTest, EveryToolStampsItsOwnCommand) {
    const char* expected[] = {
        "LINERGB (-50) (0) (50) (0) 65535", "BOXRGB (-50) (0) (0) (-50) (50) (0) (0) (50) 65535",
        "ELLIPSERGB (0) (0) (100) (100) (0) 65535", "FILLRECTRGB (0) (0) (100) (100) 65535", "",
        "FILLRECTRGB (0) (0) (100) (100) 65535", "FILLOVALRGB (0) (0) (100) (100) 65535", "", "", ""};
    f().Text1->setVisible(true);  // the text tool's box takes the focus
    const QImage blank = f().Picture4->Image();
    for (int tool = 0; tool < 10; ++tool) {
        f().ToolNo = static_cast<int16_t>(tool);
        const int before = recorded();
        key(13);
        EXPECT_EQ(recorded() > before ? last() : "", expected[tool]) << "tool " << tool;
        EXPECT_EQ(f().Picture4->Image() != blank, *expected[tool] != 0) << "tool " << tool;
        key(46);  // clear between stamps
    }
}

TEST_F(DispatcherTest, DeleteClearsAndRecordsOnceAndAltVShowsTheRecord) {
    key(13);
    key(46);
    key(46);  // the second "CS" repeats the first and is dropped
    EXPECT_EQ(f().Picture4->Point(6240, 5760), 0);
    EXPECT_EQ(recorded(), 2);
    key(86, 4);
    const std::string text = f().RichTextBox1->Text();
    EXPECT_NE(text.find("LINERGB (-50) (0) (50) (0) 65535\rCS"), std::string::npos) << text;
    EXPECT_EQ(f().Label6->Caption(), "No of Characters: " + std::to_string(text.size()));
}

TEST_F(DispatcherTest, GridDistanceAndTheInfoLine) {
    platform.inputAnswers = {"250", "50", "abc", "1e3"};
    for (double want : {250, 100, 100, 1000}) {
        key(71, 2);
        EXPECT_DOUBLE_EQ(f().GridDistance, want);
    }
    f().MovingStep = 250;
    key(0, 1);  // a code no rule takes runs the tail only
    EXPECT_EQ(f().Caption(),
              ".   VRK  Line Tool   [Moving Step  250] [Rotating Step  1] [Tool Width  1000] "
              "[Tool Height  1000] [Draw Width  0]     Move");
}

// Insert hides the text tool's box too: later key commands keep working
// (the tail used to fail on focusing the hidden box and skip the info line).
TEST_F(DispatcherTest, InsertWithTheTextToolKeepsKeyCommandsWorking) {
    f().ToolNo = 3;
    key(113);  // the text tool's box takes the focus
    EXPECT_TRUE(f().Text1->HasFocus());
    key(45);
    EXPECT_FALSE(f().Text1->Visible());
    EXPECT_FALSE(f().Line1->Visible());
    f().MovingStep = 300;
    EXPECT_NO_THROW(key(0, 1));
    EXPECT_NE(f().Caption().find("[Moving Step  300]"), std::string::npos);
}
