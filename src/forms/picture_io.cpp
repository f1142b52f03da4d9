// Loading and saving pictures: Qt's image readers and writers, and libwmf
// for metafiles.
#include "forms/picture_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <span>

#include "forms/metafile.h"
#include "forms/metafile_header.h"
#include "forms/metafile_protocol.h"
#include "forms/types.h"

namespace forms {

namespace {

// The most memory one decoded picture may take: 64 megapixels at 4 bytes a
// pixel, the canvas's own format. A picture that holds more bytes a pixel
// (16-bit PNG) is allowed fewer pixels.
constexpr qint64 kMaxPictureBytes = 256LL * 1024 * 1024;
constexpr qint64 kMaxPixels = kMaxPictureBytes / 4;
// Qt's readers refuse to allocate an image above this, in megabytes: the
// check while reading, for readers that cannot tell size or format first.
constexpr int kReaderLimitMB = int(kMaxPictureBytes / (1024 * 1024));
// What the metafile header check needs: a placeable header (22 bytes) and
// the metafile header behind it (18).
constexpr qint64 kMetafileHeadBytes = 40;

// Pictures without transparency become RGB32, the canvas's own format;
// pictures with it (icons, cursors, transparent GIF and PNG) keep it as
// ARGB32 so that cursors and icons show their transparent parts.
QImage normalised(const QImage& image) {
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// Whether a picture of that size, decoded in that format and then turned
// into the canvas's 4 bytes a pixel, takes more memory than allowed.
bool tooLarge(QSize size, QImage::Format format = QImage::Format_RGB32) {
    const int bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerPixel = std::max(4, bits / 8);
    return qint64(size.width()) * size.height() * bytesPerPixel > kMaxPictureBytes;
}

// A file name's extension, lower case, without the dot ("" for none).
std::string suffixOf(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    if (!ext.empty()) ext.erase(0, 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// Pictures Qt reads itself, from a file or from bytes in memory; the format
// is told by the bytes, not the name. Size and format come from the header,
// before any pixel is decoded.
QImage decodeWithQt(QIODevice& device, QSize fit) {
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kReaderLimitMB);
    const QSize size = reader.size();
    if (size.isValid() && tooLarge(size, reader.imageFormat())) return QImage();
    // A reduced copy is decoded at the reduced size (JPEG decodes it far
    // faster than the whole picture).
    if (fit.isValid() && size.isValid() && (size.width() > fit.width() || size.height() > fit.height()))
        reader.setScaledSize(size.boundedTo(fit));
    QImage image = reader.read();
    // Readers that cannot tell the size beforehand are caught here (and by
    // the allocation limit while reading).
    if (image.isNull() || tooLarge(image.size())) return QImage();
    // Nor could they reduce it while reading (a top-down BMP reports a
    // negative height): reduced now, as the scaled read would have.
    if (fit.isValid() && (image.width() > fit.width() || image.height() > fit.height()))
        image = image.scaled(image.size().boundedTo(fit), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return normalised(image);
}

QImage drawMetafile(const QByteArray& bytes, QSize fit, std::chrono::milliseconds limit) {
    DrawnMetafile drawn = renderMetafile(bytes, fit, kMaxPixels, limit);
    if (drawn.timedOut) throw PictureTimedOut("Picture took too long: .wmf");
    return drawn.image;
}

// A metafile's bytes, read whole only when its first bytes are a metafile
// header and the file is no larger than a metafile may be; otherwise empty.
QByteArray metafileBytes(QFile& file) {
    const QByteArray head = file.peek(kMetafileHeadBytes);
    const std::span<const std::uint8_t> headBytes(reinterpret_cast<const std::uint8_t*>(head.constData()),
                                                  std::size_t(head.size()));
    // A metafile goes to the metafile drawer whole, as bytes; one larger than
    // it draws is refused here rather than read into memory.
    if (!hasMetafileHeader(headBytes, std::uint64_t(file.size())) ||
        file.size() > qint64(metafile_protocol::kMaxMetafileBytes))
        return QByteArray();
    return file.readAll();
}

}  // namespace

QImage decodePicture(const QByteArray& bytes, const std::string& suffix, QSize fit, std::chrono::milliseconds limit) {
    if (suffix == "wmf") return drawMetafile(bytes, fit, limit);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return decodeWithQt(buffer, fit);
}

bool isMetafileName(const std::string& path) { return suffixOf(std::filesystem::path(path)) == "wmf"; }

QImage LoadPicture(const std::string& path) { return LoadPicture(path, QSize()); }

QImage LoadPicture(const std::string& path, QSize atMost, std::chrono::milliseconds limit) {
    if (path.empty()) return QImage();
    // The name's bytes go to the file system unchanged: a name that is not
    // valid UTF-8 opens like any other. The picture is read from the file
    // itself, never copied whole into memory first.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), ec))
        throw RuntimeError("File not found: " + path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw RuntimeError("File not found: " + path);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw RuntimeError("File not found: " + path);
    }
    QImage image;
    if (isMetafileName(path)) {
        const QByteArray bytes = metafileBytes(file);
        if (!bytes.isEmpty()) image = drawMetafile(bytes, atMost, limit);
    } else {
        image = decodeWithQt(file, atMost);
    }
    if (image.isNull()) throw RuntimeError("Invalid picture: " + path);
    return image;
}

QSize pixelsOf(float widthTwips, float heightTwips) {
    return QSize(std::max(1, static_cast<int>(std::ceil(widthTwips / kTwipsPerPixel))),
                 std::max(1, static_cast<int>(std::ceil(heightTwips / kTwipsPerPixel))));
}

void SavePicture(const QImage& image, const std::string& path) {
    if (image.isNull()) throw RuntimeError("Invalid picture");
    // Written beside the target and renamed over it only when complete: a
    // failed save (no such folder, full disk) leaves no half file and any
    // earlier file of that name untouched. The system's reason is taken
    // where the failure shows: closing the file (within commit) would
    // forget a write's error, and cancelling puts its own text in place.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) throw RuntimeError(file.errorString().toStdString());
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)) || !file.flush()) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        throw RuntimeError(reason.toStdString());
    }
    if (!file.commit()) throw RuntimeError(file.errorString().toStdString());
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
