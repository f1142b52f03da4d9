// The header of a Windows metafile, checked before its bytes go to the
// metafile library. Pure, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace picture_helper {

// Whether `bytes` begin like a metafile: the header of a metafile in memory
// or on disk (type 1 or 2, nine words long, version 1 or 3, its largest
// record no larger than the metafile), optionally
// after a placeable header (its key, its checksum, a bounding box with
// width and height and a non-zero number of units per inch).
bool hasMetafileHeader(std::span<const std::uint8_t> bytes);
// The same for a file of `fileBytes` bytes of which `head` holds the first
// (40 bytes are enough for both headers).
bool hasMetafileHeader(std::span<const std::uint8_t> head, std::uint64_t fileBytes);

}  // namespace picture_helper
