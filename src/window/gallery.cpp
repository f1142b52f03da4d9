// The background gallery in use: a thumbnail chosen by click or stepped to
// by Ctrl+Up / Ctrl+Down is painted stretched over the whole canvas as a
// background to draw on, and framed in the strip. Painting a picture records
// nothing. Also the strips' scroll bars, and a few picture procedures that
// nothing in the program calls.
#include <QTime>
#include <chrono>
#include <cstdint>
#include <exception>
#include <fstream>
#include <string>

#include "forms/numbers.h"
#include "forms/picture_io.h"
#include "window/form1.h"

namespace {

// One unit of a strip's scroll bar moves the strip this far.
constexpr float kScrollUnitTwips = 120;

// How much CPU time a chosen picture may take to decode at the canvas's
// size: a sound one takes milliseconds even there, and a click or key must
// not freeze the window for longer than a moment. After it the thumbnail
// stands in.
constexpr std::chrono::milliseconds kCanvasPictureTimeLimit{2000};

std::string galleryFile(const Form1& f, int index) { return f.GalleryFolder + "/" + f.FileList->List(index); }

// Where painting the chosen picture fails: its thumbnail, stretched over the
// canvas in its place, so that the canvas is not left blank.
void paintThumbnailInstead(Form1& f, int index) {
    try {
        f.PaintOverCanvas(f.Image3(index).Picture());
    } catch (const std::exception&) {
    }
}

}  // namespace

QImage Form1::GalleryPicture(int index) {
    const QImage& thumbnail = Image3(index).Picture();
    if (thumbnail.isNull() || GalleryPicturesOutOfTime.contains(index)) return thumbnail;
    // Decoded no larger than the canvas that it is stretched over: a large
    // picture costs the canvas's memory, not its own.
    try {
        return forms::LoadPicture(galleryFile(*this, index), forms::pixelsOf(Picture4->Width(), Picture4->Height()),
                                  kCanvasPictureTimeLimit);
    } catch (const forms::PictureTimedOut&) {
        GalleryPicturesOutOfTime.insert(index);  // never spent again
    } catch (const std::exception&) {
        // Gone, or no longer a picture, since start-up.
    }
    return thumbnail;
}

void Form1::PaintOverCanvas(const QImage& picture) {
    // The whole picture, held at its own size in Pichidden, into the whole
    // canvas, each direction stretched or squeezed on its own.
    Pichidden->setPicture(picture);
    Picture4->PaintPicture(Pichidden->Picture(), 0, 0, Picture4->Width(), Picture4->Height(), 0, 0,
                           Pichidden->Width(), Pichidden->Height());
}

void Form1::ToolBoxClick(int Tno) {
    try {
        for (auto& [index, thumb] : Image3) thumb->setBorderStyle(0);
        Image3(Tno).setBorderStyle(1);
        // A thumbnail that holds no picture (a file that could not be read)
        // leaves the canvas and its drawing as they are.
        if (!Image3(Tno).Picture().isNull()) {
            Pichidden->setVisible(false);
            Picture4->setPicture(QImage());
            PaintOverCanvas(GalleryPicture(Tno));
        }
    } catch (const std::exception&) {
        paintThumbnailInstead(*this, Tno);
    }
    Shape6->setLeft(Image3(Tno).Left());
    Shape6->setTop(Image3(Tno).Top());
    Picture4->SetFocus();
    SelectedPicture = forms::toInt16(Tno);
    BackgroundSet = true;
}

void Form1::Image3_Click(int Index) {
    ToolBoxClick(Index);
    GalleryIndex = static_cast<int16_t>(Index);
}

void Form1::Picture_Loader1() {
    // The loader keeps its own position, apart from clicks and the arrows.
    const int n = Image3.Count();
    LoaderIndexForward = static_cast<int16_t>((LoaderIndexForward + 1) % n);
    const QImage& picture = Image3(LoaderIndexForward).Picture();
    if (!picture.isNull()) Picture4->setPicture(picture);
    ToolBoxClick(LoaderIndexForward);
}

void Form1::Picture_Loader2() {
    const int n = Image3.Count();
    if (LoaderIndexBackward == 0) LoaderIndexBackward = static_cast<int16_t>(n);
    LoaderIndexBackward = static_cast<int16_t>(LoaderIndexBackward - 1);
    const QImage& picture = Image3(LoaderIndexBackward).Picture();
    if (!picture.isNull()) Picture4->setPicture(picture);
    ToolBoxClick(LoaderIndexBackward);
}

void Form1::HScroll1_Change() {
    Picture6->setLeft(-(static_cast<float>(HScroll1->Value()) * kScrollUnitTwips));
    Picture4->SetFocus();
}

void Form1::HScroll2_Change() {
    Picture8->setLeft(-(static_cast<float>(HScroll2->Value()) * kScrollUnitTwips));
    Picture4->SetFocus();
}

void Form1::FullScreenPicture() {
    // Paints the chosen picture over the canvas again (after a clear).
    const QImage& picture = Image3(SelectedPicture).Picture();
    if (picture.isNull()) return;
    try {
        PaintOverCanvas(GalleryPicture(SelectedPicture));
    } catch (const std::exception&) {
        paintThumbnailInstead(*this, SelectedPicture);
    }
}

int16_t Form1::NoOfFiles(const std::string& FolName) {
    // The count of pictures named 1.jpg, 2.jpg, ... without a gap.
    int16_t count = 0;
    while (count < INT16_MAX) {
        std::ifstream file(FolName + "/" + std::to_string(count + 1) + ".jpg", std::ios::binary);
        if (!file.is_open()) break;
        ++count;
    }
    return count;
}

void Form1::PutPicture() {
    // Every 15th twip of Picture9's area, from 1, takes the colour stored
    // for that offset: StoredPixels[x offset][y offset]. Offsets the table
    // does not hold are left as they are; the table starts empty.
    for (int y = 1; y <= static_cast<int>(Picture9->Height()); y += 15) {
        for (int x = 1; x <= static_cast<int>(Picture9->Width()); x += 15) {
            if (static_cast<size_t>(x) >= StoredPixels.size()) break;
            const auto& column = StoredPixels[static_cast<size_t>(x)];
            if (static_cast<size_t>(y) >= column.size()) continue;
            Picture4->PSet(Picture9->Left() + static_cast<float>(x), Picture9->Top() + static_cast<float>(y),
                           column[static_cast<size_t>(y)]);
        }
    }
}

float Form1::TimeConverter() {
    const QTime now = QTime::currentTime();
    return static_cast<float>(now.hour() * 3600 + now.minute() * 60 + now.second());
}

void Form1::ConnectGalleryEvents() {
    // The thumbnails loaded while the strip is built are connected there.
    for (auto& [i, thumb] : Image3) thumb->Click = [this, i = i] { Image3_Click(i); };
    HScroll1->Change = [this] { HScroll1_Change(); };
    HScroll2->Change = [this] { HScroll2_Change(); };
}
