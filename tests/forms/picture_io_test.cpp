// Loading and saving pictures, failures as run-time errors, built-in pictures.
#include "forms/picture_io.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDataStream>
#include <QPainter>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "forms/metafile_header.h"
#include "forms/types.h"
#include <cstdlib>
#include "support/test_metafile.h"

using namespace forms;

namespace {

class PictureIoTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    void write(const std::string& file, const QByteArray& bytes) {
        std::ofstream(file, std::ios::binary).write(bytes.constData(), bytes.size());
    }
    QTemporaryDir dir;
};

bool redLeftBlueRight(const QImage& image) {
    const int y = image.height() / 2;
    return image.pixel(image.width() / 4, y) == qRgb(255, 0, 0) &&
           image.pixel(image.width() * 3 / 4, y) == qRgb(0, 0, 255);
}

std::span<const std::uint8_t> bytesOf(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())};
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    image.save(&out, format, 80);
    return bytes;
}

// The headers of a 24-bit BMP (a negative height: stored top-down), without
// its pixels; rows of `width` multiple of 4 bytes need no padding.
QByteArray bmpHeaders(qint32 width, qint32 height) {
    const quint32 pixelBytes = quint32(width) * 3 * quint32(std::abs(height));
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + pixelBytes) << quint32(0) << quint32(54) << quint32(40) << width << height << quint16(1)
        << quint16(24) << quint32(0) << pixelBytes << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    return bmp;
}

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
    write(path("huge.bmp"), bmpHeaders(9000, 8000));
    EXPECT_THROW(LoadPicture(path("huge.bmp")), RuntimeError);

    EXPECT_THROW(SavePicture(QImage(4, 4, QImage::Format_RGB32), path("no such folder/b.BMP")), RuntimeError);
    EXPECT_THROW(SavePicture(QImage(), path("empty.BMP")), RuntimeError);
    EXPECT_FALSE(QFile::exists(dir.filePath("empty.BMP")));
}

TEST_F(PictureIoTest, MetafilesAreDrawnAtTheSizeAskedForOrAtTheirOwn) {
    const QByteArray wmf = testMetafile();
    const QImage thumb = decodePicture(wmf, "wmf", QSize(40, 20));
    EXPECT_EQ(thumb.size(), QSize(40, 20));
    EXPECT_TRUE(redLeftBlueRight(thumb));
    const QImage own = decodePicture(wmf, "wmf", QSize());
    EXPECT_EQ(own.size(), QSize(96, 96));  // 1000 units at 1000 an inch
    EXPECT_TRUE(redLeftBlueRight(own));
    EXPECT_TRUE(decodePicture(wmf, "wmf", QSize(9000, 9000)).isNull());  // beyond 64 megapixels

    write(path("m.WMF"), wmf);  // the name's case does not matter
    EXPECT_TRUE(redLeftBlueRight(LoadPicture(path("m.WMF"), QSize(30, 30))));

    // Anything else named .wmf is refused; a cut-off metafile at worst
    // draws less.
    EXPECT_TRUE(decodePicture(QByteArray("not a metafile at all"), "wmf", QSize()).isNull());
    QImage bmp(8, 8, QImage::Format_RGB32);
    bmp.fill(Qt::red);
    bmp.save(QString::fromStdString(path("bitmap.wmf")), "bmp");
    EXPECT_THROW(LoadPicture(path("bitmap.wmf")), RuntimeError);
    for (qsizetype cut : {qsizetype(22), qsizetype(40), qsizetype(60), wmf.size() - 6})
        decodePicture(wmf.left(cut), "wmf", QSize(10, 10));
}

TEST_F(PictureIoTest, OnlyMetafileHeadersReachTheMetafileLibrary) {
    const QByteArray wmf = testMetafile();
    EXPECT_TRUE(hasMetafileHeader(bytesOf(wmf)));
    EXPECT_TRUE(hasMetafileHeader(bytesOf(wmf.mid(22))));  // no placeable header
    // One word changed; `checked` keeps the placeable header's checksum right.
    auto changed = [&](int at, std::uint16_t value, bool checked = false) {
        QByteArray b = wmf;
        auto put = [&b](int i, std::uint16_t w) {
            b[i] = char(w & 0xFF);
            b[i + 1] = char(w >> 8);
        };
        put(at, value);
        if (checked) {
            std::uint16_t sum = 0;
            for (int i = 0; i < 20; i += 2) sum ^= std::uint16_t(std::uint8_t(b[i]) | std::uint8_t(b[i + 1]) << 8);
            put(20, sum);
        }
        return hasMetafileHeader(bytesOf(b));
    };
    EXPECT_TRUE(changed(14, 1440, true));
    // The checksum; no units per inch; the right edge on the left one; the
    // bottom edge on the top one; the type, header length and version.
    for (auto [at, value, checked] : {std::tuple{20, 0, false}, {14, 0, true}, {10, 0, true}, {12, 0, true},
                                      {22, 3, false}, {24, 10, false}, {26, 0x0200, false}})
        EXPECT_FALSE(changed(at, std::uint16_t(value), checked)) << at;
    EXPECT_FALSE(hasMetafileHeader(bytesOf(wmf.left(30))));
    EXPECT_FALSE(hasMetafileHeader({}));
}

// Qt refuses images over 128 MB unless told otherwise; the program accepts
// up to 64 megapixels, which take 256 MB.
TEST_F(PictureIoTest, LargePicturesDecodeAtTheSizeAskedForAndAtTheirOwn) {
    QImage large(8000, 6000, QImage::Format_RGB32);
    large.fill(Qt::blue);
    QPainter(&large).fillRect(0, 0, 4000, 6000, Qt::red);
    const QByteArray png = encoded(large, "png");
    large = QImage();
    const QImage canvas = decodePicture(png, "png", QSize(800, 700));
    EXPECT_EQ(canvas.size(), QSize(800, 700));  // each direction on its own
    EXPECT_TRUE(redLeftBlueRight(canvas));
    const QImage own = decodePicture(png, "png", QSize());
    EXPECT_EQ(own.size(), QSize(8000, 6000));
    EXPECT_TRUE(redLeftBlueRight(own));
}

TEST_F(PictureIoTest, FileNamesThatAreNotUtf8) {
    const std::string name = dir.path().toStdString() + "/pic\xff\xfe.bmp";
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    write(name, encoded(image, "bmp"));
    EXPECT_EQ(LoadPicture(name), image);
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

// A top-down BMP (its height stored negative) does not tell its size before
// it is read; it is still decoded no larger than asked.
TEST_F(PictureIoTest, PictureThatHidesItsSizeIsStillReducedToTheFit) {
    const QByteArray bmp = bmpHeaders(300, -200) + QByteArray(300 * 3 * 200, '\x7f');
    EXPECT_EQ(decodePicture(bmp, "bmp", QSize()).size(), QSize(300, 200));
    EXPECT_EQ(decodePicture(bmp, "bmp", QSize(104, 78)).size(), QSize(104, 78));
    EXPECT_EQ(decodePicture(bmp, "bmp", QSize(1024, 50)).size(), QSize(300, 50));
}

}  // namespace
