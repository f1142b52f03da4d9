// The key-command dispatcher: moves and their bounds, turns, orbits, the
// virtual centre, Home, grow and shrink, tools and colours, draw mode, the
// keypad diagonals, Delete, Alt+V, Ctrl+G, Insert, Ctrl+K and the common
// tail.
#include <gtest/gtest.h>

#include <cmath>

#include "tool/dispatcher_fixture.h"

namespace {

double length(const forms::Line& l) { return std::hypot(l.X2() - l.X1(), l.Y2() - l.Y1()); }

}  // namespace

TEST_F(DispatcherTest, HomePutsTheCrossOnTheHomePoint) {
    EXPECT_FLOAT_EQ(f().Line1->X1(), 5740);
    EXPECT_FLOAT_EQ(f().Line1->X2(), 6740);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 5760);
    EXPECT_FLOAT_EQ(f().Line2->Y1(), 5260);
    EXPECT_FLOAT_EQ(f().Line2->Y2(), 6260);
    EXPECT_DOUBLE_EQ(f().ToolX, 6240);
    EXPECT_DOUBLE_EQ(f().ToolY, 5760);
    EXPECT_DOUBLE_EQ(f().ToolWidth, 1000);
    EXPECT_DOUBLE_EQ(f().ToolHeight, 1000);
    EXPECT_FLOAT_EQ(f().MovingStep, 100);  // given back after the zero move
    EXPECT_EQ(recorded(), 0);               // Home in "Move" mode stamps nothing
}

TEST_F(DispatcherTest, ArrowsMoveBothArmsWithinTheirBounds) {
    key(39);
    EXPECT_FLOAT_EQ(f().Line1->X1(), 5840);
    EXPECT_FLOAT_EQ(f().Line2->X1(), 6340);
    key(37);
    key(38);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 5660);
    key(40);

    // Right: an end may land exactly on MaxX but not beyond it.
    f().MovingStep = 5740;
    key(39);
    EXPECT_FLOAT_EQ(f().Line1->X2(), 12480);
    f().MovingStep = 1;
    key(39);
    EXPECT_FLOAT_EQ(f().Line1->X2(), 12480);

    // Down: strictly below 0.95 x MaxY (10944).
    f().MovingStep = 5184;
    key(40);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 5760);
    f().MovingStep = 5183;
    key(40);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 10943);

    // A negative step moves the other way under the same bound test.
    f().MovingStep = -100;
    key(40);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 10843);
}

TEST_F(DispatcherTest, TurnsCarryEveryEndAcrossTheCentre) {
    key(39, 2);
    // The first end of Line1 went from the left of the centre to its right.
    EXPECT_GT(f().Line1->X1(), 6240);
    EXPECT_NEAR(f().Line1->X1(), 6240 + 500 * std::sin(91 * 3.1415927 / 180), 0.01);
    EXPECT_NEAR(length(*f().Line1), 1000, 0.01);
    EXPECT_DOUBLE_EQ(f().ToolHeading, 1);  // the heading of Line2's second end, plus 1

    // Page Up is the same clockwise turn; Page Down undoes it.
    const float x1 = f().Line1->X1(), y1 = f().Line1->Y1();
    key(33);
    key(34);
    EXPECT_NEAR(f().Line1->X1(), x1, 0.05);
    EXPECT_NEAR(f().Line1->Y1(), y1, 0.05);

    // 45 turns from home give an upright square box.
    key(36);
    for (int i = 0; i < 45; ++i) key(39, 2);
    for (int i = 0; i < 4; ++i) {
        const forms::Line& s = f().Side(i);
        const bool upright = std::abs(s.X1() - s.X2()) < 1 || std::abs(s.Y1() - s.Y2()) < 1;
        EXPECT_TRUE(upright) << "side " << i;
    }
    EXPECT_NEAR(f().ToolX, 6240, 0.01);
    EXPECT_NEAR(f().ToolY, 5760, 0.01);
}

TEST_F(DispatcherTest, OrbitAndVirtualCentre) {
    f().RotatingStep = 90;
    f().VirtualCenterY = 6760;  // the tool centre stands 1000 above it
    key(39, 1);
    EXPECT_NEAR(f().ToolX, 7240, 0.01);
    EXPECT_NEAR(f().ToolY, 6760, 0.01);
    EXPECT_NEAR(f().Line1->Y1(), f().Line1->Y2(), 0.01);  // arms keep their direction
    key(37, 1);
    EXPECT_NEAR(f().ToolX, 6240, 0.01);
    EXPECT_NEAR(f().ToolY, 5760, 0.01);

    // Shift+Ctrl orbits and then turns.
    key(39, 3);
    EXPECT_NEAR(length(*f().Line1), 1000, 0.01);
    EXPECT_GT(std::abs(f().Line1->Y1() - f().Line1->Y2()), 100);

    key(39, 4);
    key(38, 4);
    EXPECT_DOUBLE_EQ(f().VirtualCenterX, 6340);
    EXPECT_DOUBLE_EQ(f().VirtualCenterY, 6660);
    EXPECT_FLOAT_EQ(f().Line6->X2(), 6340);  // the centre line follows at the tail
}

TEST_F(DispatcherTest, GrowAndShrinkTheArms) {
    key(119);
    EXPECT_FLOAT_EQ(f().Line1->X1(), 5640);
    EXPECT_FLOAT_EQ(f().Line1->X2(), 6840);
    EXPECT_FLOAT_EQ(f().Line2->Y1(), 5160);
    EXPECT_FLOAT_EQ(f().Line2->Y2(), 6360);
    key(120, 1);  // width only
    EXPECT_DOUBLE_EQ(f().ToolWidth, 1000);
    EXPECT_DOUBLE_EQ(f().ToolHeight, 1200);
    key(119, 2);  // height only
    EXPECT_DOUBLE_EQ(f().ToolHeight, 1400);

    // F9 changes an arm only while its length minus the step stays above 0.
    f().MovingStep = 1000;
    key(120, 1);
    EXPECT_DOUBLE_EQ(f().ToolWidth, 1000);

    // The tail sizes the rectangle shapes to the arms, centred on the tool.
    EXPECT_FLOAT_EQ(f().Shape2->Width(), 1000);
    EXPECT_FLOAT_EQ(f().Shape5->Height(), 1400);
    EXPECT_FLOAT_EQ(f().Shape5->Left(), 5740);
}

TEST_F(DispatcherTest, ToolsAndColoursStepAndWrap) {
    key(113);
    EXPECT_EQ(f().ToolNo, 1);
    EXPECT_FLOAT_EQ(f().Shape1->Top(), f().Image1(1).Top());
    EXPECT_TRUE(f().Side(0).Visible());
    EXPECT_FALSE(f().Line1->Visible());
    key(113, 1);
    key(113, 1);
    EXPECT_EQ(f().ToolNo, 9);
    EXPECT_TRUE(f().FillMode);
    EXPECT_FALSE(f().Picture4->MouseIcon().isNull());
    key(113);
    EXPECT_EQ(f().ToolNo, 0);
    EXPECT_FALSE(f().FillMode);
    EXPECT_TRUE(f().Picture4->MouseIcon().isNull());

    key(114);
    key(114);
    EXPECT_EQ(f().ColorIndex, 26);
    EXPECT_EQ(f().Picture4->ForeColor(), 16777215);
    key(114);
    EXPECT_EQ(f().ColorIndex, 0);
    EXPECT_FLOAT_EQ(f().Shape3->Top(), f().Label2(0).Top());
    key(114, 1);
    EXPECT_EQ(f().ColorIndex, 26);
    EXPECT_EQ(f().PenColor, 16777215);
    EXPECT_EQ(f().Shape5->FillColor(), 16777215);
    EXPECT_EQ(f().Text1->ForeColor(), 16777215);
    EXPECT_EQ(f().Line1->BorderColor(), 16777215);  // the tail recolours the outline
    EXPECT_EQ(recorded(), 0);
}

TEST_F(DispatcherTest, TextToolSetsUpItsBox) {
    for (int i = 0; i < 4; ++i) key(113);
    EXPECT_EQ(f().ToolNo, 4);
    EXPECT_TRUE(f().Text1->Visible());
    EXPECT_FLOAT_EQ(f().Text1->font().Size, 20);
    EXPECT_EQ(f().Text1->font().Name, "20");
    EXPECT_FLOAT_EQ(f().Text1->Height(), 20);
    EXPECT_TRUE(f().Text1->HasFocus());
    EXPECT_FLOAT_EQ(f().Text1->Left(), 6240);
    EXPECT_EQ(f().Text2->Text(), "");  // an empty box would print nothing
    f().Text1->setText("abc");
    key(0, 1);
    EXPECT_EQ(f().Text2->Text(), "WRITERGB \"abc,65535 (0) (0) 20\"");
}

TEST_F(DispatcherTest, DrawModeStampsAtEveryArrow) {
    key(32);
    EXPECT_EQ(f().ModeText, "Draw and Move");
    key(39);  // stamps where the tool stood, then moves
    EXPECT_EQ(last(), "LINERGB (-50) (0) (50) (0) 65535");
    EXPECT_FLOAT_EQ(f().Line1->X1(), 5840);
    key(39, 4);  // moves the virtual centre, then stamps
    EXPECT_EQ(last(), "LINERGB (-40) (0) (60) (0) 65535");
    EXPECT_EQ(recorded(), 2);
    key(38, 1);  // Shift+Up stamps in place: the same line is kept once
    EXPECT_EQ(recorded(), 2);

    f().Check1(4).setValue(1);  // "ACol": the colour steps after each stamp
    key(40);
    EXPECT_EQ(last(), "LINERGB (-40) (0) (60) (0) 65535");
    EXPECT_EQ(f().ColorIndex, 25);
    key(40);
    EXPECT_EQ(last(), "LINERGB (-40) (-10) (60) (-10) 8454143");

    // Home in draw mode stamps once at home (its zero move).
    const int before = recorded();
    key(36);
    EXPECT_EQ(recorded(), before + 1);
    EXPECT_EQ(last(), "LINERGB (-50) (0) (50) (0) 16777215");

    key(32);
    EXPECT_EQ(f().ModeText, "Move");
    key(39);
    EXPECT_EQ(recorded(), before + 1);
}

TEST_F(DispatcherTest, KeypadDiagonalsStampOnceThenMoveTwice) {
    key(99);
    EXPECT_FLOAT_EQ(f().Line1->X1(), 5840);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 5860);
    key(103);
    EXPECT_FLOAT_EQ(f().Line1->X1(), 5740);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 5760);
    EXPECT_EQ(recorded(), 0);

    key(32);
    key(97);
    EXPECT_EQ(recorded(), 1);
    EXPECT_EQ(f().PenMode, 1);
    EXPECT_FLOAT_EQ(f().Line1->X1(), 5640);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), 5860);
}

TEST_F(DispatcherTest, EveryToolStampsItsOwnCommand) {
    auto litPixels = [&] {
        const QImage img = f().Picture4->Image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) != 0;
        return n;
    };
    const char* expected[] = {
        "LINERGB (-50) (0) (50) (0) 65535",
        "BOXRGB (-50) (0) (0) (-50) (50) (0) (0) (50) 65535",
        "ELLIPSERGB (0) (0) (100) (100) (0) 65535",
        "FILLRECTRGB (0) (0) (100) (100) 65535",
        nullptr,
        "FILLRECTRGB (0) (0) (100) (100) 65535",
        "FILLOVALRGB (0) (0) (100) (100) 65535",
        nullptr, nullptr, nullptr};
    f().Text1->setVisible(true);  // the text tool's box takes the focus
    for (int tool = 0; tool < 10; ++tool) {
        f().ToolNo = static_cast<int16_t>(tool);
        const int before = recorded();
        key(13);
        if (expected[tool]) {
            EXPECT_EQ(last(), expected[tool]) << "tool " << tool;
            EXPECT_GT(litPixels(), 0) << "tool " << tool;
        } else {
            EXPECT_EQ(recorded(), before) << "tool " << tool;
        }
        key(46);  // clear between stamps
    }
    // Enter in draw mode stamps nothing itself.
    f().ToolNo = 0;
    key(32);
    const int before = recorded();
    key(13);
    EXPECT_EQ(recorded(), before);
}

TEST_F(DispatcherTest, DeleteClearsAndRecordsOnce) {
    key(13);
    ASSERT_NE(f().Picture4->Point(6240, 5760), 0);
    key(46);
    EXPECT_EQ(f().Picture4->Point(6240, 5760), 0);
    EXPECT_EQ(last(), "CS");
    key(46);
    EXPECT_EQ(recorded(), 2);  // the second "CS" repeats the first and is dropped

    f().BackgroundSet = true;
    f().Picture4->setPicture(QImage(4, 4, QImage::Format_RGB32));
    key(46, 1);
    EXPECT_FALSE(f().BackgroundSet);
    EXPECT_TRUE(f().Picture4->Picture().isNull());
    EXPECT_EQ(recorded(), 2);
}

TEST_F(DispatcherTest, AltVShowsTheRecordInTheScriptManager) {
    key(13);
    key(39);
    key(13);
    key(86, 4);
    EXPECT_TRUE(f().Picture11->Visible());
    EXPECT_TRUE(f().RichTextBox1->Visible());
    const std::string text = f().RichTextBox1->Text();
    EXPECT_NE(text.find("LINERGB (-50) (0) (50) (0) 65535"), std::string::npos);
    EXPECT_NE(text.find("LINERGB (-40) (0) (60) (0) 65535"), std::string::npos);
    EXPECT_EQ(f().Label5->Caption(), "No of Lines: 2");
    EXPECT_EQ(f().Label6->Caption(), "No of Characters: " + std::to_string(text.size()));
    // While the panel shows, the tail copies the canvas into it.
    key(0, 1);
    EXPECT_FALSE(f().Image6->Picture().isNull());
}

TEST_F(DispatcherTest, GridDistanceAnswers) {
    platform.inputAnswers = {"250", "50", "abc", "", "1e3"};
    const double expected[] = {250, 100, 100, 100, 1000};
    for (double want : expected) {
        key(71, 2);
        EXPECT_DOUBLE_EQ(f().GridDistance, want);
    }
    EXPECT_EQ(platform.count("inputBox"), 5);
    EXPECT_EQ(platform.calls.back().text, "Enter the Grid distance");
    EXPECT_EQ(platform.calls.back().title, "VRK");
}

TEST_F(DispatcherTest, InsertFollowAndRefresh) {
    key(45);
    EXPECT_FALSE(f().Line1->Visible());
    key(75, 2);
    EXPECT_TRUE(f().FollowMouse);
    key(75, 2);
    EXPECT_FALSE(f().FollowMouse);

    // A code no rule takes runs the tail only: the info line shows the step.
    f().MovingStep = 250;
    key(0, 1);
    EXPECT_EQ(f().Caption(),
              ".   VRK  Line Tool   [Moving Step  250] [Rotating Step  1] [Tool Width  1000] "
              "[Tool Height  1000] [Draw Width  0]     Move");
    f().MovingStep = -3.5f;
    key(0, 1);
    EXPECT_NE(f().Caption().find("[Moving Step -3.5]"), std::string::npos);
}

TEST_F(DispatcherTest, PendingCommandFollowsTheTool) {
    EXPECT_EQ(f().Text2->Text(), "LINERGB (-50) (0) (50) (0) 65535");
    key(113);
    EXPECT_EQ(f().Text2->Text(), "BOXRGB (-50) (0) (0) (-50) (50) (0) (0) (50) 65535");
    f().ToolNo = 6;
    key(113);
    EXPECT_EQ(f().Text2->Text(), "");  // the picture tool records nothing
}
