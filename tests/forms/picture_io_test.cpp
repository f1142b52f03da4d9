// Loading and saving pictures, failures as run-time errors, built-in pictures.
#include "forms/picture_io.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "forms/types.h"
#include "support/qt_app.h"

using namespace forms;

namespace {

class PictureIoTest : public ::testing::Test {
protected:
    void SetUp() override { ensureQtApp(); }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(PictureIoTest, SavesA24BitBmpThatLoadsBackPixelForPixel) {
    QImage image(5, 3, QImage::Format_RGB32);  // odd width: padded rows
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(x * 50, y * 100, 255 - x * 7 - y));
    SavePicture(image, path("a.BMP"));
    QFile saved(dir.filePath("a.BMP"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray header = saved.read(30);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(header[28], 24);  // bits per pixel
    EXPECT_EQ(LoadPicture(path("a.BMP")), image);
}

TEST_F(PictureIoTest, FailuresThrowAndLeaveNoFile) {
    EXPECT_THROW(LoadPicture(path("missing.bmp")), RuntimeError);
    std::ofstream(path("text.bmp")) << "this is not a picture";
    EXPECT_THROW(LoadPicture(path("text.bmp")), RuntimeError);
    // A header announcing 9000 x 8000 pixels and no pixel data: refused by
    // its size before anything is read.
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 9000 * 3 * 8000) << quint32(0) << quint32(54) << quint32(40) << qint32(9000) << qint32(8000)
        << quint16(1) << quint16(24) << quint32(0) << quint32(9000 * 3 * 8000) << qint32(2835) << qint32(2835)
        << quint32(0) << quint32(0);
    std::ofstream(path("huge.bmp"), std::ios::binary).write(bmp.constData(), bmp.size());
    EXPECT_THROW(LoadPicture(path("huge.bmp")), RuntimeError);

    EXPECT_THROW(SavePicture(QImage(4, 4, QImage::Format_RGB32), path("no such folder/b.BMP")), RuntimeError);
    EXPECT_THROW(SavePicture(QImage(), path("empty.BMP")), RuntimeError);
    EXPECT_FALSE(QFile::exists(dir.filePath("empty.BMP")));
}

TEST_F(PictureIoTest, BuiltinPicturesKeepTransparencyOnlyWhereTheyHaveIt) {
    // The mouse cursors: hot spot (lower left) opaque, the rest of the bottom row clear.
    for (int number : {3, 4, 37}) {
        const QImage cursor = builtinPicture(number);
        ASSERT_EQ(cursor.size(), QSize(32, 32)) << number;
        EXPECT_EQ(qAlpha(cursor.pixel(0, 31)), 255) << number;
        EXPECT_EQ(qAlpha(cursor.pixel(31, 31)), 0) << number;
    }
    EXPECT_EQ(builtinPicture(5).format(), QImage::Format_RGB32);
    EXPECT_TRUE(builtinPicture(0).isNull() && builtinPicture(38).isNull());
}

}  // namespace

// A top-down BMP (its height stored negative) does not tell its size before
// it is read; it is still decoded no larger than asked.
TEST_F(PictureIoTest, PictureThatHidesItsSizeIsStillReducedToTheFit) {
    const int width = 300, height = 200, row = width * 3;  // 24 bits, rows already a multiple of 4
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + row * height) << quint32(0) << quint32(54);
    out << quint32(40) << qint32(width) << qint32(-height) << quint16(1) << quint16(24) << quint32(0)
        << quint32(row * height) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    bmp.append(QByteArray(row * height, '\x7f'));
    EXPECT_EQ(decodePicture(bmp, "bmp", QSize()).size(), QSize(width, height));
    EXPECT_EQ(decodePicture(bmp, "bmp", QSize(104, 78)).size(), QSize(104, 78));
    EXPECT_EQ(decodePicture(bmp, "bmp", QSize(1024, 50)).size(), QSize(width, 50));
}
