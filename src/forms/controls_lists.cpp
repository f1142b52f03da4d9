// Controls holding a range or a list: ListBox, HScrollBar, ProgressBar.
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <algorithm>

#include "forms/controls.h"
#include "forms/guard.h"
#include "forms/qt_convert.h"

namespace forms {

// --- ListBox --------------------------------------------------------------------

ListBox::ListBox(std::string name, int index) : Control(ControlKind::ListBox, std::move(name), index) {
    backColor_ = rgb(255, 255, 255);
}

void ListBox::Clear() {
    items_.clear();
    if (auto* list = qobject_cast<QListWidget*>(widget_)) list->clear();
}

void ListBox::AddItem(const std::string& item) {
    items_.push_back(item);
    if (auto* list = qobject_cast<QListWidget*>(widget_)) list->addItem(toQString(item));
}

const std::string& ListBox::List(int i) const {
    if (i < 0 || i >= ListCount()) throw RuntimeError("Invalid property array index");
    return items_[static_cast<size_t>(i)];
}

QWidget* ListBox::createWidget(QWidget* parent) { return new QListWidget(parent); }

void ListBox::syncWidget() {
    Control::syncWidget();
    auto* list = qobject_cast<QListWidget*>(widget_);
    if (!list || list->count() == ListCount()) return;
    list->clear();
    for (const std::string& item : items_) list->addItem(toQString(item));
}

// --- HScrollBar -----------------------------------------------------------------

HScrollBar::HScrollBar(std::string name, int index) : Control(ControlKind::HScrollBar, std::move(name), index) {}

void HScrollBar::setMin(int v) {
    min_ = v;
    if (widget_) syncWidget();
    setValue(value_);  // a value outside the new range moves into it
}

void HScrollBar::setMax(int v) {
    max_ = v;
    if (widget_) syncWidget();
    setValue(value_);
}

void HScrollBar::setValue(int v) {
    // Min may lie above Max (a reversed bar); the value stays between them.
    const int lo = std::min(min_, max_), hi = std::max(min_, max_);
    v = std::clamp(v, lo, hi);
    if (v == value_) return;
    value_ = v;
    if (auto* bar = qobject_cast<QScrollBar*>(widget_)) {
        syncing_ = true;
        bar->setValue(v);
        syncing_ = false;
    }
    if (Change && !eventsMuted()) Change();
}

QWidget* HScrollBar::createWidget(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int v) {
        if (!syncing_) runFromQt([&] { setValue(v); });
    });
    return bar;
}

void HScrollBar::syncWidget() {
    Control::syncWidget();
    auto* bar = qobject_cast<QScrollBar*>(widget_);
    if (!bar) return;
    syncing_ = true;
    bar->setRange(std::min(min_, max_), std::max(min_, max_));
    bar->setInvertedAppearance(min_ > max_);
    bar->setValue(value_);
    syncing_ = false;
}

// --- ProgressBar ----------------------------------------------------------------

ProgressBar::ProgressBar(std::string name, int index)
    : Control(ControlKind::ProgressBar, std::move(name), index) {}

void ProgressBar::setMin(int v) {
    min_ = v;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    if (widget_) syncWidget();
}

void ProgressBar::setMax(int v) {
    max_ = v;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    if (widget_) syncWidget();
}

void ProgressBar::setValue(int v) {
    // Kept inside the range so the bar never shows nonsense; an empty range
    // (Min == Max) holds just that one value.
    value_ = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    auto* bar = qobject_cast<QProgressBar*>(widget_);
    if (bar && min_ != max_) bar->setValue(value_);
}

QWidget* ProgressBar::createWidget(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    return bar;
}

void ProgressBar::syncWidget() {
    Control::syncWidget();
    auto* bar = qobject_cast<QProgressBar*>(widget_);
    if (!bar) return;
    const int lo = std::min(min_, max_), hi = std::max(min_, max_);
    if (lo == hi) {
        // Qt shows a busy animation for 0..0; an empty range shows an empty bar.
        bar->setRange(0, 1);
        bar->setValue(0);
    } else {
        bar->setRange(lo, hi);
        bar->setValue(value_);
    }
}

}  // namespace forms
