// The control base and the form: geometry kept exactly in twips, the widget
// as its projection, control arrays, focus, and Qt events translated into
// the handlers' terms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/platform.h"
#include "support/qt_app.h"

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
    label.setLeft(1440.3f);
    label.setTop(22.5f);
    label.setWidth(300.0f);
    label.setHeight(-30.0f);
    EXPECT_FLOAT_EQ(label.Left(), 1440.3f);
    EXPECT_FLOAT_EQ(label.Top(), 22.5f);
    EXPECT_FLOAT_EQ(label.Height(), -30.0f);  // kept as set, shown as nothing
    ASSERT_NE(label.widget(), nullptr);
    EXPECT_EQ(label.widget()->pos(), QPoint(96, 2));
    EXPECT_EQ(label.widget()->width(), 20);
    EXPECT_EQ(label.widget()->height(), 0);
    EXPECT_EQ(label.widget()->parentWidget(), form.widget());

    // The right edge is rounded, not the width: 7.5 px + 7.5 px spans 8 px.
    label.Move(112.5f, 0, 112.5f, 15);
    EXPECT_EQ(label.widget()->x(), 8);
    EXPECT_EQ(label.widget()->width(), 7);
    ASSERT_EQ(form.Children().size(), 1u);
    EXPECT_EQ(form.Children()[0], &label);
}

TEST_F(ControlTest, PropertiesReachTheWidget) {
    Label label("Label1");
    label.attach(&form);
    label.setVisible(false);
    EXPECT_FALSE(label.widget()->isVisibleTo(form.widget()));
    EXPECT_FALSE(label.IsShown());
    label.setVisible(true);
    EXPECT_TRUE(label.widget()->isVisibleTo(form.widget()));
    label.setEnabled(false);
    EXPECT_FALSE(label.widget()->isEnabled());
    label.setToolTipText("Pencil");
    EXPECT_EQ(label.widget()->toolTip(), "Pencil");
    label.setFontName("Arial Black");
    label.setFontSize(12);
    EXPECT_EQ(label.widget()->font().family(), "Liberation Sans");
    EXPECT_TRUE(label.widget()->font().bold());
    EXPECT_DOUBLE_EQ(label.widget()->font().pointSizeF(), 12.0);
    label.setFontName("15");
    EXPECT_EQ(label.widget()->font().family(), "Liberation Sans");
    label.setBackColor(rgb(255, 0, 0));
    EXPECT_EQ(label.BackColor(), 255);
    EXPECT_EQ(label.widget()->palette().color(QPalette::Window), QColor(255, 0, 0));

    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::black);
    label.setMouseIcon(icon);
    label.setMousePointer(99);
    EXPECT_EQ(label.widget()->cursor().hotSpot(), QPoint(16, 16));
    label.setMousePointer(3);
    EXPECT_EQ(label.widget()->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(ControlTest, ControlArrayLoadsCopiesOfTheLowestMember) {
    ControlArray<Label> labels("Label2");
    auto first = std::make_unique<Label>("Label2", 0);
    first->attach(&form);
    first->setLeft(150);
    first->setWidth(450);
    first->setCaption("Red");
    first->setBackColor(rgb(255, 0, 0));
    first->setToolTipText("colour");
    labels.add(std::move(first));

    Label& second = labels.Load(3);
    EXPECT_EQ(second.Index(), 3);
    EXPECT_FLOAT_EQ(second.Left(), 150);
    EXPECT_FLOAT_EQ(second.Width(), 450);
    EXPECT_EQ(second.Caption(), "Red");
    EXPECT_EQ(second.BackColor(), rgb(255, 0, 0));
    EXPECT_EQ(second.ToolTipText(), "colour");
    EXPECT_FALSE(second.Visible());
    EXPECT_EQ(second.Container(), &form);
    EXPECT_EQ(labels.Count(), 2);
    EXPECT_THROW(labels.Load(3), RuntimeError);
    EXPECT_THROW(labels(2), RuntimeError);

    QPointer<QWidget> secondWidget = second.widget();
    EXPECT_EQ(secondWidget->parentWidget(), form.widget());
    labels.Unload(3);
    EXPECT_EQ(labels.Count(), 1);
    EXPECT_EQ(form.Children().size(), 1u);
    EXPECT_TRUE(secondWidget.isNull());  // the unloaded member's widget is gone with it
}

TEST_F(ControlTest, ContainerGoingFirstLeavesChildrenSafe) {
    auto frame = std::make_unique<Frame>("Frame1");
    frame->attach(&form);
    Label inner("Label1");
    inner.attach(frame.get());
    EXPECT_EQ(inner.ParentForm(), &form);
    frame.reset();  // Qt deletes the label's widget with the frame's
    EXPECT_EQ(inner.widget(), nullptr);
    EXPECT_EQ(inner.Container(), nullptr);
    inner.setLeft(30);  // no widget, nothing to crash
    EXPECT_FLOAT_EQ(inner.Left(), 30);
}

TEST_F(ControlTest, FocusIsKeptInTheModel) {
    TextBox a("Text1"), b("Text2");
    a.attach(&form);
    b.attach(&form);
    a.SetFocus();
    EXPECT_TRUE(a.HasFocus());
    EXPECT_EQ(form.ActiveControl(), &a);
    b.SetFocus();
    EXPECT_FALSE(a.HasFocus());
    EXPECT_TRUE(b.HasFocus());
    // Focus given by the user (a focus-in on the widget) is followed too.
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(a.widget(), &in);
    EXPECT_TRUE(a.HasFocus());
    // A hidden or disabled control cannot take the focus.
    b.setVisible(false);
    EXPECT_THROW(b.SetFocus(), RuntimeError);
    EXPECT_TRUE(a.HasFocus());
}

TEST_F(ControlTest, MouseEventsGiveTwipsAndMasks) {
    Label label("Label1");
    label.attach(&form);
    label.Move(0, 0, 1500, 1500);
    std::vector<std::string> log;
    auto record = [&](const char* what) {
        return [&log, what](int button, int shift, float x, float y) {
            log.push_back(std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                          std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
        };
    };
    label.MouseDown = record("down");
    label.MouseMove = record("move");
    label.MouseUp = record("up");
    label.Click = [&] { log.push_back("click"); };
    QWidget* w = label.widget();

    sendMouse(w, QEvent::MouseMove, {3, 4}, Qt::NoButton, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonPress, {10, 20}, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
    sendMouse(w, QEvent::MouseMove, {11, 21}, Qt::NoButton, Qt::RightButton | Qt::LeftButton,
              Qt::ControlModifier | Qt::AltModifier);
    sendMouse(w, QEvent::MouseButtonRelease, {12, 22}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"move 0 0 45 60", "down 2 1 150 300", "move 3 6 165 315",
                                            "up 2 0 180 330"}));  // a right click is no Click

    log.clear();
    sendMouse(w, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"down 1 0 75 75", "up 1 0 75 75", "click"}));

    // Released outside the control: no Click.
    log.clear();
    sendMouse(w, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, {500, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log.back(), "up 1 0 7500 75");
}

TEST_F(ControlTest, DoubleClickSequenceAsTheRunTimeDeliversIt) {
    Image image("Image1");
    image.attach(&form);
    image.Move(0, 0, 600, 600);
    std::vector<std::string> log;
    image.MouseDown = [&](int, int, float, float) { log.push_back("down"); };
    image.MouseUp = [&](int, int, float, float) { log.push_back("up"); };
    image.Click = [&] { log.push_back("click"); };
    image.DblClick = [&] { log.push_back("dblclick"); };
    QWidget* w = image.widget();
    sendMouse(w, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonDblClick, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up", "click", "dblclick", "up"}));
}

TEST_F(ControlTest, DisabledControlTakesNoMouseInput) {
    Label label("Label1");
    label.attach(&form);
    label.Move(0, 0, 600, 600);
    int downs = 0, clicks = 0;
    label.MouseDown = [&](int, int, float, float) { ++downs; };
    label.Click = [&] { ++clicks; };
    label.setEnabled(false);
    sendMouse(label.widget(), QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(label.widget(), QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(clicks, 0);

    CommandButton button("Command1");
    button.attach(&form);
    button.Move(0, 0, 600, 600);
    button.Click = [&] { ++clicks; };
    button.setEnabled(false);
    sendMouse(button.widget(), QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(button.widget(), QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 0);
    button.setEnabled(true);
    sendMouse(button.widget(), QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(button.widget(), QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlTest, HandlerMayUnloadItsOwnControl) {
    ControlArray<Label> labels("Label3");
    labels.add(std::make_unique<Label>("Label3", 0)).attach(&form);
    Label& loaded = labels.Load(1);
    loaded.Move(0, 0, 300, 300);
    loaded.setVisible(true);
    loaded.MouseDown = [&](int, int, float, float) { labels.Unload(1); };
    sendMouse(loaded.widget(), QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(labels.Exists(1));
}

TEST_F(ControlTest, KeysReachHandlersAndTheTextBoxStillEdits) {
    TextBox box("Text1");
    box.attach(&form);
    std::vector<std::pair<int, int>> downs;
    std::vector<int> presses;
    box.KeyDown = [&](int& code, int& shift) { downs.emplace_back(code, shift); };
    box.KeyPress = [&](int& ascii) { presses.push_back(ascii); };
    int formKeys = 0;
    form.KeyDown = [&](int&, int&) { ++formKeys; };

    sendKey(box.widget(), Qt::Key_A, Qt::ShiftModifier, "A");
    sendKey(box.widget(), Qt::Key_Return, Qt::NoModifier, "\r");
    sendKey(box.widget(), Qt::Key_F2);
    EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{65, 1}, {13, 0}, {113, 0}}));
    EXPECT_EQ(presses, (std::vector<int>{65, 13}));
    EXPECT_EQ(box.Text(), "A");  // the box typed the character itself
    EXPECT_EQ(formKeys, 0);      // nothing travelled on to the window

    // Keys that Qt would use to move the focus reach a label's handler.
    Label label("Label1");
    label.attach(&form);
    int code = 0;
    label.KeyDown = [&](int& c, int&) { code = c; };
    sendKey(label.widget(), Qt::Key_Tab);
    EXPECT_EQ(code, 9);
    sendKey(label.widget(), Qt::Key_8, Qt::KeypadModifier, "8");
    EXPECT_EQ(code, 104);
    sendKey(label.widget(), Qt::Key_Up, Qt::KeypadModifier);
    EXPECT_EQ(code, 104);
}

TEST_F(ControlTest, ShowingTheWindowFocusesTheLowestTabIndex) {
    TextBox a("Text1"), b("Text2"), hidden("Text3");
    a.attach(&form);
    b.attach(&form);
    hidden.attach(&form);
    a.setTabIndex(2);
    b.setTabIndex(1);
    hidden.setTabIndex(0);
    hidden.setVisible(false);
    form.Show();
    EXPECT_TRUE(b.HasFocus());
}

TEST_F(ControlTest, FormCloseAsksUnload) {
    int asked = 0;
    form.Unload = [&](int& cancel) {
        ++asked;
        cancel = asked == 1 ? 1 : 0;
    };
    form.setCaption("VRK");
    EXPECT_EQ(form.widget()->windowTitle(), "VRK");
    form.Show();
    EXPECT_FALSE(form.Close());
    EXPECT_TRUE(form.widget()->isVisible());
    EXPECT_TRUE(form.Close());
    EXPECT_FALSE(form.widget()->isVisible());
    EXPECT_EQ(asked, 2);
}

TEST_F(ControlTest, ScreenSizeComesFromThePlatform) {
    ScriptedPlatform p;
    p.widthPx = 800;
    p.heightPx = 600;
    setPlatform(&p);
    EXPECT_FLOAT_EQ(Form::ScreenWidth(), 12000);
    EXPECT_FLOAT_EQ(Form::ScreenHeight(), 9000);
    setPlatform(nullptr);
    form.setWidth(12000);
    form.setHeight(9000);
    EXPECT_EQ(form.widget()->size(), QSize(800, 600));
}
