// Building the gallery strip: one thumbnail per listed picture file, side by
// side in the strip, while a progress bar on the canvas shows how far
// start-up has come.
#include <QImage>
#include <algorithm>
#include <chrono>
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

// The thumbnails of gallery files: each picture reduced to its thumbnail's
// pixels (the whole picture is read again when it is painted over the
// canvas, so start-up neither decodes nor keeps every full picture). A file
// that cannot be read as a picture (corrupt, no picture at all, too large,
// out of time) leaves its thumbnail blank, so the thumbnails keep the
// indices of the file list and start-up goes on. The CPU time the helper
// spends decoding counts against the strip's budget; once it is spent, the
// remaining pictures are left blank without being tried.
class ThumbnailLoader {
public:
    QImage operator()(const std::string& path, const layout::Rect& r) {
        if (spent_ >= kStripBudget) return QImage();
        const auto limit = std::chrono::duration_cast<milliseconds>(std::min<microseconds>(kThumbnailTimeLimit, kStripBudget - spent_));
        const forms::LoadedPicture loaded = forms::decodePictureFile(path, forms::pixelsOf(r.Width, r.Height), std::max(limit, milliseconds(1)));
        spent_ += loaded.cpu;
        return loaded.image;
    }

private:
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
    ThumbnailLoader thumbnailPicture;
    first.setPicture(thumbnailPicture(fileOf(0), strip.Image3[0]));

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
        thumb.setPicture(thumbnailPicture(fileOf(i), strip.Image3[static_cast<size_t>(i)]));
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
