// The picture helper's messages as each side reads them. The rest of the
// input after its first byte is read both as an answer header, by the
// window, to the request the first byte picks (picture_request.h), and as
// a request header, by the helper. An accepted answer never has more
// pixels than allowed nor a side longer than asked, a metafile's is exactly
// the size asked, and the pixels that follow it are width x height x 4
// bytes; an accepted request or answer encodes back to the same bytes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "forms/picture_protocol.h"
#include "fuzz_check.h"
#include "picture_request.h"

namespace {

namespace protocol = forms::picture_protocol;

template <std::size_t N>
bool same(const std::array<std::uint8_t, N>& encoded, std::span<const std::uint8_t> bytes) {
    return std::equal(encoded.begin(), encoded.end(), bytes.begin(), bytes.end());
}

void answer(const protocol::Request& asked, std::span<const std::uint8_t> bytes) {
    const auto parsed = protocol::parseAnswer(bytes, asked);
    if (!parsed) return;
    if (!same(protocol::encodeAnswer(*parsed), bytes))
        fuzzFailure("an accepted answer does not encode back to its bytes");
    if (parsed->status == protocol::Status::NotDecoded) {
        if (parsed->width != 0 || parsed->height != 0) fuzzFailure("a refusal has a size");
        return;
    }
    const unsigned __int128 pixels = static_cast<unsigned __int128>(parsed->width) * parsed->height;
    if (pixels > asked.maxPixels) fuzzFailure("an accepted answer has more pixels than allowed");
    if (pixels * 4 != protocol::pixelBytes(*parsed)) fuzzFailure("an answer's pixel bytes are not width x height x 4");
    if (asked.width == 0) return;
    if (parsed->width > asked.width || parsed->height > asked.height)
        fuzzFailure("an accepted answer is larger than asked");
    if (asked.kind == protocol::Kind::Metafile && (parsed->width != asked.width || parsed->height != asked.height))
        fuzzFailure("an accepted metafile answer is not the size asked");
}

void request(std::span<const std::uint8_t> bytes) {
    const auto parsed = protocol::parseRequest(bytes);
    if (parsed && !same(protocol::encodeRequest(*parsed), bytes))
        fuzzFailure("an accepted request does not encode back to its bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const protocol::Request asked = fuzzRequest(data[0]);
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    answer(asked, rest);
    request(rest);
    return 0;
}
