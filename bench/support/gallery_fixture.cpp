#include "support/gallery_fixture.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>

namespace bench {

namespace {

void paintPhoto(QImage& image, int i) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = (x * 7919 + y * 104729 + i * 31) % 23;
            line[x] = qRgb((x / 4 + i * 5 + noise) & 255, (y / 3 + noise) & 255, ((x + y) / 8 + i) & 255);
        }
    }
    QPainter p(&image);
    p.setBrush(QColor::fromHsv((i * 37) % 360, 200, 220));
    p.drawEllipse(100 + i * 10, 100 + i * 5, 400, 300);
}

}  // namespace

GalleryFixture::GalleryFixture(int count, QSize size, Content content) {
    QDir(dir_.path()).mkdir("Pictures");
    QImage image(size, QImage::Format_RGB32);
    for (int i = 0; i < count; ++i) {
        if (content == Content::Photo)
            paintPhoto(image, i);
        else
            image.fill(QColor::fromHsv((i * 37) % 360, 160, 200));
        image.save(dir_.path() + QString("/Pictures/picture%1.jpg").arg(i, 5, 10, QChar('0')), "jpg", 90);
    }
}

}  // namespace bench
