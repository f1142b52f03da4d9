#include "forms/text_edit.h"

#include <QMimeData>

namespace forms {

namespace {

bool hasText(const QMimeData* source) { return source && source->hasText(); }

}  // namespace

TextEdit::TextEdit(QWidget* parent) : QTextEdit(parent) {}

bool TextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return hasText(source) && QTextEdit::canInsertFromMimeData(source);
}

void TextEdit::insertFromMimeData(const QMimeData* source) {
    if (hasText(source)) QTextEdit::insertFromMimeData(source);
}

}  // namespace forms
