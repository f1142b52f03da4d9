// Replaying 20000 recorded lines on the canvas (never shown) against drawing
// the same primitives straight with QPainter, both in the same run. The
// direct side does the drawing work the program does and nothing else: the
// same points rounded the same way, the same pen (draw width, round ends),
// aliased lines, text without antialiasing in one font per size, the same
// flood fill; it keeps one painter open and parses nothing. What the replay
// costs beyond it is the interpreter and the forms layer.
#include <benchmark/benchmark.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>
#include <vector>

#include "forms/flood_fill.h"
#include "logo/command.h"
#include "support/bench_app.h"
#include "support/canvas_window.h"
#include "support/replay_record.h"
#include "logo/ellipse_outline.h"

namespace {

// Draws commands as the canvas's own operations would, onto `image`.
class DirectCanvas {
public:
    DirectCanvas(QImage& image, int drawWidth, float originX, int16_t originY, double resolution)
        : image_(image), width_(std::max(1, drawWidth)), originX_(originX), originY_(originY), res_(resolution) {}

    void begin() {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
    }
    void end() { painter_.end(); }

    void draw(const logo::Command& c) {
        const auto& a = c.args;
        const QColor col(c.color & 0xFF, (c.color >> 8) & 0xFF, (c.color >> 16) & 0xFF);
        switch (c.word) {
            case logo::Word::LINERGB: line(pixel(tx(a[0]), ty(a[1])), pixel(tx(a[2]), ty(a[3])), col); break;
            case logo::Word::BOXRGB:
                for (int k = 0; k < 4; ++k)
                    line(pixel(tx(a[2 * k]), ty(a[2 * k + 1])), pixel(tx(a[(2 * k + 2) % 8]), ty(a[(2 * k + 3) % 8])), col);
                break;
            case logo::Word::ELLIPSERGB: {
                const auto p = logo::ellipsePoints(tx(a[0]), ty(a[1]), len(a[2]), len(a[3]), static_cast<float>(a[4]));
                line(pixel(p[0].first, p[0].second), pixel(p[49].first, p[49].second), col);
                for (size_t k = 1; k < p.size(); ++k)
                    line(pixel(p[k - 1].first, p[k - 1].second), pixel(p[k].first, p[k].second), col);
                break;
            }
            case logo::Word::FILLRECTRGB:
                filled(false, pixel(tx(a[0] - a[2] / 2), ty(a[1] + a[3] / 2)), pixel(tx(a[0] + a[2] / 2), ty(a[1] - a[3] / 2)),
                       col);
                break;
            case logo::Word::FILLOVALRGB: {
                const double hw = std::fabs(a[2]) / 2, hh = std::fabs(a[3]) / 2;
                const float left = tx(a[0] - hw), top = ty(a[1] + hh);
                filled(true, pixel(left, top), pixel(left + len(2 * hw), top + len(2 * hh)), col);
                break;
            }
            case logo::Word::WRITERGB: text(pixel(tx(a[0]), ty(a[1])), a[2], QString::fromStdString(c.text), col); break;
            case logo::Word::FLOODFILLAT: {
                const QPoint seed(static_cast<int>(std::lround(a[0])), static_cast<int>(std::lround(a[1])));
                if (!image_.rect().contains(seed)) break;
                painter_.end();
                forms::floodFill(reinterpret_cast<uint32_t*>(image_.bits()), image_.width(), image_.height(),
                                 static_cast<int>(image_.bytesPerLine() / 4), seed.x(), seed.y(), col.rgb());
                begin();
                break;
            }
            default: break;
        }
    }

private:
    float tx(double x) const { return static_cast<float>(logo::twipsX(x, originX_, res_)); }
    float ty(double y) const { return static_cast<float>(logo::twipsY(y, originY_, res_)); }
    float len(double v) const { return static_cast<float>(v * res_); }
    static QPoint pixel(float x, float y) {
        return QPoint(static_cast<int>(std::lround(x / 15.0)), static_cast<int>(std::lround(y / 15.0)));
    }

    // Wide aliased strokes are centred on pixels, as the canvas centres them.
    void pen(const QColor& col) {
        painter_.setPen(QPen(col, width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.resetTransform();
        if (width_ > 1) painter_.translate(0.5, 0.5);
    }
    void line(QPoint a, QPoint b, const QColor& col) {
        pen(col);
        if (a == b)
            painter_.drawPoint(a);
        else
            painter_.drawLine(a, b);
    }
    void filled(bool oval, QPoint a, QPoint b, const QColor& col) {
        pen(col);
        painter_.setBrush(col);
        const QRect r(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
        if (oval)
            painter_.drawEllipse(r);
        else
            painter_.drawRect(r);
        painter_.setBrush(Qt::NoBrush);
    }
    void text(QPoint at, double size, const QString& t, const QColor& col) {
        auto it = fonts_.find(size);
        if (it == fonts_.end()) {
            QFont font(QStringLiteral("Liberation Sans"));
            font.setPointSizeF(size);
            font.setStyleStrategy(QFont::NoAntialias);
            it = fonts_.emplace(size, std::make_pair(font, QFontMetrics(font, &image_).ascent())).first;
        }
        painter_.resetTransform();
        painter_.setFont(it->second.first);
        painter_.setPen(col);
        painter_.drawText(QPoint(at.x(), at.y() + it->second.second), t);
    }

    QImage& image_;
    QPainter painter_;
    int width_;
    float originX_;
    int16_t originY_;
    double res_;
    std::map<double, std::pair<QFont, int>> fonts_;  // by size: the font and its ascent
};

// Pixels in which two images of the same size differ.
long differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return static_cast<long>(a.width()) * a.height();
    long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    return n;
}

// Each iteration replays the whole record from a clear canvas on both sides;
// the time is the program's, vs_direct is the program's time over the
// direct side's. differing_pixels compares the two final pictures: near 0
// means both sides did the same drawing.
void BM_ReplayAgainstDirectQPainter(benchmark::State& state) {
    bench::CanvasWindow w;
    Form1& f = *w.form;
    const auto lines = bench::mixedRecord(true);
    std::vector<logo::Command> cmds;
    for (const auto& line : lines) cmds.push_back(*logo::parse(line));
    QImage image(bench::CanvasWindow::kWidth, bench::CanvasWindow::kHeight, QImage::Format_RGB32);
    DirectCanvas direct(image, f.Picture4->DrawWidth(), f.LogoOriginX, f.LogoOriginY, f.Resolution);

    double programSeconds = 0, directSeconds = 0;
    for (auto _ : state) {
        f.Picture4->Cls();
        image.fill(Qt::black);

        const bench::Stopwatch program;
        for (const auto& line : lines) f.RunLogoLine(line);
        const double p = program.seconds();

        const bench::Stopwatch directWatch;
        direct.begin();
        for (const auto& c : cmds) direct.draw(c);
        direct.end();
        const double d = directWatch.seconds();

        state.SetIterationTime(p);
        programSeconds += p;
        directSeconds += d;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["direct_ms"] = directSeconds / n * 1e3;
    state.counters["vs_direct"] = programSeconds / directSeconds;
    state.counters["differing_pixels"] = static_cast<double>(differingPixels(f.Picture4->Image(), image));
}
BENCHMARK(BM_ReplayAgainstDirectQPainter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
