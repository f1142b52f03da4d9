// Real Qt mouse events sent to a control's widget, as a user's pointer would
// deliver them: at the middle of the widget unless a point is given.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <optional>

#include "forms/control.h"

inline void sendMouse(forms::Control& c, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                      std::optional<QPoint> at = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* w = c.widget();
    ASSERT_NE(w, nullptr) << c.Name();
    const QPointF p = at ? QPointF(*at) : QPointF(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(type, p, w->mapToGlobal(p), button, held, mods);
    QApplication::sendEvent(w, &e);
}

inline void pressOn(forms::Control& c, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(c, QEvent::MouseButtonPress, button, button);
}

// A press and release of `button` on the control.
inline void clickOn(forms::Control& c, Qt::MouseButton button = Qt::LeftButton) {
    pressOn(c, button);
    sendMouse(c, QEvent::MouseButtonRelease, button, Qt::NoButton);
}

// A move without a button held.
inline void hover(forms::Control& c) { sendMouse(c, QEvent::MouseMove, Qt::NoButton, Qt::NoButton); }
