// The editor inside a rich text box: a QTextEdit that takes only pastes and
// drops that carry text. Qt 6.4's own insertFromMimeData crashes on a source
// with no formats at all, which is what an empty clipboard gives under X
// (Ctrl+V, Shift+Insert, or a middle click with no selection owner). The box
// holds plain text, so a source without text is ignored as a whole.
#pragma once

#include <QTextEdit>

namespace forms {

class TextEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit TextEdit(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace forms
