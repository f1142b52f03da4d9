// The cost of one key command (a turn with the ellipse tool, common tail
// included) and of replaying 20000 recorded lines against drawing the same
// primitives with QPainter directly.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cmath>
#include <memory>

#include "forms/flood_fill.h"
#include "forms/platform.h"
#include "logo/command.h"
#include "window/form1.h"
#include "window/palette.h"

namespace {

struct Window {
    forms::ScriptedPlatform platform;
    std::unique_ptr<Form1> form;

    Window() {
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            new QApplication(argc, argv);
        }
        platform.widthPx = 1920 + 2 * 96;  // a canvas of 1920 x 1080 pixels
        platform.heightPx = 1080;
        forms::setPlatform(&platform);
        forms::Timer::setLiveTimers(false);
        form = std::make_unique<Form1>();
        Form1& f = *form;
        f.Picture4->setWidth(1920 * 15);
        f.Picture4->setHeight(1080 * 15);
        f.Picture4->setBackColor(0);
        for (int k = 0; k < palette::kSize; ++k) f.Label2(k).setBackColor(palette::colorOf(k));
        f.Pi = 3.1415927;
        f.RotatingStep = 1;
        f.MovingStep = 100;
        f.MaxX = 1920 * 15;
        f.MaxY = 1080 * 15;
        f.HomeX = 960 * 15;
        f.HomeY = 540 * 15;
        f.VirtualCenterX = f.HomeX;
        f.VirtualCenterY = f.HomeY;
        f.Resolution = 10;
        f.LogoOriginX = 1440;
        f.LogoOriginY = 810;
        f.KeyResponder(36, 0);
    }
};

// 20000 lines, a mix of every word, spread over the canvas.
std::vector<std::string> mixedRecord() {
    std::vector<std::string> lines;
    for (int i = 0; i < 20000; ++i) {
        const int x = (i * 37) % 2400 - 1200, y = (i * 53) % 1400 - 700;
        const int c = palette::colorOf(i % 27);
        switch (i % 8) {
            case 0: lines.push_back("LINERGB (" + std::to_string(x) + ") (" + std::to_string(y) + ") (" +
                                    std::to_string(x + 80) + ") (" + std::to_string(y - 40) + ") " + std::to_string(c)); break;
            case 1: lines.push_back("BOXRGB (" + std::to_string(x) + ") (" + std::to_string(y) + ") (" +
                                    std::to_string(x + 50) + ") (" + std::to_string(y - 50) + ") (" + std::to_string(x + 100) +
                                    ") (" + std::to_string(y) + ") (" + std::to_string(x + 50) + ") (" +
                                    std::to_string(y + 50) + ") " + std::to_string(c)); break;
            case 2: lines.push_back("ELLIPSERGB (" + std::to_string(x) + ") (" + std::to_string(y) + ") (100) (60) (" +
                                    std::to_string(i % 360) + ") " + std::to_string(c)); break;
            case 3: lines.push_back("FILLRECTRGB (" + std::to_string(x) + ") (" + std::to_string(y) + ") (60) (40) " + std::to_string(c)); break;
            case 4: lines.push_back("FILLOVALRGB (" + std::to_string(x) + ") (" + std::to_string(y) + ") (60) (40) " + std::to_string(c)); break;
            case 5: lines.push_back("WRITERGB \"abc,def," + std::to_string(c) + " (" + std::to_string(x) + ") (" +
                                    std::to_string(y) + ") 12\""); break;
            case 6: lines.push_back("LINERGB (" + std::to_string(x) + ".5) (" + std::to_string(y) + ".25) (" +
                                    std::to_string(x + 3) + ") (" + std::to_string(y) + ") " + std::to_string(c)); break;
            default: lines.push_back("FLOODFILLAT (" + std::to_string((i * 7) % 1920) + ") (" +
                                     std::to_string((i * 11) % 1080) + ") " + std::to_string(c)); break;
        }
    }
    return lines;
}

void BM_KeyResponderTurnWithEllipse(benchmark::State& state) {
    Window w;
    w.form->ToolNo = 2;
    for (auto _ : state) w.form->KeyResponder(39, 2);
}
BENCHMARK(BM_KeyResponderTurnWithEllipse);

void BM_ReplayThroughInterpreter(benchmark::State& state) {
    Window w;
    const auto lines = mixedRecord();
    for (auto _ : state) {
        for (const auto& line : lines) w.form->RunLogoLine(line);
    }
}
BENCHMARK(BM_ReplayThroughInterpreter)->Unit(benchmark::kMillisecond);

// The same primitives drawn straight with QPainter on an image of the same
// size (the parsing and the forms layer are what the replay adds).
void BM_ReplayDirectQPainter(benchmark::State& state) {
    Window w;
    const auto lines = mixedRecord();
    std::vector<logo::Command> cmds;
    for (const auto& line : lines) cmds.push_back(*logo::parse(line));
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (auto _ : state) {
        QPainter p(&image);
        for (const auto& c : cmds) {
            const QColor col(c.color & 0xFF, (c.color >> 8) & 0xFF, (c.color >> 16) & 0xFF);
            auto px = [&](double x) { return static_cast<int>((x + 1440) * 10 / 15); };
            auto py = [&](double y) { return static_cast<int>((810 - y) * 10 / 15); };
            switch (c.word) {
                case logo::Word::LINERGB:
                    p.setPen(QPen(col, 2));
                    p.drawLine(px(c.args[0]), py(c.args[1]), px(c.args[2]), py(c.args[3]));
                    break;
                case logo::Word::BOXRGB:
                    p.setPen(QPen(col, 2));
                    for (int k = 0; k < 4; ++k)
                        p.drawLine(px(c.args[2 * k]), py(c.args[2 * k + 1]), px(c.args[(2 * k + 2) % 8]),
                                   py(c.args[(2 * k + 3) % 8]));
                    break;
                case logo::Word::ELLIPSERGB: {
                    p.setPen(QPen(col, 2));
                    QPoint prev;
                    for (int k = 0; k <= 50; ++k) {
                        const double t = k * 2 * 3.14159265 / 50;
                        const QPoint pt(px(c.args[0] + c.args[2] / 2 * std::cos(t)), py(c.args[1] + c.args[3] / 2 * std::sin(t)));
                        if (k) p.drawLine(prev, pt);
                        prev = pt;
                    }
                    break;
                }
                case logo::Word::FILLRECTRGB:
                    p.fillRect(px(c.args[0] - c.args[2] / 2), py(c.args[1] + c.args[3] / 2), static_cast<int>(c.args[2] * 10 / 15),
                               static_cast<int>(c.args[3] * 10 / 15), col);
                    break;
                case logo::Word::FILLOVALRGB:
                    p.setPen(col);
                    p.setBrush(col);
                    p.drawEllipse(px(c.args[0] - c.args[2] / 2), py(c.args[1] + c.args[3] / 2), static_cast<int>(c.args[2] * 10 / 15),
                                  static_cast<int>(c.args[3] * 10 / 15));
                    p.setBrush(Qt::NoBrush);
                    break;
                case logo::Word::WRITERGB:
                    p.setPen(col);
                    p.setFont(QFont("Liberation Sans", 12));
                    p.drawText(px(c.args[0]), py(c.args[1]) + 12, QString::fromStdString(c.text));
                    break;
                case logo::Word::FLOODFILLAT:
                    p.end();
                    forms::floodFill(reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(),
                                     static_cast<int>(image.bytesPerLine() / 4), static_cast<int>(c.args[0]),
                                     static_cast<int>(c.args[1]), col.rgb());
                    p.begin(&image);
                    break;
                default: break;
            }
        }
    }
}
BENCHMARK(BM_ReplayDirectQPainter)->Unit(benchmark::kMillisecond);

}  // namespace
