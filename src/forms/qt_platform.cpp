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

namespace forms {

namespace {

// "1024x768" -> 1024, 768; anything else leaves the numbers alone.
bool parseScreen(const char* text, int& w, int& h) {
    if (!text) return false;
    int a = 0, b = 0;
    char x = 0;
    if (std::sscanf(text, "%d%c%d", &a, &x, &b) != 3 || (x != 'x' && x != 'X') || a <= 0 || b <= 0) return false;
    w = a;
    h = b;
    return true;
}

QWidget* dialogParent() { return QApplication::activeWindow(); }

}  // namespace

QtPlatform::QtPlatform() {
    if (!parseScreen(std::getenv("LUMADRAW_SCREEN"), screenWidth_, screenHeight_)) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            screenWidth_ = screen->size().width();
            screenHeight_ = screen->size().height();
        } else {
            screenWidth_ = 1024;
            screenHeight_ = 768;
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
