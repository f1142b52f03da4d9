// The background gallery: the folder search, the strip, thumbnails painted over
// the canvas, the loaders' stepping, Delete's repaint.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "support/form_fixture.h"
#include "support/looping_metafile.h"
#include "support/qt_events.h"
#include "support/test_metafile.h"

namespace {

constexpr forms::Color kRed = forms::rgb(255, 0, 0), kGreen = forms::rgb(0, 255, 0),
                       kBlue = forms::rgb(0, 0, 255), kWhite = forms::rgb(255, 255, 255);

QImage solid(QColor c) {
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

class GalleryTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        platform.gallery = programFolder.path().toStdString() + "/root";
    }
    Form1& start() {
        form->Form_Load();
        return *form;
    }
    Form1& startWith(const std::vector<QImage>& pictures) {  // in one sub-folder, names sorting in order
        for (size_t i = 0; i < pictures.size(); ++i) file("S/p" + std::to_string(100 + i) + ".bmp", pictures[i]);
        return start();
    }
    std::string path(const std::string& rel) const { return platform.gallery + "/" + rel; }
    // A picture, or (none given) a file that is no picture.
    void file(const std::string& rel, const QImage& picture = {}) {
        const QString p = QString::fromStdString(path(rel));
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        ASSERT_TRUE(picture.isNull() ? f.open(QIODevice::WriteOnly) && f.write("x") == 1 : picture.save(p));
    }
    void bytes(const std::string& rel, const QByteArray& content) {
        QDir().mkpath(QFileInfo(QString::fromStdString(path(rel))).path());
        std::ofstream(path(rel), std::ios::binary).write(content.constData(), content.size());
    }
    // The seconds that `what` takes.
    template <class F>
    static double seconds(F&& what) {
        const auto start = std::chrono::steady_clock::now();
        what();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    // The canvas colour in the middle of a quarter (column, row) of 2 x 2.
    forms::Color quarter(int col, int row) const {
        const auto& c = *form->Picture4;
        return c.Point(c.Width() * (0.25f + 0.5f * col), c.Height() * (0.25f + 0.5f * row));
    }
};

TEST_F(GalleryTest, ClickedThumbnailIsStretchedOverTheCanvasAndKeptThroughDelete) {
    const forms::Color colours[] = {kRed, kGreen, kBlue, kWhite};  // the quarters, row by row
    const QColor pixels[] = {Qt::red, Qt::green, Qt::blue, Qt::white};
    QImage four(2, 2, QImage::Format_RGB32);
    for (int i = 0; i < 4; ++i) four.setPixelColor(i % 2, i / 2, pixels[i]);
    std::vector<QImage> pictures(10, solid(Qt::gray));
    pictures[1] = four;
    Form1& f = startWith(pictures);
    f.HScroll1->setValue(43);  // scrolling the strip leaves the keys with the canvas
    EXPECT_TRUE(f.Picture4->HasFocus());
    f.KeyResponder(13, 0);
    const int recorded = f.CommandCount;

    clickOn(f.Image3(1));  // made while the strip was built: it takes clicks too
    for (int i = 0; i < 4; ++i) EXPECT_EQ(quarter(i % 2, i / 2), colours[i]) << i;
    EXPECT_EQ(f.CommandCount, recorded);
    EXPECT_FLOAT_EQ(f.Shape6->Left(), f.Image3(1).Left());  // the frame moves to it

    // Delete clears (and records it), then paints the chosen picture again;
    // Shift+Delete takes the background away for good.
    f.KeyResponder(46, 0);
    EXPECT_EQ(f.CommandArray[f.CommandCount - 1], "CS");
    EXPECT_EQ(quarter(1, 1), kWhite);
    f.KeyResponder(46, 1);
    f.KeyResponder(46, 0);
    EXPECT_EQ(quarter(1, 1), 0);
}

TEST_F(GalleryTest, LoadersStepWithTheirOwnPositions) {
    Form1& f = startWith({solid(Qt::red), solid(Qt::green), solid(Qt::blue)});
    const forms::Color colours[] = {kRed, kGreen, kBlue};
    f.Picture4->SetFocus();  // the first step by a real Ctrl+Up on the canvas
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::ControlModifier);
    QApplication::sendEvent(f.Picture4->widget(), &up);
    EXPECT_EQ(f.SelectedPicture, 1);
    f.Image3_Click(0);  // a click does not move the loaders
    // Ctrl+Up and Ctrl+Down, each from where it last stopped, round the ends.
    const std::pair<int, int> steps[] = {{38, 2}, {38, 0}, {40, 2}, {40, 1}, {38, 1}};
    for (const auto& [code, expected] : steps) {
        f.KeyResponder(code, 2);
        EXPECT_EQ(f.SelectedPicture, expected) << code;
        EXPECT_EQ(quarter(1, 1), colours[expected]) << code;
    }
}

TEST_F(GalleryTest, FirstSubFolderWithPicturesFillsTheStripAndNoFolderNone) {
    file("own.jpg", solid(Qt::gray));       // the root's own files never count
    file("A/notes.txt");                    // listed first, holds none
    file("b/one.BMP", solid(Qt::red));      // b: the first with pictures
    file("b/two.jpg");                      // passes the filter, cannot be read
    file("b/three.bmp", solid(Qt::blue));
    file("C/later.jpg", solid(Qt::green));  // never looked at
    Form1& f = start();
    EXPECT_EQ(f.GalleryFolder, path("b"));
    ASSERT_EQ(f.Image3.Count(), 3);  // in the order of their names
    EXPECT_EQ(f.Image3(0).Picture().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(f.Image3(1).Picture().pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_TRUE(f.Image3(2).Picture().isNull());  // blank, index kept

    platform.gallery = path("missing");  // no folder: start-up goes on
    makeForm(1024, 768).Form_Load();
    EXPECT_EQ(form->Image3.Count(), 1);
    // The only thumbnail is blank: stepping to it must not wipe an unrecorded drawing.
    form->KeyResponder(13, 0);
    const QImage drawn = form->Picture4->Image();
    form->KeyResponder(38, 2);
    form->KeyResponder(40, 2);
    EXPECT_EQ(form->Picture4->Image(), drawn);
}

// Metafiles, an 8000 x 6000 picture and a file name that is not UTF-8 each
// get a thumbnail and paint stretched over the whole canvas. A thumbnail holds
// its picture reduced to its own size, but the canvas gets the whole picture:
// a fine checkerboard stays pure red and blue, never blended.
TEST_F(GalleryTest, EveryListedPictureIsShownWhole) {
    QImage large(8000, 6000, QImage::Format_RGB32);
    large.fill(Qt::blue);
    QPainter(&large).fillRect(0, 0, 4000, 6000, Qt::red);
    file("S/b.jpg", large);
    large = QImage();
    const QByteArray wmf = testMetafile();
    std::ofstream(path("S/a.wmf"), std::ios::binary).write(wmf.constData(), wmf.size());
    file("S/c.bmp", solid(Qt::green));
    ASSERT_EQ(std::rename(path("S/c.bmp").c_str(), path("S/c\xff\xfe.bmp").c_str()), 0);
    QImage board(600, 400, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x) board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    file("S/d.bmp", board);
    Form1& f = start();
    ASSERT_EQ(f.Image3.Count(), 4);

    auto near = [](forms::Color got, forms::Color want) {
        return std::abs(forms::redOf(got) - forms::redOf(want)) <= 8 &&
               std::abs(forms::greenOf(got) - forms::greenOf(want)) <= 8 &&
               std::abs(forms::blueOf(got) - forms::blueOf(want)) <= 8;
    };
    for (int i : {0, 1}) {
        EXPECT_FALSE(f.Image3(i).Picture().isNull()) << i;
        f.Image3_Click(i);
        EXPECT_TRUE(near(quarter(0, 1), kRed)) << i << " " << std::hex << quarter(0, 1);
        EXPECT_TRUE(near(quarter(1, 0), kBlue)) << i << " " << std::hex << quarter(1, 0);
    }
    EXPECT_FALSE(f.Image3(2).Picture().isNull());
    f.Image3_Click(2);
    EXPECT_EQ(quarter(1, 1), kGreen);

    EXPECT_LT(f.Image3(3).Picture().width(), 600);
    clickOn(f.Image3(3));
    const QImage canvas = f.Picture4->Image();
    for (int i = 0; i < 200; ++i) {
        const QRgb p = canvas.pixel((i * 37) % canvas.width(), (i * 53) % canvas.height()) & 0xFFFFFF;
        ASSERT_TRUE(p == 0xFF0000u || p == 0x0000FFu) << std::hex << p;
    }
}

// Metafiles that never finish drawing: each thumbnail has a short limit of
// the helper's CPU time and the strip's pictures share a budget of it, after
// which the remaining pictures, of every kind, stay blank untried. A blank
// thumbnail is never decoded again: stepping onto it, choosing it and
// Delete return at once.
TEST_F(GalleryTest, LoopingMetafilesKeepToTheirLimitsAndAreNotReadAgain) {
    for (int i = 0; i < 8; ++i) bytes("S/a" + std::to_string(i) + ".wmf", loopingMetafile());
    bytes("S/b.wmf", testMetafile());  // after 8 limits: still drawn
    for (int i = 0; i < 12; ++i) bytes("S/c" + std::to_string(10 + i) + ".wmf", loopingMetafile());
    bytes("S/d.wmf", testMetafile());  // the budget is spent: not tried
    file("S/e.bmp", solid(Qt::red));  // nor this
    Form1* started = nullptr;
    EXPECT_LT(seconds([&] { started = &start(); }), 10);
    Form1& f = *started;
    ASSERT_EQ(f.Image3.Count(), 23);
    for (int i = 0; i < 23; ++i)
        EXPECT_EQ(f.Image3(i).Picture().isNull(), i != 8) << i;

    while (f.ToolNo != 7) f.KeyResponder(113, 0);
    const double steps = seconds([&] {
        for (int code : {39, 37}) {  // Right onto a blank thumbnail, Left back to another
            int key = code, shift = 0;
            f.Picture4->KeyDown(key, shift);
        }
        f.Image3_Click(0);
        f.KeyResponder(46, 0);
    });
    EXPECT_LT(steps, 1);
    EXPECT_EQ(f.SelectedPicture, 0);
    EXPECT_EQ(f.Shape6->Left(), f.Image3(0).Left());
}

// A chosen picture whose file was removed, replaced or runs out of time is
// painted from its thumbnail, stretched over the canvas, never left black.
// A time-out at the canvas's size costs its limit once: the next click and
// Delete take the thumbnail at once.
TEST_F(GalleryTest, PictureThatCannotBeReadAgainIsPaintedFromItsThumbnail) {
    QImage four(2, 2, QImage::Format_RGB32);
    four.setPixel(0, 0, qRgb(255, 0, 0));
    four.setPixel(1, 0, qRgb(0, 255, 0));
    four.setPixel(0, 1, qRgb(0, 0, 255));
    four.setPixel(1, 1, qRgb(255, 255, 255));
    file("S/a.bmp", four);
    bytes("S/b.wmf", testMetafile());
    Form1& f = start();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path("S/a.bmp"))));
    f.Image3_Click(0);
    EXPECT_TRUE(f.BackgroundSet);
    const forms::Color colours[] = {kRed, kGreen, kBlue, kWhite};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(quarter(i % 2, i / 2), colours[i]) << i;

    bytes("S/b.wmf", loopingMetafile());
    EXPECT_LT(seconds([&] { f.Image3_Click(1); }), 3);  // one canvas-size limit, no second try
    EXPECT_EQ(quarter(0, 0), kRed);  // the thumbnail: red on the left, blue on the right
    EXPECT_EQ(quarter(1, 1), kBlue);
    EXPECT_LT(seconds([&] {
                  f.Image3_Click(1);
                  f.KeyResponder(46, 0);
              }),
              1);
    EXPECT_EQ(quarter(0, 1), kRed);
}

}  // namespace
