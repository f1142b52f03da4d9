// The settings panel after start-up: the boxes (whatever is typed into them),
// the pads, buttons and sliders through real Qt mouse events, and "Play".
#include <gtest/gtest.h>

#include <QDir>
#include <QKeyEvent>
#include <cmath>
#include <string>
#include <tuple>

#include "support/form_fixture.h"
#include "support/qt_events.h"
#include "window/settings_numbers.h"

namespace {

class SettingsPanelTest : public FormTest {
protected:
    Form1& start() {  // starts like the program and opens the settings panel
        form->Form_Load();
        form->Picture13->setVisible(true);
        return *form;
    }
    double armAngle() const {  // of the tool's horizontal arm, in degrees 0 .. 180
        const auto& l = *form->Line1;
        return std::fmod(std::atan2(l.Y2() - l.Y1(), l.X2() - l.X1()) * 180 / M_PI + 360, 180);
    }
};

TEST(SettingsNumbers, BoxesGiveNumbersWithinTheirRanges) {
    const std::tuple<const char*, int, int> repeat[] = {  // text, repetitions, resolution
        {"2.5", 2, 2}, {"3.5", 4, 4}, {"&H10", 16, 16}, {"99999999", 32767, 32767}, {"-99999999", 0, -32768}};
    for (const auto& [text, repetitions, resolution] : repeat) {
        EXPECT_EQ(settings::padRepetitions(text), repetitions) << text;
        EXPECT_EQ(settings::resolutionOf(text), resolution) << text;
    }
    const std::pair<const char*, int> duration[] = {{"0", 1}, {"-0.4", 1}, {"2.5", 2}, {"3.5", 4}, {"1e12", 65535}};
    for (const auto& [text, ms] : duration) EXPECT_EQ(settings::replayInterval(text), ms) << text;
}

TEST_F(SettingsPanelTest, BoxesSetResolutionAndIntervalAndThePadsRepeat) {
    Form1& f = start();
    f.Text3->setText("99999999");
    EXPECT_EQ(f.Resolution, 32767);
    // Enter in the repeat box hands the keys back to the canvas.
    f.Text3->SetFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(f.Text3->widget(), &enter);
    EXPECT_TRUE(f.Picture4->HasFocus());

    // The pads repeat as the repeat box says.
    const double x0 = f.ToolX;
    f.Text3->setText("3");
    pressOn(f.Image4(2));  // "Move Right"
    EXPECT_DOUBLE_EQ(f.ToolX, x0 + 300);
    pressOn(f.Image5(1), Qt::RightButton);  // the turn pad: any button turns
    EXPECT_NEAR(armAngle(), 48, 0.5);
    EXPECT_TRUE(f.Picture4->HasFocus());
    pressOn(f.Image4(4));  // "Move to Home": once, the cross upright at home
    EXPECT_DOUBLE_EQ(f.ToolX, f.HomeX);
    EXPECT_NEAR(armAngle(), 0, 1e-6);

    // The right button moves the virtual centre, on the four arrows only.
    f.Text3->setText("2");
    const double vy = f.VirtualCenterY;
    pressOn(f.Image4(1), Qt::RightButton);  // "Move Up"
    pressOn(f.Image4(5), Qt::RightButton);  // "Move Left Top"
    EXPECT_DOUBLE_EQ(f.VirtualCenterY, vy - 200);
    EXPECT_DOUBLE_EQ(f.ToolX, f.HomeX);
}

TEST_F(SettingsPanelTest, ButtonsSlidersAndPlayGoOnPastAFailingStep) {
    Form1& f = start();
    clickOn(f.Command4(4));  // "M"
    EXPECT_EQ(f.ModeText, "Draw and Move");
    const std::string caption = f.Caption();
    f.HScroll3->setValue(5);
    EXPECT_EQ(f.LineWidth, 5);
    EXPECT_EQ(f.Caption(), caption);  // the info line's draw width stays
    f.HScroll5->setValue(30);
    EXPECT_NE(f.Caption().find("[Rotating Step  30]"), std::string::npos) << f.Caption();
    EXPECT_TRUE(f.Picture4->HasFocus());
    EXPECT_EQ(f.CommandCount, 1);

    f.KeyResponder(13, 0);
    f.Picture4->setVisible(false);  // the focus cannot move to the canvas: the clear still runs
    EXPECT_NO_THROW(f.Command6_Click(0));  // "CS"
    EXPECT_EQ(f.CommandArray[f.CommandCount - 1], "CS");
    f.BackgroundSet = true;
    EXPECT_NO_THROW(f.Command6_Click(1));  // "CB"
    EXPECT_FALSE(f.BackgroundSet);

    // "Play" replays at the interval in its box, one recorded line a tick.
    f.Picture4->setVisible(true);
    f.Text4->setText("250");
    clickOn(f.Command6(2));
    EXPECT_EQ(f.Timer2->Interval(), 250);
    int ticks = 0;
    for (; f.Timer2->Enabled() && ticks < 100; ++ticks) f.Timer2->tick();
    EXPECT_EQ(ticks, f.CommandCount - 1);
}

}  // namespace
