// The control base and the form: geometry in twips, control arrays, focus,
// and Qt events translated into the handlers' terms.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPointer>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "support/qt_app.h"
#include "support/qt_events.h"

using namespace forms;

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, mods);
    QApplication::sendEvent(w, &e);
}

void sendKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &e);
}

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override { ensureQtApp(); }
    Form form{"Form1"};
};

}  // namespace

TEST_F(ControlTest, GeometryIsStoredExactlyAndProjectedToPixels) {
    Label label("Label1");
    label.attach(&form);
    label.Move(1440.3f, 22.5f, 300.0f, -30.0f);
    EXPECT_FLOAT_EQ(label.Left(), 1440.3f);
    EXPECT_FLOAT_EQ(label.Height(), -30.0f);  // kept as set, shown as nothing
    EXPECT_EQ(label.widget()->geometry(), QRect(96, 2, 20, 0));
    // The right edge is rounded, not the width: 7.5 px + 7.5 px spans 8 px.
    label.Move(112.5f, 0, 112.5f, 15);
    EXPECT_EQ(label.widget()->geometry(), QRect(8, 0, 7, 1));
}

TEST_F(ControlTest, ControlArrayLoadsHiddenCopiesOfTheLowestMember) {
    ControlArray<Label> labels("Label2");
    Label& first = labels.add(std::make_unique<Label>("Label2", 0));
    first.attach(&form);
    first.setCaption("Red");
    Label& second = labels.Load(3);
    EXPECT_EQ(second.Caption(), "Red");
    EXPECT_FALSE(second.Visible());
    EXPECT_THROW(labels.Load(3), RuntimeError);
    EXPECT_THROW(labels(2), RuntimeError);

    QPointer<QWidget> secondWidget = second.widget();
    labels.Unload(3);
    EXPECT_TRUE(secondWidget.isNull());
}

TEST_F(ControlTest, ContainerGoingFirstLeavesChildrenSafe) {
    auto frame = std::make_unique<Frame>("Frame1");
    frame->attach(&form);
    Label inner("Label1");
    inner.attach(frame.get());
    frame.reset();  // Qt deletes the label's widget with the frame's
    EXPECT_EQ(inner.widget(), nullptr);
    inner.setLeft(30);  // no widget, nothing to crash
}

TEST_F(ControlTest, FocusIsKeptInTheModel) {
    TextBox a("Text1"), b("Text2"), hidden("Text3");
    for (TextBox* t : {&a, &b, &hidden}) t->attach(&form);
    hidden.setVisible(false);
    a.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &a);
    // Focus given by the user (a focus-in on the widget) is followed too.
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(b.widget(), &in);
    EXPECT_TRUE(b.HasFocus());
    EXPECT_THROW(hidden.SetFocus(), RuntimeError);
    EXPECT_TRUE(b.HasFocus());
}

TEST_F(ControlTest, MouseEventsGiveTwipsMasksAndClicks) {
    Label label("Label1");
    label.attach(&form);
    label.Move(0, 0, 1500, 1500);
    std::vector<std::string> log;
    auto record = [&](const char* what) {
        return [&log, what](int button, int shift, float x, float y) {
            log.push_back(std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                          std::to_string(int(x)) + " " + std::to_string(int(y)));
        };
    };
    label.MouseDown = record("down");
    label.MouseMove = record("move");
    label.MouseUp = record("up");
    label.Click = [&] { log.push_back("click"); };
    label.DblClick = [&] { log.push_back("dblclick"); };
    QWidget* w = label.widget();
    sendMouse(w, QEvent::MouseMove, {3, 4}, Qt::NoButton, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonPress, {10, 20}, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
    sendMouse(w, QEvent::MouseMove, {11, 21}, Qt::NoButton, Qt::RightButton | Qt::LeftButton,
              Qt::ControlModifier | Qt::AltModifier);
    sendMouse(w, QEvent::MouseButtonRelease, {12, 22}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"move 0 0 45 60", "down 2 1 150 300", "move 3 6 165 315",
                                            "up 2 0 180 330"}));  // a right click is no Click
    log.clear();
    clickOn(label);  // a double click: its second press gives DblClick, its release no Click
    sendMouse(label, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"down 1 0 750 750", "up 1 0 750 750", "click", "dblclick",
                                            "up 1 0 750 750"}));

    // A disabled control takes no mouse input.
    label.setEnabled(false);
    log.clear();
    clickOn(label);
    EXPECT_TRUE(log.empty());
}

TEST_F(ControlTest, HandlerMayUnloadItsOwnControl) {
    ControlArray<Label> labels("Label3");
    labels.add(std::make_unique<Label>("Label3", 0)).attach(&form);
    Label& loaded = labels.Load(1);
    loaded.Move(0, 0, 300, 300);
    loaded.setVisible(true);
    loaded.MouseDown = [&](int, int, float, float) { labels.Unload(1); };
    pressOn(loaded);
    EXPECT_FALSE(labels.Exists(1));
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

TEST_F(ControlTest, FormCloseAsksUnload) {
    int asked = 0;
    form.Unload = [&](int& cancel) { cancel = ++asked == 1 ? 1 : 0; };
    form.Show();
    EXPECT_FALSE(form.Close());
    EXPECT_TRUE(form.Close());
    EXPECT_FALSE(form.widget()->isVisible());
}
