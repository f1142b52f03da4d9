// The standard controls: values set in code fire what the user's change
// fires, only on a change and never while the window is built.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <fstream>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/platform.h"
#include "support/qt_app.h"

using namespace forms;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ensureQtApp(); }
    Form form{"Form1"};
};

void click(QWidget* w) {
    const QPoint p(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

}  // namespace

TEST_F(ControlsTest, CheckBoxClickFiresOnChangeOnlyAndNeverWhileBuilding) {
    CheckBox box("Check1");
    box.attach(&form);
    box.Move(0, 0, 600, 600);
    int clicks = 0;
    box.Click = [&] { ++clicks; };

    form.setBuilding(true);
    box.setValue(1);
    EXPECT_EQ(clicks, 0);
    form.setBuilding(false);
    EXPECT_EQ(box.Value(), 1);
    box.setValue(1);
    EXPECT_EQ(clicks, 0);
    box.setValue(0);
    EXPECT_EQ(clicks, 1);
    auto* button = qobject_cast<QPushButton*>(box.widget());
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isChecked());

    // A user click toggles the value and runs Click once.
    click(button);
    EXPECT_EQ(box.Value(), 1);
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(clicks, 2);
    click(button);
    EXPECT_EQ(box.Value(), 0);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ControlsTest, TextBoxChangeOnChangeOnly) {
    TextBox box("Text1");
    box.attach(&form);
    int changes = 0;
    box.Change = [&] { ++changes; };
    form.setBuilding(true);
    box.setText("start");
    form.setBuilding(false);
    EXPECT_EQ(changes, 0);
    box.setText("start");
    EXPECT_EQ(changes, 0);
    box.setText("next");
    EXPECT_EQ(changes, 1);
    auto* edit = qobject_cast<QLineEdit*>(box.widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "next");
    EXPECT_EQ(box.SelStart(), 0);  // an assignment leaves the caret at the start
    edit->end(false);
    edit->insert("!");  // as typing does
    EXPECT_EQ(box.Text(), "next!");
    EXPECT_EQ(changes, 2);
    box.setCaption("via caption");
    EXPECT_EQ(box.Text(), "via caption");
    EXPECT_EQ(changes, 3);
}

TEST_F(ControlsTest, ScrollBarClampsAndFiresChange) {
    HScrollBar bar("HScroll1");
    bar.attach(&form);
    int changes = 0;
    bar.Change = [&] { ++changes; };
    form.setBuilding(true);
    bar.setMin(1);
    bar.setMax(10);
    bar.setValue(5);
    form.setBuilding(false);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(bar.Value(), 5);
    bar.setValue(50);
    EXPECT_EQ(bar.Value(), 10);
    EXPECT_EQ(changes, 1);
    bar.setValue(10);
    EXPECT_EQ(changes, 1);
    bar.setMax(4);  // the value follows the smaller range
    EXPECT_EQ(bar.Value(), 4);
    EXPECT_EQ(changes, 2);
    auto* qbar = qobject_cast<QScrollBar*>(bar.widget());
    ASSERT_NE(qbar, nullptr);
    EXPECT_EQ(qbar->maximum(), 4);
    qbar->setValue(2);  // the user scrolls
    EXPECT_EQ(bar.Value(), 2);
    EXPECT_EQ(changes, 3);
}

TEST_F(ControlsTest, ImageTakesThePictureSizeUnlessStretched) {
    Image image("Image1");
    image.attach(&form);
    image.Move(0, 0, 3000, 3000);
    image.setPicture(QImage(80, 65, QImage::Format_RGB32));
    EXPECT_FLOAT_EQ(image.Width(), 1200);
    EXPECT_FLOAT_EQ(image.Height(), 975);
    EXPECT_EQ(image.widget()->size(), QSize(80, 65));

    image.setStretch(true);
    image.Move(0, 0, 3000, 1500);
    image.setPicture(QImage(10, 10, QImage::Format_RGB32));
    EXPECT_FLOAT_EQ(image.Width(), 3000);
    image.setStretch(false);
    EXPECT_FLOAT_EQ(image.Width(), 150);

    // Stretched drawing fills the control; the border is a black frame.
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    image.setStretch(true);
    image.setPicture(red);
    image.Move(0, 0, 300, 300);
    image.setBorderStyle(1);
    const QImage shot = image.widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(0, 10), QColor(Qt::black));
}

TEST_F(ControlsTest, ListBoxItems) {
    ListBox list("File1");
    list.attach(&form);
    list.AddItem("a.bmp");
    list.AddItem("b.jpg");
    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.List(1), "b.jpg");
    EXPECT_THROW(list.List(2), RuntimeError);
    EXPECT_THROW(list.List(-1), RuntimeError);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_THROW(list.List(0), RuntimeError);
}

TEST_F(ControlsTest, ProgressBarAcceptsAnEmptyRange) {
    ProgressBar bar("ProgressBar1");
    bar.attach(&form);
    bar.setMax(0);
    bar.setMin(0);
    bar.setValue(0);
    EXPECT_EQ(bar.Value(), 0);
    bar.setMax(5);
    bar.setValue(3);
    EXPECT_EQ(qobject_cast<QProgressBar*>(bar.widget())->value(), 3);
    bar.setValue(9);
    EXPECT_EQ(bar.Value(), 5);
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
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->toPlainText(), "Title\nBody text");
    EXPECT_EQ(edit->document()->firstBlock().begin().fragment().charFormat().fontWeight(), QFont::Bold);

    EXPECT_NO_THROW(box.setFileName(dir.path().toStdString() + "/missing.rtf"));
    EXPECT_EQ(box.Text(), "");

    box.setText("FD 10\rRT 90\r");
    EXPECT_EQ(box.Text(), "FD 10\rRT 90\r");
    EXPECT_EQ(edit->toPlainText(), "FD 10\nRT 90\n");
}

TEST_F(ControlsTest, CommonDialogAsksThePlatform) {
    ScriptedPlatform p;
    setPlatform(&p);
    CommonDialog dialog("CommonDialog1");
    dialog.DialogTitle = "Save Picture";
    dialog.Filter = "Bitmap Files (*.BMP)";
    p.fileAnswers.push_back("/home/me/drawing");
    dialog.setAction(2);
    EXPECT_EQ(dialog.FileName, "/home/me/drawing");
    EXPECT_EQ(dialog.FileTitle, "drawing");
    dialog.setAction(2);  // cancelled
    EXPECT_EQ(dialog.FileName, "");
    ASSERT_EQ(p.count("saveFileDialog"), 2);
    EXPECT_EQ(p.calls[0].title, "Save Picture");
    EXPECT_EQ(p.calls[0].text, "Bitmap Files (*.BMP)");
    dialog.setAction(1);
    EXPECT_EQ(p.count("openFileDialog"), 1);
    setPlatform(nullptr);
}

TEST_F(ControlsTest, TimerTicksAndNeverRunsFasterThan15ms) {
    Timer timer("Timer1");
    int ticks = 0;
    timer.TimerEvent = [&] { ++ticks; };
    timer.tick();
    timer.tick();
    EXPECT_EQ(ticks, 2);

    Timer::setLiveTimers(true);
    timer.setInterval(1);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.livePeriodMs(), 15);
    timer.setInterval(100);
    EXPECT_EQ(timer.livePeriodMs(), 100);
    timer.setEnabled(false);
    EXPECT_EQ(timer.livePeriodMs(), 0);
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_EQ(timer.livePeriodMs(), 0);
    timer.setInterval(20);
    Timer::setLiveTimers(false);
    EXPECT_EQ(timer.livePeriodMs(), 0);
    EXPECT_EQ(timer.Interval(), 20);
}
