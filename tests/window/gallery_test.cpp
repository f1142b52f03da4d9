// The background gallery in use: the strip built from a gallery folder and
// scrolled, a thumbnail painted stretched over the canvas, stepping by
// Ctrl+Up / Ctrl+Down with the loaders' own positions, and the repaint after
// Delete. Also the procedures that nothing in the program calls.
#include <gtest/gtest.h>

#include <QFile>
#include <QKeyEvent>

#include "support/form_fixture.h"
#include "window/temp_gallery.h"

namespace {

class GalleryTest : public FormTest {
protected:
    Form1& startWith(const std::vector<QImage>& pictures, const QString& name = "gallery") {
        platform.gallery = writeGallery(programFolder.path() + "/" + name, pictures);
        Form1& f = makeForm(1024, 768);
        f.Form_Load();
        return f;
    }
    // The canvas colour in the middle of a quarter (column, row) of 2 x 2.
    forms::Color quarter(int col, int row) const {
        const auto& c = *form->Picture4;
        return c.Point(c.Width() * (0.25f + 0.5f * col), c.Height() * (0.25f + 0.5f * row));
    }
    std::vector<QImage> rgbPictures() const {
        return {solidPicture(Qt::red), solidPicture(Qt::green), solidPicture(Qt::blue)};
    }
};

constexpr forms::Color kRed = forms::rgb(255, 0, 0), kGreen = forms::rgb(0, 255, 0),
                       kBlue = forms::rgb(0, 0, 255), kWhite = forms::rgb(255, 255, 255);

TEST_F(GalleryTest, StripScrollsBy120TwipsAStep) {
    const std::pair<int, int> cases[] = {{10, 43}, {8, 14}, {7, 0}};
    for (const auto& [count, max] : cases) {
        SCOPED_TRACE(count);
        Form1& f = startWith(std::vector<QImage>(static_cast<size_t>(count), solidPicture(Qt::gray)),
                             QString("g%1").arg(count));
        ASSERT_EQ(f.Image3.Count(), count);
        EXPECT_FLOAT_EQ(f.Image3(count - 1).Width(), 1548);
        EXPECT_EQ(f.HScroll1->Max(), max);
    }
    Form1& f = startWith(std::vector<QImage>(10, solidPicture(Qt::gray)), "g10b");
    f.HScroll1->setValue(43);
    EXPECT_FLOAT_EQ(f.Picture6->Left(), -5160);
    EXPECT_TRUE(f.Picture4->HasFocus());
}

TEST_F(GalleryTest, ClickedThumbnailIsStretchedOverTheCanvasAndKeptThroughDelete) {
    QImage four(2, 2, QImage::Format_RGB32);
    four.setPixelColor(0, 0, Qt::red);
    four.setPixelColor(1, 0, Qt::green);
    four.setPixelColor(0, 1, Qt::blue);
    four.setPixelColor(1, 1, Qt::white);
    Form1& f = startWith({four, solidPicture(Qt::gray)});
    f.KeyResponder(13, 0);
    const int recorded = f.CommandCount;

    clickOn(f.Image3(0));
    EXPECT_EQ(quarter(0, 0), kRed);
    EXPECT_EQ(quarter(1, 0), kGreen);
    EXPECT_EQ(quarter(0, 1), kBlue);
    EXPECT_EQ(quarter(1, 1), kWhite);
    EXPECT_EQ(f.CommandCount, recorded);
    EXPECT_TRUE(f.BackgroundSet);
    EXPECT_EQ(f.SelectedPicture, 0);
    EXPECT_EQ(f.Image3(0).BorderStyle(), 1);
    EXPECT_EQ(f.Image3(1).BorderStyle(), 0);
    EXPECT_FLOAT_EQ(f.Shape6->Left(), f.Image3(0).Left());
    EXPECT_TRUE(f.Picture4->HasFocus());

    // Delete clears (and records it), then paints the chosen picture again.
    f.KeyResponder(46, 0);
    EXPECT_EQ(f.CommandArray[f.CommandCount - 1], "CS");
    EXPECT_EQ(quarter(1, 1), kWhite);
    // Shift+Delete takes the background away for good.
    f.KeyResponder(46, 1);
    f.KeyResponder(46, 0);
    EXPECT_EQ(quarter(1, 1), 0);
}

TEST_F(GalleryTest, EveryThumbnailTakesClicks) {
    // The thumbnails after the first are made while the strip is built; a
    // click on any of them paints its picture.
    Form1& f = startWith(rgbPictures());
    clickOn(f.Image3(2));
    EXPECT_EQ(quarter(0, 0), kBlue);
    EXPECT_EQ(f.GalleryIndex, 2);
    clickOn(f.Image3(1));
    EXPECT_EQ(quarter(1, 1), kGreen);
    EXPECT_EQ(f.SelectedPicture, 1);
}

TEST_F(GalleryTest, LoadersStepWithTheirOwnPositions) {
    Form1& f = startWith(rgbPictures());
    const forms::Color colours[] = {kRed, kGreen, kBlue};
    // The first step by a real Ctrl+Up on the canvas.
    f.Picture4->SetFocus();
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::ControlModifier);
    QApplication::sendEvent(f.Picture4->widget(), &up);
    EXPECT_EQ(f.SelectedPicture, 1);
    for (int expected : {2, 0, 1}) {
        f.KeyResponder(38, 2);
        EXPECT_EQ(f.SelectedPicture, expected);
        EXPECT_EQ(quarter(0, 0), colours[expected]);
    }
    // A click does not move the loaders.
    f.Image3_Click(0);
    EXPECT_EQ(f.GalleryIndex, 0);
    f.KeyResponder(38, 2);
    EXPECT_EQ(f.SelectedPicture, 2);
    EXPECT_EQ(f.GalleryIndex, 0);

    for (int expected : {2, 1, 0, 2}) {
        f.KeyResponder(40, 2);
        EXPECT_EQ(f.SelectedPicture, expected);
        EXPECT_EQ(quarter(1, 1), colours[expected]);
    }
}

TEST_F(GalleryTest, EmptyGalleryStepKeepsTheDrawing) {
    // Without a gallery the only thumbnail is blank: stepping to it must not
    // wipe an unrecorded drawing off the canvas.
    Form1& f = *form;
    f.Form_Load();
    f.KeyResponder(13, 0);
    const QImage drawn = f.Picture4->Image();
    f.KeyResponder(38, 2);
    f.KeyResponder(40, 2);
    EXPECT_EQ(f.Picture4->Image(), drawn);
    f.KeyResponder(46, 0);
    EXPECT_EQ(f.CommandArray[f.CommandCount - 1], "CS");
}

TEST_F(GalleryTest, UncalledProcedures) {
    Form1& f = *form;
    f.Form_Load();
    const QString folder = programFolder.path();
    for (const char* name : {"1.jpg", "2.jpg", "4.jpg"}) {
        QFile file(folder + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(f.NoOfFiles(folder.toStdString()), 2);

    // PutPicture draws nothing from the empty table, and a stored point
    // lands at Picture9's place plus its offset.
    const QImage before = f.Picture4->Image();
    f.PutPicture();
    EXPECT_EQ(f.Picture4->Image(), before);
    f.Picture9->Move(1500, 1500, 600, 600);
    f.StoredPixels.assign(17, std::vector<forms::Color>(17, kGreen));
    f.PutPicture();
    EXPECT_EQ(f.Picture4->Point(1516, 1516), kGreen);
    EXPECT_EQ(f.Picture4->Point(1546, 1546), 0);
}

}  // namespace
