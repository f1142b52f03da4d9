// The picture box: its persistent image, the drawing operations at exact
// pixels, and the windowless Lines and Shapes painted over it.
#include "forms/picture_box.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "forms/form.h"
#include "forms/types.h"
#include "forms/windowless.h"
#include "support/qt_app.h"

using namespace forms;

namespace {

constexpr Color kRed = rgb(255, 0, 0), kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255), kWhite = rgb(255, 255, 255),
                kBlack = 0;

Color colourAt(const QImage& image, int x, int y) {
    const QRgb v = image.pixel(x, y);
    return rgb(qRed(v), qGreen(v), qBlue(v));
}

int count(const QImage& image, Color c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += colourAt(image, x, y) == c;
    return n;
}

QImage solid(int w, int h, Color c) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(redOf(c), greenOf(c), blueOf(c)));
    return image;
}

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureQtApp();
        box.attach(&form);
        box.setBorderStyle(0);
        box.setBackColor(kWhite);
        box.setForeColor(kBlack);
        box.Move(0, 0, 40 * 15, 30 * 15);  // 40 x 30 pixels
    }
    Form form{"Form1"};
    PictureBox box{"Picture4"};
};

TEST_F(PictureBoxTest, ImageFollowsTheModelSizeAndKeepsDrawingWhenResized) {
    box.Move(0, 0, 1000, 22.4f);  // 66.67 x 1.49 pixels
    EXPECT_FLOAT_EQ(box.Width(), 1000);
    EXPECT_EQ(box.Image().size(), QSize(67, 1));
    box.setScaleMode(kScalePixels);
    EXPECT_FLOAT_EQ(box.ScaleWidth(), 67);
    EXPECT_THROW(box.setScaleMode(2), RuntimeError);

    box.Move(0, 0, 20 * 15, 10 * 15);
    box.PSet(19, 9, kRed);
    box.Move(0, 0, 30 * 15, 12 * 15);
    EXPECT_EQ(colourAt(box.Image(), 19, 9), kRed);
    EXPECT_EQ(count(box.Image(), kWhite), 30 * 12 - 1);

    // A box of no size has no image, and drawing on it harms nothing.
    box.setWidth(0);
    EXPECT_TRUE(box.Image().isNull());
    box.Line(0, 0, 100, 100);
    box.FloodFill(0, 0);
    EXPECT_EQ(box.Point(0, 0), -1);
}

TEST_F(PictureBoxTest, BackColorClsAndPictureResetTheImage) {
    const QImage pic = solid(4, 3, kBlue);
    box.Line(0, 0, 600, 450, kRed);
    box.setPicture(pic);
    const QImage background = box.Image();
    EXPECT_EQ(count(background, kBlue), 12);
    EXPECT_EQ(count(background, kRed), 0);

    box.Line(0, 435, 600, 435, kRed);
    const QImage snapshot = box.Image();
    box.setCurrentX(7);
    box.Cls();
    EXPECT_EQ(box.CurrentX(), 0);
    EXPECT_EQ(box.Image(), background);
    EXPECT_EQ(colourAt(snapshot, 5, 29), kRed);  // a snapshot is a copy

    box.setBackColor(kGreen);
    EXPECT_EQ(count(box.Image(), kGreen), 40 * 30 - 12);

    box.setAutoSize(true);
    box.setPicture(solid(5, 2, kRed));
    EXPECT_FLOAT_EQ(box.Width(), 5 * 15);
    EXPECT_FLOAT_EQ(box.Height(), 2 * 15);
    EXPECT_EQ(box.Image(), solid(5, 2, kRed));

    // A picture given before the box has its size shows whole once sized.
    PictureBox late("Picture2");
    late.attach(&form);
    late.setPicture(solid(8, 8, kRed));
    late.Move(0, 0, 20 * 15, 20 * 15);
    EXPECT_EQ(count(late.Image(), kRed), 64);
}

TEST_F(PictureBoxTest, LinesBoxesAndPointsLandOnExactPixels) {
    box.setScaleMode(kScalePixels);
    box.Line(2, 3, 10, 3);  // ForeColor, one pixel wide, both ends included
    EXPECT_EQ(count(box.Image(), kBlack), 9);
    EXPECT_EQ(box.CurrentX(), 10);

    box.Cls();
    box.setDrawWidth(3);
    box.Line(5, 10, 30, 10, kRed);
    QImage image = box.Image();
    // Three rows centred on the thin line's row, round ends beyond both ends.
    for (int x : {5, 18, 30}) {
        for (int y : {9, 10, 11}) EXPECT_EQ(colourAt(image, x, y), kRed) << x << "," << y;
        EXPECT_EQ(colourAt(image, x, 8), kWhite);
        EXPECT_EQ(colourAt(image, x, 12), kWhite);
    }
    EXPECT_EQ(colourAt(image, 4, 10), kRed);
    EXPECT_EQ(colourAt(image, 3, 10), kWhite);

    // A line of no length is a dot of the draw width around its pixel.
    box.Cls();
    box.Line(20, 20, 20, 20, kBlue);
    EXPECT_EQ(count(box.Image(), kBlue), 9);
    EXPECT_EQ(box.Point(21, 21), kBlue);
    box.setDrawWidth(1);

    // Twips map to pixels by rounding: 157.5 twips is 10.5 pixels -> 11.
    box.Cls();
    box.setScaleMode(kScaleTwips);
    box.PSet(157.5f, 150, kGreen);
    EXPECT_EQ(colourAt(box.Image(), 11, 10), kGreen);
    EXPECT_EQ(box.Point(-15, 0), -1);
    EXPECT_EQ(box.Point(40 * 15, 0), -1);

    // Boxes take both corners, in any order; filled ones the same pixels.
    box.Cls();
    box.setScaleMode(kScalePixels);
    box.Box(30, 20, 10, 5, kRed, false);
    EXPECT_EQ(count(box.Image(), kRed), 2 * 21 + 2 * 14);
    box.Box(10, 5, 30, 20, kRed, true);
    EXPECT_EQ(count(box.Image(), kRed), 21 * 16);
}

TEST_F(PictureBoxTest, PaintPictureStretchesTheSourcePart) {
    QImage pic(2, 2, QImage::Format_RGB32);
    pic.setPixel(0, 0, qRgb(255, 0, 0));
    pic.setPixel(1, 0, qRgb(0, 255, 0));
    pic.setPixel(0, 1, qRgb(0, 0, 255));
    pic.setPixel(1, 1, qRgb(0, 0, 0));
    box.PaintPicture(pic, 0, 0, 40 * 15, 30 * 15, 0, 0, 2 * 15, 2 * 15);
    QImage image = box.Image();
    for (Color c : {kRed, kGreen, kBlue, kBlack}) EXPECT_EQ(count(image, c), 20 * 15);
    EXPECT_EQ(colourAt(image, 19, 14), kRed);
    EXPECT_EQ(colourAt(image, 20, 14), kGreen);
    EXPECT_EQ(colourAt(image, 19, 15), kBlue);

    // Source in twips of the source, destination in the current scale.
    box.setScaleMode(kScalePixels);
    box.PaintPicture(pic, 0, 0, 10, 10, 15, 15, 15, 15);
    image = box.Image();
    EXPECT_EQ(colourAt(image, 9, 9), kBlack);
    EXPECT_EQ(colourAt(image, 10, 10), kRed);

    EXPECT_THROW(box.PaintPicture(QImage(), 0, 0, 10, 10, 0, 0, 15, 15), RuntimeError);
}

TEST_F(PictureBoxTest, PrintWritesInForeColorAndMovesDown) {
    box.Move(0, 0, 200 * 15, 60 * 15);
    box.setForeColor(kRed);
    box.setFontSize(12);
    box.setCurrentX(30);
    box.setCurrentY(45);
    const float lineHeight = box.TextHeight("Hg");
    EXPECT_GT(lineHeight, 10 * 15);
    box.Print("Hello");
    EXPECT_EQ(box.CurrentX(), 0);
    EXPECT_FLOAT_EQ(box.CurrentY(), 45 + lineHeight);

    // Only exact fore colour pixels (no blending), starting just right of
    // and below the print position (2, 3 pixels).
    const QImage image = box.Image();
    const int red = count(image, kRed);
    EXPECT_GT(red, 30);
    EXPECT_EQ(red + count(image, kWhite), 200 * 60);
    EXPECT_EQ(count(image.copy(0, 0, 2, 60), kRed) + count(image.copy(0, 0, 200, 3), kRed), 0);
    EXPECT_GT(count(image.copy(2, 3, 8, 10), kRed), 0);
}

TEST_F(PictureBoxTest, FloodFillFillsTheAreaOfThePointInFillColor) {
    box.setScaleMode(kScalePixels);
    box.Box(10, 5, 30, 20, kBlack, false);
    box.setFillColor(kRed);
    box.FloodFill(20, 10);
    EXPECT_EQ(count(box.Image(), kRed), 19 * 14);

    box.setFillColor(kGreen);
    box.FloodFill(0, 0);
    const QImage image = box.Image();
    EXPECT_EQ(count(image, kGreen), 40 * 30 - 21 * 16);
    box.FloodFill(100, 100);  // off the image: nothing
    EXPECT_EQ(box.Image(), image);

    box.setScaleMode(kScaleTwips);  // 300 twips is pixel 20
    box.setFillColor(kBlue);
    box.FloodFill(300, 150);
    EXPECT_EQ(count(box.Image(), kBlue), 19 * 14);
}

TEST_F(PictureBoxTest, WindowlessControlsShowOnTheWidgetButNotInTheImage) {
    Line line("Line1");
    line.attach(&box);
    line.setBorderColor(kRed);
    line.setX1(2 * 15);
    line.setY1(5 * 15);
    line.setX2(30 * 15);
    line.setY2(5 * 15);
    Shape shape("Shape10");
    shape.attach(&box);
    shape.Move(20 * 15, 10 * 15, 10 * 15, 8 * 15);
    shape.setBorderColor(kBlue);
    shape.setFillStyle(0);
    shape.setFillColor(kGreen);

    EXPECT_EQ(count(box.Image(), kWhite), 40 * 30);
    QImage shown = box.widget()->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(40, 30));
    EXPECT_EQ(count(shown, kRed), 29);
    EXPECT_EQ(colourAt(shown, 20, 10), kBlue);
    EXPECT_EQ(colourAt(shown, 29, 17), kBlue);
    EXPECT_EQ(count(shown, kGreen), 8 * 6);

    // Later controls paint over earlier ones; hidden ones not at all.
    line.setY1(12 * 15);
    line.setY2(12 * 15);
    shown = box.widget()->grab().toImage();
    EXPECT_EQ(colourAt(shown, 25, 12), kGreen);
    EXPECT_EQ(colourAt(shown, 10, 12), kRed);
    shape.setVisible(false);
    line.setLineStyle(3);
    shown = box.widget()->grab().toImage();
    EXPECT_EQ(count(shown, kGreen), 0);
    EXPECT_GT(count(shown, kRed), 5);
    EXPECT_LT(count(shown, kRed), 25);  // dotted

    // A circle takes the largest centred square of its box; drawing under
    // it reaches the widget too.
    shape.setVisible(true);
    shape.setShapeKind(3);
    shape.setFillStyle(1);
    box.setFillColor(kBlack);
    box.FloodFill(0, 0);
    shown = box.widget()->grab().toImage();
    EXPECT_EQ(colourAt(shown, 25, 10), kBlue);
    EXPECT_EQ(colourAt(shown, 21, 14), kBlue);
    EXPECT_EQ(colourAt(shown, 20, 14), kBlack);
}

}  // namespace
