// The text tool, driven with real key events on its box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QWidget>

#include "tool/dispatcher_fixture.h"

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
};

TEST_F(TextToolTest, EnterPrintsRecordsAndStepsDown) {
    f().LogoOriginX = 718.5f;  // the Logo origin of a 14370 x 11640 canvas
    f().LogoOriginY = 582;
    f().Text1->setForeColor(forms::rgb(255, 0, 0));
    placeBox("abc", 7320, 2400);
    const float y = f().Line1->Y1();
    enter();
    EXPECT_EQ(line(1), "WRITERGB \"abc,255 (13.5) (342) 20\"");
    EXPECT_EQ(f().Text1->Text(), "");
    EXPECT_FLOAT_EQ(f().Text1->Width(), 1300);  // still the width for "abc"
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
    f().Text1->setText("WWWWWWWW");              // wide letters still all show
    EXPECT_GE(box()->width(), QFontMetrics(box()->font()).horizontalAdvance("WWWWWWWW"));

    f().Text1->setFontSize(20);
    press(Qt::Key_F8);
    EXPECT_FLOAT_EQ(f().Text1->Height(), 21);  // the stepped font size taken as twips
    EXPECT_GE(box()->height(), QFontMetrics(box()->font()).height());
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
}

TEST_F(TextToolTest, DrawModePrintsAlongThePath) {
    press(Qt::Key_Space, Qt::ShiftModifier, " ");  // draw mode; the blank is typed too
    EXPECT_EQ(f().Text1->Text(), " ");
    placeBox("go", 6240, 5760);
    press(Qt::Key_Right);
    press(Qt::Key_Right, Qt::ControlModifier);  // no move: the same line, dropped
    press(Qt::Key_Down);
    ASSERT_EQ(recorded(), 2);
    EXPECT_EQ(line(1), "WRITERGB \"go,65535 (10) (0) 20\"");
    EXPECT_EQ(line(2), "WRITERGB \"go,65535 (10) (-10) 20\"");
}
