// Drawing one metafile into pixels with libwmf's raster device. No Qt.
// The picture helper draws metafiles with it, and the benchmark draws
// with it in-process as its baseline.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace picture_helper {

struct Pixels {
    std::uint32_t width = 0, height = 0;
    std::vector<std::uint32_t> rows;  // 0xFFRRGGBB, top row first
};

// Draws `metafile` at `width` x `height`, or at its own size at 96 pixels
// per inch when both are 0; nothing when its header is refused, it cannot
// be drawn or it would have more than `maxPixels` pixels. A metafile with a
// placeable header fills the picture with the frame that header gives;
// one without fills it with what it draws.
std::optional<Pixels> drawMetafile(std::span<const std::uint8_t> metafile, std::uint32_t width,
                                   std::uint32_t height, std::uint64_t maxPixels);

}  // namespace picture_helper
