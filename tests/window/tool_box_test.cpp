// The tool box in use, driven by real Qt mouse events on the icons: a left
// click chooses a tool and puts the focus where that tool wants it, other
// buttons do nothing, and hovering (no button held) slides the tool-name
// panel in with a sound only when a new icon is reached.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "support/form_fixture.h"
#include "support/qt_events.h"

namespace {



using ToolBoxTest = StartedFormTest;

TEST_F(ToolBoxTest, LeftClickOnAnIconChoosesItsTool) {
    ASSERT_TRUE(f().Picture4->HasFocus());
    clickOn(f().Image1(2), Qt::LeftButton);
    EXPECT_EQ(f().ToolNo, 2);
    EXPECT_FLOAT_EQ(f().Shape1->Top(), f().Image1(2).Top());
    EXPECT_NE(f().Caption().find("Ellipse Tool"), std::string::npos);
    EXPECT_TRUE(f().Picture4->HasFocus());

    // Icon 0: one step back is -1, and the next-tool command brings it to 0.
    clickOn(f().Image1(0), Qt::LeftButton);
    EXPECT_EQ(f().ToolNo, 0);
    EXPECT_FLOAT_EQ(f().Shape1->Top(), f().Image1(0).Top());
    EXPECT_TRUE(f().Line1->Visible());
    EXPECT_NE(f().Caption().find("Line Tool"), std::string::npos);

    // The right and middle buttons change nothing.
    const std::string caption = f().Caption();
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        clickOn(f().Image1(5), b);
        EXPECT_EQ(f().ToolNo, 0);
        EXPECT_EQ(f().Caption(), caption);
        EXPECT_FLOAT_EQ(f().Shape1->Top(), f().Image1(0).Top());
        EXPECT_FALSE(f().Shape5->Visible());
    }
}

TEST_F(ToolBoxTest, TextToolIconAndHelpTitleLeaveTheFocusInTheTextBox) {
    clickOn(f().Image1(4), Qt::LeftButton);
    EXPECT_EQ(f().ToolNo, 4);
    EXPECT_TRUE(f().Text1->Visible());
    EXPECT_TRUE(f().Text1->HasFocus());

    clickOn(f().Image1(6), Qt::LeftButton);
    EXPECT_EQ(f().ToolNo, 6);
    EXPECT_TRUE(f().Picture4->HasFocus());

    // A click (press and release) on the help panel's title "VRK Help".
    f().Picture19->setVisible(true);
    ASSERT_EQ(f().Label7->Caption(), "VRK Help");
    clickOn(*f().Label7, Qt::LeftButton);
    EXPECT_EQ(f().ToolNo, 4);
    EXPECT_TRUE(f().Text1->Visible());
    EXPECT_TRUE(f().Text1->HasFocus());
}

TEST_F(ToolBoxTest, HoverSlidesTheNamePanelInWithASoundOnlyOnANewIcon) {
    forms::PictureBox& panel = *f().Picture3;
    ASSERT_TRUE(f().Image1(0).widget()->hasMouseTracking());
    panel.setVisible(false);  // as a move over the canvas leaves it

    // The very first hover plays and slides, even over icon 0, which is the
    // icon last hovered at start.
    hover(f().Image1(0));
    EXPECT_EQ(f().FirstMove, 1);
    EXPECT_EQ(platform.count("playSound"), 1);
    EXPECT_EQ(platform.calls.back().text, platform.folder + "/mousemove.wav");
    EXPECT_TRUE(panel.Visible());
    EXPECT_FLOAT_EQ(panel.Left(), -3255);
    EXPECT_FLOAT_EQ(panel.Top(), f().Image1(0).Top());
    EXPECT_FLOAT_EQ(panel.Width(), 3255);
    EXPECT_EQ(f().Label3->Caption(), "Line Tool");

    // 100 twips a tick from -3255 until at or right of the canvas edge.
    int ticks = 0;
    while (f().Timer6->Enabled() && ticks < 100) {
        f().Timer6->tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 33);
    EXPECT_FLOAT_EQ(panel.Left(), 45);

    // Back over the same icon (after the canvas hid the panel): shown where
    // it stands, no slide, no sound.
    panel.setVisible(false);
    hover(f().Image1(0));
    EXPECT_EQ(f().FirstMove, 2);
    EXPECT_TRUE(panel.Visible());
    EXPECT_FLOAT_EQ(panel.Left(), 45);
    EXPECT_FALSE(f().Timer6->Enabled());
    EXPECT_EQ(platform.count("playSound"), 1);

    // A new icon restarts the slide from out of sight, and so does another
    // one while that slide is still running.
    hover(f().Image1(3));
    EXPECT_EQ(platform.count("playSound"), 2);
    EXPECT_EQ(f().Label3->Caption(), "Eraser Tool");
    EXPECT_FLOAT_EQ(panel.Top(), f().Image1(3).Top());
    for (int i = 0; i < 10; ++i) f().Timer6->tick();
    EXPECT_FLOAT_EQ(panel.Left(), -2255);
    hover(f().Image1(9));
    EXPECT_EQ(platform.count("playSound"), 3);
    EXPECT_FLOAT_EQ(panel.Left(), -3255);
    EXPECT_TRUE(f().Timer6->Enabled());
    EXPECT_EQ(f().Label3->Caption(), "Fill Color Tool");
    EXPECT_EQ(f().LastToolIndex, 9);
    EXPECT_EQ(f().FirstMove, 2);
}

}  // namespace
