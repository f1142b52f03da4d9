// The tool box through real Qt mouse events: a left click chooses a tool and
// places the focus; hovering slides the name panel in, with a sound on a new icon.
#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "support/qt_events.h"

namespace {

using ToolBoxTest = StartedFormTest;

TEST_F(ToolBoxTest, LeftClickOnAnIconChoosesItsTool) {
    clickOn(f().Image1(2));
    EXPECT_EQ(f().ToolNo, 2);
    EXPECT_FLOAT_EQ(f().Shape1->Top(), f().Image1(2).Top());
    EXPECT_NE(f().Caption().find("Ellipse Tool"), std::string::npos);
    EXPECT_TRUE(f().Picture4->HasFocus());
    clickOn(f().Image1(0));  // one step back is -1, and the next-tool command brings it to 0
    EXPECT_EQ(f().ToolNo, 0);

    const std::string caption = f().Caption();
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        clickOn(f().Image1(5), b);
        EXPECT_EQ(f().ToolNo, 0);
        EXPECT_EQ(f().Caption(), caption);
    }

    // The help panel's title "VRK Help" chooses the text tool: the focus goes to its box.
    f().Picture19->setVisible(true);
    clickOn(*f().Label7);
    EXPECT_EQ(f().ToolNo, 4);
    EXPECT_TRUE(f().Text1->HasFocus());
}

TEST_F(ToolBoxTest, HoverSlidesTheNamePanelInWithASoundOnlyOnANewIcon) {
    forms::PictureBox& panel = *f().Picture3;
    panel.setVisible(false);  // as a move over the canvas leaves it
    // The very first hover plays and slides, even over icon 0, the icon last hovered at start.
    hover(f().Image1(0));
    EXPECT_EQ(platform.calls.back().text, platform.folder + "/mousemove.wav");
    EXPECT_TRUE(panel.Visible());
    EXPECT_FLOAT_EQ(panel.Left(), -3255);
    // 100 twips a tick from -3255 until at or right of the canvas edge.
    int ticks = 0;
    for (; f().Timer6->Enabled() && ticks < 100; ++ticks) f().Timer6->tick();
    EXPECT_EQ(ticks, 33);
    EXPECT_FLOAT_EQ(panel.Left(), 45);

    // Back over the same icon: shown where it stands, no slide, no sound.
    panel.setVisible(false);
    hover(f().Image1(0));
    EXPECT_TRUE(panel.Visible());
    EXPECT_FALSE(f().Timer6->Enabled());
    EXPECT_EQ(platform.count("playSound"), 1);

    // A new icon restarts the slide from out of sight, even while one runs.
    hover(f().Image1(3));
    EXPECT_FLOAT_EQ(panel.Top(), f().Image1(3).Top());
    for (int i = 0; i < 10; ++i) f().Timer6->tick();
    hover(f().Image1(9));
    EXPECT_EQ(platform.count("playSound"), 3);
    EXPECT_FLOAT_EQ(panel.Left(), -3255);
    EXPECT_EQ(f().Label3->Caption(), "Fill Color Tool");
}

}  // namespace
