// The editor inside a rich text box: a QTextEdit that takes only pastes and
// drops that carry text. Qt 6.4's own insertFromMimeData reads the first of
// a source's formats without looking whether there is one, so a paste from
// an empty clipboard (Ctrl+V, Shift+Insert, a middle click with no selection
// owner under X) would end the program. The box shows plain text only, so a
// source without text has nothing it could insert anyway.
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
