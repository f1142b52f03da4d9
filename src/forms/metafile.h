// Windows metafiles (.wmf), drawn into pixels by libwmf in a helper program.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <chrono>

namespace forms {

// What drawing one metafile gave.
struct DrawnMetafile {
    QImage image;           // null when the metafile could not be drawn
    bool timedOut = false;  // still drawing when its time ran out
};

// Draws the metafile held in `bytes`. With a valid `fit` it is drawn at
// exactly that size (a metafile is drawn, not stored as pixels, so it is as
// sharp at any size); without one at its own size at 96 pixels per inch,
// which may be at most `maxPixels` large. Bytes without a metafile header
// never reach the library. The library runs in a helper program apart from
// the window, so that a metafile that crashes it gives a null image like
// any unreadable picture, and one that is still drawing after `limit` is
// stopped and reported as timed out. The helper's start-up is not counted
// in `limit`. Call from the GUI thread: the helper ends with the thread
// that started it.
DrawnMetafile renderMetafile(const QByteArray& bytes, QSize fit, qint64 maxPixels, std::chrono::milliseconds limit);

// The process id of the running metafile helper, 0 when none runs.
qint64 metafileHelperProcessId();

}  // namespace forms
