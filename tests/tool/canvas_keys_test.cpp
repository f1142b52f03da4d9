// Keys on the canvas after start-up: the "Picture Tool" steps through a
// gallery of three thumbnails with Left and Right (wrapping, whatever the
// shift), "+" and "-" act as F8 and F9, and a key command that fails ends
// quietly with the thumbnail frame put back.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "support/form_fixture.h"

namespace {

constexpr int kLeft = 37, kRight = 39, kF2 = 113, kF8 = 119;
const QRgb kColours[3] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

class CanvasKeysTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(gallery.isValid());
        QDir(gallery.path()).mkdir("Pictures");
        for (int i = 0; i < 3; ++i) {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(kColours[i]);
            ASSERT_TRUE(image.save(gallery.path() + QString("/Pictures/%1.bmp").arg(i)));
        }
        platform.gallery = gallery.path().toStdString();
        form->Form_Load();
    }
    void key(int code, int shift = 0) { form->Picture4->KeyDown(code, shift); }
    void press(char c) {
        int ascii = c;
        form->Picture4->KeyPress(ascii);
    }
    void choosePictureTool() {
        while (form->ToolNo != 7) key(kF2);
    }
    // The canvas colour well inside, away from the cross.
    QRgb canvas() const { return form->Picture4->Image().pixel(20, 20); }
    void expectOn(int index) {
        Form1& f = *form;
        EXPECT_EQ(f.GalleryIndex, index);
        EXPECT_EQ(f.SelectedPicture, index);
        EXPECT_EQ(canvas(), kColours[index]);
        EXPECT_FLOAT_EQ(f.Shape6->Left(), f.Image3(index).Left());
        for (int i = 0; i < 3; ++i) EXPECT_EQ(f.Image3(i).BorderStyle(), i == index ? 1 : 0);
    }
    QTemporaryDir gallery;
};

TEST_F(CanvasKeysTest, PictureToolStepsThroughTheGallery) {
    Form1& f = *form;
    ASSERT_EQ(f.Image3.Count(), 3);
    // With another tool Right moves the cross.
    const float x = f.Line1->X1();
    key(kRight);
    EXPECT_FLOAT_EQ(f.Line1->X1(), x + 100);
    EXPECT_EQ(canvas(), qRgb(0, 0, 0));

    choosePictureTool();
    key(kRight);
    expectOn(1);
    key(kRight);
    key(kRight);  // from the last thumbnail to the first
    expectOn(0);
    key(kLeft);  // and back round to the last
    expectOn(2);
    // With Ctrl or Shift the arrows step too and leave the cross alone.
    const float y = f.Line1->Y1();
    key(kLeft, 2);
    expectOn(1);
    key(kRight, 1);
    expectOn(2);
    EXPECT_FLOAT_EQ(f.Line1->Y1(), y);
    EXPECT_FALSE(f.BackgroundSet);  // stepping sets no background
}

TEST_F(CanvasKeysTest, PlusAndMinusAreF8AndF9) {
    Form1& f = *form;
    press('+');
    EXPECT_NEAR(f.ToolWidth, 1200, 0.01);
    EXPECT_NEAR(f.ToolHeight, 1200, 0.01);
    key(kF8);
    EXPECT_NEAR(f.ToolWidth, 1400, 0.01);
    press('-');
    press('-');
    EXPECT_NEAR(f.ToolWidth, 1000, 0.01);
    EXPECT_NEAR(f.ToolHeight, 1000, 0.01);
    press('x');
    EXPECT_NEAR(f.ToolWidth, 1000, 0.01);
}

TEST_F(CanvasKeysTest, FailingKeyCommandIsTrapped) {
    Form1& f = *form;
    choosePictureTool();
    key(kRight);
    key(kRight);
    ASSERT_EQ(f.GalleryIndex, 2);
    // Back to the filled ellipse tool; the gallery viewport cannot take the
    // focus, so F2 to the picture tool fails inside the dispatcher.
    while (f.ToolNo != 6) key(kF2);
    f.Shape6->setLeft(-1);
    f.SelectedPicture = 0;
    f.Picture5->setEnabled(false);
    EXPECT_NO_THROW(key(kF2));
    EXPECT_EQ(f.ToolNo, 7);
    EXPECT_FLOAT_EQ(f.Shape6->Left(), f.Image3(2).Left());
    EXPECT_EQ(f.SelectedPicture, 2);
    // The program goes on: the next key works.
    key(kRight);
    expectOn(0);
}

// The fixture's platform lists no gallery: thumbnail 0 stays empty.
using CanvasKeysNoGalleryTest = FormTest;

TEST_F(CanvasKeysNoGalleryTest, SteppingOntoTheEmptyThumbnailPaintsNothing) {
    Form1& f = *form;
    f.Form_Load();
    int code = kF2, shift = 0;
    while (f.ToolNo != 7) f.Picture4_KeyDown(code, shift);
    code = kRight;
    EXPECT_NO_THROW(f.Picture4_KeyDown(code, shift));
    EXPECT_EQ(f.GalleryIndex, 0);
    EXPECT_EQ(f.Picture4->Image().pixel(20, 20), qRgb(0, 0, 0));
    EXPECT_FLOAT_EQ(f.Shape6->Left(), f.Image3(0).Left());
}

}  // namespace
