#include "forms/form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "forms/guard.h"
#include "forms/platform.h"
#include "forms/qt_convert.h"
#include "forms/timer.h"

namespace forms {

namespace {

// The top-level window. The user's close runs the form's Unload, which may
// cancel it.
class FormWindow : public QWidget {
public:
    explicit FormWindow(Form* form) : form_(form) {}
    void release() { form_ = nullptr; }

    // Places the window so that its outer rectangle, frame included, is
    // `outer`. A fixed size keeps the user from resizing it.
    void setOuterGeometry(const QRect& outer, bool fixedSize) {
        outer_ = outer;
        fixedSize_ = fixedSize;
        applyOuterGeometry();
    }

protected:
    bool event(QEvent* e) override {
        const bool done = QWidget::event(e);
        // The frame is known only once the window manager has framed the
        // window (it moves the window into its frame): the inner area then
        // shrinks so that the outer size stays as the program set it.
        if ((e->type() == QEvent::Move || e->type() == QEvent::Show) && frameMargins() != appliedMargins_)
            applyOuterGeometry();
        return done;
    }

    void closeEvent(QCloseEvent* e) override {
        int cancel = 0;
        if (form_ && form_->Unload) runFromQt([&] { form_->Unload(cancel); });
        if (cancel != 0)
            e->ignore();
        else
            e->accept();
    }

private:
    QMargins frameMargins() const { return windowHandle() ? windowHandle()->frameMargins() : QMargins(); }

    void applyOuterGeometry() {
        appliedMargins_ = frameMargins();
        const QRect inner = outer_ - appliedMargins_;
        const QSize size(std::max(0, inner.width()), std::max(0, inner.height()));
        move(outer_.topLeft());  // a window's position is its frame's
        if (fixedSize_ && !size.isEmpty())
            setFixedSize(size);
        else
            resize(size);
    }

    Form* form_;
    QRect outer_;
    bool fixedSize_ = false;
    QMargins appliedMargins_;
};

}  // namespace

Form::Form(std::string name) : Control(ControlKind::Form, std::move(name)) {
    backColor_ = rgb(240, 240, 240);
    adoptWidget(createWidget(nullptr));
    syncWidget();
}

Form::~Form() {
    if (auto* w = dynamic_cast<FormWindow*>(widget_)) w->release();
}

QWidget* Form::createWidget(QWidget*) {
    auto* w = new FormWindow(this);
    w->setAutoFillBackground(true);
    return w;
}

void Form::syncWidget() {
    Control::syncWidget();
    if (!widget_) return;
    widget_->setWindowTitle(toQString(caption_));
    if (!visible_) widget_->hide();
}

void Form::syncGeometry() {
    // A window with a fixed single border keeps the size the program gives
    // it: the user cannot resize it (its layout is computed once).
    if (auto* w = dynamic_cast<FormWindow*>(widget_)) w->setOuterGeometry(pixelGeometry(), borderStyle_ == 1);
}

void Form::setCaption(const std::string& c) {
    caption_ = c;
    if (widget_) widget_->setWindowTitle(toQString(c));
}

namespace {

// The control that takes the focus when the window shows: the shown, enabled,
// focusable one with the lowest TabIndex (the first such in description order
// among equals).
Control* firstInTabOrder(const Control* container, Control* best) {
    for (Control* c : container->Children()) {
        if (!c->Visible() || !c->Enabled()) continue;
        QWidget* w = c->widget();
        if (w && w->focusPolicy() != Qt::NoFocus && (!best || c->TabIndex() < best->TabIndex())) best = c;
        best = firstInTabOrder(c, best);
    }
    return best;
}

}  // namespace

void Form::Show() {
    visible_ = true;
    if (!widget_) return;
    widget_->show();
    widget_->activateWindow();
    if (!active_) {
        if (Control* first = firstInTabOrder(this, nullptr)) first->SetFocus();
    }
    widget_->repaint();
    // Let the window system map and paint the window now, so it is seen while
    // the program goes on working; the user's input and the timers wait for
    // the event loop.
    TimerTickHold noTicks;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Form::Refresh() {
    if (widget_) widget_->repaint();
}

bool Form::Close() {
    if (widget_) {
        const bool closed = widget_->close();
        if (closed) visible_ = false;
        return closed;
    }
    int cancel = 0;
    if (Unload) Unload(cancel);
    if (cancel != 0) return false;
    visible_ = false;
    return true;
}

float Form::ScreenWidth() { return static_cast<float>(platform().screenWidthPx()) * kTwipsPerPixel; }
float Form::ScreenHeight() { return static_cast<float>(platform().screenHeightPx()) * kTwipsPerPixel; }

}  // namespace forms
