// Windows metafiles (.wmf), drawn into pixels by libwmf.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace forms {

// Draws the metafile held in `bytes`. With a valid `fit` it is drawn at
// exactly that size (a metafile is drawn, not stored as pixels, so it is as
// sharp at any size); without one at its own size at 96 pixels per inch,
// which may be at most `maxPixels` large. Bytes without a metafile header
// never reach the library. The library runs in a child process, so that a
// metafile that crashes it, or keeps it busy longer than a few seconds,
// gives a null image like any unreadable picture.
QImage renderMetafile(const QByteArray& bytes, QSize fit, qint64 maxPixels);

}  // namespace forms
