// A small metafile written out byte for byte (16-bit words, low byte first):
// a placeable header (1000 x 1000 units at 1000 units per inch, so 96 x 96
// pixels at its own size), a null pen, and two solid rectangles filling the
// box: red on the left half, blue on the right. The end-to-end test reads
// the hex strings below from this file: keep each in one pair of quotes.
#pragma once

#include <QByteArray>

inline QByteArray testMetafile() {
    // Each record: its size in words (32 bits), its function, its parameters.
    return QByteArray::fromHex(
        "d7cd c69a 0000 0000 0000 e803 e803 e803 0000 0000 f954"  // placeable header, its checksum last
        "0100 0900 0003 4000 0000 0200 0800 0000 0000"            // header: 64 words in all
        "0800 0000 fa02 0500 0000 0000 0000 0000"                 // null pen
        "0400 0000 2d01 0000"                                     // selected
        "0700 0000 fc02 0000 ff00 0000 0000"                      // red solid brush
        "0400 0000 2d01 0100"                                     // selected
        "0700 0000 1b04 e803 f401 0000 0000"                      // rectangle: bottom, right, top, left
        "0400 0000 f001 0100"                                     // brush deleted
        "0700 0000 fc02 0000 0000 ff00 0000"                      // blue solid brush
        "0400 0000 2d01 0100"                                     // selected
        "0700 0000 1b04 e803 e803 0000 f401"                      // rectangle
        "0300 0000 0000");                                        // end
}
