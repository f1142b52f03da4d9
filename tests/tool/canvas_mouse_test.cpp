// The canvas mouse: fill, pencil, gestures, follow mode and the option panel.
#include <gtest/gtest.h>

#include <cmath>

#include "support/qt_events.h"
#include "tool/dispatcher_fixture.h"
#include "window/palette.h"

class CanvasMouseTest : public DispatcherTest {
protected:
    void chooseTool(int n) {
        while (f().ToolNo != n) key(113);
    }
    // A real mouse event on the canvas at a pixel position.
    void mouse(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers mods = Qt::NoModifier) {
        sendMouse(*f().Picture4, type, button, held, QPoint(x, y), mods);
    }
    void drag(int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        mouse(QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton, mods);
    }
    void release(int x, int y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        mouse(QEvent::MouseButtonRelease, x, y, b, Qt::NoButton, mods);
    }
    // How far a Ctrl move to (x, y) turns Line1, in degrees clockwise.
    double ctrlTurn(float x, float y) {
        const auto& l = *form->Line1;
        const double before = std::atan2(l.Y2() - l.Y1(), l.X2() - l.X1());
        f().Picture4_MouseMove(0, 2, x, y);
        return std::remainder((std::atan2(l.Y2() - l.Y1(), l.X2() - l.X1()) - before) * 180 / M_PI, 180);
    }
};

TEST_F(CanvasMouseTest, FillRecordsUnroundedPixelsForTheLeftButtonAlone) {
    chooseTool(9);  // the fill works 16 pixels left of and below the mouse
    f().Picture4_MouseDown(1, 0, 1000, 1000);
    EXPECT_EQ(line(1), "FLOODFILLAT (50.66667) (82.66666) 65535");
    f().Picture4_MouseDown(1, 0, 1000, 1000);  // already in the pen colour: recorded all the same
    EXPECT_EQ(line(2), line(1));
    f().Picture4_MouseDown(3, 0, 1000, 1000);  // only the left button alone fills
    EXPECT_EQ(recorded(), 2);
    release(300, 300, Qt::RightButton);  // a right release shows the option panel
    EXPECT_TRUE(f().Picture12->Visible());
}

TEST_F(CanvasMouseTest, PencilRecordsTheWorkingPointsOfADragAndAColStepsThePen) {
    chooseTool(8);
    mouse(QEvent::MouseButtonPress, 200, 200, Qt::LeftButton, Qt::LeftButton);
    drag(210, 200);  // the run's first stroke begins with a zero-length segment
    // Mouse (210, 200) px: working point (194, 216) px; Logo origin (624, 576).
    EXPECT_EQ(line(1), "LINERGB (-333) (252) (-333) (252) 65535");
    drag(230, 200);
    drag(230, 220);
    EXPECT_EQ(line(3), "LINERGB (-303) (252) (-303) (222) 65535");
    // Both buttons held is not a left-button move; a release without Shift adds nothing.
    mouse(QEvent::MouseMove, 300, 300, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    release(230, 220);
    EXPECT_EQ(recorded(), 3);
    // A later stroke starts at its press, fractions kept; held still, once.
    f().Picture4_MouseDown(1, 0, 3001, 3003);
    for (int i = 0; i < 4; ++i) f().Picture4_MouseMove(1, 0, 3001, 3103);
    EXPECT_EQ(line(4), "LINERGB (-347.9) (251.7) (-347.9) (241.7) 65535");
    EXPECT_EQ(line(5), "LINERGB (-347.9) (241.7) (-347.9) (241.7) 65535");
    EXPECT_EQ(recorded(), 5);
    f().Check1(4).setValue(1);  // "ACol": cells 24, 25, 26, then round to 0
    for (int i = 0; i < 4; ++i) {
        f().Picture4_MouseMove(1, 0, 3151.0f + 150 * i, 3103);
        const std::string color = std::to_string(palette::colorOf((24 + i) % palette::kSize));
        EXPECT_TRUE(line(6 + i).ends_with(' ' + color)) << i;
    }
}

TEST_F(CanvasMouseTest, ShiftDrawsNothingUntilTheReleaseClosesTheStroke) {
    chooseTool(8);
    mouse(QEvent::MouseButtonPress, 100, 100, Qt::LeftButton, Qt::LeftButton);
    drag(110, 100);
    drag(120, 100);
    drag(170, 160, Qt::ShiftModifier);
    EXPECT_EQ(recorded(), 2);
    // One straight line from the last point drawn, (104, 116) px, to the
    // release's working point (164, 176) px.
    release(180, 160, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(line(3), "LINERGB (-468) (402) (-378) (312) 65535");
}

TEST_F(CanvasMouseTest, CtrlMovesTurnTheToolInTheSenseOfTheMotion) {
    // About the centre (6240, 5760): from, to, degrees clockwise.
    const float cases[][5] = {{7240, 5000, 7240, 5100, 1}, {5240, 5700, 5240, 5800, -1},
                              {7240, 6760, 7140, 6860, 2}, {7240, 6760, 7340, 6860, 0},  // two tests at once
                              {7240, 5000, 7240, 5000.5f, 0}, {7240, 5000, 7240, 5001.5f, 1}};  // y half to even
    EXPECT_NEAR(ctrlTurn(7240, 5000), 2, 0.05);  // the first move compares with (0, 0)
    for (const auto& c : cases) {
        f().Picture4_MouseMove(0, 2, c[0], c[1]);
        EXPECT_NEAR(ctrlTurn(c[2], c[3]), c[4], 0.05) << c[0] << "," << c[1] << " -> " << c[2] << "," << c[3];
        EXPECT_NEAR(f().ToolX, 6240, 0.5);
    }
    f().Picture4_MouseMove(0, 0, 100, 100);  // without Ctrl the last point stays
    EXPECT_EQ(f().CurMouseY, 5002);
}

TEST_F(CanvasMouseTest, FollowModeCarriesTheCrossAndStampsWithTheButton) {
    key(75, 2);  // Ctrl+K; with the left button a stamp each move
    for (float x : {3000, 3500, 4000}) f().Picture4_MouseMove(x > 3000, 0, x, 4000);
    EXPECT_NEAR(f().ToolY, 4000, 0.01);
    EXPECT_EQ(recorded(), 2);
    chooseTool(8);  // the pencil's segment is drawn first, then the cross moves onto it
    f().Picture4_MouseMove(1, 0, 5000, 5000);
    EXPECT_EQ(line(3), "LINERGB (-148) (52) (-148) (52) 65535");
    EXPECT_NEAR(f().ToolX, 4760, 0.01);
}

// A screen 2400 pixels high has a canvas more than 32767 twips high.
TEST_F(CanvasMouseTest, MouseGesturesWorkNearTheBottomOfATallCanvas) {
    makeForm(1024, 2400);
    form->Form_Load();
    const float bottom = f().Picture4->Height() - 300;
    ASSERT_GT(bottom, 33000);
    f().Picture4_MouseMove(0, 5, 3000, 600);  // Shift+Alt carries the tool up, then a rise past 32767
    f().Picture4_MouseMove(0, 5, 3000, bottom);
    EXPECT_NEAR(f().ToolY, bottom, 0.5);
    EXPECT_EQ(recorded(), 0);  // without a button it only carries the tool
    f().Picture4_MouseMove(0, 2, 3500, bottom - 100);  // right of the centre, moving down
    EXPECT_NEAR(ctrlTurn(3500, bottom + 100.25f), 1, 0.05);
    EXPECT_EQ(f().CurMouseY, static_cast<int32_t>(bottom) + 100);
}
