// The panel closers and focus returns: where the focus ends after each, the
// option boxes they clear, clicks that stop at the control they were meant
// for (real Qt mouse events), and the option panel's timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "support/form_fixture.h"

namespace {

// A left click (press and release) in the middle of the control's widget.
void click(forms::Control& c) {
    QWidget* w = c.widget();
    ASSERT_NE(w, nullptr) << c.Name();
    const QPointF pos(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, pos, w->mapToGlobal(pos), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

class ClosersTest : public StartedFormTest {
protected:
    // The text tool, chosen as its key command does: the box has the focus.
    void chooseTextTool() {
        while (f().ToolNo != 4) f().KeyResponder(113, 0);
        ASSERT_TRUE(f().Text1->HasFocus());
    }
};

TEST_F(ClosersTest, ScriptManagerCloseButtons) {
    // "X" with the text tool: the keys go back to the text box.
    chooseTextTool();
    f().Check1(1).setValue(1);
    ASSERT_TRUE(f().Picture11->Visible());
    f().Command1->Click();
    EXPECT_FALSE(f().Picture11->Visible());
    EXPECT_EQ(f().Check1(1).Value(), 0);
    EXPECT_TRUE(f().Text1->HasFocus());

    // "Cancel" always leaves the focus in the canvas.
    f().Check1(1).setValue(1);
    f().Text1->SetFocus();
    f().Command3->Click();
    EXPECT_FALSE(f().Picture11->Visible());
    EXPECT_EQ(f().Check1(1).Value(), 0);
    EXPECT_TRUE(f().Picture4->HasFocus());
}

TEST_F(ClosersTest, ScriptManagerXWithAnotherToolReturnsToTheCanvas) {
    // Opened by Alt+V: "SM" stays clear and no box handler runs on close.
    f().KeyResponder(86, 4);
    ASSERT_TRUE(f().Picture11->Visible());
    ASSERT_EQ(f().Check1(1).Value(), 0);
    f().setActiveControl(f().Picture1);
    f().Command1->Click();
    EXPECT_FALSE(f().Picture11->Visible());
    EXPECT_EQ(f().Check1(1).Value(), 0);
    EXPECT_TRUE(f().Picture4->HasFocus());
}

TEST_F(ClosersTest, HelpPanelCloseButton) {
    f().Check1(2).setValue(1);
    ASSERT_TRUE(f().Picture19->Visible());
    f().Command7->Click();
    EXPECT_EQ(f().Check1(2).Value(), 0);
    EXPECT_FALSE(f().Picture19->Visible());
    EXPECT_TRUE(f().Picture4->HasFocus());  // clearing "Hints" gave it back
}

TEST_F(ClosersTest, CanvasCopyClickShowsAMessage) {
    f().Image6->Click();
    ASSERT_EQ(platform.count("msgBox"), 1);
    EXPECT_EQ(platform.calls.back().text, "image6");
    EXPECT_EQ(platform.calls.back().title, "Lumadraw");
}

TEST_F(ClosersTest, PanelBackgroundsReturnTheFocusToTheCanvas) {
    chooseTextTool();
    for (forms::PictureBox* panel : {f().Picture1, f().Picture2}) {
        f().Text1->SetFocus();
        click(*panel);
        EXPECT_TRUE(f().Picture4->HasFocus()) << panel->Name();
    }
    for (forms::Control* strip : {f().Picture5, f().Picture6, f().Picture7, f().Picture8}) {
        f().Text1->SetFocus();
        strip->Click();
        EXPECT_TRUE(f().Picture4->HasFocus()) << strip->Name();
    }
    // A canvas that cannot take the focus: the press changes nothing.
    f().Text1->SetFocus();
    f().Picture4->setVisible(false);
    EXPECT_NO_THROW(f().Picture1->MouseDown(1, 0, 0, 0));
    EXPECT_NO_THROW(f().Picture2->MouseDown(2, 0, 0, 0));
    EXPECT_TRUE(f().Text1->HasFocus());
}

TEST_F(ClosersTest, ClickOnAnIconOrCellStaysWithThatControl) {
    // Were the press passed on to the tool box or colour box under it, their
    // handler would take the focus to the canvas.
    chooseTextTool();
    click(f().Image1(4));
    EXPECT_EQ(f().ToolNo, 4);
    EXPECT_TRUE(f().Text1->HasFocus());
    click(f().Label2(3));
    EXPECT_TRUE(f().Text1->HasFocus());
}

TEST_F(ClosersTest, OptionPanelTimerHidesThePanel) {
    EXPECT_TRUE(f().Timer5->Enabled());
    EXPECT_EQ(f().Timer5->Interval(), 5000);
    f().Picture12->setVisible(true);
    f().Check1(5).setValue(1);
    f().Timer5->tick();
    EXPECT_FALSE(f().Picture12->Visible());
    EXPECT_EQ(f().Check1(5).Value(), 1);  // the boxes keep their values
    f().Timer5->tick();
    EXPECT_FALSE(f().Picture12->Visible());

    // The window-placing timer never runs; its handler puts the window at
    // the screen's top-left corner.
    EXPECT_FALSE(f().Timer7->Enabled());
    f().setLeft(300);
    f().setTop(450);
    f().Timer7->tick();
    EXPECT_EQ(f().Left(), 0);
    EXPECT_EQ(f().Top(), 0);
}

}  // namespace
