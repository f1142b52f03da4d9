// The messages between the window program and its picture helper
// (lumadraw-picture), and their checks. Pure, no Qt.
//
// Request, window to helper: the fixed header, sent with one open file
// descriptor (SCM_RIGHTS) of the picture file; no path crosses.
//   bytes 0-3    "LPDQ"
//   bytes 4-7    kind: 0 a picture Qt reads (BMP, JPEG, GIF, PNG, ICO),
//                1 a Windows metafile
//   bytes 8-11   width to decode at most, 0 for the picture's own size
//   bytes 12-15  height to decode at most, 0 for the picture's own size
//   bytes 16-23  the most pixels the picture may have
// Answer, helper to window: the fixed header, then for a decoded picture
// its rows, top first, each pixel one 32-bit 0xAARRGGBB in this machine's
// byte order (as QImage::Format_RGB32 or Format_ARGB32 holds it).
//   bytes 0-3    "LPDA"
//   bytes 4-7    status: 0 decoded, 1 not decoded (then width, height and
//                format are 0)
//   bytes 8-11   width
//   bytes 12-15  height
//   bytes 16-19  format: 0 opaque (RGB32), 1 with transparency (ARGB32)
//   bytes 20-27  microseconds of CPU time the helper spent on the picture
// Header numbers are little-endian. Before the first request the helper
// writes one byte, kReady, once it has started and confined itself.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace forms::picture_protocol {

inline constexpr std::uint8_t kReady = 'R';
inline constexpr std::size_t kRequestHeaderBytes = 24;
inline constexpr std::size_t kAnswerHeaderBytes = 28;
// The largest metafile drawn, and so the most the helper reads of a
// metafile file: real metafiles, even clip-art full of embedded bitmaps,
// stay within a few megabytes.
inline constexpr std::uint64_t kMaxMetafileBytes = 64u * 1024 * 1024;
// The most pixels any request may allow: 64 megapixels, 256 MB at the
// canvas's 4 bytes a pixel.
inline constexpr std::uint64_t kMaxPixelsLimit = 64ull * 1024 * 1024;

enum class Kind : std::uint32_t { QtPicture = 0, Metafile = 1 };

struct Request {
    Kind kind = Kind::QtPicture;
    std::uint32_t width = 0, height = 0;  // both 0: the picture's own size
    std::uint64_t maxPixels = 0;
};

enum class Status : std::uint32_t { Decoded = 0, NotDecoded = 1 };
enum class Format : std::uint32_t { Opaque = 0, Transparent = 1 };

struct Answer {
    Status status = Status::NotDecoded;
    std::uint32_t width = 0, height = 0;
    Format format = Format::Opaque;
    std::uint64_t cpuMicroseconds = 0;
};

std::array<std::uint8_t, kRequestHeaderBytes> encodeRequest(const Request& request);
// The request a header asks for; nothing when any field is out of range:
// an unknown kind, a size with one side 0, more pixels than it allows, an
// allowance of 0 or above kMaxPixelsLimit.
std::optional<Request> parseRequest(std::span<const std::uint8_t> header);

std::array<std::uint8_t, kAnswerHeaderBytes> encodeAnswer(const Answer& answer);
// The answer a header gives to `asked`; nothing when it cannot be the
// answer to it: an unknown status or format, a decoded picture with a side
// 0, more pixels than allowed or a side longer than asked (a metafile is
// drawn at exactly the size asked), a refusal with a size or a format.
std::optional<Answer> parseAnswer(std::span<const std::uint8_t> header, const Request& asked);

// The bytes of pixels that follow a decoded answer.
inline std::uint64_t pixelBytes(const Answer& answer) { return std::uint64_t(answer.width) * answer.height * 4; }

}  // namespace forms::picture_protocol
