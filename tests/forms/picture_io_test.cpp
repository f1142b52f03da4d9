// Loading and saving pictures: 24-bit BMP files, failures as run-time
// errors, and the built-in pictures.
#include "forms/picture_io.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include "forms/types.h"
#include "support/qt_app.h"

using namespace forms;

namespace {

class PictureIoTest : public ::testing::Test {
protected:
    void SetUp() override { ensureQtApp(); }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QByteArray read(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const char* name, const QByteArray& bytes) const {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(PictureIoTest, SavesA24BitBmpThatLoadsBackPixelForPixel) {
    QImage image(5, 3, QImage::Format_RGB32);  // odd width: padded rows
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(x * 50, y * 100, 255 - x * 7 - y));
    SavePicture(image, path("a.BMP"));
    const QByteArray bytes = read("a.BMP");
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]) | static_cast<unsigned char>(bytes[29]) << 8, 24);
    const QImage loaded = LoadPicture(path("a.BMP"));
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded, image);
}

TEST_F(PictureIoTest, FailuresThrowAndLeaveNoFile) {
    EXPECT_TRUE(LoadPicture("").isNull());
    EXPECT_THROW(LoadPicture(path("missing.bmp")), RuntimeError);
    write("text.bmp", "this is not a picture");
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
    write("huge.bmp", bmp);
    EXPECT_THROW(LoadPicture(path("huge.bmp")), RuntimeError);

    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    EXPECT_THROW(SavePicture(image, path("no such folder/b.BMP")), RuntimeError);
    EXPECT_THROW(SavePicture(QImage(), path("empty.BMP")), RuntimeError);
    EXPECT_FALSE(QFile::exists(dir.filePath("empty.BMP")));
}

TEST_F(PictureIoTest, BuiltinPicturesKeepTransparencyOnlyWhereTheyHaveIt) {
    const QImage icon = builtinPicture(3);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(31, 31)), 0);
    EXPECT_EQ(builtinPicture(5).format(), QImage::Format_RGB32);
    EXPECT_EQ(builtinPicture(36).size(), QSize(1026, 770));
    EXPECT_TRUE(builtinPicture(0).isNull());
    EXPECT_TRUE(builtinPicture(38).isNull());
}

}  // namespace
