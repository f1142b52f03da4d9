#include "picture_helper/wmf_frame.h"

#include <algorithm>
#include <array>

namespace picture_helper {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableBytes = 22;
constexpr std::size_t kHeaderBytes = 18;
constexpr std::uint16_t kSetPixel = 0x041F;
constexpr std::uint32_t kSetPixelWords = 7;
// More frame widths between frame and pixel make the pixel's own size
// matter less (it is off by under a 1/(2 spans + 1) of a unit); 64 is plenty.
constexpr int kMaxSpans = 64;

// Records that put something on the page: the frame's pixels go before the
// first of them, where the metafile has set up its window and viewport.
constexpr std::array<std::uint16_t, 26> kDrawingRecords = {
    0x0817, 0x0830, 0x0418, 0x0548, 0x0228, 0x0419, 0x0429, 0x012A, 0x0213, 0x012B, 0x061D, 0x081A, 0x0324,
    0x0325, 0x0538, 0x041B, 0x061C, 0x041F, 0x0521, 0x0A32, 0x0922, 0x0940, 0x0B23, 0x0B41, 0x0F43, 0x0D33};

std::uint32_t word(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | std::uint32_t(b[at + 1]) << 8; }
std::uint32_t dword(std::span<const std::uint8_t> b, std::size_t at) { return word(b, at) | word(b, at + 2) << 16; }
std::int16_t signedWord(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(word(b, at));
}
void putWord(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void setDword(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// How many spans of `size` fit between [low, high] and each end of the
// 16-bit range.
int spansThatFit(int low, int high) {
    const int size = high - low;
    return std::min({kMaxSpans, (low + 32768) / size, (32767 - high) / size});
}

// Where the first drawing record (or the end record, or whatever cannot be
// read as a record) begins.
std::size_t firstDrawingRecord(std::span<const std::uint8_t> b, std::size_t at) {
    while (at + 6 <= b.size()) {
        const std::uint32_t words = dword(b, at);
        const std::uint16_t function = static_cast<std::uint16_t>(word(b, at + 4));
        if (words < 3 || function == 0 || words > (b.size() - at) / 2) break;
        if (std::find(kDrawingRecords.begin(), kDrawingRecords.end(), function) != kDrawingRecords.end()) break;
        at += std::size_t(words) * 2;
    }
    return std::min(at, b.size());
}

void putPixel(std::vector<std::uint8_t>& out, int x, int y) {
    putWord(out, kSetPixelWords);
    putWord(out, 0);
    putWord(out, kSetPixel);
    putWord(out, 0);  // colour: black
    putWord(out, 0);
    putWord(out, static_cast<std::uint16_t>(y));
    putWord(out, static_cast<std::uint16_t>(x));
}

}  // namespace

std::optional<FrameProbe> withFrameProbes(std::span<const std::uint8_t> b) {
    if (b.size() < kPlaceableBytes + kHeaderBytes || dword(b, 0) != kPlaceableKey) return {};
    const int left = signedWord(b, 6), top = signedWord(b, 8), right = signedWord(b, 10), bottom = signedWord(b, 12);
    if (right <= left || bottom <= top) return {};
    FrameProbe probe;
    probe.spansX = spansThatFit(left, right);
    probe.spansY = spansThatFit(top, bottom);
    if (probe.spansX < 1 || probe.spansY < 1) return {};
    const int dx = probe.spansX * (right - left), dy = probe.spansY * (bottom - top);

    const std::size_t at = firstDrawingRecord(b, kPlaceableBytes + kHeaderBytes);
    probe.bytes.reserve(b.size() + 2 * 2 * kSetPixelWords);
    probe.bytes.assign(b.begin(), b.begin() + std::ptrdiff_t(at));
    putPixel(probe.bytes, left - dx, top - dy);
    putPixel(probe.bytes, right + dx, bottom + dy);
    probe.bytes.insert(probe.bytes.end(), b.begin() + std::ptrdiff_t(at), b.end());
    // The header's length of the whole metafile and of its largest record.
    const std::size_t header = kPlaceableBytes;
    setDword(probe.bytes, header + 6, dword(b, header + 6) + 2 * kSetPixelWords);
    setDword(probe.bytes, header + 12, std::max(dword(b, header + 12), kSetPixelWords));
    return probe;
}

Box frameFromProbes(const FrameProbe& probe, Box s) {
    // The pixels lie `spans` frame sizes beyond each side, so the frame
    // starts spans / (2 spans + 1) of the way across.
    const double nx = 2.0 * probe.spansX + 1, ny = 2.0 * probe.spansY + 1;
    const double w = s.right - s.left, h = s.bottom - s.top;
    return {s.left + w * probe.spansX / nx, s.top + h * probe.spansY / ny, s.left + w * (probe.spansX + 1) / nx,
            s.top + h * (probe.spansY + 1) / ny};
}

}  // namespace picture_helper
