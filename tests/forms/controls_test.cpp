// The standard controls: values set in code fire what a user's change fires,
// only on a change and never while the window is built.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <fstream>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/platform.h"
#include "support/qt_app.h"
#include "support/qt_events.h"

using namespace forms;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ensureQtApp(); }
    Form form{"Form1"};
};

}  // namespace

TEST_F(ControlsTest, CheckBoxAndTextBoxFireOnChangeOnlyAndNeverWhileBuilding) {
    CheckBox check("Check1");
    TextBox text("Text1");
    check.attach(&form);
    text.attach(&form);
    check.Move(0, 0, 600, 600);
    int clicks = 0, changes = 0;
    check.Click = [&] { ++clicks; };
    text.Change = [&] { ++changes; };
    form.setBuilding(true);
    check.setValue(1);
    text.setText("start");
    form.setBuilding(false);
    check.setValue(1);
    text.setText("start");
    EXPECT_EQ(clicks + changes, 0);
    check.setValue(0);
    text.setText("next");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);

    // A user's click toggles the value and runs Click once; typing runs Change.
    clickOn(check);
    EXPECT_EQ(check.Value(), 1);
    EXPECT_EQ(clicks, 2);
    auto* edit = qobject_cast<QLineEdit*>(text.widget());
    edit->end(false);
    edit->insert("!");
    EXPECT_EQ(text.Text(), "next!");
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, ScrollBarAndProgressBarClampTheirValues) {
    HScrollBar bar("HScroll1");
    bar.attach(&form);
    int changes = 0;
    bar.Change = [&] { ++changes; };
    form.setBuilding(true);
    bar.setMin(1);
    bar.setMax(10);
    form.setBuilding(false);
    bar.setValue(50);
    EXPECT_EQ(bar.Value(), 10);
    EXPECT_EQ(changes, 1);
    bar.setMax(4);  // the value follows the smaller range
    EXPECT_EQ(bar.Value(), 4);
    EXPECT_EQ(changes, 2);
    qobject_cast<QScrollBar*>(bar.widget())->setValue(2);  // the user scrolls
    EXPECT_EQ(bar.Value(), 2);
    EXPECT_EQ(changes, 3);

    ProgressBar progress("ProgressBar1");
    progress.attach(&form);
    progress.setMax(0);  // an empty range is allowed
    progress.setMax(5);
    progress.setValue(9);
    EXPECT_EQ(progress.Value(), 5);
}

TEST_F(ControlsTest, ImageTakesThePictureSizeUnlessStretched) {
    Image image("Image1");
    image.attach(&form);
    image.Move(0, 0, 3000, 3000);
    image.setStretch(true);
    image.setPicture(QImage(80, 65, QImage::Format_RGB32));
    EXPECT_FLOAT_EQ(image.Width(), 3000);
    image.setStretch(false);
    EXPECT_FLOAT_EQ(image.Height(), 975);
}

TEST_F(ControlsTest, ListBoxRefusesItemsOutOfRange) {
    ListBox list("File1");
    list.AddItem("a.bmp");
    EXPECT_EQ(list.List(0), "a.bmp");
    EXPECT_THROW(list.List(1), RuntimeError);
    EXPECT_THROW(list.List(-1), RuntimeError);
}

TEST_F(ControlsTest, RichTextBoxShowsFilesAndKeepsLines) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/HELP.RTF";
    std::ofstream(path) << "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b Title\\b0\\par Body text\\par}";
    RichTextBox box("RichTextBox2");
    box.attach(&form);
    box.setFileName(path);
    EXPECT_EQ(box.Text(), "Title\rBody text");
    auto* edit = qobject_cast<QTextEdit*>(box.widget());
    box.setFileName(dir.path().toStdString() + "/missing.rtf");
    EXPECT_EQ(box.Text(), "");
    box.setText("FD 10\rRT 90\r");
    EXPECT_EQ(edit->toPlainText(), "FD 10\nRT 90\n");
}

TEST_F(ControlsTest, CommonDialogAsksThePlatform) {
    ScriptedPlatform p;
    setPlatform(&p);
    CommonDialog dialog("CommonDialog1");
    p.fileAnswers.push_back("/home/me/drawing");
    dialog.setAction(2);
    EXPECT_EQ(dialog.FileTitle, "drawing");
    dialog.setAction(2);  // cancelled
    EXPECT_EQ(dialog.FileName, "");
    setPlatform(nullptr);
}

TEST_F(ControlsTest, TimerNeverRunsFasterThan15ms) {
    Timer timer("Timer1");
    Timer::setLiveTimers(true);
    timer.setInterval(1);
    EXPECT_EQ(timer.livePeriodMs(), 15);
    timer.setInterval(0);  // 0 stops it
    EXPECT_EQ(timer.livePeriodMs(), 0);
    Timer::setLiveTimers(false);
}

// A handler that fails while the user drives the control ends that event
// only; set from code, its failure reaches the code that set the value.
TEST_F(ControlsTest, AFailingHandlerEndsItsEventOnly) {
    CommandButton button("Command1");
    CheckBox check("Check1");
    button.attach(&form);
    check.attach(&form);
    button.Move(0, 0, 600, 300);
    check.Move(0, 600, 600, 300);
    int runs = 0;
    button.Click = [&] {
        ++runs;
        throw RuntimeError("failing step");
    };
    check.Click = button.Click;
    EXPECT_NO_THROW(clickOn(button));
    EXPECT_NO_THROW(clickOn(button));
    EXPECT_NO_THROW(clickOn(check));
    EXPECT_EQ(runs, 3);
    EXPECT_THROW(check.setValue(0), RuntimeError);
}
