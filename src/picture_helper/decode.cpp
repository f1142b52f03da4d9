#include "picture_helper/decode.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "picture_helper/metafile_header.h"
#include "forms/picture_format.h"
#include "picture_helper/wmf_draw.h"

namespace picture_helper {

namespace {

namespace protocol = forms::picture_protocol;

// The most memory one decoded picture may take: 64 megapixels at 4 bytes a
// pixel, the canvas's own format. A picture that holds more bytes a pixel
// (16-bit PNG) is allowed fewer pixels.
constexpr qint64 kMaxPictureBytes = 256LL * 1024 * 1024;
// Qt's readers refuse to allocate an image above this, in megabytes: the
// check while reading, for readers that cannot tell size or format first.
constexpr int kReaderLimitMB = int(kMaxPictureBytes / (1024 * 1024));
// What the metafile header check needs: a placeable header (22 bytes) and
// the metafile header behind it (18).
constexpr std::size_t kMetafileHeadBytes = 40;

// Whether a picture of that size, decoded in that format and then turned
// into the canvas's 4 bytes a pixel, takes more memory than allowed.
bool tooLarge(QSize size, QImage::Format format = QImage::Format_RGB32) {
    const int bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerPixel = std::max(4, bits / 8);
    return qint64(size.width()) * size.height() * bytesPerPixel > kMaxPictureBytes;
}

// Pictures Qt reads; the format is told by the bytes, not the name. Size
// and format come from the header, before any pixel is decoded.
QImage decodeWithQt(QIODevice& device, QSize fit, qint64 maxPixels) {
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kReaderLimitMB);
    const QSize size = reader.size();
    if (size.isValid() && tooLarge(size, reader.imageFormat())) return QImage();
    if (!fit.isValid() && size.isValid() && qint64(size.width()) * size.height() > maxPixels) return QImage();
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
    if (qint64(image.width()) * image.height() > maxPixels) return QImage();
    return forms::normalisedPicture(image);
}

// Reads exactly `size` bytes at `offset`; false at the end of the file or
// on an error.
bool readAt(int fd, std::uint8_t* into, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pread(fd, into, size, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        into += n;
        size -= std::size_t(n);
        offset += n;
    }
    return true;
}

// A metafile's bytes, read whole only when its first bytes are a metafile
// header and the file is no larger than a metafile may be.
std::optional<std::vector<std::uint8_t>> metafileBytes(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
        std::uint64_t(st.st_size) > protocol::kMaxMetafileBytes)
        return {};
    const std::size_t size = std::size_t(st.st_size);
    std::vector<std::uint8_t> bytes(std::min(size, kMetafileHeadBytes));
    if (!readAt(fd, bytes.data(), bytes.size(), 0) || !picture_helper::hasMetafileHeader(bytes, size)) return {};
    bytes.resize(size);
    if (!readAt(fd, bytes.data() + kMetafileHeadBytes, size - std::min(size, kMetafileHeadBytes), kMetafileHeadBytes))
        return {};
    return bytes;
}

QImage drawMetafileFile(int fd, const protocol::Request& request) {
    const std::optional<std::vector<std::uint8_t>> bytes = metafileBytes(fd);
    if (!bytes) return QImage();
    const std::optional<Pixels> drawn = drawMetafile(*bytes, request.width, request.height, request.maxPixels);
    if (!drawn) return QImage();
    QImage image(int(drawn->width), int(drawn->height), QImage::Format_RGB32);
    if (image.isNull()) return image;
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(drawn->rows.data() + std::size_t(y) * drawn->width, drawn->width,
                    reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    return image;
}

}  // namespace

QImage decodeFile(int fd, const protocol::Request& request) {
    if (request.kind == protocol::Kind::Metafile) return drawMetafileFile(fd, request);
    QFile file;
    if (::lseek(fd, 0, SEEK_SET) != 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return QImage();
    const QSize fit = request.width > 0 ? QSize(int(request.width), int(request.height)) : QSize();
    return decodeWithQt(file, fit, qint64(request.maxPixels));
}

}  // namespace picture_helper
