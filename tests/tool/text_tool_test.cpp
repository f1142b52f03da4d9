// The text tool, driven with real key events on its box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QWidget>
#include <tuple>

#include "tool/dispatcher_fixture.h"
#include "window/palette.h"

constexpr forms::Color kRed = forms::rgb(255, 0, 0);

class TextToolTest : public DispatcherTest {
protected:
    void SetUp() override {
        DispatcherTest::SetUp();
        for (int i = 0; i < 4; ++i) key(113);  // the "Text Tool"
    }
    QWidget* box() { return form->Text1->widget(); }
    void press(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
        QKeyEvent e(QEvent::KeyPress, qtKey, mods, text);
        QApplication::sendEvent(box(), &e);
    }
    void enter() { press(Qt::Key_Return, Qt::NoModifier, "\r"); }
    void placeBox(const std::string& text, float left, float top) {
        f().Text1->setText(text);
        f().Text1->setLeft(left);
        f().Text1->setTop(top);
    }
    const std::string& line(int i) const { return form->CommandArray[i]; }
    int redPixels(int x0, int y0, int w, int h) {
        const QImage img = f().Picture4->Image();
        int n = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) n += (img.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
        return n;
    }
};

TEST_F(TextToolTest, EnterPrintsRecordsAndStepsDown) {
    f().LogoOriginX = 718.5f;  // the Logo origin of a 14370 x 11640 canvas
    f().LogoOriginY = 582;
    f().Text1->setForeColor(kRed);
    placeBox("abc", 7320, 2400);
    const float y = f().Line1->Y1();
    enter();
    EXPECT_EQ(line(1), "WRITERGB \"abc,255 (13.5) (342) 20\"");
    EXPECT_GT(redPixels(488, 160, 40, 30), 10);
    EXPECT_EQ(f().Text1->Text(), "");
    EXPECT_FLOAT_EQ(f().Text1->Width(), 1300);  // still the width for "abc"
    EXPECT_TRUE(f().Picture4->HasFocus());
    enter();  // an empty box records nothing and still steps down
    EXPECT_EQ(recorded(), 1);
    EXPECT_FLOAT_EQ(f().Line1->Y1(), y + 800);
    placeBox("abc", 7321, 2400);
    EXPECT_EQ(f().PendingCommand(), "WRITERGB \"abc,255 (13.59998) (342) 20\"");
}

TEST_F(TextToolTest, WidthFontSizeAndTheNextTool) {
    f().Text1->setFontSize(30);
    f().Text1->setText("abcd");
    press(Qt::Key_End);
    press(Qt::Key_E, Qt::NoModifier, "e");
    EXPECT_FLOAT_EQ(f().Text1->Width(), 2000);  // 30 x 5 x 10 + 500, before the "e"
    EXPECT_EQ(f().Text1->Text(), "abcde");      // the box did its own editing
    f().Text1->setText("WWWWWWWW");              // wide letters still all show
    EXPECT_GE(box()->width(), QFontMetrics(box()->font()).horizontalAdvance("WWWWWWWW"));

    for (auto [size, code, want] : {std::tuple{20, Qt::Key_F8, 21}, {288, Qt::Key_F8, 288}, {10, Qt::Key_F9, 10}}) {
        f().Text1->setFontSize(size);
        press(code);
        EXPECT_FLOAT_EQ(f().Text1->Height(), want);  // the stepped font size taken as twips
        EXPECT_GE(box()->height(), QFontMetrics(box()->font()).height());
    }
    press(Qt::Key_F2);
    EXPECT_EQ(f().ToolNo, 5);
    EXPECT_TRUE(f().Picture4->HasFocus());
}

TEST_F(TextToolTest, ArrowsMoveTheBoxAndTheCrossWithinTheirBounds) {
    const float x1 = f().Line1->X1();
    // Right is allowed at MaxX exactly, where the cross, whose ends would
    // leave the canvas, stays.
    f().MovingStep = 6000;
    f().Text1->setLeft(12480 - 6000);
    press(Qt::Key_Right);
    EXPECT_FLOAT_EQ(f().Text1->Left(), 12480);
    EXPECT_FLOAT_EQ(f().Line1->X1(), x1);
    // Up too near the top moves nothing; draw mode still prints there.
    f().MovingStep = 100;
    f().PenMode = 1;
    placeBox("top", 3000, 50);
    press(Qt::Key_Up);
    EXPECT_FLOAT_EQ(f().Text1->Top(), 50);
    EXPECT_EQ(line(1), "WRITERGB \"top,65535 (-324) (571) 20\"");
}

TEST_F(TextToolTest, AnOddTextIsRecordedUnchangedAndReplaysToTheSamePixels) {
    const std::string text = "say \"hi\", (x) 1,2";
    placeBox(text, 2000, 3000);
    enter();
    EXPECT_EQ(line(1), "WRITERGB \"" + text + ",65535 (-424) (276) 20\"");
    const QImage printed = f().Picture4->Image();
    f().Picture4->Cls();
    f().RunLogoLine(line(1));
    EXPECT_EQ(f().Picture4->Image(), printed);

    placeBox("ab\r\ncd\n", 2000, 6000);  // pasted line breaks are dropped
    EXPECT_EQ(f().PendingCommand(), "WRITERGB \"abcd,65535 (-424) (-24) 20\"");

    // A full record: the text is printed, nothing more recorded.
    f().CommandCount = Form1::kRecordSize + 1;
    f().Text1->setForeColor(kRed);
    placeBox("full", 3000, 4500);
    enter();
    EXPECT_EQ(f().CommandCount, Form1::kRecordSize + 1);
    EXPECT_GT(redPixels(200, 300, 60, 30), 10);
}

TEST_F(TextToolTest, DrawModePrintsAlongThePathAndAutoColourSteps) {
    press(Qt::Key_Space, Qt::ShiftModifier, " ");  // draw mode; the blank is typed too
    EXPECT_EQ(f().Text1->Text(), " ");
    placeBox("go", 6240, 5760);
    press(Qt::Key_Right);
    press(Qt::Key_Right, Qt::ControlModifier);  // no move: the same line, dropped
    press(Qt::Key_Down);
    ASSERT_EQ(recorded(), 2);
    EXPECT_EQ(line(1), "WRITERGB \"go,65535 (10) (0) 20\"");
    EXPECT_EQ(line(2), "WRITERGB \"go,65535 (10) (-10) 20\"");

    // "ACol": each arrow steps the pen after its print.
    key(36);  // the cross home, the box on its centre
    f().Check1(4).setValue(1);
    f().Text1->setText("c");
    for (int i = 0; i < 2; ++i) press(Qt::Key_Up);
    EXPECT_EQ(f().ColorIndex, 26);
    EXPECT_EQ(line(4), "WRITERGB \"c," + std::to_string(palette::colorOf(25)) + " (0) (20) 20\"");
}

TEST_F(TextToolTest, TheBoxShowsTheCanvasThrough) {
    f().Picture4->Box(0, 0, 12480, 11520, kRed, true);
    placeBox("", 3000, 3000);
    f().Text1->setWidth(3000);
    const QImage shot = f().Picture4->widget()->grab().toImage();
    const QPoint inBox = box()->geometry().center() + QPoint(box()->width() / 4, 0);
    EXPECT_EQ(shot.pixel(inBox * shot.devicePixelRatio()) & 0xFFFFFF, 0xFF0000u);
}
