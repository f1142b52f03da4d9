// Checks the pictures compiled into the program: each one loads through Qt's
// image plugins with the size the window layout relies on, and the mouse
// cursors have their hot spot (lower-left pixel) painted.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace {

struct Picture {
    int number;
    const char *ext;
    int width;
    int height;
};

const Picture kPictures[] = {
    {1, "ico", 32, 32},   {2, "gif", 600, 564}, {3, "ico", 32, 32},   {4, "ico", 32, 32},
    {5, "bmp", 80, 65},   {6, "bmp", 80, 65},   {7, "bmp", 80, 65},   {8, "bmp", 80, 65},
    {9, "bmp", 80, 65},   {10, "bmp", 80, 65},  {11, "bmp", 80, 65},  {12, "bmp", 80, 65},
    {13, "bmp", 80, 65},  {14, "bmp", 80, 65},  {15, "bmp", 80, 82},  {16, "bmp", 72, 144},
    {17, "bmp", 72, 144}, {18, "bmp", 300, 300}, {19, "bmp", 300, 300}, {20, "png", 317, 317},
    {21, "png", 317, 317}, {22, "png", 317, 317}, {23, "png", 317, 317}, {24, "bmp", 36, 36},
    {25, "bmp", 48, 48},  {26, "bmp", 48, 48},  {27, "bmp", 48, 48},  {28, "bmp", 48, 48},
    {29, "jpg", 72, 72},  {30, "jpg", 72, 72},  {31, "jpg", 72, 72},  {32, "jpg", 72, 72},
    {33, "jpg", 72, 72},  {34, "jpg", 72, 72},  {35, "jpg", 72, 72},  {36, "jpg", 1026, 770},
    {37, "ico", 32, 32},
};

QString resourcePath(int number, const char *ext)
{
    return QStringLiteral(":/pictures/p%1.%2").arg(number, 2, 10, QLatin1Char('0')).arg(QLatin1String(ext));
}

class Pictures : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Image plugins (ICO, GIF, JPEG) are found through the application.
        if (!QGuiApplication::instance()) {
            static int argc = 1;
            static char name[] = "lumadraw_tests";
            static char *argv[] = {name, nullptr};
            static QGuiApplication app(argc, argv);
        }
    }
};

TEST_F(Pictures, EveryPictureLoadsWithItsLayoutSize)
{
    for (const Picture &p : kPictures) {
        const QString path = resourcePath(p.number, p.ext);
        QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString() << " does not load";
        EXPECT_EQ(image.width(), p.width) << path.toStdString();
        EXPECT_EQ(image.height(), p.height) << path.toStdString();
    }
}

TEST_F(Pictures, CursorHotSpotsAreOpaqueInTheLowerLeftCorner)
{
    for (int number : {3, 4, 37}) {
        QImage cursor(resourcePath(number, "ico"));
        ASSERT_FALSE(cursor.isNull());
        EXPECT_EQ(qAlpha(cursor.pixel(0, 31)), 255) << "picture " << number;
        EXPECT_EQ(qAlpha(cursor.pixel(31, 31)), 0) << "picture " << number;
    }
    EXPECT_EQ(QImage(resourcePath(4, "ico")), QImage(resourcePath(37, "ico")));
}

} // namespace
