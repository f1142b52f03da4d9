// Drawing recorded commands on an offscreen canvas: each word lands where its
// numbers say, in its own colour, and leaves the canvas settings alone.
#include "logo/draw_command.h"

#include <QImage>
#include <algorithm>

#include <gtest/gtest.h>

#include "forms/picture_box.h"
#include "forms/types.h"

#include "support/qt_app.h"

namespace {

using logo::Command;
using logo::Word;

constexpr forms::Color kWhite = forms::rgb(255, 255, 255);
constexpr forms::Color kRed = forms::rgb(255, 0, 0);
constexpr forms::Color kGreen = forms::rgb(0, 128, 0);
constexpr forms::Color kBlue = forms::rgb(0, 0, 255);
constexpr forms::Color kPen = forms::rgb(128, 0, 128);

// A canvas of 200 x 160 pixels; its Logo origin, the centre, is (150, 120)
// in Logo units of 10 twips, pixel (100, 80).
constexpr float kOriginX = 150;
constexpr int16_t kOriginY = 120;

class DrawCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ensureQtApp();
        canvas.setAutoRedraw(true);
        canvas.setWidth(200 * 15);
        canvas.setHeight(160 * 15);
        canvas.setBackColor(kWhite);
        canvas.setForeColor(kPen);
        canvas.setFillColor(kGreen);
        canvas.setFillStyle(1);
        canvas.setFontName("Arial");
        canvas.setFontSize(9);
    }

    void draw(Word w, std::vector<double> args, forms::Color c, std::string text = {}) {
        logo::drawCommand(canvas, Command{w, std::move(args), c, std::move(text)}, kOriginX, kOriginY, 10);
    }

    // Pixels of colour c in the rectangle [x0, x1) x [y0, y1).
    int count(forms::Color c, int x0 = 0, int y0 = 0, int x1 = 200, int y1 = 160) const {
        const QImage img = canvas.Image();
        int n = 0;
        for (int y = std::max(0, y0); y < std::min(y1, img.height()); ++y)
            for (int x = std::max(0, x0); x < std::min(x1, img.width()); ++x)
                n += at(img, x, y) == c;
        return n;
    }
    forms::Color at(int x, int y) const { return at(canvas.Image(), x, y); }
    static forms::Color at(const QImage& img, int x, int y) {
        const QRgb p = img.pixel(x, y);
        return forms::rgb(qRed(p), qGreen(p), qBlue(p));
    }

    forms::PictureBox canvas{"Picture4"};
};

TEST_F(DrawCommand, EachWordDrawsInItsColourWhereItsNumbersSay) {
    // A line 100 units long through the origin, drawn in twips although the
    // canvas was left in pixels.
    canvas.setScaleMode(forms::kScalePixels);
    draw(Word::LINERGB, {-50, 0, 50, 0}, kRed);
    EXPECT_GE(count(kRed, 66, 79, 135, 82), 64);
    EXPECT_EQ(count(kRed), count(kRed, 66, 79, 135, 82));
    canvas.Cls();

    // The box joins its four corners in turn and is not filled.
    draw(Word::BOXRGB, {-40, 30, 40, 30, 40, -30, -40, -30}, kGreen);
    EXPECT_GE(count(kGreen, 72, 59, 128, 62), 50);   // top side
    EXPECT_GE(count(kGreen, 72, 98, 128, 101), 50);  // bottom side
    EXPECT_GE(count(kGreen, 72, 60, 75, 100), 38);   // left side
    EXPECT_EQ(at(100, 80), kWhite);
    canvas.Cls();

    // Ellipse centred on the origin, 120 x 60 units: its ends at x 40 and
    // 160 px, its top at y 60 px.
    draw(Word::ELLIPSERGB, {0, 0, 120, 60, 0}, kBlue);
    EXPECT_GT(count(kBlue, 138, 77, 142, 84), 0);
    EXPECT_GT(count(kBlue, 58, 77, 62, 84), 0);
    EXPECT_GT(count(kBlue, 96, 58, 104, 62), 0);
    EXPECT_EQ(count(kBlue, 70, 70, 130, 90), 0);  // an outline, not filled
    EXPECT_EQ(count(kBlue, 0, 0, 57, 160) + count(kBlue, 144, 0, 200, 160), 0);
    canvas.Cls();

    // Filled rectangle: centre (30, -15) = pixel (120, 90), 30 x 24 units =
    // 20 x 16 pixels.
    draw(Word::FILLRECTRGB, {30, -15, 30, 24}, kRed);
    EXPECT_EQ(at(120, 90), kRed);
    EXPECT_EQ(count(kRed, 111, 83, 129, 97), 18 * 14);
    EXPECT_EQ(count(kRed), count(kRed, 109, 81, 131, 99));
    canvas.Cls();

    // Filled oval in the same rectangle: the centre is filled, the corners
    // of the rectangle are not.
    draw(Word::FILLOVALRGB, {30, -15, 30, 24}, kGreen);
    EXPECT_EQ(at(120, 90), kGreen);
    EXPECT_EQ(at(111, 83), kWhite);
    EXPECT_EQ(at(129, 97), kWhite);
    EXPECT_NEAR(count(kGreen), 3.1416 * 10 * 8, 40);
    canvas.Cls();

    // The background colour change covers the whole canvas.
    draw(Word::STAMPRECTRGB, {2 * kOriginX, 2.0 * kOriginY}, kBlue);
    EXPECT_EQ(count(kBlue), 200 * 160);

    // CS clears to the background.
    draw(Word::CS, {}, 0);
    EXPECT_EQ(count(kWhite), 200 * 160);

    // The settings the words changed for their drawing are back.
    EXPECT_EQ(canvas.ForeColor(), kPen);
    EXPECT_EQ(canvas.FillColor(), kGreen);
    EXPECT_EQ(canvas.FillStyle(), 1);
    EXPECT_EQ(canvas.ScaleMode(), forms::kScalePixels);
    EXPECT_EQ(canvas.font().Name, "Arial");
    EXPECT_EQ(canvas.font().Size, 9.0f);
}

TEST_F(DrawCommand, FloodFillTakesRoundedPixelsAndStaysInsideAClosedEllipse) {
    draw(Word::ELLIPSERGB, {0, 0, 120, 60, 30}, kBlue);
    // (100.5, 79.5) rounds half to even to pixel (100, 80), inside.
    draw(Word::FLOODFILLAT, {100.5, 79.5}, kRed);
    EXPECT_EQ(at(100, 80), kRed);
    EXPECT_GT(count(kRed), 1500);
    // The outline is closed: nothing leaks to the corners.
    EXPECT_EQ(at(0, 0), kWhite);
    EXPECT_EQ(at(199, 159), kWhite);
    EXPECT_EQ(canvas.FillColor(), kGreen);
    EXPECT_EQ(canvas.FillStyle(), 1);
    EXPECT_EQ(canvas.ScaleMode(), forms::kScaleTwips);
}

TEST_F(DrawCommand, WritesATextWithQuotesAndCommasAtItsTopLeftCorner) {
    const auto cmd = logo::parse("WRITERGB \"He said \"hi, (you)\",255 (-60) (60) 14\"");
    ASSERT_TRUE(cmd.has_value());
    logo::drawCommand(canvas, *cmd, kOriginX, kOriginY, 10);
    // Top-left corner at Logo (-60, 60) = pixel (60, 40).
    EXPECT_GT(count(kRed, 60, 40, 200, 80), 30);
    EXPECT_EQ(count(kRed, 0, 0, 200, 40) + count(kRed, 0, 0, 59, 160), 0);
    EXPECT_EQ(canvas.ForeColor(), kPen);
    EXPECT_EQ(canvas.font().Name, "Arial");
    EXPECT_EQ(canvas.font().Size, 9.0f);
}

TEST_F(DrawCommand, ResolutionScalesLogoUnitsAboutTheOrigin) {
    logo::drawCommand(canvas, Command{Word::FILLRECTRGB, {0, 0, 30, 30}, kRed, {}}, kOriginX, kOriginY, 5);
    // 5 twips a unit: the origin stays at twips (1500, 1200) = pixel (100, 80),
    // the square is 150 twips = 10 pixels wide.
    EXPECT_EQ(at(100, 80), kRed);
    EXPECT_EQ(count(kRed), count(kRed, 95, 75, 106, 86));
    EXPECT_GE(count(kRed), 100);
}

TEST_F(DrawCommand, AFailingCommandDrawsNothing) {
    EXPECT_THROW(draw(Word::LINERGB, {1, 2, 3}, kRed), forms::RuntimeError);
    EXPECT_THROW(draw(Word::LINERGB, {0, 0, 1e39, 0}, kRed), forms::OverflowError);
    EXPECT_THROW(draw(Word::WRITERGB, {0, 0, 1e8}, kRed, "big"), forms::RuntimeError);
    EXPECT_THROW(draw(Word::WRITERGB, {0, 0, 0}, kRed, "none"), forms::RuntimeError);
    EXPECT_EQ(count(kWhite), 200 * 160);
    EXPECT_EQ(canvas.ForeColor(), kPen);
    EXPECT_EQ(canvas.font().Size, 9.0f);
}

// An edited script may hold any number: coordinates far off the canvas draw
// what falls on it, quickly, without crashing.
TEST_F(DrawCommand, HugeNumbersFromAnEditedScriptAreSafe) {
    for (double v : {1e6, 1e12, 1e30}) {
        draw(Word::LINERGB, {-v, 0, v, 0}, kRed);
        draw(Word::BOXRGB, {-v, v, v, v, v, -v, -v, -v}, kRed);
        draw(Word::ELLIPSERGB, {0, 0, v, v, 45}, kRed);
        draw(Word::FILLOVALRGB, {v, 0, v, v}, kRed);
        draw(Word::FILLRECTRGB, {0, v, v, 10}, kRed);
        draw(Word::FLOODFILLAT, {v, -v}, kRed);
        draw(Word::WRITERGB, {v, -v, 12}, kRed, "far away");
    }
    draw(Word::STAMPRECTRGB, {1e30, 1e30}, kBlue);
    EXPECT_EQ(count(kBlue), 200 * 160);
}

}  // namespace
