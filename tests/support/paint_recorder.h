// Records where a widget is painted: an event filter that collects the
// region of every paint event the widget gets. (Qt drops a filter that is
// destroyed from the widget's list by itself.)
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* w) { w->installEventFilter(this); }

    // Lets every pending repaint happen.
    static void flush() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    // Lets pending repaints happen, then records afresh.
    void start() {
        flush();
        region_ = QRegion();
        pixels_ = 0;
    }

    // Everything painted since start().
    const QRegion& region() const { return region_; }
    // The pixels painted since start(), counted once per paint event.
    long pixels() const { return pixels_; }

    static long area(const QRegion& r) {
        long n = 0;
        for (const QRect& part : r) n += static_cast<long>(part.width()) * part.height();
        return n;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QRegion& painted = static_cast<QPaintEvent*>(event)->region();
            region_ += painted;
            pixels_ += area(painted);
        }
        return false;
    }

private:
    QRegion region_;
    long pixels_ = 0;
};
