#include "picture_helper/metafile_header.h"

namespace picture_helper {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableBytes = 22;  // key, handle, box, inch, reserved, checksum
constexpr std::size_t kHeaderBytes = 18;     // nine words

std::uint16_t word(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::int16_t signedWord(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(word(b, at));
}

// `b` begins with the metafile header; `metafileBytes` is the whole
// metafile's length, of which `b` may hold only the beginning.
bool hasPlainHeader(std::span<const std::uint8_t> b, std::uint64_t metafileBytes) {
    if (b.size() < kHeaderBytes) return false;
    const std::uint16_t type = word(b, 0), headerWords = word(b, 2), version = word(b, 4);
    // The largest record, in words: the library allocates that much before
    // it reads any record, so a tiny file must not claim gigabytes.
    const std::uint64_t largestRecordBytes = 2 * std::uint64_t(word(b, 12) | std::uint32_t(word(b, 14)) << 16);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300) &&
           largestRecordBytes <= metafileBytes;
}

bool hasPlaceableHeader(std::span<const std::uint8_t> b) {
    if (b.size() < kPlaceableBytes) return false;
    if ((word(b, 0) | std::uint32_t(word(b, 2)) << 16) != kPlaceableKey) return false;
    std::uint16_t checksum = 0;  // the first ten words, XOR-ed
    for (std::size_t at = 0; at < 20; at += 2) checksum ^= word(b, at);
    const bool boxHasArea = signedWord(b, 10) > signedWord(b, 6) && signedWord(b, 12) > signedWord(b, 8);
    return checksum == word(b, 20) && boxHasArea && word(b, 14) != 0;
}

}  // namespace

bool hasMetafileHeader(std::span<const std::uint8_t> head, std::uint64_t fileBytes) {
    if (fileBytes < head.size()) return false;
    if (hasPlaceableHeader(head)) return hasPlainHeader(head.subspan(kPlaceableBytes), fileBytes - kPlaceableBytes);
    return hasPlainHeader(head, fileBytes);
}

bool hasMetafileHeader(std::span<const std::uint8_t> bytes) { return hasMetafileHeader(bytes, bytes.size()); }

}  // namespace picture_helper
