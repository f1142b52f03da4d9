// Loading and saving pictures through Qt's image readers and writers.
#include "forms/picture_io.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include "forms/types.h"

namespace forms {

namespace {

// The largest picture loaded, in pixels: a 64-megapixel image already takes
// 256 MB in memory.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

// Pictures without transparency become RGB32, the canvas's own format;
// pictures with it (icons, cursors, transparent GIF and PNG) keep it as
// ARGB32 so that cursors and icons show their transparent parts.
QImage normalised(const QImage& image) {
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

}  // namespace

QImage LoadPicture(const std::string& path) { return LoadPicture(path, QSize()); }

QImage LoadPicture(const std::string& path, QSize atMost) {
    if (path.empty()) return QImage();
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile()) throw RuntimeError("File not found: " + path);
    QImageReader reader(file);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        throw RuntimeError("Picture too large: " + path);
    // A reduced copy is decoded at the reduced size (JPEG decodes it far
    // faster than the whole picture).
    if (atMost.isValid() && size.isValid() && (size.width() > atMost.width() || size.height() > atMost.height()))
        reader.setScaledSize(size.boundedTo(atMost));
    QImage image = reader.read();
    if (image.isNull()) throw RuntimeError("Invalid picture: " + path);
    // Readers that cannot tell the size beforehand are caught here (and by
    // Qt's own allocation limit while reading).
    if (qint64(image.width()) * image.height() > kMaxPixels) throw RuntimeError("Picture too large: " + path);
    return normalised(image);
}

void SavePicture(const QImage& image, const std::string& path) {
    if (image.isNull()) throw RuntimeError("Invalid picture");
    // Written beside the target and renamed over it only when complete: a
    // failed save (no such folder, full disk) leaves no half file and any
    // earlier file of that name untouched.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) throw RuntimeError("Path/File access error: " + path);
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888))) {
        file.cancelWriting();
        throw RuntimeError("Device I/O error: " + path);
    }
    if (!file.commit()) throw RuntimeError("Device I/O error: " + path);
}

QImage builtinPicture(int number) {
    // The format of each built-in picture, by number.
    auto extension = [](int n) -> const char* {
        if (n == 1 || n == 3 || n == 4 || n == 37) return "ico";
        if (n == 2) return "gif";
        if ((n >= 5 && n <= 19) || (n >= 24 && n <= 28)) return "bmp";
        if (n >= 20 && n <= 23) return "png";
        if (n >= 29 && n <= 36) return "jpg";
        return nullptr;
    };
    const char* ext = extension(number);
    if (!ext) return QImage();
    const QString path = QStringLiteral(":/pictures/p%1.%2").arg(number, 2, 10, QLatin1Char('0')).arg(QLatin1String(ext));
    return normalised(QImage(path));
}

}  // namespace forms
