// Push buttons: CommandButton and the graphical CheckBox.
#include <QPixmap>
#include <QPushButton>

#include "forms/controls.h"
#include "forms/qt_convert.h"

namespace forms {

// --- CommandButton ----------------------------------------------------------------

CommandButton::CommandButton(std::string name, int index)
    : Control(ControlKind::CommandButton, std::move(name), index) {}

QWidget* CommandButton::createWidget(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (Click) Click();
    });
    return button;
}

void CommandButton::syncWidget() {
    Control::syncWidget();
    if (auto* button = qobject_cast<QPushButton*>(widget_)) button->setText(toQString(caption_));  // "&Run"
}

// --- CheckBox -----------------------------------------------------------------------

CheckBox::CheckBox(std::string name, int index) : Control(ControlKind::CheckBox, std::move(name), index) {}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    if (auto* button = qobject_cast<QPushButton*>(widget_)) button->setChecked(value_ == 1);
    if (Click && !eventsMuted()) Click();
}

void CheckBox::setPicture(const QImage& p) {
    picture_ = p;
    if (widget_) syncWidget();
}

QWidget* CheckBox::createWidget(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setCheckable(true);
    button->setAutoDefault(false);
    // The user's click toggles the button; the value follows and runs Click
    // once, exactly as setting it in code does.
    QObject::connect(button, &QPushButton::clicked, button, [this](bool checked) { setValue(checked ? 1 : 0); });
    return button;
}

void CheckBox::syncWidget() {
    Control::syncWidget();
    auto* button = qobject_cast<QPushButton*>(widget_);
    if (!button) return;
    button->setText(toQString(caption_));
    if (picture_.isNull()) {
        button->setIcon(QIcon());
    } else {
        button->setIcon(QIcon(QPixmap::fromImage(picture_)));
        button->setIconSize(picture_.size());
    }
    button->setChecked(value_ == 1);
}

}  // namespace forms
