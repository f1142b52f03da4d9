// A key command on a full-HD screen repaints little of the canvas, and what
// the canvas shows after it (painted bit by bit) is what it shows painted
// afresh.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "support/form_fixture.h"
#include "support/paint_recorder.h"

namespace {

constexpr int kLeft = 37, kRight = 39, kEnter = 13, kF2 = 113, kF8 = 119, kF9 = 120;
constexpr int kLineTool = 0, kEllipseTool = 2;

class KeyRepaintTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        makeForm(1920, 1080);
        form->Form_Load();
        form->Image2_Click();
        form->Show();
    }
    void key(int code) {
        int shift = 0;
        form->Picture4->KeyDown(code, shift);
    }
    QWidget* canvas() const { return form->Picture4->widget(); }
    // The part of the canvas inside the window: the window is the screen's
    // size with its frame, so the canvas's bottom rows lie under the frame.
    QRect shownPart() const {
        const QPoint at = canvas()->mapTo(canvas()->window(), QPoint(0, 0));
        return QRect(at, canvas()->size()) & canvas()->window()->rect();
    }
    QImage onScreen() const {
        PaintRecorder::flush();
        const QRect r = shownPart();
        return QGuiApplication::primaryScreen()
            ->grabWindow(canvas()->window()->winId(), r.x(), r.y(), r.width(), r.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage paintedAfresh() const {
        const QRect r = shownPart().translated(-canvas()->mapTo(canvas()->window(), QPoint(0, 0)));
        return canvas()->grab(r).toImage().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(KeyRepaintTest, EachKeyCommandRepaintsAtMostATwentiethOfTheCanvas) {
    PaintRecorder recorder(canvas());
    const long canvasArea = static_cast<long>(canvas()->width()) * canvas()->height();
    ASSERT_GT(canvasArea, 1500L * 900);
    for (int tool : {kLineTool, kEllipseTool}) {
        while (form->ToolNo != tool) key(kF2);
        for (int code : {kRight, kLeft, kF8, kF9, kEnter}) {
            recorder.start();
            key(code);
            PaintRecorder::flush();
            EXPECT_LE(recorder.pixels(), canvasArea / 20) << "tool " << tool << ", key " << code;
            EXPECT_FALSE(recorder.region().isEmpty()) << "tool " << tool << ", key " << code;
        }
        EXPECT_EQ(onScreen(), paintedAfresh()) << "tool " << tool;
    }
}

}  // namespace
