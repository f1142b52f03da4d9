// The messages between the window program and its metafile helper
// (lumadraw-metafile), and their checks. Pure, no Qt.
//
// Request, window to helper: the fixed header, then the metafile's bytes.
//   bytes 0-3    "LMWQ"
//   bytes 4-7    width to draw at, 0 for the metafile's own size
//   bytes 8-11   height to draw at, 0 for the metafile's own size
//   bytes 12-19  the most pixels the picture may have
//   bytes 20-23  how many bytes of metafile follow
// Answer, helper to window: the fixed header, then for a drawn picture its
// rows, top first, each pixel one 32-bit 0xFFRRGGBB in this machine's byte
// order (as QImage::Format_RGB32 holds it).
//   bytes 0-3    "LMWA"
//   bytes 4-7    status: 0 drawn, 1 not drawn (then width and height are 0)
//   bytes 8-11   width
//   bytes 12-15  height
// Header numbers are little-endian. Before the first request the helper
// writes one byte, kReady, once it has started.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace forms::metafile_protocol {

inline constexpr std::uint8_t kReady = 'R';
inline constexpr std::size_t kRequestHeaderBytes = 24;
inline constexpr std::size_t kAnswerHeaderBytes = 16;
// The largest metafile drawn, and so the most the window reads of a
// metafile file: real metafiles, even clip-art full of embedded bitmaps,
// stay within a few megabytes.
inline constexpr std::uint32_t kMaxMetafileBytes = 64u * 1024 * 1024;
// The most pixels any request may allow (a 16384 x 16384 screen).
inline constexpr std::uint64_t kMaxPixelsLimit = 16384ull * 16384;

struct Request {
    std::uint32_t width = 0, height = 0;  // both 0: the metafile's own size
    std::uint64_t maxPixels = 0;
    std::uint32_t byteCount = 0;
};

enum class Status : std::uint32_t { Drawn = 0, NotDrawn = 1 };

struct Answer {
    Status status = Status::NotDrawn;
    std::uint32_t width = 0, height = 0;
};

std::array<std::uint8_t, kRequestHeaderBytes> encodeRequest(const Request& request);
// The request a header asks for; nothing when any field is out of range:
// a size with one side 0, more pixels than allowed, an allowance above
// kMaxPixelsLimit, a byte count above kMaxMetafileBytes.
std::optional<Request> parseRequest(std::span<const std::uint8_t> header);

std::array<std::uint8_t, kAnswerHeaderBytes> encodeAnswer(const Answer& answer);
// The answer a header gives to `asked`; nothing when it cannot be the
// answer to it: an unknown status, a drawn picture with a side 0, more
// pixels than allowed or another size than asked, a refusal with a size.
std::optional<Answer> parseAnswer(std::span<const std::uint8_t> header, const Request& asked);

}  // namespace forms::metafile_protocol
