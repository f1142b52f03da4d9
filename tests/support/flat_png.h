// A valid PNG of any size whose samples are all 0 (black, transparent where
// it has alpha), built by hand in a few megabytes at most: its pixel data is
// one deflate block of a literal 0 followed by repeats of it, so that no
// large image is ever held or compressed to make it.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace flat_png {

inline void put32(QByteArray& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.append(char((v >> shift) & 0xFF));
}

inline std::uint32_t crc32(const QByteArray& bytes) {
    std::uint32_t table[256];
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    std::uint32_t c = 0xFFFFFFFFu;
    for (char b : bytes) c = table[(c ^ std::uint8_t(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

inline void chunk(QByteArray& out, const char* type, const QByteArray& data) {
    put32(out, std::uint32_t(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    out += body;
    put32(out, crc32(body));
}

// Deflate bits, least significant first; Huffman codes go most significant
// bit first.
struct Bits {
    QByteArray bytes;
    std::uint32_t acc = 0;
    int count = 0;
    void put(std::uint32_t value, int n) {
        for (int i = 0; i < n; ++i) {
            acc |= ((value >> i) & 1u) << count;
            if (++count == 8) flush();
        }
    }
    void code(std::uint32_t c, int n) {
        for (int i = n - 1; i >= 0; --i) put((c >> i) & 1u, 1);
    }
    void flush() {
        bytes.append(char(acc));
        acc = 0;
        count = 0;
    }
};

}  // namespace flat_png

// `bitDepth` 8 or 16, `colourType` 0 (grey), 2 (RGB) or 6 (RGBA).
inline QByteArray flatPng(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType) {
    using namespace flat_png;
    const int channels = colourType == 6 ? 4 : colourType == 2 ? 3 : 1;
    const std::uint64_t raw = std::uint64_t(height) * (1 + std::uint64_t(width) * channels * bitDepth / 8);

    Bits d;
    d.put(1, 1);  // the last block
    d.put(1, 2);  // fixed Huffman codes
    d.code(0x30, 8);  // literal 0 (each row's filter byte and samples are all 0)
    std::uint64_t left = raw - 1;
    for (; left >= 258; left -= 258) {
        d.code(0xC5, 8);  // length 258
        d.code(0, 5);     // distance 1
    }
    for (; left > 0; --left) d.code(0x30, 8);
    d.code(0, 7);  // end of block
    if (d.count) d.flush();

    QByteArray idat("\x78\x01", 2);
    idat += d.bytes;
    put32(idat, std::uint32_t(raw % 65521) << 16 | 1);  // Adler-32 of zeros

    QByteArray ihdr;
    put32(ihdr, width);
    put32(ihdr, height);
    ihdr.append(char(bitDepth)).append(char(colourType)).append(3, '\0');
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", idat);
    chunk(png, "IEND", QByteArray());
    return png;
}
