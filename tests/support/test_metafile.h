// A small metafile written by the tests themselves: a placeable header
// (1000 x 1000 units at 1000 units per inch, so 96 x 96 pixels at its own
// size), a null pen, and two solid rectangles filling the box: red on the
// left half, blue on the right.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <initializer_list>

inline QByteArray testMetafile() {
    QByteArray body;
    auto word = [](QByteArray& out, std::uint32_t w) {
        out.append(char(w & 0xFF));
        out.append(char((w >> 8) & 0xFF));
    };
    auto record = [&](std::uint16_t function, std::initializer_list<std::uint16_t> params) {
        const std::uint32_t words = 3 + std::uint32_t(params.size());
        word(body, words & 0xFFFF);
        word(body, words >> 16);
        word(body, function);
        for (std::uint16_t p : params) word(body, p);
    };
    auto solidBrush = [&](int r, int g, int b) { record(0x02FC, {0, std::uint16_t(r | g << 8), std::uint16_t(b), 0}); };
    record(0x02FA, {5, 0, 0, 0, 0});  // null pen
    record(0x012D, {0});              // selected
    solidBrush(255, 0, 0);
    record(0x012D, {1});
    record(0x041B, {1000, 500, 0, 0});  // rectangle: bottom, right, top, left
    record(0x01F0, {1});                // brush deleted
    solidBrush(0, 0, 255);
    record(0x012D, {1});
    record(0x041B, {1000, 1000, 0, 500});
    record(0x0000, {});  // end

    QByteArray file;
    const std::uint16_t placeable[] = {0xCDD7, 0x9AC6, 0, 0, 0, 1000, 1000, 1000, 0, 0};
    std::uint16_t checksum = 0;
    for (std::uint16_t w : placeable) {
        word(file, w);
        checksum ^= w;
    }
    word(file, checksum);
    const std::uint32_t totalWords = std::uint32_t(18 + body.size()) / 2;
    for (std::uint32_t w : {1u, 9u, 0x0300u, totalWords & 0xFFFF, totalWords >> 16, 2u, 8u, 0u, 0u}) word(file, w);
    return file + body;
}
