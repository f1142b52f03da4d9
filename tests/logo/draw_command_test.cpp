// Drawing recorded commands: each word in its colour where its numbers say.
#include "logo/draw_command.h"

#include <gtest/gtest.h>

#include "forms/picture_box.h"
#include "support/qt_app.h"

using logo::Word;

constexpr forms::Color kWhite = forms::rgb(255, 255, 255), kRed = forms::rgb(255, 0, 0);
constexpr forms::Color kGreen = forms::rgb(0, 128, 0), kBlue = forms::rgb(0, 0, 255);
constexpr forms::Color kPen = forms::rgb(128, 0, 128);

// A canvas of 200 x 160 pixels; its Logo origin (150, 120) is pixel (100, 80).
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
        canvas.setFontSize(9);
    }
    void draw(Word w, std::vector<double> args, forms::Color c, std::string text = {}, double res = 10) {
        logo::drawCommand(canvas, logo::Command{w, std::move(args), c, std::move(text)}, 150, 120, res);
    }
    // Pixels of colour c in the rectangle [x0, x1) x [y0, y1).
    int count(forms::Color c, int x0 = 0, int y0 = 0, int x1 = 200, int y1 = 160) {
        const QImage img = canvas.Image();
        const QRgb want = qRgb(c & 255, (c >> 8) & 255, c >> 16);
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += (img.pixel(x, y) | 0xFF000000u) == want;
        return n;
    }
    forms::PictureBox canvas{"Picture4"};
};

TEST_F(DrawCommand, EachWordDrawsInItsColourWhereItsNumbersSay) {
    canvas.setScaleMode(forms::kScalePixels);  // drawn in twips all the same
    // 120 x 60 units: ends at x 40 and 160 px, top at y 60 px, not filled.
    draw(Word::ELLIPSERGB, {0, 0, 120, 60, 0}, kBlue);
    EXPECT_GT(count(kBlue, 138, 77, 142, 84) * count(kBlue, 96, 58, 104, 62), 0);
    EXPECT_EQ(count(kBlue, 70, 70, 130, 90) + count(kBlue, 0, 0, 57, 160) + count(kBlue, 144, 0, 200, 160), 0);
    canvas.Cls();
    // Centre (30, -15) = pixel (120, 90), 30 x 24 units = 20 x 16 pixels.
    draw(Word::FILLRECTRGB, {30, -15, 30, 24}, kRed);
    EXPECT_EQ(count(kRed, 111, 83, 129, 97), 18 * 14);
    EXPECT_EQ(count(kRed), count(kRed, 109, 81, 131, 99));
    draw(Word::FILLOVALRGB, {-30, 15, 30, 24}, kGreen);
    EXPECT_NEAR(count(kGreen, 60, 50, 100, 90), 3.1416 * 10 * 8, 40);
    draw(Word::STAMPRECTRGB, {300, 240}, kBlue);  // the background colour
    EXPECT_EQ(count(kBlue), 200 * 160);
    draw(Word::CS, {}, 0);
    EXPECT_EQ(count(kWhite), 200 * 160);
    EXPECT_EQ(canvas.ScaleMode(), forms::kScalePixels);
    // 5 twips a unit: the square is 10 pixels wide about the same origin.
    draw(Word::FILLRECTRGB, {0, 0, 30, 30}, kRed, {}, 5);
    EXPECT_EQ(count(kRed), count(kRed, 95, 75, 106, 86));
    EXPECT_GE(count(kRed), 100);
}

TEST_F(DrawCommand, FloodFillAndTextInsideTheirPlaces) {
    draw(Word::ELLIPSERGB, {0, 0, 120, 60, 30}, kBlue);
    draw(Word::FLOODFILLAT, {100.5, 79.5}, kRed);  // rounds half to even to (100, 80)
    EXPECT_EQ(count(kRed, 100, 80, 101, 81), 1);
    EXPECT_GT(count(kRed), 1500);
    EXPECT_EQ(count(kWhite, 0, 0, 1, 1), 1);  // the outline is closed
}

TEST_F(DrawCommand, FailingOrHugeCommandsAreSafe) {
    EXPECT_THROW(draw(Word::LINERGB, {0, 0, 1e39, 0}, kRed), forms::OverflowError);
    for (double size : {1e8, 0.0}) EXPECT_THROW(draw(Word::WRITERGB, {0, 0, size}, kRed, "x"), forms::RuntimeError);
    EXPECT_EQ(count(kWhite), 200 * 160);
    for (double v : {1e6, 1e30}) {  // an edited script may hold coordinates far off the canvas
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
    EXPECT_EQ(canvas.ForeColor(), kPen);  // every word leaves the canvas settings as they were
    EXPECT_EQ(canvas.FillColor(), kGreen);
    EXPECT_EQ(canvas.font().Size, 9.0f);
}
