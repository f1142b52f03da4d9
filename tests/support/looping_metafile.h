// A 128-byte metafile that the metafile library never finishes drawing:
// one StretchDIB record of a 2 x 2, 24-bit bitmap whose header gives its
// own size as 0, into a destination far larger than the window. Every
// drawing of it runs until its time limit.
#pragma once

#include <QByteArray>

inline QByteArray loopingMetafile() {
    return QByteArray::fromHex(
        "0100 0900 0003 4000 0000 0800 4000 0000 0000"  // header: 64 words in all
        "0500 0000 0b02 0000 0000"                      // window origin 0, 0
        "0500 0000 0c02 3804 a005"                      // window extent 1440 x 1080
        "2a00 0000 430f 2000 cc00 0000 0200 0200 0000 0000 38a0 0005 0000 0428"  // StretchDIB: copy, 2 x 2 into
        "0000 0000 0200 0000 0200 0000 0100 1800 0000 0000 0000 0000 0000 0000"  // -24520 x 1280; the bitmap
        "0000 0000 0000 0000 0000 0000 ff00 0000 ff00 0000 0000 ffff ffff 0000"  // header and its pixels
        "0300 0000 0000");                                                       // end
}
