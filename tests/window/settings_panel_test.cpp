// The settings panel as the user meets it after start-up: the sliders, the
// tool-size buttons, the move and turn pads repeated as the repeat box says,
// the two boxes (whatever is typed into them), and the clear and play
// buttons. Buttons and pads get real Qt mouse events.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <cmath>
#include <string>

#include "support/form_fixture.h"
#include "window/settings_numbers.h"
#include "window/temp_gallery.h"

namespace {

class SettingsPanelTest : public FormTest {
protected:
    // Starts like the program and opens the settings panel.
    Form1& start() {
        form->Form_Load();
        form->Picture13->setVisible(true);
        return *form;
    }
    // The direction of the tool's horizontal arm in degrees, 0 .. 180.
    double armAngle() const {
        const auto& l = *form->Line1;
        const double a = std::atan2(l.Y2() - l.Y1(), l.X2() - l.X1()) * 180 / M_PI;
        return std::fmod(a + 360, 180);
    }
};

TEST(SettingsNumbers, BoxesGiveNumbersWithinTheirRanges) {
    struct Case {
        const char* text;
        int repetitions, resolution;
    };
    const Case repeat[] = {{"3", 3, 3},     {"", 1, 0},        {"0", 1, 0},       {"-2", 0, -2},
                           {"2.5", 2, 2},   {"3.5", 4, 4},     {"1 0", 10, 10},   {"&H10", 16, 16},
                           {"abc", 1, 0},   {"99999999", 32767, 32767},           {"-99999999", 0, -32768}};
    for (const Case& c : repeat) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(settings::padRepetitions(c.text), c.repetitions);
        EXPECT_EQ(settings::resolutionOf(c.text), c.resolution);
    }
    const std::pair<const char*, int> duration[] = {{"0", 1},   {"", 1},     {"-0.4", 1},     {"2.5", 2},
                                                    {"3.5", 4}, {"250", 250}, {"1e12", 65535}};
    for (const auto& [text, ms] : duration) EXPECT_EQ(settings::replayInterval(text), ms) << text;
}

TEST_F(SettingsPanelTest, BoxesSetResolutionAndReplayInterval) {
    Form1& f = start();
    EXPECT_EQ(f.Resolution, 10);  // until the repeat box is first edited
    f.Text3->setText("99999999");
    EXPECT_EQ(f.Resolution, 32767);
    f.Text4->setText("250");
    EXPECT_EQ(f.Timer2->Interval(), 250);

    // Enter in the repeat box hands the keys back to the canvas.
    f.Text3->SetFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(f.Text3->widget(), &enter);
    EXPECT_TRUE(f.Picture4->HasFocus());
}

TEST_F(SettingsPanelTest, MovePadRepeatsAsTheRepeatBoxSays) {
    Form1& f = start();
    const double x0 = f.ToolX, y0 = f.ToolY;
    f.Text3->setText("3");
    pressOn(f.Image4(2));  // "Move Right"
    EXPECT_DOUBLE_EQ(f.ToolX, x0 + 300);
    pressOn(f.Image4(4));  // "Move to Home": once, the cross upright at home
    EXPECT_DOUBLE_EQ(f.ToolX, f.HomeX);
    EXPECT_NEAR(armAngle(), 0, 1e-6);

    for (const char* once : {"0", ""}) {
        f.Text3->setText(once);
        const double before = f.ToolY;
        pressOn(f.Image4(3));  // "Move Down"
        EXPECT_DOUBLE_EQ(f.ToolY, before + 100) << once;
    }

    f.Text3->setText("-2");
    const double x1 = f.ToolX;
    pressOn(f.Image4(0));
    pressOn(f.Image5(1));
    EXPECT_DOUBLE_EQ(f.ToolX, x1);
    EXPECT_NEAR(armAngle(), 0, 1e-6);
    pressOn(f.Image4(4));
    EXPECT_NEAR(f.ToolY, y0, 0.01);

    // The right button moves the virtual centre, on the four arrows only.
    f.Text3->setText("2");
    const double vy = f.VirtualCenterY, vx = f.VirtualCenterX;
    pressOn(f.Image4(1), Qt::RightButton);  // "Move Up"
    EXPECT_DOUBLE_EQ(f.VirtualCenterY, vy - 200);
    pressOn(f.Image4(5), Qt::RightButton);  // "Move Left Top"
    EXPECT_DOUBLE_EQ(f.VirtualCenterX, vx);
    EXPECT_DOUBLE_EQ(f.VirtualCenterY, vy - 200);
    EXPECT_DOUBLE_EQ(f.ToolX, x1);
}

TEST_F(SettingsPanelTest, TurnPadTurnsRepeatedlyAndGivesTheCanvasTheFocus) {
    Form1& f = start();
    EXPECT_NEAR(armAngle(), 45, 0.5);
    f.Text3->setText("3");
    pressOn(f.Image5(1), Qt::RightButton);  // any button turns
    EXPECT_NEAR(armAngle(), 48, 0.5);
    pressOn(f.Image5(0));
    EXPECT_NEAR(armAngle(), 45, 0.5);
    EXPECT_TRUE(f.Picture4->HasFocus());
}

TEST_F(SettingsPanelTest, ToolSizeButtonsSendTheirKeys) {
    Form1& f = start();
    clickOn(f.Command4(0));  // "W+"
    EXPECT_NEAR(f.ToolWidth, 1200, 1);
    clickOn(f.Command4(6));  // "-"
    EXPECT_NEAR(f.ToolWidth, 1000, 1);
    EXPECT_NEAR(f.ToolHeight, 800, 1);
    clickOn(f.Command4(4));  // "M"
    EXPECT_EQ(f.ModeText, "Draw and Move");
    EXPECT_EQ(f.CommandCount, 1);
}

TEST_F(SettingsPanelTest, SlidersSetWidthAndStepsAndShowThem) {
    Form1& f = start();
    const std::string caption = f.Caption();
    f.HScroll3->setValue(5);
    EXPECT_EQ(f.Line1->BorderWidth(), 5);
    EXPECT_EQ(f.Side(3).BorderWidth(), 5);
    EXPECT_EQ(f.Eli(0).BorderWidth(), 5);
    EXPECT_EQ(f.Picture4->DrawWidth(), 5);
    EXPECT_EQ(f.LineWidth, 5);
    EXPECT_EQ(f.Caption(), caption);  // the info line's draw width stays
    EXPECT_EQ(f.CommandCount, 1);

    f.HScroll4->setValue(250);
    EXPECT_FLOAT_EQ(f.MovingStep, 250);
    EXPECT_NE(f.Caption().find("[Moving Step  250]"), std::string::npos) << f.Caption();
    f.HScroll5->setValue(30);
    EXPECT_EQ(f.RotatingStep, 30);
    EXPECT_NE(f.Caption().find("[Rotating Step  30]"), std::string::npos) << f.Caption();
    EXPECT_TRUE(f.Picture4->HasFocus());
}

TEST_F(SettingsPanelTest, PlayReplaysTheRecordToTheSamePixels) {
    platform.gallery = writeGallery(programFolder.path() + "/gallery", {solidPicture(Qt::red)});
    Form1& f = start();
    f.KeyResponder(13, 0);  // a line stamp
    f.KeyResponder(114, 0);
    f.KeyResponder(113, 0);  // a box stamp in another colour
    f.KeyResponder(13, 0);
    const QImage drawn = f.Picture4->Image();
    const int recorded = f.CommandCount;

    f.Image3_Click(0);  // a background over it, which records nothing
    EXPECT_EQ(f.CommandCount, recorded);
    EXPECT_NE(f.Picture4->Image(), drawn);

    f.Text4->setText("250");
    clickOn(f.Command6(2));  // "Play"
    ASSERT_TRUE(f.Timer2->Enabled());
    EXPECT_EQ(f.Timer2->Interval(), 250);
    EXPECT_TRUE(f.Picture4->HasFocus());
    int ticks = 0;
    while (f.Timer2->Enabled() && ticks < 100) {
        f.Timer2->tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, recorded - 1);
    EXPECT_EQ(f.Picture4->Image(), drawn);
}

TEST_F(SettingsPanelTest, ClearButtonsGoOnPastAFailingStep) {
    Form1& f = start();
    f.KeyResponder(13, 0);
    clickOn(f.Command6(0));  // "CS"
    EXPECT_EQ(f.CommandArray[f.CommandCount - 1], "CS");
    EXPECT_TRUE(f.Picture4->HasFocus());

    // With the canvas hidden the focus cannot move there: the clear still runs.
    f.KeyResponder(13, 0);
    f.Picture4->setVisible(false);
    EXPECT_NO_THROW(f.Command6_Click(0));
    EXPECT_EQ(f.CommandArray[f.CommandCount - 1], "CS");
    f.BackgroundSet = true;
    EXPECT_NO_THROW(f.Command6_Click(1));  // "CB"
    EXPECT_FALSE(f.BackgroundSet);
}

}  // namespace
