// The gallery folder search at start-up against real temporary folders: the
// first sub-folder with pictures wins, the root's own files never count, an
// unreadable picture leaves a blank thumbnail in its place, and an empty or
// missing folder leaves the gallery empty.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "support/form_fixture.h"
#include "window/layout.h"

namespace {

class GalleryFolderTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(root.isValid());
        platform.gallery = root.path().toStdString();
    }
    std::string path(const std::string& rel) const { return root.path().toStdString() + "/" + rel; }
    void picture(const std::string& rel, QRgb colour) {
        QDir().mkpath(QFileInfo(QString::fromStdString(path(rel))).path());
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(path(rel))));
    }
    void file(const std::string& rel, const char* bytes) {
        QDir().mkpath(QFileInfo(QString::fromStdString(path(rel))).path());
        QFile f(QString::fromStdString(path(rel)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::vector<std::string> listed(const forms::ListBox& list) {
        std::vector<std::string> out;
        for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
        return out;
    }
    QTemporaryDir root;
};

TEST_F(GalleryFolderTest, FirstSubFolderWithPicturesFillsTheStrip) {
    picture("own.jpg", qRgb(1, 1, 1));          // the root's own files never count
    file("A/notes.txt", "no pictures here");    // listed first, holds none
    picture("b/one.BMP", qRgb(255, 0, 0));      // b: the first with pictures
    file("b/two.jpg", "not a picture at all");  // passes the filter, cannot be read
    picture("b/three.bmp", qRgb(0, 0, 255));
    picture("C/later.jpg", qRgb(0, 255, 0));    // never looked at
    Form1& f = *form;
    f.Form_Load();

    EXPECT_EQ(f.GalleryFolder, path("b"));
    EXPECT_EQ(listed(*f.FolderList), (std::vector<std::string>{"A", "b", "C"}));
    EXPECT_EQ(listed(*f.FileList), (std::vector<std::string>{"one.BMP", "three.bmp", "two.jpg"}));
    ASSERT_EQ(f.Image3.Count(), 3);
    EXPECT_EQ(f.Image3(0).Picture().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(f.Image3(1).Picture().pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_TRUE(f.Image3(2).Picture().isNull());  // blank, index kept

    // The strip's geometry, its scroll range and the frame on thumbnail 0.
    const auto strip = layout::galleryStrip(1935, 3, f.Picture5->Width());
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(f.Image3(i).Left(), strip.Image3[i].Left);
        EXPECT_FLOAT_EQ(f.Image3(i).Width(), 1548);
        EXPECT_TRUE(f.Image3(i).Visible());
    }
    EXPECT_FLOAT_EQ(f.Picture6->Width(), strip.Picture6.Width);
    EXPECT_EQ(f.HScroll1->Max(), 0);  // three thumbnails fit the viewport
    EXPECT_TRUE(f.Picture6->Visible());
    EXPECT_FALSE(f.ProgressBar1->Visible());
    EXPECT_FLOAT_EQ(f.Shape6->Left(), 193.5f);
    EXPECT_FLOAT_EQ(f.Shape6->Width(), 1548);
}

TEST_F(GalleryFolderTest, NoSubFolderWithPicturesLeavesTheGalleryEmpty) {
    picture("own.jpg", qRgb(1, 1, 1));
    file("A/readme.txt", "x");
    QDir().mkpath(QString::fromStdString(path("B")));
    form->Form_Load();
    EXPECT_EQ(form->GalleryFolder, root.path().toStdString());
    EXPECT_EQ(form->FolderList->ListCount(), 2);
    EXPECT_EQ(form->FileList->ListCount(), 0);
    EXPECT_EQ(form->Image3.Count(), 1);

    // No folder at all: nothing is listed and start-up goes on.
    platform.gallery = path("missing");
    Form1& g = makeForm(1024, 768);
    g.Form_Load();
    EXPECT_EQ(g.GalleryFolder, path("missing"));
    EXPECT_EQ(g.FolderList->ListCount(), 0);
    EXPECT_EQ(g.FileList->ListCount(), 0);
    EXPECT_EQ(g.Image3.Count(), 1);
    EXPECT_EQ(g.CommandCount, 1);
}

TEST_F(GalleryFolderTest, FileFilterTakesTheLastThreeCharacters) {
    for (const char* name : {"a.JPG", "b.jpeg", "c.Gif", "d.png", "e.tif", "f.wmf", "G", "x.BM", "y.txt"})
        file(std::string("F/") + name, "x");
    form->GetFileList(path("F"), *form->FileList);
    EXPECT_EQ(listed(*form->FileList), (std::vector<std::string>{"a.JPG", "b.jpeg", "c.Gif", "f.wmf", "G", "x.BM"}));
    form->GetFileList(path("nowhere"), *form->FileList);
    EXPECT_EQ(form->FileList->ListCount(), 0);
}

}  // namespace
