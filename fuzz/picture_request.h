// The request the first byte of a picture fuzz input picks, by its value:
//   modulo 2        the kind: 0 a picture Qt reads, 1 a metafile;
//   / 2 modulo 3    the size: a thumbnail (104 x 78), the canvas
//                   (1024 x 683), the picture's own size;
//   / 6 modulo 2    the pixel allowance: 0 the program's (64 megapixels),
//                   1 a tight one (the size asked, or 100 x 100 at its own
//                   size), so that refusing a picture for its pixels runs.
// Metafiles are drawn small (32 x 24, 13 x 10, or their own size within
// 32 x 32 pixels): libwmf's raster device takes time in proportion to the
// pixels its strokes cover (a pen thousands of pixels wide takes minutes at
// the canvas's size), which the program bounds with the helper's CPU limit
// and the fuzz target cannot; records are read and played the same at any
// size.
// Always a request the helper accepts.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "forms/picture_protocol.h"

inline forms::picture_protocol::Request fuzzRequest(std::uint8_t pick) {
    namespace protocol = forms::picture_protocol;
    struct Size {
        std::uint32_t width, height;
    };
    constexpr std::array<Size, 3> kSizes = {{{104, 78}, {1024, 683}, {0, 0}}};
    constexpr std::array<Size, 3> kMetafileSizes = {{{32, 24}, {13, 10}, {0, 0}}};
    constexpr std::uint64_t kTightOwnSizePixels = 100 * 100;
    constexpr std::uint64_t kMetafileOwnSizePixels = 32 * 32;
    const bool metafile = pick % 2 == 1;
    const Size size = (metafile ? kMetafileSizes : kSizes)[(pick / 2) % kSizes.size()];
    protocol::Request request{metafile ? protocol::Kind::Metafile : protocol::Kind::QtPicture, size.width,
                              size.height, protocol::kMaxPixelsLimit};
    if (metafile && size.width == 0) request.maxPixels = kMetafileOwnSizePixels;
    if ((pick / 6) % 2 == 1)
        request.maxPixels = size.width > 0 ? std::uint64_t(size.width) * size.height
                                           : std::min(request.maxPixels, kTightOwnSizePixels);
    return request;
}
