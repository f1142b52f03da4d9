// Building the gallery strip: one thumbnail per listed picture file, side by
// side in the strip, while a progress bar on the canvas shows how far
// start-up has come.
#include <QImage>
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>

#include "forms/picture_io.h"
#include "window/form1.h"
#include "window/layout.h"

namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

// How much CPU time one picture may take to decode its thumbnail: a sound
// picture takes a few milliseconds, so a quarter second is only ever spent
// on a picture that would never end or is far larger than any photograph.
constexpr milliseconds kThumbnailTimeLimit{250};
// How much CPU time all pictures of the gallery together may take to
// decode their thumbnails: start-up shows the window within a few seconds
// however many costly pictures the folder holds (twelve of them at the
// limit above).
constexpr milliseconds kStripBudget{3000};

// The thumbnails of gallery files, taken in the strip's order: each picture
// reduced to its thumbnail's pixels (the whole picture is read again when
// it is painted over the canvas, so start-up neither decodes nor keeps
// every full picture), the next few decoded by the helpers while the
// window shows the one before. A file that cannot be read as a picture
// (corrupt, no picture at all, too large, out of time) leaves its thumbnail
// blank, so the thumbnails keep the indices of the file list and start-up
// goes on. The CPU time the helpers spend decoding counts against the
// strip's budget; once it is spent, the remaining pictures are left blank,
// and those already being decoded are given up.
class ThumbnailLoader {
public:
    ThumbnailLoader(std::function<std::string(int)> fileOf, const layout::GalleryStrip& strip)
        : fileOf_(std::move(fileOf)), strip_(strip) {}

    // The thumbnail of picture `index`, which is the one after the last.
    QImage operator()(int index) {
        while (asked_ < int(strip_.Image3.size()) && asked_ <= index + forms::PictureQueue::width() - 1) ask(asked_++);
        forms::DecodedPicture loaded = queue_.take();
        if (spent_ >= kStripBudget) return QImage();
        spent_ += loaded.cpu;
        if (spent_ >= kStripBudget) queue_.abandon();
        return loaded.image;
    }

private:
    void ask(int index) {
        const std::string path = fileOf_(index);
        const layout::Rect& r = strip_.Image3[std::size_t(index)];
        // The budget spent when the picture is asked for; pictures asked
        // ahead may each still take a full thumbnail's time.
        const auto left = std::chrono::duration_cast<milliseconds>(kStripBudget - std::min(spent_, microseconds(kStripBudget)));
        const auto limit = std::clamp(left, milliseconds(1), kThumbnailTimeLimit);
        queue_.ask(spent_ >= kStripBudget ? -1 : forms::openPictureFile(path), forms::pictureKindOf(path),
                   forms::pixelsOf(r.Width, r.Height), limit);
    }

    std::function<std::string(int)> fileOf_;
    const layout::GalleryStrip& strip_;
    forms::PictureQueue queue_;
    int asked_ = 0;
    microseconds spent_{0};
};

void place(forms::Control& c, const layout::Rect& r) { c.Move(r.Left, r.Top, r.Width, r.Height); }

}  // namespace

void Form1::ControlArranger(PictureBox& FrameControl, Array<Image>& InsideControl, int Nos) {
    if (Nos < 1) return;  // an empty list keeps the strip as designed
    const layout::GalleryStrip strip = layout::galleryStrip(FrameControl.Height(), Nos, Picture5->Width());
    auto fileOf = [this](int i) { return GalleryFolder + "/" + FileList->List(i); };

    // Only the description's member 0 is kept.
    for (int i = InsideControl.UBound(); i >= 1; --i)
        if (InsideControl.Exists(i)) InsideControl.Unload(i);
    FrameControl.setTop(0);
    FrameControl.setLeft(0);

    Image& first = InsideControl(0);
    first.setVisible(true);
    place(first, strip.Image3[0]);
    ThumbnailLoader thumbnailPicture(fileOf, strip);
    first.setPicture(thumbnailPicture(0));

    const std::string caption = Caption();
    setCaption(".  Initializing Graphics......");
    ProgressBar1->setMax(Nos - 1);
    ProgressBar1->setMin(0);
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);

    for (int i = 1; i < Nos; ++i) {
        // The caption and the progress are seen while start-up runs.
        Show();
        RepaintWindow();
        Image& thumb = InsideControl.Load(i);
        thumb.setVisible(true);
        thumb.setStretch(true);
        place(thumb, strip.Image3[static_cast<size_t>(i)]);
        thumb.setPicture(thumbnailPicture(i));
        // A loaded member takes no events from member 0: it answers clicks
        // as a thumbnail of its own.
        thumb.Click = [this, i] { Image3_Click(i); };
        ProgressBar1->setValue(i);
    }

    FrameControl.setWidth(strip.Picture6.Width);
    HScroll1->setMax(strip.HScroll1Max);
    Picture6->setVisible(true);
    ProgressBar1->setVisible(true);
    setCaption(caption);
    ProgressBar1->setVisible(false);
}
