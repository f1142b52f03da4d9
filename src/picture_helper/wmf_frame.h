// The frame a placeable metafile's header gives, in the device units that
// libwmf draws in. Pure, no Qt, no libwmf.
//
// libwmf maps the metafile's coordinates through the window and viewport
// that the metafile itself sets (and its own defaults), so the frame is
// found by asking it: two single-pixel records are added just before the
// first drawing record, each an equal number of frame widths and heights
// beyond opposite corners of the frame. Scanning that metafile gives a box
// from the one pixel to the other, and the frame lies at known fractions of
// it. The pixels themselves fall outside the frame and are never seen.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace picture_helper {

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct FrameProbe {
    std::vector<std::uint8_t> bytes;  // the metafile with the two pixels added
    int spansX = 0, spansY = 0;       // frame widths and heights between frame and pixel
};

// The metafile with its frame's two pixels, or nothing when it has no
// placeable header, or its frame lies too near the edge of the 16-bit
// coordinate range to place the pixels outside it.
std::optional<FrameProbe> withFrameProbes(std::span<const std::uint8_t> metafile);

// The frame inside the box that scanning the probed metafile gave.
Box frameFromProbes(const FrameProbe& probe, Box scanned);

}  // namespace picture_helper
