// Controls that only show something: Image, Label, Frame.
#include <QGroupBox>
#include <QPainter>
#include <QWidget>

#include "forms/controls.h"
#include "forms/qt_convert.h"

namespace forms {

namespace {

// Draws the fixed-single border: a 1-pixel black frame on the widget's edge.
void drawBorder(QPainter& p, const QWidget* w) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w->width() - 1, w->height() - 1);
}

class ImageView : public QWidget {
public:
    ImageView(const forms::Image* image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QImage& pic = image_->Picture();
        if (!pic.isNull()) {
            if (image_->Stretch())
                p.drawImage(rect(), pic);
            else
                p.drawImage(0, 0, pic);
        }
        if (image_->BorderStyle() == 1) drawBorder(p, this);
    }

private:
    const forms::Image* image_;
};

class LabelView : public QWidget {
public:
    LabelView(const Label* label, QWidget* parent) : QWidget(parent), label_(label) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (label_->BackStyle() == 1) p.fillRect(rect(), toQColor(label_->BackColor()));
        const int inset = label_->BorderStyle() == 1 ? 1 : 0;
        int align = Qt::AlignLeft;
        if (label_->Alignment() == 1) align = Qt::AlignRight;
        if (label_->Alignment() == 2) align = Qt::AlignHCenter;
        p.setFont(font());
        p.setPen(isEnabled() ? toQColor(label_->ForeColor()) : palette().color(QPalette::Disabled, QPalette::WindowText));
        p.drawText(rect().adjusted(inset, inset, -inset, -inset),
                   align | Qt::AlignTop | Qt::TextShowMnemonic,
                   toQString(label_->Caption()));
        if (inset) drawBorder(p, this);
    }

private:
    const Label* label_;
};

}  // namespace

// --- Image ----------------------------------------------------------------------

Image::Image(std::string name, int index) : Control(ControlKind::Image, std::move(name), index) {}

void Image::setPicture(const QImage& p) {
    picture_ = p;
    if (!stretch_ && !picture_.isNull()) {
        width_ = static_cast<float>(picture_.width()) * kTwipsPerPixel;
        height_ = static_cast<float>(picture_.height()) * kTwipsPerPixel;
        syncGeometry();
    }
    invalidate();
}

void Image::setStretch(bool s) {
    stretch_ = s;
    if (!stretch_) setPicture(picture_);
    invalidate();
}

void Image::copyFrom(const Control& other) {
    if (const auto* o = dynamic_cast<const Image*>(&other)) {
        picture_ = o->picture_;
        stretch_ = o->stretch_;
    }
    Control::copyFrom(other);
}

QWidget* Image::createWidget(QWidget* parent) { return new ImageView(this, parent); }

void Image::syncWidget() { Control::syncWidget(); }

// --- Label ----------------------------------------------------------------------

Label::Label(std::string name, int index) : Control(ControlKind::Label, std::move(name), index) {}

void Label::setAlignment(int a) {
    alignment_ = a;
    invalidate();
}

void Label::setBackStyle(int s) {
    backStyle_ = s;
    invalidate();
}

void Label::copyFrom(const Control& other) {
    if (const auto* o = dynamic_cast<const Label*>(&other)) {
        alignment_ = o->alignment_;
        backStyle_ = o->backStyle_;
    }
    Control::copyFrom(other);
}

QWidget* Label::createWidget(QWidget* parent) { return new LabelView(this, parent); }

void Label::syncWidget() { Control::syncWidget(); }

// --- Frame ----------------------------------------------------------------------

Frame::Frame(std::string name, int index) : Control(ControlKind::Frame, std::move(name), index) {}

QWidget* Frame::createWidget(QWidget* parent) {
    auto* box = new QGroupBox(parent);
    box->setAutoFillBackground(true);
    return box;
}

void Frame::syncWidget() {
    Control::syncWidget();
    if (auto* box = qobject_cast<QGroupBox*>(widget_)) box->setTitle(toQString(caption_));
}

}  // namespace forms
