// The panel closers and where the focus ends after each, clicks that stop at
// the control they were meant for (real Qt mouse events), and the option panel timer.
#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "support/qt_events.h"

namespace {

class ClosersTest : public StartedFormTest {
protected:
    void chooseTextTool() {  // as its key command does: the text box has the focus
        while (f().ToolNo != 4) f().KeyResponder(113, 0);
        ASSERT_TRUE(f().Text1->HasFocus());
    }
};

TEST_F(ClosersTest, PanelCloseButtons) {
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

TEST_F(ClosersTest, PanelBackgroundsReturnTheFocusButIconsAndCellsKeepIt) {
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
