// The platform the program runs on, injected once: screen size, message and
// input boxes, file dialogs, sound, the program folder, the gallery root,
// folder listings and the desktop's colours. A Qt implementation serves the
// real program; tests install a scripted one.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "forms/types.h"

namespace forms {

// Desktop colours that the window's controls name by role; read once at
// start and kept as plain RGB numbers.
struct SystemColors {
    Color window = rgb(255, 255, 255);
    Color windowText = rgb(0, 0, 0);
    Color menu = rgb(240, 240, 240);
    Color buttonFace = rgb(240, 240, 240);
};

class Platform {
public:
    virtual ~Platform() = default;

    // Screen size in pixels. LUMADRAW_SCREEN=WIDTHxHEIGHT overrides it in the
    // Qt platform.
    virtual int screenWidthPx() const = 0;
    virtual int screenHeightPx() const = 0;

    // A modal message box; returns vbOK, vbYes or vbNo.
    virtual int msgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
    // An input box; a cancel gives "".
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // File dialogs; a cancel gives "". `filter` is the dialog's filter text.
    virtual std::string saveFileDialog(const std::string& title, const std::string& filter) = 0;
    virtual std::string openFileDialog(const std::string& title, const std::string& filter) = 0;

    // Plays a sound file asynchronously; a missing file or no audio device
    // plays nothing and reports nothing.
    virtual void playSound(const std::string& path) = 0;

    // The folder of the program (where HELP.RTF and mousemove.wav lie).
    virtual std::string programFolder() const = 0;
    // The folder whose first sub-folder with pictures fills the gallery.
    virtual std::string galleryRoot() const = 0;

    virtual SystemColors systemColors() const = 0;

    // Folder listings, shared by every platform: bare names, in name order
    // without regard to case, ties broken by the exact name. A folder that
    // cannot be read lists nothing.
    static bool folderExists(const std::string& path);
    static std::vector<std::string> subFolders(const std::string& path);
    static std::vector<std::string> files(const std::string& path);
};

// The platform in use. Set once at start (or by each test).
Platform& platform();
void setPlatform(Platform* p);

// A platform whose answers are scripted, for tests. Every call is logged.
class ScriptedPlatform : public Platform {
public:
    int widthPx = 1024, heightPx = 768;
    std::deque<int> msgBoxAnswers;            // default answer: vbNo / vbOK
    std::deque<std::string> inputAnswers;     // default: ""
    std::deque<std::string> fileAnswers;      // default: "" (cancel)
    std::string folder = ".";
    std::string gallery = "/nonexistent-gallery";
    SystemColors colors;

    struct Call {
        std::string what, text, title;
    };
    std::vector<Call> calls;  // msgBox / inputBox / saveFileDialog / openFileDialog / playSound

    int screenWidthPx() const override { return widthPx; }
    int screenHeightPx() const override { return heightPx; }
    int msgBox(const std::string& prompt, int buttons, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::string saveFileDialog(const std::string& title, const std::string& filter) override;
    std::string openFileDialog(const std::string& title, const std::string& filter) override;
    void playSound(const std::string& path) override;
    std::string programFolder() const override { return folder; }
    std::string galleryRoot() const override { return gallery; }
    SystemColors systemColors() const override { return colors; }

    int count(const std::string& what) const;
};

}  // namespace forms
