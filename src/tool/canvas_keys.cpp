// Keys and the double click on the canvas. Every key goes to the key-command
// dispatcher, except Left and Right with the "Picture Tool", which step
// through the gallery and paint the picture over the canvas. A failure in a
// key command ends that key command only: the program goes on.
#include <exception>

#include "window/form1.h"

namespace {

constexpr int kLeft = 37, kRight = 39, kF8 = 119, kF9 = 120;
constexpr int kPictureTool = 7;

}  // namespace

void Form1::Picture4_KeyDown(int& KeyCode, int& Shift) {
    // The trap covers the dispatcher too (a failing statement there raises
    // forms::RuntimeError; anything else thrown is caught alike).
    try {
        if ((KeyCode != kLeft && KeyCode != kRight) || ToolNo != kPictureTool) {
            KeyResponder(KeyCode, Shift);
            return;
        }
        // Left or Right with the "Picture Tool", whatever the shift state.
        const int count = Image3.Count();
        if (KeyCode == kRight) {
            GalleryIndex = static_cast<int16_t>(GalleryIndex + 1);
            if (GalleryIndex > count - 1) GalleryIndex = 0;
        } else {
            GalleryIndex = static_cast<int16_t>(GalleryIndex - 1);
            if (GalleryIndex == -1) GalleryIndex = static_cast<int16_t>(count - 1);
        }
        for (auto& [index, thumb] : Image3) thumb->setBorderStyle(0);
        Image3(GalleryIndex).setBorderStyle(1);
        Pichidden->setVisible(false);
        // Stretched over the whole canvas, into its persistent image. A blank
        // thumbnail (no picture) paints nothing, and its file is not read.
        const QImage picture = GalleryPicture(GalleryIndex);
        if (!picture.isNull()) PaintOverCanvas(picture);
    } catch (const std::exception&) {
        // Ends the failing key command; the frame follows the thumbnail below.
    }
    if (Image3.Exists(GalleryIndex)) {
        Shape6->setLeft(Image3(GalleryIndex).Left());
        Shape6->setTop(Image3(GalleryIndex).Top());
    }
    SelectedPicture = GalleryIndex;
}

void Form1::Picture4_KeyPress(int& KeyAscii) {
    // "+" grows the tool as F8 does, "-" shrinks it as F9 does.
    if (KeyAscii == '+') KeyResponder(kF8, 0);
    if (KeyAscii == '-') KeyResponder(kF9, 0);
}

void Form1::Picture4_DblClick() {
    // The full view: the drawing alone (no tool outline, no panels), at its
    // own size in the middle of the screen.
    ShowFullScreenPanel();
    Image2->setStretch(false);
    Image2->setPicture(Picture4->Image());
    Image2->setLeft(static_cast<float>(static_cast<double>(Picture21->Width()) / 2 - Image2->Width() / 2.0));
    Image2->setTop(static_cast<float>(static_cast<double>(Picture21->Height()) / 2 - Image2->Height() / 2.0));
}

void Form1::ConnectCanvasEvents() {
    // The key handler traps its own failures; the other two end the event
    // at a failure, never the program.
    Picture4->KeyDown = [this](int& KeyCode, int& Shift) { Picture4_KeyDown(KeyCode, Shift); };
    Picture4->KeyPress = [this](int& KeyAscii) { Picture4_KeyPress(KeyAscii); };
    Picture4->DblClick = [this] { Picture4_DblClick(); };
}
