// Metafiles drawn by libwmf's own raster device, in a child process that
// hands the pixels back through a pipe: libwmf is old C code, and a metafile
// that crashes it or never ends must cost no more than a blank picture.
#include "forms/metafile.h"

#include <fcntl.h>
#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "forms/metafile_header.h"

namespace forms {

namespace {

using Clock = std::chrono::steady_clock;

// What the child sends: width and height, then the rows of 0xAARRGGBB
// pixels (this machine's byte order, as QImage::Format_RGB32 holds them).
struct PixelsHeader {
    std::uint32_t width = 0, height = 0;
};

bool writeAll(int fd, const void* data, std::size_t size) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads exactly `size` bytes; false when the pipe closes first or the
// deadline passes.
bool readAll(int fd, void* data, std::size_t size, Clock::time_point deadline) {
    char* at = static_cast<char*>(data);
    while (size > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        const ssize_t n = ::read(fd, at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Runs in the child: libwmf draws the metafile into its raster image and the
// pixels go to `fd`. Returns the child's exit status. Nothing is freed: the
// child ends right after.
int drawAndSend(const QByteArray& bytes, QSize fit, qint64 maxPixels, int fd) {
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) return 1;
    QByteArray own = bytes;  // libwmf takes a writable buffer
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(own.data()), own.size()) != wmf_E_None) return 1;
    wmfD_Rect box;
    if (wmf_scan(api, 0, &box) != wmf_E_None) return 1;

    PixelsHeader size;
    if (fit.isValid()) {
        size = {static_cast<std::uint32_t>(fit.width()), static_cast<std::uint32_t>(fit.height())};
    } else {
        unsigned int w = 0, h = 0;
        if (wmf_display_size(api, &w, &h, 96, 96) != wmf_E_None) return 1;
        size = {w, h};
    }
    if (size.width == 0 || size.height == 0 || qint64(size.width) * size.height > maxPixels) return 1;

    wmf_gd_t* device = WMF_GD_GetData(api);
    device->type = wmf_gd_image;
    device->width = size.width;
    device->height = size.height;
    device->bbox = box;
    if (wmf_play(api, 0, &box) != wmf_E_None || !device->gd_image) return 1;
    const int* pixels = wmf_gd_image_pixels(device->gd_image);
    if (!pixels) return 1;

    // The raster device keeps 0x00RRGGBB with 0 as opaque; the canvas wants
    // opaque pixels with 0xFF there.
    if (!writeAll(fd, &size, sizeof size)) return 1;
    std::vector<std::uint32_t> row(size.width);
    for (std::uint32_t y = 0; y < size.height; ++y) {
        for (std::uint32_t x = 0; x < size.width; ++x)
            row[x] = 0xFF000000u | (static_cast<std::uint32_t>(pixels[std::size_t(y) * size.width + x]) & 0xFFFFFFu);
        if (!writeAll(fd, row.data(), row.size() * sizeof row[0])) return 1;
    }
    return 0;
}

// The parent's side: the pixels that the child sends, or a null image.
QImage receivePixels(int fd, QSize fit, qint64 maxPixels, Clock::time_point deadline) {
    PixelsHeader size;
    if (!readAll(fd, &size, sizeof size, deadline)) return QImage();
    const bool sizeAsAsked = !fit.isValid() || QSize(int(size.width), int(size.height)) == fit;
    if (size.width == 0 || size.height == 0 || qint64(size.width) * size.height > maxPixels || !sizeAsAsked)
        return QImage();
    QImage image(int(size.width), int(size.height), QImage::Format_RGB32);
    if (image.isNull() || image.bytesPerLine() != qsizetype(size.width) * 4) return QImage();
    if (!readAll(fd, image.bits(), std::size_t(image.sizeInBytes()), deadline)) return QImage();
    return image;
}

}  // namespace

DrawnMetafile renderMetafile(const QByteArray& bytes, QSize fit, qint64 maxPixels, std::chrono::milliseconds limit) {
    const std::span<const std::uint8_t> header(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                               std::size_t(bytes.size()));
    if (!hasMetafileHeader(header)) return {};
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return {};
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return {};
    }
    if (child == 0) {
        ::close(fds[0]);
        ::_exit(drawAndSend(bytes, fit, maxPixels, fds[1]));
    }
    ::close(fds[1]);
    const auto deadline = Clock::now() + limit;
    const QImage image = receivePixels(fds[0], fit, maxPixels, deadline);
    ::close(fds[0]);
    // A child that sent everything is ending; any other is stopped here.
    if (image.isNull()) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return {image, image.isNull() && Clock::now() >= deadline};
}

}  // namespace forms
