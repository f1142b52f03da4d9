#include "forms/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPalette>
#include <QScreen>
#include <QUrl>
#include <cstdlib>
#include <cstdio>

#ifdef LUMADRAW_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#endif

#include "forms/qt_convert.h"
#include "forms/screen_size.h"

namespace forms {

namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

}  // namespace

QtPlatform::QtPlatform() {
    screenWidth_ = 1024;
    screenHeight_ = 768;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        screenWidth_ = screen->size().width();
        screenHeight_ = screen->size().height();
    }
    // An empty value counts as unset; a value that is no usable size is
    // refused aloud and the real screen's size is kept.
    const char* const kVariable = "LUMADRAW_SCREEN";
    if (const char* given = std::getenv(kVariable); given && *given) {
        if (const std::optional<ScreenSize> size = parseScreenSize(given)) {
            screenWidth_ = size->width;
            screenHeight_ = size->height;
        } else {
            std::fprintf(stderr, "%s\n", screenSizeRefusal(kVariable, given).c_str());
        }
    }
}

QtPlatform::~QtPlatform() {
#ifdef LUMADRAW_HAVE_MULTIMEDIA
    delete sound_;
#endif
}

int QtPlatform::screenWidthPx() const { return screenWidth_; }
int QtPlatform::screenHeightPx() const { return screenHeight_; }

int QtPlatform::msgBox(const std::string& prompt, int buttons, const std::string& title) {
    const bool yesNo = (buttons & 7) == vbYesNo;
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(prompt),
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, dialogParent());
    if (yesNo) box.setEscapeButton(QMessageBox::No);
    const int answer = box.exec();
    if (!yesNo) return vbOK;
    return answer == QMessageBox::Yes ? vbYes : vbNo;
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), toQString(title), toQString(prompt),
                                               QLineEdit::Normal, toQString(defaultText), &ok);
    return ok ? fromQString(text) : std::string();
}

std::string QtPlatform::saveFileDialog(const std::string& title, const std::string& filter) {
    // The program adds its own extension to the chosen name, so Qt's
    // overwrite question would ask about the wrong file.
    const QString name = QFileDialog::getSaveFileName(dialogParent(), toQString(title), QString(),
                                                      toQString(qtFileFilter(filter)), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    return fromQString(name);
}

std::string QtPlatform::openFileDialog(const std::string& title, const std::string& filter) {
    const QString name =
        QFileDialog::getOpenFileName(dialogParent(), toQString(title), QString(), toQString(qtFileFilter(filter)));
    return fromQString(name);
}

void QtPlatform::playSound(const std::string& path) {
#ifdef LUMADRAW_HAVE_MULTIMEDIA
    const QString file = toQString(path);
    if (!QFileInfo(file).isFile() || QMediaDevices::audioOutputs().isEmpty()) return;
    if (!sound_) sound_ = new QSoundEffect();
    const QUrl url = QUrl::fromLocalFile(file);
    if (sound_->source() != url) sound_->setSource(url);
    sound_->play();
#else
    (void)path;
#endif
}

std::string QtPlatform::programFolder() const { return fromQString(QCoreApplication::applicationDirPath()); }

std::string QtPlatform::galleryRoot() const {
    if (const char* root = std::getenv("LUMADRAW_BACKGROUNDS"); root && *root) return root;
    return programFolder() + "/Backgrounds";
}

SystemColors QtPlatform::systemColors() const {
    const QPalette pal = QApplication::palette();
    SystemColors c;
    c.window = fromQColor(pal.color(QPalette::Active, QPalette::Base));
    c.windowText = fromQColor(pal.color(QPalette::Active, QPalette::Text));
    c.menu = fromQColor(pal.color(QPalette::Active, QPalette::Window));
    c.buttonFace = fromQColor(pal.color(QPalette::Active, QPalette::Button));
    return c;
}

std::string qtFileFilter(const std::string& filter) {
    if (filter.find('|') == std::string::npos) return filter;
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::string out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns = parts[i + 1];
        for (char& ch : patterns)
            if (ch == ';') ch = ' ';
        if (!out.empty()) out += ";;";
        out += parts[i] + " (" + patterns + ")";
    }
    return out;
}

}  // namespace forms
