// Controls that edit text: TextBox (one line) and RichTextBox.
#include <QFile>
#include <QLineEdit>
#include <QTextCursor>

#include "forms/controls.h"
#include "forms/guard.h"
#include "forms/qt_convert.h"
#include "forms/text_edit.h"

namespace forms {

namespace {

QString colorCss(Color c) { return toQColor(c).name(QColor::HexRgb); }

// The editor keeps lines apart with "\r"; Qt with "\n".
std::string toEditorLines(std::string s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        out.push_back(s[i] == '\n' ? '\r' : s[i]);
    }
    return out;
}

}  // namespace

// --- TextBox --------------------------------------------------------------------

TextBox::TextBox(std::string name, int index) : Control(ControlKind::TextBox, std::move(name), index) {
    backColor_ = rgb(255, 255, 255);
    borderStyle_ = 1;
}

void TextBox::setText(const std::string& t) {
    if (t == caption_) return;
    caption_ = t;
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        syncing_ = true;
        edit->setText(toQString(t));
        edit->setCursorPosition(0);  // as the run time leaves it after an assignment
        syncing_ = false;
    }
    if (Change && !eventsMuted()) Change();
}

void TextBox::setTransparent(bool t) {
    transparent_ = t;
    syncPalette();
}

int TextBox::SelStart() const {
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) return edit->cursorPosition();
    return 0;
}

QWidget* TextBox::createWidget(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString& text) {
        if (syncing_) return;
        std::string t = fromQString(text);
        if (t == caption_) return;
        caption_ = std::move(t);
        if (Change && !eventsMuted()) runFromQt(Change);
    });
    return edit;
}

void TextBox::syncWidget() {
    Control::syncWidget();
    auto* edit = qobject_cast<QLineEdit*>(widget_);
    if (!edit) return;
    if (fromQString(edit->text()) != caption_) {
        syncing_ = true;
        edit->setText(toQString(caption_));
        edit->setCursorPosition(0);
        syncing_ = false;
    }
}

void TextBox::syncPalette() {
    Control::syncPalette();
    if (!widget_) return;
    // A style sheet draws the 1-pixel border (or none) and the transparent
    // background the same under every style.
    const QString background = transparent_ ? QStringLiteral("transparent") : colorCss(backColor_);
    const QString border = borderStyle_ == 1 ? QStringLiteral("1px solid black") : QStringLiteral("none");
    widget_->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: %3; padding: 0px; }")
                               .arg(background, colorCss(foreColor_), border));
}

// --- RichTextBox ----------------------------------------------------------------

RichTextBox::RichTextBox(std::string name, int index)
    : Control(ControlKind::RichTextBox, std::move(name), index) {
    backColor_ = rgb(255, 255, 255);
    borderStyle_ = 1;
}

std::string RichTextBox::Text() const { return text_; }

void RichTextBox::setText(const std::string& t) {
    text_ = toEditorLines(t);
    paragraphs_.clear();
    size_t start = 0;
    while (true) {
        const size_t end = text_.find('\r', start);
        paragraphs_.push_back({RtfRun{text_.substr(start, end == std::string::npos ? end : end - start), false}});
        if (end == std::string::npos) break;
        start = end + 1;
    }
    contentDirty_ = true;
    showParagraphs();
}

void RichTextBox::setFileName(const std::string& path) {
    fileName_ = path;
    paragraphs_.clear();
    QFile file(toQString(path));
    if (!path.empty() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        paragraphs_ = readRtf(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
    std::string plain = plainText(paragraphs_);
    text_ = toEditorLines(plain);
    contentDirty_ = true;
    showParagraphs();
}

void RichTextBox::showParagraphs() {
    auto* edit = qobject_cast<QTextEdit*>(widget_);
    if (!edit || !contentDirty_) return;
    syncing_ = true;
    edit->clear();
    QTextCursor cursor(edit->document());
    QTextCharFormat plainFormat = cursor.charFormat();
    for (size_t i = 0; i < paragraphs_.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        for (const RtfRun& run : paragraphs_[i]) {
            QTextCharFormat fmt = plainFormat;
            fmt.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            cursor.insertText(toQString(run.text), fmt);
        }
    }
    edit->moveCursor(QTextCursor::Start);
    syncing_ = false;
    contentDirty_ = false;
}

QWidget* RichTextBox::createWidget(QWidget* parent) {
    auto* edit = new TextEdit(parent);
    edit->setAcceptRichText(false);
    // Wide tab stops, so that a help text's key column lines up.
    edit->setTabStopDistance(260);
    QObject::connect(edit, &QTextEdit::textChanged, edit, [this, edit] {
        if (syncing_) return;
        text_ = toEditorLines(fromQString(edit->toPlainText()));
    });
    return edit;
}

void RichTextBox::syncWidget() {
    Control::syncWidget();
    if (auto* edit = qobject_cast<QTextEdit*>(widget_))
        edit->setFrameShape(borderStyle_ == 1 ? QFrame::Box : QFrame::NoFrame);
    showParagraphs();  // only when set in code since last shown: user edits stay
}

}  // namespace forms
