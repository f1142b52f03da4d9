// Saving the canvas as a bitmap (F10 and the question at exit).
#include <exception>
#include <string>

#include "forms/picture_io.h"
#include "forms/platform.h"
#include "window/form1.h"

bool Form1::SAVE_PICTURE() {
    CommonDialog1->DialogTitle = "Save Picture";
    CommonDialog1->Filter = "Bitmap Files (*.BMP)";
    CommonDialog1->setAction(2);
    // A cancelled dialog leaves no name: nothing to save is no failure.
    if (CommonDialog1->FileName.empty()) return true;
    // The extension is always appended, also to a name that has it already.
    const std::string file = CommonDialog1->FileName + ".BMP";
    try {
        // The canvas's persistent image: the drawing without the tool outline.
        forms::SavePicture(Picture4->Image(), file);
        return true;
    } catch (const std::exception& e) {
        // The file's name and the system's reason.
        forms::platform().msgBox("The picture could not be saved to " + file + ": " + e.what(), forms::vbOKOnly,
                                 "Save Picture");
        return false;
    }
}

void Form1::Form_Unload(int& Cancel) {
    try {
        const int answer = forms::platform().msgBox("Do you want to save the picture", forms::vbYesNo,
                                                    "Closing Lumadraw");
        // A save that failed keeps the window open, so the drawing is not lost.
        if (answer == forms::vbYes && !SAVE_PICTURE()) Cancel = 1;
    } catch (const std::exception&) {
        // A failing question or dialog does not hold the window open.
    }
}
