#include "forms/event_bridge.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include "forms/control.h"
#include "forms/form.h"
#include "forms/guard.h"
#include "forms/keys.h"

namespace forms {

namespace {

// Controls whose widgets edit, scroll or press on keys themselves: their
// handlers run first, then the widget does its own work with the key.
bool nativeKeys(ControlKind k) {
    switch (k) {
        case ControlKind::TextBox:
        case ControlKind::RichTextBox:
        case ControlKind::ListBox:
        case ControlKind::HScrollBar:
        case ControlKind::CommandButton:
        case ControlKind::CheckBox:
            return true;
        default:
            return false;
    }
}

// Push buttons report their Click through QAbstractButton::clicked; bars have
// no Click at all.
bool synthesizesClick(ControlKind k) {
    switch (k) {
        case ControlKind::CommandButton:
        case ControlKind::CheckBox:
        case ControlKind::HScrollBar:
        case ControlKind::ProgressBar:
            return false;
        default:
            return true;
    }
}

float toTwips(qreal px) { return static_cast<float>(px * kTwipsPerPixel); }

}  // namespace

EventBridge::EventBridge(Control* control, QWidget* widget)
    : QObject(widget), control_(control), widget_(widget) {
    setObjectName(QStringLiteral("forms::EventBridge"));
    widget->installEventFilter(this);
}

EventBridge::~EventBridge() {
    // The widget is going away (Qt deletes its children first): the control
    // must not keep a dangling pointer to it.
    if (control_ && control_->widget_ == widget_) control_->widget_ = nullptr;
}

EventBridge* EventBridge::of(QWidget* w) {
    if (!w) return nullptr;
    return w->findChild<EventBridge*>(QStringLiteral("forms::EventBridge"), Qt::FindDirectChildrenOnly);
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event) {
    bool handled = true;  // a failed handler has taken its event
    runFromQt([&] { handled = dispatch(watched, event); });
    return handled;
}

bool EventBridge::dispatch(QObject* watched, QEvent* event) {
    if (!control_ || watched != widget_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(watched, event);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return mouse(watched, event);
        case QEvent::FocusIn: {
            Form* f = control_->ParentForm();
            const ControlKind k = control_->Kind();
            if (f && (k == ControlKind::Label || k == ControlKind::Image)) {
                // A click on a label or an image never takes the focus from
                // the control that holds it (Qt would hand it to the panel
                // under the click): it goes straight back.
                if (Control* held = f->ActiveControl(); held && held != control_ && held->widget())
                    held->widget()->setFocus(Qt::OtherFocusReason);
                return false;
            }
            // The window itself is no active control; its controls are.
            if (f && f != control_) f->setActiveControl(control_);
            return false;
        }
        default:
            return false;
    }
}

bool EventBridge::keyPress(QObject* watched, QEvent* event) {
    auto* ke = static_cast<QKeyEvent*>(event);
    if (!widget_->isEnabled()) return false;
    QPointer<EventBridge> alive(this);
    Control* c = control_;

    const bool shiftReleased =
        keypadReleasesShift(ke->key(), static_cast<int>(ke->modifiers()), ke->nativeModifiers());
    const Qt::KeyboardModifiers mods = shiftReleased ? ke->modifiers() & ~Qt::ShiftModifier : ke->modifiers();
    int keyCode = virtualKey(ke->key(), (mods & Qt::KeypadModifier) != 0);
    int shift = shiftMask(static_cast<int>(mods));
    if (keyCode != 0 && c->KeyDown) {
        c->KeyDown(keyCode, shift);
        if (!alive || !control_) {
            event->accept();
            return true;
        }
    }

    bool swallowChar = false;
    const QString text = ke->text();
    if (!text.isEmpty() && !(ke->modifiers() & Qt::AltModifier) && c->KeyPress) {
        int ascii = text.at(0).unicode();
        if (ascii != 127) {
            c->KeyPress(ascii);
            if (!alive || !control_) {
                event->accept();
                return true;
            }
            swallowChar = ascii == 0;  // a handler cancels the character with 0
        }
    }

    // The key never travels on to the container: a text box's Enter or a
    // canvas's arrow must not reach the window's handlers a second time.
    // A text box moves its caret for a keypad key whose Shift was released
    // and selects nothing.
    if (nativeKeys(c->Kind()) && !swallowChar) {
        if (shiftReleased) {
            QKeyEvent plain(ke->type(), ke->key(), mods, ke->nativeScanCode(), ke->nativeVirtualKey(),
                            ke->nativeModifiers(), ke->text(), ke->isAutoRepeat(), ke->count());
            watched->event(&plain);
        } else {
            watched->event(event);
        }
    }
    event->accept();
    return true;
}

bool EventBridge::mouse(QObject*, QEvent* event) {
    auto* me = static_cast<QMouseEvent*>(event);
    // A disabled control takes no mouse input (its own widget would drop it
    // too, but filters see the event first).
    if (!widget_->isEnabled()) return false;
    QPointer<EventBridge> alive(this);
    Control* c = control_;

    const QPointF pos = me->position();
    const float x = toTwips(pos.x()), y = toTwips(pos.y());
    const int shift = shiftMask(static_cast<int>(me->modifiers()));
    bool handled = false;  // when the control went away, stop the event here

    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const int button = buttonMask(static_cast<int>(me->button()));
            if (me->button() == Qt::LeftButton) {
                leftPressed_ = true;
                afterDblClick_ = false;
            }
            if (button && c->MouseDown) c->MouseDown(button, shift, x, y);
            break;
        }
        case QEvent::MouseButtonDblClick:
            // The second press of a double click is the DblClick itself.
            if (me->button() == Qt::LeftButton) {
                afterDblClick_ = true;
                leftPressed_ = false;
                if (c->DblClick) c->DblClick();
            }
            break;
        case QEvent::MouseButtonRelease: {
            const int button = buttonMask(static_cast<int>(me->button()));
            const bool clicked = me->button() == Qt::LeftButton && leftPressed_ && !afterDblClick_ &&
                                 widget_->rect().contains(pos.toPoint());
            if (me->button() == Qt::LeftButton) {
                leftPressed_ = false;
                afterDblClick_ = false;
            }
            if (button && c->MouseUp) c->MouseUp(button, shift, x, y);
            if (alive && control_ && clicked && synthesizesClick(c->Kind()) && c->Click) c->Click();
            break;
        }
        case QEvent::MouseMove:
            if (c->MouseMove) c->MouseMove(buttonMask(static_cast<int>(me->buttons())), shift, x, y);
            break;
        default:
            break;
    }
    handled = !alive || !control_;
    if (handled) {
        event->accept();
        return true;
    }
    return false;
}

}  // namespace forms
