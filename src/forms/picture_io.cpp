// Loading and saving pictures. Gallery files are decoded by the helper
// program; the window's own pictures are compiled in and read here.
#include "forms/picture_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "forms/picture_format.h"
#include "forms/types.h"

namespace forms {

namespace {

// A file name's extension, lower case, without the dot ("" for none).
std::string suffixOf(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    if (!ext.empty()) ext.erase(0, 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

}  // namespace

int openPictureFile(const std::string& path) {
    int fd;
    do fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

picture_protocol::Kind pictureKindOf(const std::string& path) {
    return suffixOf(std::filesystem::path(path)) == "wmf" ? picture_protocol::Kind::Metafile
                                                          : picture_protocol::Kind::QtPicture;
}

DecodedPicture decodePictureFile(const std::string& path, QSize atMost, std::chrono::milliseconds cpuLimit) {
    const int fd = openPictureFile(path);
    if (fd < 0) return {};
    return decodeInHelper(fd, pictureKindOf(path), atMost, cpuLimit);
}

QImage LoadPicture(const std::string& path) { return LoadPicture(path, QSize()); }

QImage LoadPicture(const std::string& path, QSize atMost, std::chrono::milliseconds cpuLimit) {
    if (path.empty()) return QImage();
    const DecodedPicture loaded = decodePictureFile(path, atMost, cpuLimit);
    switch (loaded.outcome) {
    case DecodeOutcome::Decoded:
        return loaded.image;
    case DecodeOutcome::OutOfTime:
        throw PictureTimedOut("Picture took too long: " + path);
    case DecodeOutcome::HelperFailed:
        throw RuntimeError("Picture could not be decoded: " + path);
    case DecodeOutcome::NotAPicture:
        break;
    }
    throw RuntimeError("Invalid picture: " + path);
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
    return normalisedPicture(QImage(path));
}

}  // namespace forms
