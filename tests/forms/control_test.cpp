// The control base, the standard controls and the form: geometry in twips,
// control arrays, focus, Qt events in the handlers' terms, and values set in
// code firing what a user's change fires, only on a change and never while
// the window is built.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWindow>
#include <fstream>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "support/qt_events.h"

using namespace forms;

namespace {

void sendKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &e);
}

// The QApplication comes from the global test environment (support/qt_app).
class ControlTest : public ::testing::Test {
protected:
    // Attaches the control to the form at a place given in twips.
    template <class C>
    C& place(C& c, float left, float top, float width, float height) {
        c.attach(&form);
        c.Move(left, top, width, height);
        return c;
    }
    Form form{"Form1"};
};

}  // namespace

// Twips to pixels; the form's Width and Height are its outer size.
TEST_F(ControlTest, GeometryInPixelsAndTheFormsOuterSize) {
    Label label("Label1");
    place(label, 1440.3f, 22.5f, 300.0f, -30.0f);  // a negative height shows as nothing
    EXPECT_EQ(label.widget()->geometry(), QRect(96, 2, 20, 0));
    // The right edge is rounded, not the width: 7.5 px + 7.5 px spans 8 px.
    label.Move(112.5f, 0, 112.5f, 15);
    EXPECT_EQ(label.widget()->geometry(), QRect(8, 0, 7, 1));

    form.setBorderStyle(1);
    form.Move(150, 300, 15360, 11520);
    form.Show();
    QWidget* w = form.widget();
    const QMargins frame = w->windowHandle()->frameMargins();
    EXPECT_EQ(w->frameGeometry(), QRect(10, 20, 1024, 768));
    EXPECT_EQ(w->size(), QSize(1024 - frame.left() - frame.right(), 768 - frame.top() - frame.bottom()));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());  // the user cannot resize it
}

TEST_F(ControlTest, ControlArraysAndContainersOutlivedByTheirMembers) {
    ControlArray<Label> labels("Label2");
    labels.add(std::make_unique<Label>("Label2", 0)).attach(&form);
    // A handler may unload its own control.
    Label& loaded = labels.Load(1);
    QPointer<QWidget> widget = loaded.widget();
    loaded.Move(0, 0, 300, 300);
    loaded.setVisible(true);
    loaded.MouseDown = [&](int, int, float, float) { labels.Unload(1); };
    pressOn(loaded);
    EXPECT_FALSE(labels.Exists(1));
    EXPECT_TRUE(widget.isNull());

    // A container going first leaves its children safe.
    auto frame = std::make_unique<Frame>("Frame1");
    frame->attach(&form);
    Label inner("Label1");
    inner.attach(frame.get());
    frame.reset();  // Qt deletes the label's widget with the frame's
    EXPECT_EQ(inner.widget(), nullptr);
    inner.setLeft(30);  // no widget, nothing to crash
}

TEST_F(ControlTest, MouseEventsGiveTwipsMasksAndClicks) {
    Label label("Label1");
    place(label, 0, 0, 1500, 1500);
    std::vector<std::string> log;
    auto record = [&](std::string what) {
        return [&log, what](int button, int shift, float x, float y) {
            std::string entry = what;
            for (int v : {button, shift, int(x), int(y)}) {
                entry += ' ';
                entry += std::to_string(v);
            }
            log.push_back(entry);
        };
    };
    label.MouseDown = record("down");
    label.MouseMove = record("move");
    label.MouseUp = record("up");
    label.Click = [&] { log.push_back("click"); };
    label.DblClick = [&] { log.push_back("dblclick"); };
    // The masks' own values are the keys test's; here the points in twips.
    sendMouse(label, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, QPoint(3, 4), Qt::ShiftModifier);
    clickOn(label, Qt::RightButton);  // a right click is no Click
    clickOn(label);  // a double click: its second press gives DblClick, its release no Click
    sendMouse(label, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"move 2 1 45 60", "down 2 0 750 750", "up 2 0 750 750",
                                            "down 1 0 750 750", "up 1 0 750 750", "click", "dblclick",
                                            "up 1 0 750 750"}));
}

TEST_F(ControlTest, KeysReachHandlersAndTheTextBoxStillEdits) {
    TextBox box("Text1");
    box.attach(&form);
    std::vector<int> log;  // KeyDown: code * 10 + shift; KeyPress: -ascii; the window: 0
    box.KeyDown = [&](int& code, int& shift) { log.push_back(code * 10 + shift); };
    box.KeyPress = [&](int& ascii) { log.push_back(-ascii); };
    form.KeyDown = [&](int&, int&) { log.push_back(0); };
    sendKey(box.widget(), Qt::Key_A, Qt::ShiftModifier, "A");
    sendKey(box.widget(), Qt::Key_F2);
    EXPECT_EQ(log, (std::vector<int>{651, -65, 1130}));
    EXPECT_EQ(box.Text(), "A");  // the box typed the character itself

    // Tab, which Qt would use to move the focus, reaches a label's handler.
    Label label("Label1");
    label.attach(&form);
    int code = 0;
    label.KeyDown = [&](int& c, int&) { code = c; };
    sendKey(label.widget(), Qt::Key_Tab);
    EXPECT_EQ(code, 9);
}

TEST_F(ControlTest, CheckBoxAndTextBoxFireOnChangeOnlyAndNeverWhileBuilding) {
    CheckBox check("Check1");
    TextBox text("Text1");
    place(check, 0, 0, 600, 600);
    text.attach(&form);
    int clicks = 0, changes = 0;
    check.Click = [&] { ++clicks; };
    text.Change = [&] { ++changes; };
    for (bool building : {true, false}) {  // the second time nothing changes
        form.setBuilding(building);
        check.setValue(1);
        text.setText("start");
    }
    EXPECT_EQ(clicks + changes, 0);
    check.setValue(0);
    text.setText("next");
    EXPECT_EQ(std::pair(clicks, changes), std::pair(1, 1));
}

TEST_F(ControlTest, RichTextBoxShowsFilesAndKeepsLines) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/HELP.RTF";
    std::ofstream(path) << "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b Title\\b0\\par Body text\\par}";
    RichTextBox box("RichTextBox2");
    box.attach(&form);
    box.setFileName(path);
    EXPECT_EQ(box.Text(), "Title\rBody text");
    box.setText("FD 10\rRT 90\r");
    EXPECT_EQ(qobject_cast<QTextEdit*>(box.widget())->toPlainText(), "FD 10\nRT 90\n");
}

// A handler that fails while the user drives the control ends that event
// only; set from code, its failure reaches the code that set the value.
TEST_F(ControlTest, AFailingHandlerEndsItsEventOnly) {
    CheckBox check("Check1");
    place(check, 0, 0, 600, 300);
    int runs = 0;
    check.Click = [&] {
        ++runs;
        throw RuntimeError("failing step");
    };
    EXPECT_NO_THROW(clickOn(check));
    EXPECT_NO_THROW(clickOn(check));
    EXPECT_EQ(runs, 2);
    EXPECT_THROW(check.setValue(1 - check.Value()), RuntimeError);
}
