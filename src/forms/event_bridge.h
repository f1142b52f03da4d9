// Translates a control widget's Qt events into the control's handlers:
// key codes and shift mask, mouse buttons and twips, Click and DblClick in
// the order the program expects, and focus into the form's ActiveControl.
// One bridge per widget, owned by the widget; it outlives no one.
#pragma once

#include <QObject>

namespace forms {

class Control;

class EventBridge : public QObject {
public:
    EventBridge(Control* control, QWidget* widget);
    ~EventBridge() override;

    // Forgets the control (it is being destroyed and deletes the widget).
    void release() { control_ = nullptr; }
    // The bridge of a widget, if it has one.
    static EventBridge* of(QWidget* w);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool dispatch(QObject* watched, QEvent* event);

private:
    bool keyPress(QObject* watched, QEvent* event);
    bool mouse(QObject* watched, QEvent* event);

    Control* control_;
    QWidget* widget_;
    bool leftPressed_ = false;   // a left press inside that may become a Click
    bool afterDblClick_ = false; // the release after a double click gives no Click
};

}  // namespace forms
