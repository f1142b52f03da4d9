// Clicks through real Qt mouse events: the tool box (a left click chooses a
// tool, hovering slides the name panel in with a sound on a new icon), the
// panel closers and where the focus ends after each, clicks that stop at the
// control they were meant for, and the option panel timer.
#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "support/qt_events.h"

namespace {

class PanelClicksTest : public StartedFormTest {
protected:
    void chooseTextTool() {  // as its key command does: the text box has the focus
        while (f().ToolNo != 4) f().KeyResponder(113, 0);
        ASSERT_TRUE(f().Text1->HasFocus());
    }
};

TEST_F(PanelClicksTest, LeftClickOnAnIconChoosesItsTool) {
    clickOn(f().Image1(2));
    EXPECT_EQ(f().ToolNo, 2);
    clickOn(f().Image1(0));  // one step back is -1, and the next-tool command brings it to 0
    EXPECT_EQ(f().ToolNo, 0);
    clickOn(f().Image1(5), Qt::RightButton);  // other buttons choose nothing
    clickOn(f().Image1(5), Qt::MiddleButton);
    EXPECT_EQ(f().ToolNo, 0);

    // The help panel's title "VRK Help" chooses the text tool: the focus goes to its box.
    f().Picture19->setVisible(true);
    clickOn(*f().Label7);
    EXPECT_EQ(f().ToolNo, 4);
    EXPECT_TRUE(f().Text1->HasFocus());
}

TEST_F(PanelClicksTest, HoverSlidesTheNamePanelInWithASoundOnlyOnANewIcon) {
    forms::PictureBox& panel = *f().Picture3;
    panel.setVisible(false);  // as a move over the canvas leaves it
    // The very first hover plays and slides, even over icon 0, the icon last hovered at start.
    hover(f().Image1(0));
    EXPECT_EQ(platform.calls.back().text, platform.folder + "/mousemove.wav");
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
    for (int i = 0; i < 10; ++i) f().Timer6->tick();
    hover(f().Image1(9));
    EXPECT_EQ(platform.count("playSound"), 3);
    EXPECT_FLOAT_EQ(panel.Left(), -3255);
    EXPECT_EQ(f().Label3->Caption(), "Fill Color Tool");
}

TEST_F(PanelClicksTest, PanelCloseButtons) {
    // Script Manager "X" with the text tool: the keys go back to the text box.
    chooseTextTool();
    f().Check1(1).setValue(1);
    f().Command1->Click();
    EXPECT_FALSE(f().Picture11->Visible());
    EXPECT_EQ(f().Check1(1).Value(), 0);
    EXPECT_TRUE(f().Text1->HasFocus());
    // "Cancel" always leaves the focus in the canvas.
    f().Check1(1).setValue(1);
    f().Text1->SetFocus();
    f().Command3->Click();
    EXPECT_TRUE(f().Picture4->HasFocus());

    // Help panel "X": clearing "Hints" gives the canvas the focus.
    f().Check1(2).setValue(1);
    f().Command7->Click();
    EXPECT_FALSE(f().Picture19->Visible());
    EXPECT_TRUE(f().Picture4->HasFocus());

    // The option panel's timer hides it; the boxes keep their values.
    f().Picture12->setVisible(true);
    f().Check1(5).setValue(1);
    f().Timer5->tick();
    EXPECT_FALSE(f().Picture12->Visible());
    EXPECT_EQ(f().Check1(5).Value(), 1);
}

TEST_F(PanelClicksTest, PanelBackgroundsReturnTheFocusButIconsAndCellsKeepIt) {
    chooseTextTool();
    for (forms::PictureBox* panel : {f().Picture1, f().Picture2, f().Picture5, f().Picture8}) {
        f().Text1->SetFocus();
        clickOn(*panel);
        EXPECT_TRUE(f().Picture4->HasFocus()) << panel->Name();
    }
    // A press passed on to the box under them would take the focus to the canvas.
    f().Text1->SetFocus();
    clickOn(f().Image1(4));
    EXPECT_EQ(f().ToolNo, 4);
    EXPECT_TRUE(f().Text1->HasFocus());
    clickOn(f().Label2(3));
    EXPECT_TRUE(f().Text1->HasFocus());

    // A canvas that cannot take the focus: the press changes nothing.
    f().Picture4->setVisible(false);
    EXPECT_NO_THROW(f().Picture1->MouseDown(1, 0, 0, 0));
    EXPECT_TRUE(f().Text1->HasFocus());
}

}  // namespace
