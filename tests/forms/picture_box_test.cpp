// The picture box: its image, drawing at exact pixels, and the windowless
// Lines and Shapes painted over it.
#include "forms/picture_box.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "forms/form.h"
#include "forms/windowless.h"

using namespace forms;

namespace {

constexpr Color kRed = rgb(255, 0, 0), kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255), kWhite = rgb(255, 255, 255);

Color colourAt(const QImage& image, int x, int y) {
    const QRgb v = image.pixel(x, y);
    return rgb(qRed(v), qGreen(v), qBlue(v));
}

// The pixels of colour c, in the whole image or in one part of it.
int count(const QImage& image, Color c, QRect part = {}) {
    const QImage in = part.isNull() ? image : image.copy(part);
    int n = 0;
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x) n += colourAt(in, x, y) == c;
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
        box.attach(&form);
        box.setBackColor(kWhite);
        box.Move(0, 0, 40 * 15, 30 * 15);  // 40 x 30 pixels
    }
    Form form{"Form1"};
    PictureBox box{"Picture4"};
};

TEST_F(PictureBoxTest, ImageKeepsDrawingWhenResizedAndNoSizeHarmsNothing) {
    box.setScaleMode(kScalePixels);
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

TEST_F(PictureBoxTest, ClsAndPictureResetTheImage) {
    box.Line(0, 0, 600, 450, kRed);
    box.setPicture(solid(4, 3, kBlue));
    const QImage background = box.Image();
    EXPECT_EQ(count(background, kWhite), 40 * 30 - 12);  // the red line is gone
    box.Cls();
    EXPECT_EQ(box.Image(), background);

    // A picture given before the box has its size shows whole once sized.
    PictureBox late("Picture2");
    late.attach(&form);
    late.setPicture(solid(8, 8, kRed));
    late.Move(0, 0, 20 * 15, 20 * 15);
    EXPECT_EQ(count(late.Image(), kRed), 64);
    // Never drawn on, it answers each new background, colour, picture and size.
    late.setBackColor(kBlue);
    EXPECT_EQ(count(late.Image(), kBlue), 20 * 20 - 64);
    late.setPicture(solid(2, 2, kRed));
    EXPECT_EQ(count(late.Image(), kRed), 4);
    late.Move(0, 0, 6 * 15, 6 * 15);
    EXPECT_EQ(count(late.Image(), kBlue), 6 * 6 - 4);
}

TEST_F(PictureBoxTest, LinesBoxesAndPointsLandOnExactPixels) {
    box.setScaleMode(kScalePixels);
    // Three rows centred on the thin line's row, round ends beyond both ends.
    box.setDrawWidth(3);
    box.Line(5, 10, 30, 10, kRed);
    EXPECT_EQ(count(box.Image(), kRed, QRect(5, 9, 26, 3)), 26 * 3);
    EXPECT_EQ(count(box.Image(), kRed, QRect(0, 8, 40, 1)) + count(box.Image(), kRed, QRect(0, 12, 40, 1)), 0);
    EXPECT_EQ(count(box.Image(), kRed, QRect(3, 10, 2, 1)), 1);  // pixel 4 red, 3 white
    // Boxes take both corners, in any order.
    box.setDrawWidth(1);
    box.Cls();
    box.Box(30, 20, 10, 5, kRed, false);
    EXPECT_EQ(count(box.Image(), kRed), 2 * 21 + 2 * 14);
    // Twips map to pixels by rounding: 157.5 twips is 10.5 pixels -> 11.
    box.setScaleMode(kScaleTwips);
    box.PSet(157.5f, 150, kGreen);
    EXPECT_EQ(colourAt(box.Image(), 11, 10), kGreen);
}

TEST_F(PictureBoxTest, PaintPictureStretchesTheSourcePart) {
    QImage pic = solid(2, 2, kRed);
    pic.setPixel(1, 1, qRgb(0, 0, 255));
    // Source in twips of the source, destination in the current scale.
    box.setScaleMode(kScalePixels);
    box.PaintPicture(pic, 0, 0, 10, 10, 15, 15, 15, 15);
    EXPECT_EQ(count(box.Image(), kBlue, QRect(0, 0, 10, 10)), 100);
    EXPECT_EQ(count(box.Image(), kBlue), 100);
}

TEST_F(PictureBoxTest, PrintWritesInForeColorAndMovesDown) {
    box.setForeColor(kRed);
    box.setCurrentY(45);
    box.Print("Hello");
    EXPECT_FLOAT_EQ(box.CurrentY(), 45 + box.TextHeight("Hg"));
    // Only exact fore colour pixels (no blending).
    EXPECT_GT(count(box.Image(), kRed), 30);
    EXPECT_EQ(count(box.Image(), kRed) + count(box.Image(), kWhite), 40 * 30);
}

TEST_F(PictureBoxTest, WindowlessControlsShowOnTheWidgetButNotInTheImage) {
    Line line("Line1");
    line.attach(&box);
    line.setBorderColor(kRed);
    line.setX1(2 * 15);
    line.setY1(12 * 15);
    line.setX2(30 * 15);
    line.setY2(12 * 15);
    Shape shape("Shape10");
    shape.attach(&box);
    shape.Move(20 * 15, 10 * 15, 10 * 15, 8 * 15);
    shape.setBorderColor(kBlue);
    shape.setFillStyle(0);
    shape.setFillColor(kGreen);
    EXPECT_EQ(count(box.Image(), kWhite), 40 * 30);
    QImage shown = box.widget()->grab().toImage();
    EXPECT_EQ(count(shown, kGreen), 8 * 6);  // the later shape covers the line
    EXPECT_EQ(count(shown, kRed), 29 - 10);

    // Drawing under them reaches the widget too; hidden ones are not painted.
    line.setVisible(false);
    box.setFillColor(0);
    box.FloodFill(0, 0);
    shown = box.widget()->grab().toImage();
    EXPECT_EQ(colourAt(shown, 20, 14), kBlue);
    EXPECT_EQ(colourAt(shown, 19, 14), 0);
    EXPECT_EQ(count(shown, kRed), 0);
}

}  // namespace
