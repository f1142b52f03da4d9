// The full-screen panel: the splash hidden at Timer1's 101st tick or earlier
// by a click, a double click or Escape; the full view of the drawing opened
// by a double click on the canvas and closed the same ways.
#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace {

class SplashTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form->Form_Load();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) form->Timer1->tick();
    }
    void key(int code, int shift) {
        // Through the panel's event, as the window system delivers it.
        form->Picture21->KeyDown(code, shift);
    }
};

TEST_F(SplashTest, TimerHidesTheSplashAtTick101) {
    Form1& f = *form;
    ticks(100);
    EXPECT_TRUE(f.Picture21->Visible());
    EXPECT_TRUE(f.Image2->Enabled());
    ticks(1);
    EXPECT_FALSE(f.Picture21->Visible());
    EXPECT_FALSE(f.Image2->Enabled());
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_TRUE(f.Picture4->HasFocus());  // the keys reach the tool again
}

TEST_F(SplashTest, EarlyClosesAndTheTimerStillRuns) {
    Form1& f = *form;
    ticks(50);
    f.Image2->Click();
    EXPECT_FALSE(f.Picture21->Visible());
    EXPECT_TRUE(f.Picture4->HasFocus());
    // The focus moved on meanwhile (the command line, shown by "Com"): the
    // timer's tick does not take it back.
    f.Picture18->setVisible(true);
    f.Text2->SetFocus();
    ticks(51);
    EXPECT_FALSE(f.Image2->Enabled());
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_TRUE(f.Text2->HasFocus());

    // Escape closes the panel with any shift state; another key does not.
    for (int shift : {0, 1, 2, 4}) {
        f.Picture4_DblClick();
        ASSERT_TRUE(f.Picture21->Visible());
        key(13, shift);
        EXPECT_TRUE(f.Picture21->Visible()) << shift;
        key(27, shift);
        EXPECT_FALSE(f.Picture21->Visible()) << shift;
    }
    f.Picture4_DblClick();
    f.Picture21->DblClick();
    EXPECT_FALSE(f.Picture21->Visible());
}

TEST_F(SplashTest, FullViewShowsTheDrawingAlone) {
    Form1& f = *form;
    f.Picture4->Line(0, 0, 3000, 3000, forms::rgb(255, 0, 0));
    f.Picture4_DblClick();
    EXPECT_TRUE(f.Picture21->Visible());
    EXPECT_TRUE(f.Picture21->HasFocus());
    // A copy of the canvas's image (no tool outline), centred, at its size.
    EXPECT_EQ(f.Image2->Picture(), f.Picture4->Image());
    EXPECT_FALSE(f.Image2->Stretch());
    EXPECT_FLOAT_EQ(f.Image2->Width(), f.Picture4->Width());
    EXPECT_FLOAT_EQ(f.Image2->Left() + f.Image2->Width() / 2, f.Picture21->Width() / 2);
    EXPECT_FLOAT_EQ(f.Image2->Top() + f.Image2->Height() / 2, f.Picture21->Height() / 2);
    EXPECT_EQ(f.Image2->Picture().pixel(416, 384), qRgb(0, 0, 0));  // the cross is not in it

    // Opened before the splash's 101st tick, it is hidden at that tick.
    ticks(101);
    EXPECT_FALSE(f.Picture21->Visible());
    EXPECT_TRUE(f.Picture4->HasFocus());
}

}  // namespace
