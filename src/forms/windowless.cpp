// Line and Shape: models without widgets, painted by their container.
//
// Positions are twips relative to the container; painting maps each
// coordinate to the pixel lround(twips / 15), the mapping the picture box's
// own drawing uses, so an outline drawn with these controls lands on the
// pixels the drawing operations paint.
#include "forms/windowless.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "forms/qt_convert.h"

namespace forms {

namespace {

// Twips to the nearest pixel; far-off (or NaN) positions stay far off
// without overflowing.
int px(float twips) {
    constexpr double kFar = 1e6;
    const double p = static_cast<double>(twips) / kTwipsPerPixel;
    if (std::isnan(p)) return static_cast<int>(-kFar);
    return static_cast<int>(std::lround(std::clamp(p, -kFar, kFar)));
}

// The border pen of a line or shape. Dashed and dotted styles only apply to
// one-pixel borders; wider ones are drawn solid, as the run time does.
QPen borderPen(Color color, int width, int style) {
    Qt::PenStyle ps = Qt::SolidLine;
    if (width <= 1) {
        switch (style) {
            case 2: ps = Qt::DashLine; break;
            case 3: ps = Qt::DotLine; break;
            case 4: ps = Qt::DashDotLine; break;
            case 5: ps = Qt::DashDotDotLine; break;
            default: break;
        }
    }
    if (style == 0) ps = Qt::NoPen;
    QPen pen(toQColor(color), std::max(1, width), ps, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

// Qt centres wide aliased strokes on pixel corners; half a pixel's shift
// centres them on the pixels, as the picture box's own drawing does.
void centreWideStrokes(QPainter& p, int width) {
    if (width > 1) p.translate(0.5, 0.5);
}

QBrush fillBrush(Color color, int style) {
    const QColor c = toQColor(color);
    switch (style) {
        case 0: return QBrush(c, Qt::SolidPattern);
        case 2: return QBrush(c, Qt::HorPattern);
        case 3: return QBrush(c, Qt::VerPattern);
        case 4: return QBrush(c, Qt::BDiagPattern);
        case 5: return QBrush(c, Qt::FDiagPattern);
        case 6: return QBrush(c, Qt::CrossPattern);
        case 7: return QBrush(c, Qt::DiagCrossPattern);
        default: return QBrush(Qt::NoBrush);
    }
}

// A border width must be a positive number of pixels.
int checkedWidth(int w) {
    if (w < 1 || w > 8192) throw RuntimeError("Invalid property value");
    return w;
}

}  // namespace

// --- Line ---------------------------------------------------------------------

Line::Line(std::string name, int index) : Control(ControlKind::Line, std::move(name), index) {}

QRect Line::area() const {
    const int m = borderWidth_ / 2 + 2;
    return QRect(QPoint(px(x1_), px(y1_)), QPoint(px(x2_), px(y2_))).normalized().adjusted(-m, -m, m, m);
}

void Line::setX1(float v) {
    x1_ = v;
    invalidate();
}
void Line::setY1(float v) {
    y1_ = v;
    invalidate();
}
void Line::setX2(float v) {
    x2_ = v;
    invalidate();
}
void Line::setY2(float v) {
    y2_ = v;
    invalidate();
}
void Line::setBorderColor(Color c) {
    borderColor_ = c;
    invalidate();
}
void Line::setBorderWidth(int w) {
    borderWidth_ = checkedWidth(w);
    invalidate();
}
void Line::setLineStyle(int s) {
    lineStyle_ = s;
    invalidate();
}

void Line::copyFrom(const Control& other) {
    if (const auto* o = dynamic_cast<const Line*>(&other)) {
        x1_ = o->x1_;
        y1_ = o->y1_;
        x2_ = o->x2_;
        y2_ = o->y2_;
        borderColor_ = o->borderColor_;
        borderWidth_ = o->borderWidth_;
        lineStyle_ = o->lineStyle_;
    }
    Control::copyFrom(other);
}

void Line::paint(QPainter& p) const {
    p.save();
    p.setPen(borderPen(borderColor_, borderWidth_, lineStyle_));
    p.setBrush(Qt::NoBrush);
    centreWideStrokes(p, borderWidth_);
    const QPoint a(px(x1_), px(y1_)), b(px(x2_), px(y2_));
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
    p.restore();
}

// --- Shape --------------------------------------------------------------------

Shape::Shape(std::string name, int index) : Control(ControlKind::Shape, std::move(name), index) {}

namespace {

// The pixel rectangle a shape's outline runs along: its box, or for a
// square or circle the largest square centred in it.
QRect outlineRect(const Control& c, int kind) {
    int x = px(c.Left()), y = px(c.Top());
    int w = px(c.Left() + c.Width()) - x, h = px(c.Top() + c.Height()) - y;
    if (kind == 1 || kind == 3) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    return QRect(x, y, w, h);
}

}  // namespace

QRect Shape::area() const {
    const int m = borderWidth_ / 2 + 2;
    return outlineRect(*this, shape_).normalized().adjusted(-m, -m, m, m);
}

void Shape::setShapeKind(int s) {
    shape_ = s;
    invalidate();
}
void Shape::setFillStyle(int s) {
    fillStyle_ = s;
    invalidate();
}
void Shape::setFillColor(Color c) {
    fillColor_ = c;
    invalidate();
}
void Shape::setBorderColor(Color c) {
    borderColor_ = c;
    invalidate();
}
void Shape::setBorderWidth(int w) {
    borderWidth_ = checkedWidth(w);
    invalidate();
}
void Shape::setLineStyle(int s) {
    lineStyle_ = s;
    invalidate();
}

void Shape::copyFrom(const Control& other) {
    if (const auto* o = dynamic_cast<const Shape*>(&other)) {
        shape_ = o->shape_;
        fillStyle_ = o->fillStyle_;
        fillColor_ = o->fillColor_;
        borderColor_ = o->borderColor_;
        borderWidth_ = o->borderWidth_;
        lineStyle_ = o->lineStyle_;
    }
    Control::copyFrom(other);
}

void Shape::paint(QPainter& p) const {
    const QRect box = outlineRect(*this, shape_);
    if (box.width() < 1 || box.height() < 1) return;
    // With an aliased pen, a rectangle of width w - 1 covers w pixels.
    const QRect r(box.x(), box.y(), box.width() - 1, box.height() - 1);
    p.save();
    p.setPen(borderPen(borderColor_, borderWidth_, lineStyle_));
    p.setBrush(fillBrush(fillColor_, fillStyle_));
    centreWideStrokes(p, borderWidth_);
    switch (shape_) {
        case 2:
        case 3: p.drawEllipse(r); break;
        case 4: {
            const qreal radius = std::min(box.width(), box.height()) / 6.0;
            p.drawRoundedRect(r, radius, radius);
            break;
        }
        default: p.drawRect(r); break;
    }
    p.restore();
}

}  // namespace forms
