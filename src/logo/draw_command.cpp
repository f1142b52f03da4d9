// Drawing a recorded command with the picture box's own operations.
#include "logo/draw_command.h"

#include <cmath>
#include <limits>

#include "forms/numbers.h"
#include "forms/picture_box.h"
#include "forms/types.h"
#include "logo/ellipse_outline.h"

namespace logo {

namespace {

// The face the text tool prints in: a name no installed font bears, which the
// forms layer maps to its one substitute face.
constexpr const char* kPrintFace = "15";
// The largest font size the forms run time accepts, in points.
constexpr double kMaxFontSize = 2160;

float toSingle(double v) {
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        throw forms::OverflowError("Overflow");
    return static_cast<float>(v);
}

// Puts back the drawing settings a command changes for its own drawing.
class SettingsGuard {
public:
    explicit SettingsGuard(forms::PictureBox& p)
        : p_(p), fore_(p.ForeColor()), fill_(p.FillColor()), fillStyle_(p.FillStyle()),
          scale_(p.ScaleMode()), font_(p.font()) {}
    ~SettingsGuard() {
        if (p_.ForeColor() != fore_) p_.setForeColor(fore_);
        p_.setFillColor(fill_);
        p_.setFillStyle(fillStyle_);
        if (p_.ScaleMode() != scale_) p_.setScaleMode(scale_);
        const forms::Font& now = p_.font();
        if (now.Name != font_.Name) p_.setFontName(font_.Name);
        if (now.Size != font_.Size) p_.setFontSize(font_.Size);
        if (now.Bold != font_.Bold) p_.setFontBold(font_.Bold);
    }
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

private:
    forms::PictureBox& p_;
    forms::Color fore_, fill_;
    int fillStyle_, scale_;
    forms::Font font_;
};

}  // namespace

void drawCommand(forms::PictureBox& canvas, const Command& c, float originX, int16_t originY,
                 double resolution) {
    const WordInfo& w = wordInfo(c.word);
    if (c.args.size() != w.numbers) throw forms::RuntimeError("Wrong number of arguments");
    const auto& a = c.args;
    auto x = [&](double v) { return toSingle(twipsX(v, originX, resolution)); };
    auto y = [&](double v) { return toSingle(twipsY(v, originY, resolution)); };
    auto len = [&](double v) { return toSingle(v * resolution); };

    // Every value is converted before anything is drawn, so a failing
    // command draws nothing.
    SettingsGuard guard(canvas);
    if (c.word != Word::FLOODFILLAT && canvas.ScaleMode() != forms::kScaleTwips)
        canvas.setScaleMode(forms::kScaleTwips);

    switch (c.word) {
    case Word::LINERGB: {
        const float x1 = x(a[0]), y1 = y(a[1]), x2 = x(a[2]), y2 = y(a[3]);
        canvas.Line(x1, y1, x2, y2, c.color);
        break;
    }
    case Word::BOXRGB: {
        float px[4], py[4];
        for (int i = 0; i < 4; ++i) {
            px[i] = x(a[2 * i]);
            py[i] = y(a[2 * i + 1]);
        }
        for (int i = 0; i < 4; ++i) canvas.Line(px[i], py[i], px[(i + 1) % 4], py[(i + 1) % 4], c.color);
        break;
    }
    case Word::ELLIPSERGB: {
        const auto p = ellipsePoints(x(a[0]), y(a[1]), len(a[2]), len(a[3]), toSingle(a[4]));
        // Laid as the outline is: segment 1 joins P(1) and P(50), segment k
        // joins P(k - 1) and P(k).
        canvas.Line(p[0].first, p[0].second, p[49].first, p[49].second, c.color);
        for (size_t k = 1; k < p.size(); ++k)
            canvas.Line(p[k - 1].first, p[k - 1].second, p[k].first, p[k].second, c.color);
        break;
    }
    case Word::FILLRECTRGB: {
        const float x1 = x(a[0] - a[2] / 2), y1 = y(a[1] + a[3] / 2);
        const float x2 = x(a[0] + a[2] / 2), y2 = y(a[1] - a[3] / 2);
        canvas.Box(x1, y1, x2, y2, c.color, true);
        break;
    }
    case Word::FILLOVALRGB: {
        const double hw = std::fabs(a[2]) / 2, hh = std::fabs(a[3]) / 2;
        const float left = x(a[0] - hw), top = y(a[1] + hh);
        canvas.Ellipse(left, top, len(2 * hw), len(2 * hh), c.color, true);
        break;
    }
    case Word::FLOODFILLAT: {
        const float px = toSingle(forms::roundHalfEven(a[0]));
        const float py = toSingle(forms::roundHalfEven(a[1]));
        canvas.setScaleMode(forms::kScalePixels);
        canvas.setFillStyle(0);
        canvas.setFillColor(c.color);
        canvas.FloodFill(px, py);
        break;
    }
    case Word::STAMPRECTRGB: {
        const float x1 = x(-a[0] / 2), y1 = y(a[1] / 2), x2 = x(a[0] / 2), y2 = y(-a[1] / 2);
        canvas.Box(x1, y1, x2, y2, c.color, true);
        break;
    }
    case Word::WRITERGB: {
        const float left = x(a[0]), top = y(a[1]);
        if (!(a[2] >= 1 && a[2] <= kMaxFontSize)) throw forms::RuntimeError("Invalid property value");
        canvas.setForeColor(c.color);
        canvas.setFontName(kPrintFace);
        canvas.setFontSize(static_cast<float>(a[2]));
        canvas.setCurrentX(left);
        canvas.setCurrentY(top);
        canvas.Print(c.text);
        break;
    }
    case Word::CS:
        canvas.Cls();
        break;
    }
}

}  // namespace logo
