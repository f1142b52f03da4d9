// The canvas mouse after a real start-up: the fill and the pencil (driven
// with real Qt mouse events as well as by their handlers), the recorded
// texts, the closing straight line, the colour step, carrying and turning
// the tool with the mouse, follow mode, the option panel, a full record, a
// screen taller than a 16-bit twip count, and the replay of what was drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <cmath>

#include "support/form_fixture.h"
#include "window/palette.h"

namespace {

constexpr forms::Color kYellow = forms::rgb(255, 255, 0);
constexpr forms::Color kBlack = 0;
constexpr forms::Color kRed = forms::rgb(255, 0, 0);

class CanvasMouseTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        start();
    }
    void start() {
        form->Form_Load();
        ASSERT_EQ(form->Picture4->ForeColor(), kYellow);
    }

    Form1& f() { return *form; }
    void chooseTool(int n) {
        while (f().ToolNo != n) f().KeyResponder(113, 0);
    }
    int recorded() const { return form->CommandCount - 1; }
    const std::string& line(int i) const { return form->CommandArray[i]; }
    forms::Color at(int x, int y) const {
        const QImage img = form->Picture4->Image();
        const QRgb p = img.pixel(x, y);
        return forms::rgb(qRed(p), qGreen(p), qBlue(p));
    }
    // Real mouse events on the canvas, at pixel positions.
    void mouse(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* w = f().Picture4->widget();
        const QPointF local(x, y);
        QMouseEvent e(type, local, w->mapToGlobal(local), button, buttons, mods);
        QApplication::sendEvent(w, &e);
    }
    void press(int x, int y, Qt::MouseButton b = Qt::LeftButton) { mouse(QEvent::MouseButtonPress, x, y, b, b); }
    void drag(int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        mouse(QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton, mods);
    }
    void release(int x, int y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        mouse(QEvent::MouseButtonRelease, x, y, b, Qt::NoButton, mods);
    }
    // The direction of Line1 in screen degrees, modulo 180: every clockwise
    // turn adds one degree (RotatingStep is 1).
    double armDegrees() const {
        const auto& l = *form->Line1;
        const double d = std::atan2(l.Y2() - l.Y1(), l.X2() - l.X1()) * 180 / 3.14159265358979;
        return std::fmod(d + 360, 180);
    }
    void ctrlMove(float x, float y) { f().Picture4_MouseMove(0, 2, x, y); }
};

TEST_F(CanvasMouseTest, FillRecordsUnroundedPixelsAndFillsTheRoundedPixel) {
    f().Picture4->setWidth(14370);
    f().Picture4->setHeight(11640);
    chooseTool(9);
    ASSERT_TRUE(f().FillMode);
    // A thin red frame around the point, pixels (40, 70) to (60, 95).
    const int width = f().Picture4->DrawWidth();
    f().Picture4->setDrawWidth(1);
    f().Picture4->Box(600, 1050, 900, 1425, kRed, false);
    f().Picture4->setDrawWidth(width);

    f().Picture4_MouseDown(1, 0, 1000, 1000);
    ASSERT_EQ(recorded(), 1);
    EXPECT_EQ(line(1), "FLOODFILLAT (50.66667) (82.66666) 65535");
    EXPECT_EQ(at(51, 83), kYellow);
    EXPECT_EQ(at(41, 94), kYellow);
    EXPECT_EQ(at(40, 70), kRed);  // the outline stays
    EXPECT_EQ(at(61, 83), kBlack);
    EXPECT_EQ(f().Picture4->ScaleMode(), forms::kScaleTwips);

    // A second fill at the same point finds the area already in the pen
    // colour: nothing changes on the canvas, but both fills are recorded.
    const QImage before = f().Picture4->Image();
    f().Picture4_MouseDown(1, 0, 1000, 1000);
    EXPECT_EQ(line(2), line(1));
    EXPECT_EQ(f().Picture4->Image(), before);
    // Only the left button alone fills.
    f().Picture4_MouseDown(3, 0, 1000, 1000);
    EXPECT_EQ(recorded(), 2);

    // Outside any closed area the fill still records and fills.
    f().Picture4->setForeColor(kRed);
    f().Picture4_MouseDown(1, 0, 3000, 3000);
    EXPECT_EQ(line(3), "FLOODFILLAT (184) (216) 255");
    EXPECT_EQ(at(300, 400), kRed);
}

TEST_F(CanvasMouseTest, FillingAStampedBoxWithTheMouseFillsOnlyItsInside) {
    // Home: the box is a square standing on a corner, its corners the arm
    // ends 500 twips (33 pixels) from the centre.
    f().KeyResponder(36, 0);
    chooseTool(1);
    f().KeyResponder(13, 0);
    ASSERT_EQ(recorded(), 1);
    const int cx = static_cast<int>(f().ToolX / 15), cy = static_cast<int>(f().ToolY / 15);
    EXPECT_EQ(at(cx, cy), kBlack);

    // A left click with another tool draws and records nothing.
    chooseTool(0);
    press(cx + 16, cy - 16);
    release(cx + 16, cy - 16);
    EXPECT_EQ(recorded(), 1);
    EXPECT_EQ(at(cx, cy), kBlack);

    // The fill works at the point 16 pixels left of and below the mouse.
    chooseTool(9);
    press(cx + 16, cy - 16);
    release(cx + 16, cy - 16);
    EXPECT_EQ(recorded(), 2);
    EXPECT_EQ(at(cx - 14, cy - 14), kYellow);
    EXPECT_EQ(at(cx + 28, cy), kYellow);
    EXPECT_EQ(at(cx + 40, cy), kBlack);
    EXPECT_EQ(at(cx + 20, cy + 20), kBlack);
}

TEST_F(CanvasMouseTest, PencilDrawsAndRecordsTheWorkingPointsOfADrag) {
    chooseTool(8);
    ASSERT_FALSE(f().FillMode);
    // Canvas 12480 x 11520 twips: the Logo origin is (624, 576).
    ASSERT_FLOAT_EQ(f().LogoOriginX, 624);
    ASSERT_EQ(f().LogoOriginY, 576);

    // The first stroke of the run begins with a zero-length segment at the
    // first move's working point.
    press(200, 200);
    EXPECT_EQ(recorded(), 0);
    drag(210, 200);
    ASSERT_EQ(recorded(), 1);
    // Mouse (210, 200) px: working point (194, 216) px = (2910, 3240) twips.
    EXPECT_EQ(line(1), "LINERGB (-333) (252) (-333) (252) 65535");
    EXPECT_EQ(f().PenStarted, 1);
    drag(230, 200);
    drag(230, 220);
    ASSERT_EQ(recorded(), 3);
    EXPECT_EQ(line(2), "LINERGB (-333) (252) (-303) (252) 65535");
    EXPECT_EQ(line(3), "LINERGB (-303) (252) (-303) (222) 65535");
    EXPECT_EQ(at(204, 216), kYellow);
    EXPECT_EQ(at(214, 226), kYellow);
    EXPECT_EQ(at(220, 200), kBlack);  // nothing under the mouse point itself
    // A move with both buttons held is not a left-button move.
    mouse(QEvent::MouseMove, 300, 300, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    release(230, 220);
    EXPECT_EQ(recorded(), 3);  // a release without Shift adds nothing
    EXPECT_EQ(at(284, 316), kBlack);

    // A later stroke starts at the working point of its press; fractions of
    // a Logo unit are recorded as they are.
    f().Picture4_MouseDown(1, 0, 3001, 3003);
    f().Picture4_MouseMove(1, 0, 3001, 3103);
    ASSERT_EQ(recorded(), 4);
    EXPECT_EQ(line(4), "LINERGB (-347.9) (251.7) (-347.9) (241.7) 65535");

    // Held still, the pencil records its zero-length segment once; a move
    // without the button draws nothing.
    f().Picture4_MouseMove(1, 0, 3001, 3103);
    f().Picture4_MouseMove(1, 0, 3001, 3103);
    f().Picture4_MouseMove(1, 0, 3001, 3103);
    mouse(QEvent::MouseMove, 400, 400, Qt::NoButton, Qt::NoButton);
    ASSERT_EQ(recorded(), 5);
    EXPECT_EQ(line(5), "LINERGB (-347.9) (241.7) (-347.9) (241.7) 65535");
}

TEST_F(CanvasMouseTest, ShiftDrawsNothingUntilTheReleaseClosesTheStroke) {
    chooseTool(8);
    press(100, 100);
    drag(110, 100);
    drag(120, 100);
    ASSERT_EQ(recorded(), 2);
    // With Shift held the moves draw nothing (in "Move" mode the stamp key
    // command records nothing either).
    drag(150, 130, Qt::ShiftModifier);
    drag(170, 160, Qt::ShiftModifier);
    EXPECT_EQ(recorded(), 2);
    EXPECT_EQ(at(154, 176), kBlack);
    // The release with Shift draws one straight line from the last point
    // drawn, (104, 116) px, to the release's working point (164, 176) px.
    release(180, 160, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(recorded(), 3);
    EXPECT_EQ(line(3), "LINERGB (-468) (402) (-378) (312) 65535");
    EXPECT_EQ(at(134, 146), kYellow);
    // Shift at a release of the right button, or with another tool, draws nothing.
    f().Picture4_MouseUp(2, 1, 3000, 3000);
    chooseTool(0);
    f().Picture4_MouseUp(1, 1, 3000, 3000);
    EXPECT_EQ(recorded(), 3);
}

TEST_F(CanvasMouseTest, AColStepsThePenColourAfterEverySegment) {
    chooseTool(8);
    f().Check1(4).setValue(1);
    f().Picture4_MouseDown(1, 0, 3000, 3000);
    for (int i = 0; i < 4; ++i) f().Picture4_MouseMove(1, 0, 3000 + 150.0f * i, 3000);
    ASSERT_EQ(recorded(), 4);
    // Cells 24 (yellow), 25, 26, then round to 0.
    for (int i = 0; i < 4; ++i) {
        const std::string c = " " + std::to_string(palette::colorOf((24 + i) % palette::kSize));
        EXPECT_EQ(line(i + 1).substr(line(i + 1).size() - c.size()), c) << line(i + 1);
    }
    EXPECT_EQ(f().ColorIndex, 1);
    EXPECT_EQ(f().Picture4->ForeColor(), palette::colorOf(1));
}

TEST_F(CanvasMouseTest, AFullRecordStillDrawsAndTellsTheUserOnce) {
    chooseTool(8);
    f().CommandCount = Form1::kRecordSize + 1;
    f().Picture4_MouseDown(1, 0, 3000, 3000);
    f().Picture4_MouseMove(1, 0, 3000, 3000);
    f().Picture4_MouseMove(1, 0, 3600, 3000);
    EXPECT_EQ(at(200, 216), kYellow);
    chooseTool(9);
    f().Picture4_MouseDown(1, 0, 6000, 6000);
    EXPECT_EQ(at(384, 416), kYellow);
    EXPECT_EQ(f().CommandCount, Form1::kRecordSize + 1);
    EXPECT_EQ(platform.count("msgBox"), 1);
}

TEST_F(CanvasMouseTest, ShiftAltCarriesTheToolWithHalfEvenRoundingOfItsRise) {
    f().KeyResponder(36, 0);  // home: the cross upright about the canvas centre
    ASSERT_DOUBLE_EQ(f().ToolX, 6240);
    ASSERT_DOUBLE_EQ(f().ToolY, 5760);
    // dy = 5760 - 5000.5 = 759.5 goes to 760; dx keeps its fraction.
    f().Picture4_MouseMove(0, 5, 6139.75f, 5000.5f);
    EXPECT_DOUBLE_EQ(f().ToolX, 6139.75);
    EXPECT_DOUBLE_EQ(f().ToolY, 5000);
    // dy = 5000 - 4000.5 = 999.5 goes to 1000.
    f().Picture4_MouseMove(0, 5, 6139.75f, 4000.5f);
    EXPECT_DOUBLE_EQ(f().ToolY, 4000);
    EXPECT_FLOAT_EQ(f().MovingStep, 100);
    EXPECT_EQ(f().PenMode, 0);
    EXPECT_EQ(recorded(), 0);  // without a button it only carries the tool

    // With the left button it stamps where it arrives, in "Move" mode.
    f().Picture4_MouseMove(1, 5, 3000, 3000);
    EXPECT_DOUBLE_EQ(f().ToolX, 3000);
    ASSERT_EQ(recorded(), 1);
    EXPECT_EQ(line(1).rfind("LINERGB", 0), 0u);
    // In "Draw and Move" mode neither move nor Enter stamps.
    f().KeyResponder(32, 0);
    f().Picture4_MouseMove(1, 5, 5000, 5000);
    EXPECT_DOUBLE_EQ(f().ToolX, 5000);
    EXPECT_EQ(recorded(), 1);
    EXPECT_EQ(f().PenMode, 1);
}

TEST_F(CanvasMouseTest, CtrlMovesTurnTheToolInTheSenseOfTheMotion) {
    struct Case {
        float x0, y0, x1, y1;
        int turn;  // degrees clockwise
    };
    // The tool centre is (6240, 5760).
    const Case cases[] = {
        {7240, 5000, 7240, 5100, 1},   // right of it, down
        {6300, 6760, 6200, 6760, 1},   // below, left
        {5240, 5800, 5240, 5700, 1},   // left, up
        {6200, 4760, 6300, 4760, 1},   // above, right
        {7240, 5100, 7240, 5000, -1},  // right, up
        {6200, 6760, 6300, 6760, -1},  // below, right
        {5240, 5700, 5240, 5800, -1},  // left, down
        {6300, 4760, 6200, 4760, -1},  // above, left
        {7240, 6760, 7140, 6860, 2},   // clockwise diagonally below right
        {7240, 6760, 7340, 6860, 0},   // along a radius: one turn each way
        {7240, 5000, 7240, 5000.5f, 0},  // 5000.5 rounds to 5000: no rise
        {7240, 5000, 7240, 5001.5f, 1},  // 5001.5 rounds to 5002
    };
    // The first Ctrl move compares with (0, 0): right of and above the
    // centre, moved down and right, tests 1 and 4 turn clockwise twice.
    double before = armDegrees();
    ctrlMove(7240, 5000);
    EXPECT_NEAR(std::remainder(armDegrees() - before, 180), 2, 0.05);
    for (const Case& c : cases) {
        ctrlMove(c.x0, c.y0);
        before = armDegrees();
        ctrlMove(c.x1, c.y1);
        EXPECT_NEAR(std::remainder(armDegrees() - before, 180), c.turn, 0.05)
            << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
        EXPECT_NEAR(f().ToolX, 6240, 0.5);
        EXPECT_NEAR(f().ToolY, 5760, 0.5);
    }
    // Moves without Ctrl leave the gesture's last point where it was.
    f().Picture4_MouseMove(0, 0, 100, 100);
    EXPECT_DOUBLE_EQ(f().CurMouseX, 7240);
    EXPECT_EQ(f().CurMouseY, 5002);
}

TEST_F(CanvasMouseTest, FollowModeCarriesTheCrossAndStampsWithTheButton) {
    f().KeyResponder(75, 2);  // Ctrl+K
    ASSERT_TRUE(f().FollowMouse);
    f().Picture4_MouseMove(0, 0, 3000, 4000);
    EXPECT_NEAR(f().ToolX, 3000, 0.01);
    EXPECT_NEAR(f().ToolY, 4000, 0.01);
    EXPECT_NEAR((f().Line2->Y1() + f().Line2->Y2()) / 2, 4000, 0.01);
    EXPECT_FLOAT_EQ(f().Side(0).Y2(), f().Line2->Y2());
    EXPECT_EQ(f().PenMode, 0);
    EXPECT_EQ(recorded(), 0);

    // With the left button the line tool is stamped at every point.
    f().Picture4_MouseMove(1, 0, 3500, 4000);
    f().Picture4_MouseMove(1, 0, 4000, 4000);
    EXPECT_EQ(recorded(), 2);
    EXPECT_NE(line(1), line(2));

    // With the pencil the segment is drawn first, then the cross moves onto
    // its working point.
    chooseTool(8);
    f().Picture4_MouseMove(1, 0, 5000, 5000);
    ASSERT_EQ(recorded(), 3);
    EXPECT_EQ(line(3), "LINERGB (-148) (52) (-148) (52) 65535");
    EXPECT_NEAR(f().ToolX, 4760, 0.01);
    EXPECT_NEAR(f().ToolY, 5240, 0.01);

    f().KeyResponder(75, 2);
    f().Picture4_MouseMove(0, 0, 1000, 1000);
    EXPECT_NEAR(f().ToolX, 4760, 0.01);
}

TEST_F(CanvasMouseTest, ReleasesShowAndHideTheOptionPanelAndMovesHideTheHints) {
    const float left = f().Picture12->Left(), top = f().Picture12->Top();
    release(300, 300, Qt::RightButton);
    EXPECT_TRUE(f().Picture12->Visible());
    EXPECT_FLOAT_EQ(f().Picture12->Left(), left);
    EXPECT_FLOAT_EQ(f().Picture12->Top(), top);
    release(300, 300, Qt::MiddleButton);
    EXPECT_FALSE(f().Picture12->Visible());

    f().Picture3->setVisible(true);
    f().Shape10->setVisible(true);
    mouse(QEvent::MouseMove, 10, 10, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(f().Picture3->Visible());
    EXPECT_FALSE(f().Shape10->Visible());
}

TEST_F(CanvasMouseTest, ReplayingThePencilAndTheFillGivesTheSamePixels) {
    // Drawn at a wider pen, with fractional points, a closing line and a
    // fill inside a stamped box.
    f().Picture4->setDrawWidth(3);
    chooseTool(1);
    f().KeyResponder(13, 0);
    chooseTool(8);
    press(300, 300);
    for (int i = 1; i <= 20; ++i) drag(300 + 7 * i, 300 + (i * i) % 23);
    release(440, 320, Qt::LeftButton, Qt::ShiftModifier);
    f().Picture4_MouseDown(1, 0, 3001.3f, 5003.7f);
    f().Picture4_MouseMove(1, 0, 4107.1f, 5210.9f);
    f().Picture4_MouseMove(1, 0, 4313.3f, 6011.2f);
    chooseTool(9);
    f().Picture4_MouseDown(1, 0, static_cast<float>(f().ToolX + 240), static_cast<float>(f().ToolY - 240));
    ASSERT_GT(recorded(), 20);
    const QImage drawn = f().Picture4->Image();
    // "Play": the first tick clears the canvas, each tick runs one line.
    f().Timer2->setEnabled(true);
    for (int tick = 0; tick < 100 && f().Timer2->Enabled(); ++tick) f().Timer2_Timer();
    EXPECT_FALSE(f().Timer2->Enabled());
    EXPECT_EQ(f().Picture4->Image(), drawn);
}

// A screen 2400 pixels high has a canvas more than 32767 twips high.
class TallCanvasMouseTest : public CanvasMouseTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        makeForm(1024, 2400);
        start();
    }
};

TEST_F(TallCanvasMouseTest, MouseGesturesWorkNearTheBottomOfATallCanvas) {
    const float bottom = f().Picture4->Height() - 300;
    ASSERT_GT(bottom, 33000);
    // Carry the tool to the top, then down near the bottom: a rise of more
    // than 32767 twips.
    f().KeyResponder(36, 0);
    f().Picture4_MouseMove(0, 5, 3000, 600);
    ASSERT_NEAR(f().ToolY, 600, 0.5);
    f().Picture4_MouseMove(0, 5, 3000, bottom);
    EXPECT_NEAR(f().ToolY, bottom, 0.5);
    EXPECT_NEAR(f().ToolX, 3000, 0.01);

    // Turning with the mouse there: right of the centre, moving down.
    ctrlMove(3500, bottom - 100);
    const double before = armDegrees();
    ctrlMove(3500, bottom + 100.25f);
    EXPECT_EQ(f().CurMouseY, static_cast<int32_t>(bottom) + 100);
    EXPECT_NEAR(std::remainder(armDegrees() - before, 180), 1, 0.05);
}

}  // namespace
