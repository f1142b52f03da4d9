// Push buttons: CommandButton and the graphical CheckBox.
#include <QPixmap>
#include <QPainter>
#include <QPushButton>

#include "forms/controls.h"
#include "forms/guard.h"
#include "forms/qt_convert.h"

namespace forms {

// --- CommandButton ----------------------------------------------------------------

CommandButton::CommandButton(std::string name, int index)
    : Control(ControlKind::CommandButton, std::move(name), index) {}

QWidget* CommandButton::createWidget(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (Click) runFromQt(Click);
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

namespace {

// A graphical check box: its picture fills the face, the caption stands
// centred over it, and the face looks pressed while the value is 1.
class PictureButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    QImage face;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        if (!face.isNull())
            p.drawImage(r, face);
        else
            p.fillRect(r, palette().button());
        if (isChecked()) p.fillRect(r, QColor(0, 0, 0, 70));
        p.setPen(isChecked() ? Qt::white : Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setFont(font());
        p.setPen(palette().buttonText().color());
        p.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
};

}  // namespace

QWidget* CheckBox::createWidget(QWidget* parent) {
    auto* button = new PictureButton(parent);
    button->setCheckable(true);
    button->setAutoDefault(false);
    // The user's click toggles the button; the value follows and runs Click
    // once, exactly as setting it in code does.
    QObject::connect(button, &QPushButton::clicked, button, [this](bool checked) {
        runFromQt([&] { setValue(checked ? 1 : 0); });
    });
    return button;
}

void CheckBox::syncWidget() {
    Control::syncWidget();
    auto* button = dynamic_cast<PictureButton*>(widget_);
    if (!button) return;
    button->setText(toQString(caption_));
    button->face = picture_;
    button->setChecked(value_ == 1);
    button->update();
}

}  // namespace forms
