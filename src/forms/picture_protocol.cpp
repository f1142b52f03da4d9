#include "forms/picture_protocol.h"

#include <cstring>

namespace forms::picture_protocol {

namespace {

constexpr char kRequestMagic[4] = {'L', 'P', 'D', 'Q'};
constexpr char kAnswerMagic[4] = {'L', 'P', 'D', 'A'};

void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void put64(std::uint8_t* at, std::uint64_t v) {
    put32(at, static_cast<std::uint32_t>(v));
    put32(at + 4, static_cast<std::uint32_t>(v >> 32));
}
std::uint32_t get32(const std::uint8_t* at) {
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}
std::uint64_t get64(const std::uint8_t* at) { return get32(at) | std::uint64_t(get32(at + 4)) << 32; }

}  // namespace

std::array<std::uint8_t, kRequestHeaderBytes> encodeRequest(const Request& request) {
    std::array<std::uint8_t, kRequestHeaderBytes> out{};
    std::memcpy(out.data(), kRequestMagic, 4);
    put32(&out[4], static_cast<std::uint32_t>(request.kind));
    put32(&out[8], request.width);
    put32(&out[12], request.height);
    put64(&out[16], request.maxPixels);
    return out;
}

std::optional<Request> parseRequest(std::span<const std::uint8_t> header) {
    if (header.size() != kRequestHeaderBytes || std::memcmp(header.data(), kRequestMagic, 4) != 0) return {};
    const std::uint32_t kind = get32(&header[4]);
    const Request r{static_cast<Kind>(kind), get32(&header[8]), get32(&header[12]), get64(&header[16])};
    if (r.kind != Kind::QtPicture && r.kind != Kind::Metafile) return {};
    const bool ownSize = r.width == 0 && r.height == 0;
    const bool sized = r.width > 0 && r.height > 0;
    if (!(ownSize || sized) || r.maxPixels == 0 || r.maxPixels > kMaxPixelsLimit) return {};
    if (std::uint64_t(r.width) * r.height > r.maxPixels) return {};
    return r;
}

std::array<std::uint8_t, kAnswerHeaderBytes> encodeAnswer(const Answer& answer) {
    std::array<std::uint8_t, kAnswerHeaderBytes> out{};
    std::memcpy(out.data(), kAnswerMagic, 4);
    put32(&out[4], static_cast<std::uint32_t>(answer.status));
    put32(&out[8], answer.width);
    put32(&out[12], answer.height);
    put32(&out[16], static_cast<std::uint32_t>(answer.format));
    put64(&out[20], answer.cpuMicroseconds);
    return out;
}

std::optional<Answer> parseAnswer(std::span<const std::uint8_t> header, const Request& asked) {
    if (header.size() != kAnswerHeaderBytes || std::memcmp(header.data(), kAnswerMagic, 4) != 0) return {};
    const std::uint32_t status = get32(&header[4]), format = get32(&header[16]);
    const Answer a{static_cast<Status>(status), get32(&header[8]), get32(&header[12]), static_cast<Format>(format),
                   get64(&header[20])};
    if (a.format != Format::Opaque && a.format != Format::Transparent) return {};
    if (a.status == Status::NotDecoded) {
        if (a.width != 0 || a.height != 0 || a.format != Format::Opaque) return {};
        return a;
    }
    if (a.status != Status::Decoded || a.width == 0 || a.height == 0) return {};
    if (std::uint64_t(a.width) * a.height > asked.maxPixels) return {};
    if (asked.width != 0 && (a.width > asked.width || a.height > asked.height)) return {};
    if (asked.kind == Kind::Metafile && asked.width != 0 && (a.width != asked.width || a.height != asked.height))
        return {};
    return a;
}

}  // namespace forms::picture_protocol
