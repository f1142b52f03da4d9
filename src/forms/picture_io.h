// Loading and saving pictures, and the help text reader.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <chrono>
#include <string>

#include "forms/picture_decoder.h"
#include "forms/types.h"

namespace forms {

// A picture that was still being decoded when its time ran out.
struct PictureTimedOut : RuntimeError {
    using RuntimeError::RuntimeError;
};

// The CPU time decoding a picture may take where the caller gives no limit.
inline constexpr std::chrono::milliseconds kPictureTimeLimit{2000};

// The file at `path` opened for reading, or -1 when it cannot be opened or
// is not a regular file. Opening never waits (a FIFO has no writer to wait
// for), and the check is made on what was opened, so a file swapped for a
// FIFO, a device or a folder at any moment is refused. `path` holds the
// file name's bytes as the file system has them (any encoding).
int openPictureFile(const std::string& path);
// How the helper decodes the file: as a metafile when its name ends in
// .wmf, in any case.
picture_protocol::Kind pictureKindOf(const std::string& path);

// Reads a BMP, JPEG, GIF, PNG, ICO or WMF file, decoded at most `atMost`
// pixels large in each direction (each on its own: the gallery stretches
// every picture anyway; a metafile is drawn at exactly that size), or at
// its own size when `atMost` is not valid. `path` holds the file name's
// bytes as the file system has them (any encoding). The file is opened
// here without waiting (a FIFO or a device swapped in for a picture blocks
// nothing) and anything but a regular file is refused; the helper program
// decodes it from the open file (see picture_decoder.h) within `cpuLimit`
// of its CPU time. Refused too: a picture whose header declares more than
// 64 megapixels (32 at 16 bits a channel), a metafile file over 64 MB.
DecodedPicture decodePictureFile(const std::string& path, QSize atMost, std::chrono::milliseconds cpuLimit);

// The same as a picture ("" gives the empty picture). Throws
// PictureTimedOut when the picture took all its CPU time, and RuntimeError
// when the file cannot be read as a picture or no helper could decode it.
QImage LoadPicture(const std::string& path);
QImage LoadPicture(const std::string& path, QSize atMost, std::chrono::milliseconds cpuLimit = kPictureTimeLimit);

// The pixels that an area of that many twips shows (at least 1 x 1): the
// size a picture stretched over that area is decoded at.
QSize pixelsOf(float widthTwips, float heightTwips);

// Saves as a 24-bit BMP. Throws RuntimeError when the file cannot be
// written, its message the system's reason as QSaveFile gives it ("Permission
// denied", "No space left on device").
void SavePicture(const QImage& image, const std::string& path);

// One of the window's built-in pictures by number (1..37).
QImage builtinPicture(int number);

}  // namespace forms
