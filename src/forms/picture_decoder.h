// Pictures decoded by the helper program lumadraw-picture, apart from the
// window: the window opens the file and hands the helper its descriptor;
// the helper decodes it no larger than asked and answers the pixels.
#pragma once

#include <QImage>
#include <QSize>
#include <chrono>
#include <deque>
#include <memory>
#include <string>

#include "forms/picture_protocol.h"

namespace forms {

// How decoding a picture ended.
enum class DecodeOutcome {
    Decoded,
    NotAPicture,   // the helper could not decode it (no picture, too large, it crashed on it)
    OutOfTime,     // it took all the CPU time it was given: its own fault
    HelperFailed,  // no helper could be had, or one was stopped, starved or killed: not the picture's fault
};

struct DecodedPicture {
    QImage image;  // null unless decoded
    DecodeOutcome outcome = DecodeOutcome::NotAPicture;
    std::chrono::microseconds cpu{0};  // the helper's CPU time spent on it
};

// Decodes the picture in the open regular file `fd` (closed once done) in
// the helper, at most `fit` large (a metafile at exactly that size; the
// picture's own size when `fit` is not valid). The helper may spend
// `cpuLimit` of its CPU time on it, and the window waits for it at most a
// few times that long; a helper that dies, is stopped or answers what it
// was not asked is killed, and the picture is tried once more on a new one
// unless the fault was its own. A helper's start-up has its own wait (at
// most a second) and is not counted; after three failed starts in a row no
// helper is started again, and every picture is refused at once. Call from
// the GUI thread: a helper ends with the thread that started it.
DecodedPicture decodeInHelper(int fd, picture_protocol::Kind kind, QSize fit, std::chrono::milliseconds cpuLimit);

// Pictures decoded ahead, in the order asked: up to one per helper of a
// small pool (never more helpers than processors) decode while the caller
// takes the answers one by one, in that order. Each picture has the limits
// of decodeInHelper. Pictures still being decoded when the queue is
// dropped or abandoned are given up, their helpers killed.
class PictureQueue {
public:
    PictureQueue();
    PictureQueue(const PictureQueue&) = delete;
    PictureQueue& operator=(const PictureQueue&) = delete;
    ~PictureQueue();

    // Asks for the picture in the open regular file `fd`, which the queue
    // takes over and closes once answered (-1: a file that could not be
    // opened, answered NotAPicture).
    void ask(int fd, picture_protocol::Kind kind, QSize fit, std::chrono::milliseconds cpuLimit);
    // The oldest picture asked for and not yet taken (NotAPicture when none).
    DecodedPicture take();
    // Gives up every picture asked for and not yet taken.
    void abandon();
    // How many pictures the queue decodes at once.
    static int width();

    struct Asked;

private:
    void sendWhatFits();
    std::deque<std::unique_ptr<Asked>> asked_;
};

// The process id of the first helper of the pool (the one decodeInHelper
// uses), 0 when none runs.
qint64 pictureHelperProcessId();

// For tests: the helpers' test mode (see the helper's usage), "" for none.
// Stops every helper and forgets failed starts.
void setPictureHelperTestMode(const std::string& mode);

}  // namespace forms
