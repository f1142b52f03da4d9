// The platform of the real program: the desktop's screen, Qt's message,
// input and file dialogs, sound through Qt Multimedia when it was built in.
// Create it after the QApplication and destroy it before.
#pragma once

#include <memory>

#include "forms/platform.h"

class QSoundEffect;

namespace forms {

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // LUMADRAW_SCREEN=WIDTHxHEIGHT (1 to 16384 a side) overrides the primary
    // screen's size; any other value is refused on standard error.
    int screenWidthPx() const override;
    int screenHeightPx() const override;
    int msgBox(const std::string& prompt, int buttons, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::string saveFileDialog(const std::string& title, const std::string& filter) override;
    std::string openFileDialog(const std::string& title, const std::string& filter) override;
    void playSound(const std::string& path) override;
    std::string programFolder() const override;
    // LUMADRAW_BACKGROUNDS, else the program folder's "Backgrounds".
    std::string galleryRoot() const override;
    SystemColors systemColors() const override;

private:
    int screenWidth_ = 0, screenHeight_ = 0;
    QSoundEffect* sound_ = nullptr;
};

// The dialog's filter text ("Pictures|*.bmp;*.jpg|All|*.*" or a bare
// "Bitmap Files (*.BMP)") as Qt's name filters ("Pictures (*.bmp *.jpg);;All (*.*)").
std::string qtFileFilter(const std::string& filter);

}  // namespace forms
