// The pixel formats pictures are kept in.
#pragma once

#include <QImage>

namespace forms {

// Pictures without transparency become RGB32, the canvas's own format;
// pictures with it (icons, cursors, transparent GIF and PNG) keep it as
// ARGB32 so that cursors and icons show their transparent parts.
inline QImage normalisedPicture(const QImage& image) {
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

}  // namespace forms
