// The picture helper's decoding of one file, in-process (the helper's
// confinement and the window's time limits are not here: a fault or an
// endless loop in a decoder is a finding). The first byte of the input
// picks the request (picture_request.h); the rest is the file, which the
// helper reads from a regular file's descriptor: a memfd here, closed after
// each run. A decoded image is never larger than asked in either direction
// (a metafile is exactly the size asked), never has more pixels than
// allowed, and is RGB32 or ARGB32.
#include <sys/mman.h>
#include <unistd.h>

#include <QImage>
#include <cstdint>
#include <string>

#include "forms/picture_protocol.h"
#include "fuzz_check.h"
#include "picture_request.h"
#include "picture_helper/decode.h"
#include "qt_init.h"

namespace {

namespace protocol = forms::picture_protocol;

// The file's descriptor, closed at the end of the run.
struct MemoryFile {
    int fd = ::memfd_create("lumadraw_fuzz_picture", MFD_CLOEXEC);
    ~MemoryFile() {
        if (fd >= 0) ::close(fd);
    }
    bool write(const std::uint8_t* data, std::size_t size) const {
        while (size > 0) {
            const ssize_t n = ::write(fd, data, size);
            if (n <= 0) return false;
            data += n;
            size -= std::size_t(n);
        }
        return true;
    }
};

std::string describe(const protocol::Request& r, const QImage& image) {
    return (r.kind == protocol::Kind::Metafile ? "metafile" : "picture") + std::string(" asked ") +
           std::to_string(r.width) + "x" + std::to_string(r.height) + " within " + std::to_string(r.maxPixels) +
           " pixels, got " + std::to_string(image.width()) + "x" + std::to_string(image.height()) + " format " +
           std::to_string(int(image.format()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startHeadlessQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const protocol::Request request = fuzzRequest(data[0]);
    const MemoryFile file;
    if (file.fd < 0 || !file.write(data + 1, size - 1)) fuzzFailure("no memory file for the picture");

    const QImage image = picture_helper::decodeFile(file.fd, request);
    if (image.isNull()) return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        fuzzFailure("a decoded picture is neither RGB32 nor ARGB32", describe(request, image));
    if (std::uint64_t(image.width()) * std::uint64_t(image.height()) > request.maxPixels)
        fuzzFailure("a decoded picture has more pixels than allowed", describe(request, image));
    if (request.width > 0) {
        if (std::uint32_t(image.width()) > request.width || std::uint32_t(image.height()) > request.height)
            fuzzFailure("a decoded picture is larger than asked", describe(request, image));
        if (request.kind == protocol::Kind::Metafile &&
            (std::uint32_t(image.width()) != request.width || std::uint32_t(image.height()) != request.height))
            fuzzFailure("a metafile is not drawn at the size asked", describe(request, image));
    }
    return 0;
}
