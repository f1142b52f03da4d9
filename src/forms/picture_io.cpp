// Loading and saving pictures: Qt's image readers and writers, and libwmf
// for metafiles.
#include "forms/picture_io.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "forms/metafile.h"
#include "forms/types.h"

namespace forms {

namespace {

// The largest picture loaded, in pixels: a 64-megapixel image already takes
// 256 MB in memory.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
// Qt's readers refuse images above their own allocation limit (128 MB by
// default). Raised so that every picture the program accepts can be read,
// even at 8 bytes a pixel (16-bit PNG), and no further.
constexpr int kReaderLimitMB = int(kMaxPixels * 8 / (1024 * 1024));
// No accepted picture comes from a larger file (an uncompressed 64-megapixel
// picture at 8 bytes a pixel); larger files are not read into memory.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t(kMaxPixels) * 8 + 1024 * 1024;

// Pictures without transparency become RGB32, the canvas's own format;
// pictures with it (icons, cursors, transparent GIF and PNG) keep it as
// ARGB32 so that cursors and icons show their transparent parts.
QImage normalised(const QImage& image) {
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

bool tooLarge(QSize size) { return qint64(size.width()) * size.height() > kMaxPixels; }

// A file name's extension, lower case, without the dot ("" for none).
std::string suffixOf(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    if (!ext.empty()) ext.erase(0, 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// Pictures Qt reads itself; the format is told by the bytes, not the name.
QImage decodeWithQt(const QByteArray& bytes, QSize fit) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kReaderLimitMB);
    const QSize size = reader.size();
    if (size.isValid() && tooLarge(size)) return QImage();
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

}  // namespace

QImage decodePicture(const QByteArray& bytes, const std::string& suffix, QSize fit, std::chrono::milliseconds limit) {
    if (suffix != "wmf") return decodeWithQt(bytes, fit);
    DrawnMetafile drawn = renderMetafile(bytes, fit, kMaxPixels, limit);
    if (drawn.timedOut) throw PictureTimedOut("Picture took too long: ." + suffix);
    return drawn.image;
}

QImage LoadPicture(const std::string& path) { return LoadPicture(path, QSize()); }

QImage LoadPicture(const std::string& path, QSize atMost, std::chrono::milliseconds limit) {
    if (path.empty()) return QImage();
    // The name's bytes go to the file system unchanged: a name that is not
    // valid UTF-8 opens like any other.
    const std::filesystem::path file(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw RuntimeError("File not found: " + path);
    const std::uintmax_t length = std::filesystem::file_size(file, ec);
    if (ec || length > kMaxFileBytes) throw RuntimeError("Picture too large: " + path);
    QByteArray bytes(static_cast<qsizetype>(length), Qt::Uninitialized);
    std::ifstream in(file, std::ios::binary);
    if (!in.read(bytes.data(), bytes.size())) throw RuntimeError("File not found: " + path);
    const QImage image = decodePicture(bytes, suffixOf(file), atMost, limit);
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
