// Loading and saving pictures, and the help text reader.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <chrono>
#include <string>

#include "forms/types.h"

namespace forms {

// A picture (a metafile) that was still being drawn when its time ran out.
struct PictureTimedOut : RuntimeError {
    using RuntimeError::RuntimeError;
};

// How long drawing a metafile may take where the caller gives no limit.
inline constexpr std::chrono::milliseconds kPictureTimeLimit{2000};

// Decodes a picture from its file's bytes. `suffix` is the file's extension,
// lower case, without the dot ("bmp", "jpg", "gif", "wmf", ...). With a valid
// `fit` the picture is decoded at most that large in each direction (each on
// its own: the gallery stretches every picture anyway); a picture that cannot
// be read, or would take more than 256 MB decoded (over 64 megapixels, or
// over 32 at 8 bytes a pixel), gives a null image. A metafile still drawing
// after `limit` throws PictureTimedOut.
QImage decodePicture(const QByteArray& bytes, const std::string& suffix, QSize fit,
                     std::chrono::milliseconds limit = kPictureTimeLimit);

// Whether LoadPicture takes the file as a metafile (its name ends in .wmf,
// in any case).
bool isMetafileName(const std::string& path);

// Loads a BMP, JPEG, GIF, PNG, ICO or WMF file ("" gives the empty picture).
// `path` holds the file name's bytes as the file system has them (any
// encoding). Pictures are read from the file, header first; only a metafile
// whose first bytes are a metafile header, in a file of at most 64 MB, is
// read whole. Throws RuntimeError when the file cannot be read as a picture
// or is too large to load.
QImage LoadPicture(const std::string& path);
// The same, decoded at most `atMost` pixels large as decodePicture does; a
// metafile may take `limit` to draw, and throws PictureTimedOut after it.
QImage LoadPicture(const std::string& path, QSize atMost, std::chrono::milliseconds limit = kPictureTimeLimit);

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
