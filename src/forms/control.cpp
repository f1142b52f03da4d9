#include "forms/control.h"

#include <QCursor>
#include <QPalette>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "forms/event_bridge.h"
#include "forms/form.h"
#include "forms/qt_convert.h"

namespace forms {

const char* kindName(ControlKind k) {
    switch (k) {
        case ControlKind::Form: return "Form";
        case ControlKind::PictureBox: return "PictureBox";
        case ControlKind::Image: return "Image";
        case ControlKind::Label: return "Label";
        case ControlKind::TextBox: return "TextBox";
        case ControlKind::Frame: return "Frame";
        case ControlKind::CommandButton: return "CommandButton";
        case ControlKind::CheckBox: return "CheckBox";
        case ControlKind::ListBox: return "ListBox";
        case ControlKind::HScrollBar: return "HScrollBar";
        case ControlKind::Timer: return "Timer";
        case ControlKind::Shape: return "Shape";
        case ControlKind::Line: return "Line";
        case ControlKind::RichTextBox: return "RichTextBox";
        case ControlKind::ProgressBar: return "ProgressBar";
        case ControlKind::CommonDialog: return "CommonDialog";
    }
    return "Control";
}

Control::Control(ControlKind kind, std::string name, int index)
    : kind_(kind), name_(std::move(name)), index_(index) {}

Control::~Control() {
    // The form itself is past its own destructor here: only its controls
    // have a form to tell.
    if (kind_ != ControlKind::Form) {
        if (Form* f = ParentForm(); f && f->ActiveControl() == this) f->setActiveControl(nullptr);
    }
    // Children outliving their container forget it; their widgets die with
    // ours below (their bridges clear their pointers).
    for (Control* child : children_) {
        child->container_ = nullptr;
        child->areaPending_ = false;
    }
    children_.clear();
    if (container_) {
        auto& siblings = container_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        if (areaPending_) container_->childAreaDropped(*this);
        container_->updateArea(shownArea_);  // a windowless control leaves the picture
    }
    if (widget_) {
        if (EventBridge* bridge = EventBridge::of(widget_)) bridge->release();
        widget_->disconnect();
        QWidget* w = widget_;
        widget_ = nullptr;
        delete w;
    }
}

void Control::attach(Control* container) {
    if (container_) {
        auto& siblings = container_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        if (areaPending_) container_->childAreaDropped(*this);
        areaPending_ = false;
    }
    container_ = container;
    if (container_) container_->children_.push_back(this);
    QWidget* host = container_ ? container_->childHost() : nullptr;
    if (QWidget* w = createWidget(host)) {
        adoptWidget(w);
        syncWidget();
        if (container_) container_->childAttached(*this);
    } else {
        invalidate();
    }
}

void Control::adoptWidget(QWidget* w) {
    widget_ = w;
    new EventBridge(this, w);
    w->setMouseTracking(true);
    // Mouse events end at the control they were meant for: a click on a
    // label never reaches the panel under it.
    w->setAttribute(Qt::WA_NoMousePropagation);
    if (kind_ == ControlKind::PictureBox) w->setFocusPolicy(Qt::StrongFocus);
    // Labels and images take a click's focus only to hand it straight back
    // (see EventBridge), so a click on them never focuses the panel below.
    if (kind_ == ControlKind::Label || kind_ == ControlKind::Image) w->setFocusPolicy(Qt::ClickFocus);
}

Form* Control::ParentForm() const {
    const Control* c = this;
    while (c && c->kind_ != ControlKind::Form) c = c->container_;
    return static_cast<Form*>(const_cast<Control*>(c));
}

bool Control::eventsMuted() const {
    const Form* f = ParentForm();
    return f && f->building();
}

// --- Geometry ---------------------------------------------------------------

void Control::setLeft(float v) {
    left_ = v;
    syncGeometry();
}
void Control::setTop(float v) {
    top_ = v;
    syncGeometry();
}
void Control::setWidth(float v) {
    width_ = v;
    syncGeometry();
}
void Control::setHeight(float v) {
    height_ = v;
    syncGeometry();
}

void Control::Move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    if (kind_ == ControlKind::Line || kind_ == ControlKind::Shape) {
        // A windowless control repaints its old and new place once, not
        // the half-moved places between.
        width_ = width;
        height_ = height;
        invalidate();
        return;
    }
    // Through the virtual setters, so controls that react to their size
    // (a picture box's image) see the change.
    setWidth(width);
    setHeight(height);
    syncGeometry();
}

QRect Control::pixelGeometry() const {
    const long x = std::lround(left_ / kTwipsPerPixel);
    const long y = std::lround(top_ / kTwipsPerPixel);
    const long w = std::lround((left_ + Width()) / kTwipsPerPixel) - x;
    const long h = std::lround((top_ + Height()) / kTwipsPerPixel) - y;
    return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(std::max(0L, w)),
                 static_cast<int>(std::max(0L, h)));
}

void Control::syncGeometry() {
    if (!widget_) {
        invalidate();
        return;
    }
    const QRect r = pixelGeometry();
    widget_->move(r.topLeft());
    widget_->resize(r.size());
}

// --- Visibility, state ------------------------------------------------------

void Control::setVisible(bool v) {
    visible_ = v;
    if (widget_)
        widget_->setVisible(v);
    else
        invalidate();
}

bool Control::IsShown() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return true;
}

void Control::setEnabled(bool v) {
    enabled_ = v;
    if (!widget_) return;
    widget_->setEnabled(v);
    // A disabled label or image is passed over by the mouse: its container
    // takes the clicks.
    if (kind_ == ControlKind::Label || kind_ == ControlKind::Image)
        widget_->setAttribute(Qt::WA_TransparentForMouseEvents, !v);
}

void Control::setToolTipText(const std::string& t) {
    toolTip_ = t;
    if (widget_) widget_->setToolTip(toQString(t));
}

void Control::setBorderStyle(int s) {
    borderStyle_ = s;
    if (widget_)
        syncWidget();
    else
        invalidate();
}

void Control::setBackColor(Color c) {
    backColor_ = c;
    if (widget_)
        syncPalette();
    else
        invalidate();
}

void Control::setForeColor(Color c) {
    foreColor_ = c;
    if (widget_)
        syncPalette();
    else
        invalidate();
}

void Control::setFontName(const std::string& n) {
    font_.Name = n;
    syncFont();
}
void Control::setFontSize(float s) {
    font_.Size = s;
    syncFont();
}
void Control::setFontBold(bool b) {
    font_.Bold = b;
    syncFont();
}

void Control::setMousePointer(int p) {
    mousePointer_ = p;
    syncCursor();
}

void Control::setMouseIcon(const QImage& icon) {
    mouseIcon_ = icon;
    syncCursor();
}

void Control::setCaption(const std::string& c) {
    caption_ = c;
    if (widget_) syncWidget();
}

// --- Focus --------------------------------------------------------------------

void Control::SetFocus() {
    // The run time refuses the focus to a control that cannot take it.
    if (!IsShown() || !enabled_ || (container_ && widget_ && !widget_->isEnabled()))
        throw RuntimeError("Invalid procedure call or argument");
    if (Form* f = ParentForm()) f->setActiveControl(this);
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::HasFocus() const {
    const Form* f = ParentForm();
    return f && f->ActiveControl() == this;
}

// --- Copy, repaint ----------------------------------------------------------

void Control::copyFrom(const Control& o) {
    left_ = o.left_;
    top_ = o.top_;
    width_ = o.width_;
    height_ = o.height_;
    visible_ = o.visible_;
    enabled_ = o.enabled_;
    toolTip_ = o.toolTip_;
    caption_ = o.caption_;
    tabIndex_ = o.tabIndex_;
    borderStyle_ = o.borderStyle_;
    mousePointer_ = o.mousePointer_;
    backColor_ = o.backColor_;
    foreColor_ = o.foreColor_;
    font_ = o.font_;
    mouseIcon_ = o.mouseIcon_;
    if (widget_)
        syncWidget();
    else
        invalidate();
}

void Control::invalidate() {
    if (widget_) {
        widget_->update();
        return;
    }
    if (!container_ || areaPending_) return;
    areaPending_ = true;
    container_->childAreaChanged(*this);
}

void Control::settleArea(std::vector<QRect>& dirty) {
    areaPending_ = false;
    const QRect now = visible_ && container_ ? area() : QRect();
    if (!shownArea_.isEmpty()) dirty.push_back(shownArea_);
    if (!now.isEmpty()) dirty.push_back(now);
    shownArea_ = now;
}

void Control::childAreaChanged(Control& child) {
    std::vector<QRect> dirty;
    child.settleArea(dirty);
    QRegion r;
    for (const QRect& part : dirty) r += part;
    updateArea(r);
}

void Control::updateArea(const QRegion& r) {
    if (widget_ && !r.isEmpty()) widget_->update(r);
}

// --- Widget projection ------------------------------------------------------

QWidget* Control::createWidget(QWidget*) { return nullptr; }

void Control::syncWidget() {
    if (!widget_) return;
    syncGeometry();
    widget_->setEnabled(enabled_);
    widget_->setToolTip(toQString(toolTip_));
    syncPalette();
    syncFont();
    syncCursor();
    if (!widget_->isWindow()) widget_->setVisible(visible_);
    widget_->update();
}

void Control::syncPalette() {
    if (!widget_) return;
    QPalette pal = widget_->palette();
    const QColor back = toQColor(backColor_), fore = toQColor(foreColor_);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Window, back);
        pal.setColor(group, QPalette::Base, back);
        pal.setColor(group, QPalette::Button, back);
        pal.setColor(group, QPalette::WindowText, fore);
        pal.setColor(group, QPalette::Text, fore);
        pal.setColor(group, QPalette::ButtonText, fore);
    }
    pal.setColor(QPalette::Disabled, QPalette::Window, back);
    pal.setColor(QPalette::Disabled, QPalette::Base, back);
    pal.setColor(QPalette::Disabled, QPalette::Button, back);
    widget_->setPalette(pal);
    widget_->update();
}

void Control::syncFont() {
    if (widget_) widget_->setFont(toQFont(font_));
}

void Control::syncCursor() {
    if (!widget_) return;
    switch (mousePointer_) {
        case 1: widget_->setCursor(Qt::ArrowCursor); break;
        case 2: widget_->setCursor(Qt::CrossCursor); break;
        case 3: widget_->setCursor(Qt::IBeamCursor); break;
        case 5:
        case 15: widget_->setCursor(Qt::SizeAllCursor); break;
        case 6: widget_->setCursor(Qt::SizeBDiagCursor); break;
        case 7: widget_->setCursor(Qt::SizeVerCursor); break;
        case 8: widget_->setCursor(Qt::SizeFDiagCursor); break;
        case 9: widget_->setCursor(Qt::SizeHorCursor); break;
        case 10: widget_->setCursor(Qt::UpArrowCursor); break;
        case 11: widget_->setCursor(Qt::WaitCursor); break;
        case 12: widget_->setCursor(Qt::ForbiddenCursor); break;
        case 13: widget_->setCursor(Qt::BusyCursor); break;
        case 14: widget_->setCursor(Qt::WhatsThisCursor); break;
        case 99:
            if (!mouseIcon_.isNull()) {
                const QPixmap pm = QPixmap::fromImage(mouseIcon_);
                widget_->setCursor(QCursor(pm, pm.width() / 2, pm.height() / 2));
            } else {
                widget_->unsetCursor();
            }
            break;
        default: widget_->unsetCursor(); break;
    }
}

}  // namespace forms
