// Small picture files that cost a decoder far more than their size: each is
// a few bytes to about a hundred kilobytes, built in memory in a moment, but
// makes a decoder run for seconds or fill hundreds of megabytes. The tests
// use them to show that opening a hostile picture is bounded in time and
// memory.
#pragma once

#include "flat_png.h"

#include <QByteArray>
#include <cstdint>

namespace hostile_pictures {

inline void put16be(QByteArray& out, int v) { out.append(char((v >> 8) & 0xFF)).append(char(v & 0xFF)); }
inline void put16le(QByteArray& out, int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); }
inline void put32le(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.append(char((v >> shift) & 0xFF));
}

// A JPEG marker segment: marker, length (counting itself), body.
inline void segment(QByteArray& out, int marker, const QByteArray& body) {
    out.append(char(0xFF)).append(char(marker));
    put16be(out, int(body.size()) + 2);
    out += body;
}

// A progressive JPEG of `components` 1 (grey) or 4 (CMYK) whose scans say
// almost nothing: the DC scan has no data at all (a decoder warns that it
// ended early and takes every DC value as 0), and each of the `acScans` AC
// scans of each component is only end-of-band runs of 16384 to 32767 blocks,
// 15 bits per run. A decoder still visits every block in every scan, and
// keeps every block's coefficients until the last scan (128 bytes a block,
// 128 MB per component at 8192 x 8192). Meant for images of at least
// 1024 x 1024; a smaller one gets a single run longer than its scan.
inline QByteArray progressiveEmptyScans(int width, int height, int components, int acScans) {
    QByteArray jpg("\xFF\xD8", 2);
    if (components == 4) {  // Adobe, transform 0: the four channels are CMYK as they stand
        segment(jpg, 0xEE, QByteArray("Adobe\x00\x64\x00\x00\x00\x00\x00", 12));
    }
    segment(jpg, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));  // one table of all 1s

    QByteArray sof;
    sof.append(char(8));
    put16be(sof, height);
    put16be(sof, width);
    sof.append(char(components));
    for (int c = 1; c <= components; ++c) sof.append(char(c)).append(char(0x11)).append(char(0));
    segment(jpg, 0xC2, sof);

    // DC table 0: one code, "0", for a difference of 0. AC table 0: one code,
    // "0", for an end-of-band run of 2^14 plus the 14 bits that follow.
    QByteArray dht;
    dht.append(char(0x00)).append(char(1)).append(15, '\0').append(char(0x00));
    dht.append(char(0x10)).append(char(1)).append(15, '\0').append(char(0xE0));
    segment(jpg, 0xC4, dht);

    // The DC scan of every component, with no data after its header.
    QByteArray sos;
    sos.append(char(components));
    for (int c = 1; c <= components; ++c) sos.append(char(c)).append(char(0x00));
    sos.append(char(0)).append(char(0)).append(char(0));
    segment(jpg, 0xDA, sos);

    // One scan's data, the same for every AC scan: the component's blocks
    // split into the fewest runs of at most 32767, as even as can be, so
    // none is below 16384.
    const std::int64_t blocks = std::int64_t((width + 7) / 8) * ((height + 7) / 8);
    const std::int64_t runs = blocks > 32767 ? (blocks + 32766) / 32767 : 1;
    QByteArray data;
    std::uint32_t acc = 0;
    int count = 0;
    auto put = [&](std::uint32_t bits, int n) {
        for (int i = n - 1; i >= 0; --i) {
            acc = acc << 1 | ((bits >> i) & 1u);
            if (++count == 8) {
                data.append(char(acc));
                if (acc == 0xFF) data.append('\0');  // a 0xFF in the data is followed by 0
                acc = 0;
                count = 0;
            }
        }
    };
    for (std::int64_t r = 0; r < runs; ++r) {
        const std::int64_t run = blocks / runs + (r < blocks % runs ? 1 : 0);
        put(0, 1);
        put(std::uint32_t(run < 16384 ? 0 : run - 16384), 14);
    }
    if (count) put(0xFF, 8 - count);  // the last byte is padded with 1 bits

    for (int c = 1; c <= components; ++c) {
        QByteArray ac;
        ac.append(char(1)).append(char(c)).append(char(0x00));
        ac.append(char(1)).append(char(63)).append(char(0));  // coefficients 1 to 63, no bit shift
        for (int s = 0; s < acScans; ++s) {
            segment(jpg, 0xDA, ac);
            jpg += data;
        }
    }
    jpg.append("\xFF\xD9", 2);
    return jpg;
}

// A 16-bit grey PNG, flat black, as flatPng() makes it but with its own
// Huffman codes, so that each repeat of 258 zeros costs 2 bits instead of 13:
// 8192 x 8192 is about 130 KB for 128 MB of samples (flatPng()'s is 845 KB).
inline QByteArray greyPng16(int width, int height) {
    using namespace flat_png;
    const std::uint64_t raw = std::uint64_t(height) * (1 + std::uint64_t(width) * 2);

    Bits d;
    d.put(1, 1);   // the last block
    d.put(2, 2);   // its own Huffman codes
    d.put(29, 5);  // 286 literal/length codes
    d.put(0, 5);   // 1 distance code
    d.put(14, 4);  // 18 code length codes, in their fixed order:
    const int order[18] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1};
    for (int symbol : order) d.put(symbol == 18 ? 1 : symbol == 1 || symbol == 2 ? 2 : 0, 3);
    // Code lengths, coded as 18 = "0", 1 = "10", 2 = "11" (18 repeats 0 for
    // 11 plus 7 bits times): literal 0 and end of block 2 bits, length 258
    // 1 bit, all else unused; distance 1 one bit.
    d.code(3, 2);                  // literal 0: 2
    d.code(0, 1), d.put(127, 7);   // 1 to 138: 0
    d.code(0, 1), d.put(106, 7);   // 139 to 255: 0
    d.code(3, 2);                  // end of block: 2
    d.code(0, 1), d.put(17, 7);    // 257 to 284: 0
    d.code(2, 2);                  // 285, length 258: 1
    d.code(2, 2);                  // distance 1: 1
    // The codes: length 258 "0", literal 0 "10", end of block "11"; distance 1 "0".
    d.code(2, 2);
    std::uint64_t left = raw - 1;
    for (; left >= 258; left -= 258) d.code(0, 2);
    for (; left > 0; --left) d.code(2, 2);
    d.code(3, 2);
    if (d.count) d.flush();

    QByteArray idat("\x78\x01", 2);
    idat += d.bytes;
    put32(idat, std::uint32_t(raw % 65521) << 16 | 1);  // Adler-32 of zeros

    QByteArray ihdr;
    put32(ihdr, std::uint32_t(width));
    put32(ihdr, std::uint32_t(height));
    ihdr.append(char(16)).append(char(0)).append(3, '\0');
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", idat);
    chunk(png, "IEND", QByteArray());
    return png;
}

// An 8-bit run-length-coded BMP, about 1 KB, whose only code is the end of
// the bitmap: a reader makes the whole width x height image before reading
// the codes that leave it blank.
inline QByteArray rle8Bmp(int width, int height) {
    const int paletteSize = 256 * 4;
    const int dataOffset = 14 + 40 + paletteSize;
    QByteArray bmp("BM", 2);
    put32le(bmp, dataOffset + 2);  // file size
    put32le(bmp, 0);
    put32le(bmp, dataOffset);
    put32le(bmp, 40);  // BITMAPINFOHEADER
    put32le(bmp, std::uint32_t(width));
    put32le(bmp, std::uint32_t(height));  // positive: bottom row first
    put16le(bmp, 1);                      // planes
    put16le(bmp, 8);                      // bits per pixel
    put32le(bmp, 1);                      // BI_RLE8
    put32le(bmp, 2);                      // size of the coded data
    put32le(bmp, 2835);                   // 72 dpi across and down
    put32le(bmp, 2835);
    put32le(bmp, 256);  // colours used
    put32le(bmp, 0);
    for (int i = 0; i < 256; ++i) bmp.append(char(i)).append(char(i)).append(char(i)).append('\0');
    bmp.append("\x00\x01", 2);  // end of bitmap
    return bmp;
}

// A 35-byte GIF whose logical screen is width x height but whose one image is
// a single pixel: a reader that paints frames onto a screen-sized canvas
// makes the whole canvas.
inline QByteArray hugeScreenGif(int width, int height) {
    QByteArray gif("GIF89a", 6);
    put16le(gif, width);
    put16le(gif, height);
    gif.append(char(0x80)).append('\0').append('\0');  // a global table of 2 colours
    gif.append("\x00\x00\x00\xFF\xFF\xFF", 6);
    gif.append(char(0x2C));  // image at 0, 0, 1 x 1, no local table
    put16le(gif, 0);
    put16le(gif, 0);
    put16le(gif, 1);
    put16le(gif, 1);
    gif.append('\0');
    gif.append("\x02\x02\x44\x01\x00", 5);  // 3-bit codes: clear, colour 0, end
    gif.append(char(0x3B));
    return gif;
}

}  // namespace hostile_pictures
