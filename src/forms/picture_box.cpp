// The picture box: a persistent RGB32 image at the box's pixel size that the
// drawing operations paint into (aliased, exact colours), shown by a widget
// that repaints only what changed and paints the windowless Lines and Shapes
// the box holds over it.
#include "forms/picture_box.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_set>

#include "forms/dirty_rects.h"
#include "forms/flood_fill.h"
#include "forms/qt_convert.h"
#include "forms/windowless.h"

namespace forms {

namespace {

// The largest side of the persistent image; larger boxes show their
// top-left part of this size.
constexpr int kMaxSide = 16384;

// A size in twips as whole pixels (0 for nothing, NaN or negative).
int pixelSize(float twips) {
    const double p = static_cast<double>(twips) / kTwipsPerPixel;
    if (!(p > 0)) return 0;
    return p >= kMaxSide ? kMaxSide : static_cast<int>(std::lround(p));
}

// lround for coordinates of any size: far-off points stay far off without
// overflowing, NaN goes far off the image.
int pixelCoord(double v) {
    constexpr double kFar = 1e6;
    if (std::isnan(v)) return static_cast<int>(-kFar);
    return static_cast<int>(std::lround(std::clamp(v, -kFar, kFar)));
}

// The pen of the drawing operations: DrawWidth pixels, round ends. Qt
// centres wide aliased strokes on pixel corners; shifting them by half a
// pixel centres them on the pixels themselves, so a line of odd width lies
// symmetrically about the pixels of its thin version.
void setDrawPen(QPainter& p, const QColor& c, int width) {
    p.setPen(QPen(c, std::max(1, width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (width > 1) p.translate(0.5, 0.5);
}

// The font of Print: the box's font, without antialiasing so that text is
// drawn in exactly the fore colour (a later flood fill finds clean edges).
QFont printFont(const Font& f) {
    QFont font = toQFont(f);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The Lines and Shapes of a picture box, painted on a transparent layer
// that lies above the box's labels and images and below its windowed
// controls, as drawn controls lie: a frame shape shows
// over the icon or colour cell it marks, and a panel covers the tool cross.
class WindowlessLayer : public QWidget {
public:
    WindowlessLayer(const PictureBox* box, QWidget* parent) : QWidget(parent), box_(box) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }
    void release() { box_ = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!box_) return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (const Control* c : box_->Children()) {
            if (!c->Visible()) continue;
            if (const auto* line = dynamic_cast<const Line*>(c))
                line->paint(p);
            else if (const auto* shape = dynamic_cast<const Shape*>(c))
                shape->paint(p);
        }
    }

private:
    const PictureBox* box_;
};

// Labels and images are drawn controls: they lie beneath the box's Lines
// and Shapes.
bool isDrawnKind(ControlKind k) { return k == ControlKind::Label || k == ControlKind::Image; }

class PictureView : public QWidget {
public:
    PictureView(const PictureBox* box, QWidget* parent) : QWidget(parent), box_(box) {
        // The image covers the widget: no background to clear first.
        setAttribute(Qt::WA_OpaquePaintEvent);
        layer_ = new WindowlessLayer(box, this);
        layer_->resize(size());
        layer_->show();
    }
    void release() {
        box_ = nullptr;
        layer_->release();
    }

    // The layer goes above every label and image, and every windowed child
    // above the layer, each group keeping its own order.
    void restack() {
        if (!box_) return;
        std::unordered_set<const QWidget*> drawn;
        for (const Control* c : box_->Children())
            if (c->widget() && isDrawnKind(c->Kind())) drawn.insert(c->widget());
        layer_->raise();
        const QObjectList kids = children();  // bottom first
        for (QObject* o : kids) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w != layer_ && !drawn.count(w)) w->raise();
        }
    }

    // Places a new child's widget (Qt made it the topmost child): a label or
    // image goes just beneath the layer, a windowed control stays on top.
    void placeNewChild(QWidget* w, ControlKind kind) {
        if (isDrawnKind(kind)) w->stackUnder(layer_);
    }

    // Asks for `r` to be repainted, and remembers it for repaintChanged().
    void markChanged(const QRegion& r) {
        const QRegion part = r & rect();
        if (part.isEmpty()) return;
        changed_ += part;
        update(part);
    }
    // Repaints now what changed since the last paint.
    void repaintChanged() {
        if (changed_.isEmpty()) return;
        repaint(changed_);
        changed_ = QRegion();
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        layer_->resize(e->size());
        QWidget::resizeEvent(e);
    }
    void paintEvent(QPaintEvent* e) override {
        changed_ -= e->region();
        if (!box_) return;
        QPainter p(this);
        box_->paint(p, e->region());
        if (box_->BorderStyle() == 1) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(0, 0, width() - 1, height() - 1);
        }
    }

private:
    const PictureBox* box_;
    WindowlessLayer* layer_ = nullptr;
    QRegion changed_;  // asked to repaint, not painted yet
};

PictureView* viewOf(QWidget* w) { return dynamic_cast<PictureView*>(w); }

// Text is measured on an image like the persistent one (the same
// resolution), which may not exist yet.
const QImage& textDevice() {
    static const QImage device(1, 1, QImage::Format_RGB32);
    return device;
}

}  // namespace

PictureBox::PictureBox(std::string name, int index) : Control(ControlKind::PictureBox, std::move(name), index) {}

PictureBox::~PictureBox() {
    // The base deletes the widget; it must not paint a half-destroyed box.
    if (auto* view = viewOf(widget_)) view->release();
}

QWidget* PictureBox::createWidget(QWidget* parent) { return new PictureView(this, parent); }

void PictureBox::syncWidget() { Control::syncWidget(); }

void PictureBox::childAttached(Control& child) {
    if (auto* view = viewOf(widget_)) view->placeNewChild(child.widget(), child.Kind());
}

void PictureBox::updateArea(const QRegion& r) {
    if (auto* view = viewOf(widget_)) view->markChanged(r);
}

void PictureBox::childAreaChanged(Control& child) {
    changedChildren_.push_back(&child);
    auto* view = viewOf(widget_);
    if (!view) {
        settleChildren();  // nothing shows the box: only the areas are kept
    } else if (!settleQueued_) {
        settleQueued_ = true;
        QMetaObject::invokeMethod(
            view,
            [this] {
                settleQueued_ = false;
                settleChildren();
            },
            Qt::QueuedConnection);
    }
}

void PictureBox::childAreaDropped(Control& child) {
    std::erase(changedChildren_, &child);
}

void PictureBox::settleChildren() {
    if (changedChildren_.empty()) return;
    std::vector<QRect> dirty;
    dirty.reserve(2 * changedChildren_.size());
    for (Control* c : changedChildren_) c->settleArea(dirty);
    changedChildren_.clear();
    std::vector<PixelRect> parts;
    parts.reserve(dirty.size());
    for (const QRect& d : dirty) parts.push_back({d.left(), d.top(), d.right() + 1, d.bottom() + 1});
    // A square of 32 pixels more to paint per merge is cheaper than a region
    // of many pieces.
    QRegion r;
    for (const PixelRect& m : mergeDirtyRects(parts, 32 * 32))
        r += QRect(QPoint(m.left, m.top), QPoint(m.right - 1, m.bottom - 1));
    updateArea(r);
}

void PictureBox::restack() {
    if (auto* view = viewOf(widget_)) view->restack();
}

void PictureBox::copyFrom(const Control& other) {
    if (const auto* o = dynamic_cast<const PictureBox*>(&other)) {
        autoRedraw_ = o->autoRedraw_;
        autoSize_ = o->autoSize_;
        picture_ = o->picture_;
        scaleMode_ = o->scaleMode_;
        drawWidth_ = o->drawWidth_;
        fillStyle_ = o->fillStyle_;
        fillColor_ = o->fillColor_;
    }
    Control::copyFrom(other);
    drawn_ = false;
    resizeImage();
    clearImage();
    updateArea(drawableRect());
}

// --- The persistent image -----------------------------------------------------

QRect PictureBox::drawableRect() const { return QRect(0, 0, pixelSize(width_), pixelSize(height_)); }

void PictureBox::paintBackground(QPainter& p, const QRect& r) const {
    p.fillRect(r, toQColor(backColor_));
    const QRect part = r & picture_.rect();
    if (!part.isEmpty()) p.drawImage(part.topLeft(), picture_, part);
}

QImage PictureBox::backgroundPart(const QRect& r) const {
    QImage part(r.size(), QImage::Format_RGB32);
    if (part.isNull()) throw RuntimeError("Out of memory");
    QPainter p(&part);
    p.translate(-r.topLeft());
    paintBackground(p, r);
    return part;
}

void PictureBox::paint(QPainter& p, const QRegion& region) const {
    const QRect shown = drawableRect();
    for (const QRect& r : region) {
        const QRect part = r & shown;
        if (part.isEmpty()) continue;
        if (image_.isNull())
            paintBackground(p, part);
        else
            p.drawImage(part.topLeft(), image_, part);
    }
    const QColor back = toQColor(backColor_);
    for (const QRect& r : region - QRegion(shown)) p.fillRect(r, back);
}

QImage& PictureBox::drawingImage() {
    if (image_.isNull()) {
        const QSize size(std::max(1, pixelSize(width_)), std::max(1, pixelSize(height_)));
        image_ = QImage(size, QImage::Format_RGB32);
        if (image_.isNull()) throw RuntimeError("Out of memory");
        const bool drawn = drawn_;
        clearImage();
        drawn_ = drawn;
    }
    return image_;
}

QImage& PictureBox::canvas() {
    drawn_ = true;
    return drawingImage();
}

void PictureBox::clearImage() {
    drawn_ = false;
    if (image_.isNull()) return;
    QPainter p(&image_);
    paintBackground(p, image_.rect());
}

void PictureBox::resizeImage() {
    if (image_.isNull()) return;
    const int w = std::max(1, pixelSize(width_)), h = std::max(1, pixelSize(height_));
    if (image_.width() == w && image_.height() == h) return;
    QImage next(w, h, QImage::Format_RGB32);
    if (next.isNull()) throw RuntimeError("Out of memory");
    std::swap(image_, next);
    const bool keep = drawn_;
    clearImage();
    if (keep) {
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, next);
        drawn_ = true;
    }
    updateArea(image_.rect());
}

void PictureBox::setWidth(float v) {
    Control::setWidth(v);
    resizeImage();
}

void PictureBox::setHeight(float v) {
    Control::setHeight(v);
    resizeImage();
}

void PictureBox::setPicture(const QImage& p) {
    picture_ = p;
    if (autoSize_ && !p.isNull()) {
        width_ = static_cast<float>(p.width()) * kTwipsPerPixel;
        height_ = static_cast<float>(p.height()) * kTwipsPerPixel;
        syncGeometry();
    }
    drawn_ = false;
    resizeImage();
    clearImage();
    updateArea(drawableRect());
}

QImage PictureBox::Image() {
    const QRect r = drawableRect();
    if (r.isEmpty()) return QImage();
    // Asked for its pixels, a box never drawn on makes its image now (its
    // background), so that asking again, as every key command does while
    // the Script Manager shows the canvas, copies nothing.
    const QImage& image = drawingImage();
    return r == image.rect() ? image : image.copy(r);
}

void PictureBox::setBackColor(Color c) {
    Control::setBackColor(c);
    Cls();
}

void PictureBox::Cls() {
    clearImage();
    currentX_ = currentY_ = 0;
    updateArea(drawableRect());
}

void PictureBox::Refresh() {
    settleChildren();
    if (auto* view = viewOf(widget_)) view->repaintChanged();
}

// --- Scale ----------------------------------------------------------------------

void PictureBox::setScaleMode(int m) {
    if (m != kScaleTwips && m != kScalePixels) throw RuntimeError("Invalid property value");
    scaleMode_ = m;
}

void PictureBox::setDrawWidth(int w) {
    if (w < 1 || w > 32767) throw RuntimeError("Invalid property value");
    drawWidth_ = w;
}

float PictureBox::ScaleWidth() const {
    const float px = static_cast<float>(pixelSize(width_));
    return scaleMode_ == kScalePixels ? px : px * kTwipsPerPixel;
}

float PictureBox::ScaleHeight() const {
    const float px = static_cast<float>(pixelSize(height_));
    return scaleMode_ == kScalePixels ? px : px * kTwipsPerPixel;
}

double PictureBox::toPixels(float v) const {
    return scaleMode_ == kScalePixels ? static_cast<double>(v) : static_cast<double>(v) / kTwipsPerPixel;
}

QPoint PictureBox::toPixel(float x, float y) const { return QPoint(pixelCoord(toPixels(x)), pixelCoord(toPixels(y))); }

// --- Drawing --------------------------------------------------------------------

void PictureBox::Line(float x1, float y1, float x2, float y2, Color color) {
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    {
        QPainter p(&drawingImage());
        setDrawPen(p, toQColor(color == -1 ? foreColor_ : color), drawWidth_);
        // A line of no length still paints its point, DrawWidth wide.
        if (a == b)
            p.drawPoint(a);
        else
            p.drawLine(a, b);
    }
    drawn_ = true;
    currentX_ = x2;
    currentY_ = y2;
    const int m = drawWidth_ / 2 + 2;
    updateArea(QRect(a, b).normalized().adjusted(-m, -m, m, m));
}

void PictureBox::Box(float x1, float y1, float x2, float y2, Color color, bool filled) {
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    const QColor c = toQColor(color == -1 ? foreColor_ : color);
    // Both corners belong to the box: an aliased outline of a rectangle
    // w x h covers w + 1 x h + 1 pixels.
    const QRect r(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    {
        QPainter p(&drawingImage());
        setDrawPen(p, c, drawWidth_);
        p.setBrush(filled ? QBrush(c) : QBrush(Qt::NoBrush));
        p.drawRect(r);
    }
    drawn_ = true;
    currentX_ = x2;
    currentY_ = y2;
    const int m = drawWidth_ / 2 + 2;
    updateArea(r.adjusted(-m, -m, m, m));
}

void PictureBox::Ellipse(float x, float y, float w, float h, Color color, bool filled) {
    const QPoint a = toPixel(x, y), b = toPixel(x + w, y + h);
    const QColor c = toQColor(color == -1 ? foreColor_ : color);
    const QRect r(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    {
        QPainter p(&drawingImage());
        setDrawPen(p, c, drawWidth_);
        p.setBrush(filled ? QBrush(c) : QBrush(Qt::NoBrush));
        p.drawEllipse(r);
    }
    drawn_ = true;
    const int m = drawWidth_ / 2 + 2;
    updateArea(r.adjusted(-m, -m, m, m));
}

void PictureBox::PSet(float x, float y, Color color) {
    const QPoint a = toPixel(x, y);
    const QColor c = toQColor(color == -1 ? foreColor_ : color);
    if (drawWidth_ <= 1) {
        QImage& image = drawingImage();
        if (image.rect().contains(a)) image.setPixel(a, c.rgb());
    } else {
        QPainter p(&drawingImage());
        setDrawPen(p, c, drawWidth_);
        p.drawPoint(a);
    }
    drawn_ = true;
    currentX_ = x;
    currentY_ = y;
    const int m = drawWidth_ / 2 + 2;
    updateArea(QRect(a, a).adjusted(-m, -m, m, m));
}

Color PictureBox::Point(float x, float y) const {
    const QPoint a = toPixel(x, y);
    if (!drawableRect().contains(a)) return -1;
    const QRgb v = image_.isNull() ? backgroundPart(QRect(a, QSize(1, 1))).pixel(0, 0) : image_.pixel(a);
    return rgb(qRed(v), qGreen(v), qBlue(v));
}

void PictureBox::Print(const std::string& text) {
    const QFont font = printFont(font_);
    const QFontMetrics fm(font, &textDevice());
    const QString t = QString::fromStdString(text);
    const QPoint at = toPixel(currentX_, currentY_);
    {
        QPainter p(&drawingImage());
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(toQColor(foreColor_));
        p.drawText(QPoint(at.x(), at.y() + fm.ascent()), t);
    }
    drawn_ = true;
    currentX_ = 0;
    currentY_ += scaleMode_ == kScalePixels ? static_cast<float>(fm.height())
                                            : static_cast<float>(fm.height()) * kTwipsPerPixel;
    // Glyphs may overhang their advance a little (italic, wide faces).
    updateArea(QRect(at.x() - fm.maxWidth(), at.y(), fm.horizontalAdvance(t) + 2 * fm.maxWidth(), fm.height()));
}

float PictureBox::TextHeight(const std::string&) const {
    const QFontMetrics fm(printFont(font_), &textDevice());
    const float px = static_cast<float>(fm.height());
    return scaleMode_ == kScalePixels ? px : px * kTwipsPerPixel;
}

float PictureBox::TextWidth(const std::string& text) const {
    const QFontMetrics fm(printFont(font_), &textDevice());
    const float px = static_cast<float>(fm.horizontalAdvance(QString::fromStdString(text)));
    return scaleMode_ == kScalePixels ? px : px * kTwipsPerPixel;
}

void PictureBox::PaintPicture(const QImage& pic, float dx, float dy, float dw, float dh, float sx, float sy,
                              float sw, float sh) {
    if (pic.isNull()) throw RuntimeError("Invalid picture");
    const QPoint a = toPixel(dx, dy), b = toPixel(dx + dw, dy + dh);
    const QRect target = QRect(a, QSize(b.x() - a.x(), b.y() - a.y())).normalized();
    const QRectF source(sx / kTwipsPerPixel, sy / kTwipsPerPixel, sw / kTwipsPerPixel, sh / kTwipsPerPixel);
    if (target.isEmpty() || !(source.width() > 0) || !(source.height() > 0)) return;
    {
        QPainter p(&drawingImage());
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(QRectF(target), pic, source);
    }
    drawn_ = true;
    updateArea(target);
}

void PictureBox::FloodFill(float x, float y) {
    const QPoint a = toPixel(x, y);
    if (!drawableRect().contains(a)) return;
    const uint32_t fill = toQColor(fillColor_).rgb();
    QImage& image = drawingImage();
    FillBounds b;
    const long changed = floodFill(reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(),
                                   static_cast<int>(image.bytesPerLine() / 4), a.x(), a.y(), fill, b);
    if (changed > 0) {
        drawn_ = true;
        updateArea(QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom)));
    }
}

}  // namespace forms
