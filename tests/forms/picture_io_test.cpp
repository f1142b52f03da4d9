// Loading and saving pictures, failures as run-time errors, built-in pictures.
#include "forms/picture_io.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <cstring>
#include <fstream>

#include <cstdlib>
#include <filesystem>

#include "picture_helper/metafile_header.h"
#include "forms/types.h"
#include "support/flat_png.h"
#include "support/looping_metafile.h"
#include "support/test_metafile.h"

using namespace forms;

namespace {

class PictureIoTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    void write(const std::string& file, const QByteArray& bytes) {
        std::ofstream(file, std::ios::binary).write(bytes.constData(), bytes.size());
    }
    // `bytes` as a file named with `suffix`, decoded at most `fit` large
    // (null when refused).
    QImage decoded(const QByteArray& bytes, const std::string& suffix, QSize fit) {
        const std::string file = path("decoded.") + suffix;
        write(file, bytes);
        return decodePictureFile(file, fit, kPictureTimeLimit).image;
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
    EXPECT_EQ(saved.read(30)[28], 24);  // bits per pixel
    EXPECT_EQ(LoadPicture(path("a.BMP")), image);
}

TEST_F(PictureIoTest, FailuresThrowAndLeaveNoFile) {
    EXPECT_THROW(LoadPicture(path("missing.bmp")), RuntimeError);
    // A header announcing 9000 x 8000 pixels and no pixel data: refused by
    // its size before anything is read.
    write(path("huge.bmp"), bmpHeaders(9000, 8000));
    EXPECT_THROW(LoadPicture(path("huge.bmp")), RuntimeError);

    EXPECT_THROW(SavePicture(QImage(), path("empty.BMP")), RuntimeError);
    EXPECT_FALSE(QFile::exists(dir.filePath("empty.BMP")));
}

// Drawn at the canvas's size the end-to-end test sees them; here their own
// size and what is refused.
TEST_F(PictureIoTest, MetafilesAreDrawnAtTheirOwnSizeOrRefused) {
    const QByteArray wmf = testMetafile();
    write(path("m.WMF"), wmf);  // the name's case does not matter
    const QImage own = LoadPicture(path("m.WMF"));
    EXPECT_EQ(own.size(), QSize(96, 96));  // 1000 units at 1000 an inch
    EXPECT_TRUE(redLeftBlueRight(own));
    // Beyond 64 megapixels the size asked is reduced to them, keeping its shape.
    const QImage reduced = decoded(wmf, "wmf", QSize(9000, 9000));
    EXPECT_LE(qint64(reduced.width()) * reduced.height(), 64LL << 20);
    EXPECT_EQ(reduced.width(), reduced.height());

    // Anything else named .wmf is refused; a cut-off metafile at worst
    // draws less.
    write(path("bitmap.wmf"), encoded(QImage(8, 8, QImage::Format_RGB32), "bmp"));
    EXPECT_THROW(LoadPicture(path("bitmap.wmf")), RuntimeError);
    for (qsizetype cut : {qsizetype(22), qsizetype(40), qsizetype(60), wmf.size() - 6})
        decoded(wmf.left(cut), "wmf", QSize(10, 10));
}

TEST_F(PictureIoTest, OnlyMetafileHeadersReachTheMetafileLibrary) {
    const QByteArray wmf = testMetafile();
    EXPECT_TRUE(picture_helper::hasMetafileHeader(bytesOf(wmf)));
    EXPECT_TRUE(picture_helper::hasMetafileHeader(bytesOf(wmf.mid(22))));  // no placeable header
    // A wrong checksum, a wrong header length, a cut-off header.
    for (int at : {20, 24}) {
        QByteArray b = wmf;
        b[at] = char(b[at] ^ 1);
        EXPECT_FALSE(picture_helper::hasMetafileHeader(bytesOf(b))) << at;
    }
    EXPECT_FALSE(picture_helper::hasMetafileHeader(bytesOf(wmf.left(30))));
}

// Qt refuses images over 128 MB unless told otherwise; the program accepts
// up to 64 megapixels, which take 256 MB. (At the canvas's size the
// end-to-end test sees it.)
TEST_F(PictureIoTest, LargePicturesDecodeAtTheirOwnSize) {
    QImage large(8000, 6000, QImage::Format_RGB32);
    large.fill(Qt::blue);
    QPainter(&large).fillRect(0, 0, 4000, 6000, Qt::red);
    const QByteArray png = encoded(large, "png");
    large = QImage();
    const QImage own = decoded(png, "png", QSize());
    EXPECT_EQ(own.size(), QSize(8000, 6000));
    EXPECT_TRUE(redLeftBlueRight(own));
}

// This process's resident memory, or its peak since the last resetPeak(), in MB.
double memoryMB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::atof(line.c_str() + std::strlen(field)) / 1024;
    return 0;
}
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// What a picture takes decoded is judged from its header, before any pixel
// is decoded: a 16-bit 8192 x 8192 PNG (512 MB decoded, named as a JPEG) is
// refused, an 8-bit one of the same size taken. A file is never read whole
// to find out whether it is a picture: neither a 500 MB file of zeros nor a
// metafile of that size (only its header read) raises the peak memory.
TEST_F(PictureIoTest, PicturesAreJudgedByTheirDecodedSizeAndNotReadWhole) {
    write(path("deep.jpg"), flatPng(8192, 8192, 16, 6));
    write(path("grey.png"), flatPng(8192, 8192, 8, 0));
    write(path("zeros.bmp"), QByteArray());
    write(path("large.wmf"), loopingMetafile());
    for (const char* name : {"zeros.bmp", "large.wmf"}) std::filesystem::resize_file(path(name), 500 << 20);
    for (const char* name : {"deep.jpg", "zeros.bmp", "large.wmf"}) {
        resetPeak();
        const double before = memoryMB("VmRSS:");
        EXPECT_THROW(LoadPicture(path(name), QSize(104, 78)), RuntimeError) << name;
        EXPECT_LT(memoryMB("VmHWM:") - before, 100) << name;
    }
    EXPECT_EQ(LoadPicture(path("grey.png"), QSize(104, 78)).size(), QSize(104, 78));
}

TEST_F(PictureIoTest, FileNamesThatAreNotUtf8) {
    const std::string name = dir.path().toStdString() + "/pic\xff\xfe.bmp";
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    write(name, encoded(image, "bmp"));
    EXPECT_EQ(LoadPicture(name), image);
}

TEST_F(PictureIoTest, BuiltinPicturesKeepTransparencyOnlyWhereTheyHaveIt) {
    // A mouse cursor: hot spot (lower left) opaque, the rest of the bottom row clear.
    const QImage cursor = builtinPicture(3);
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(cursor.pixel(0, 31)), 255);
    EXPECT_EQ(qAlpha(cursor.pixel(31, 31)), 0);
    EXPECT_EQ(builtinPicture(5).format(), QImage::Format_RGB32);
}

// A top-down BMP (its height stored negative) does not tell its size before
// it is read; it is still decoded no larger than asked.
TEST_F(PictureIoTest, PictureThatHidesItsSizeIsStillReducedToTheFit) {
    const QByteArray bmp = bmpHeaders(300, -200) + QByteArray(300 * 3 * 200, '\x7f');
    EXPECT_EQ(decoded(bmp, "bmp", QSize(104, 78)).size(), QSize(104, 78));
    EXPECT_EQ(decoded(bmp, "bmp", QSize(1024, 50)).size(), QSize(300, 50));
}

}  // namespace
