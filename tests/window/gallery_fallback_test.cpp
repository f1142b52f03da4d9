// Left and Right with the "Picture Tool" onto a gallery picture whose file
// was removed after start-up paint its thumbnail stretched over the canvas,
// as a click on it does.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "support/form_fixture.h"

namespace {

constexpr int kLeft = 37, kRight = 39, kF2 = 113, kPictureTool = 7;

class GalleryFallbackTest : public FormTest {
protected:
    // The canvas colour in the middle of a quarter (column, row) of 2 x 2.
    forms::Color quarter(int col, int row) const {
        const auto& c = *form->Picture4;
        return c.Point(c.Width() * (0.25f + 0.5f * col), c.Height() * (0.25f + 0.5f * row));
    }
    void step(int key) {
        int shift = 0;
        form->Picture4->KeyDown(key, shift);
    }
};

TEST_F(GalleryFallbackTest, StepsOntoARemovedPicturePaintItsThumbnail) {
    // a.bmp: red, green, blue and white quarters, row by row; b.bmp: grey.
    const QRgb quarters[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    QImage four(2, 2, QImage::Format_RGB32);
    for (int i = 0; i < 4; ++i) four.setPixel(i % 2, i / 2, quarters[i]);
    QImage grey(40, 30, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    const QString folder = QString::fromStdString(platform.gallery = programFolder.filePath("root").toStdString());
    ASSERT_TRUE(QDir().mkpath(folder + "/S"));
    ASSERT_TRUE(four.save(folder + "/S/a.bmp") && grey.save(folder + "/S/b.bmp"));
    form->Form_Load();
    ASSERT_EQ(form->Image3.Count(), 2);
    ASSERT_TRUE(QFile::remove(folder + "/S/a.bmp"));
    while (form->ToolNo != kPictureTool) form->KeyResponder(kF2, 0);

    // Right to the grey picture, Right round to the removed one; Left back
    // to the grey one, Left again onto the removed one.
    for (int key : {kRight, kLeft}) {
        step(key);
        EXPECT_EQ(quarter(0, 0), forms::rgb(128, 128, 128)) << key;
        step(key);
        EXPECT_EQ(form->SelectedPicture, 0) << key;
        for (int i = 0; i < 4; ++i) {
            const QRgb c = quarters[i];
            EXPECT_EQ(quarter(i % 2, i / 2), forms::rgb(qRed(c), qGreen(c), qBlue(c))) << key << " quarter " << i;
        }
    }
}

}  // namespace
