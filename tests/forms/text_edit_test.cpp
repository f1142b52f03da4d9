// The rich text box's editor takes pastes and drops that carry text and
// ignores every other source: none at all, one with no formats (what an
// empty X clipboard gives, on which Qt's own paste would crash) or one with
// only a picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <array>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/text_edit.h"

namespace {

// Opens the editor's paste and drop entry points to the test.
class OpenTextEdit : public forms::TextEdit {
public:
    using forms::TextEdit::canInsertFromMimeData;
    using forms::TextEdit::insertFromMimeData;
};

TEST(TextEditTest, IgnoresSourcesWithoutText) {
    OpenTextEdit edit;
    edit.setPlainText("FD 10");
    QMimeData empty;
    QMimeData picture;
    picture.setImageData(QImage(4, 4, QImage::Format_RGB32));
    for (const QMimeData* source : std::array<const QMimeData*, 3>{nullptr, &empty, &picture}) {
        SCOPED_TRACE(source ? source->formats().join(",").toStdString() : "no source");
        EXPECT_FALSE(edit.canInsertFromMimeData(source));
        edit.insertFromMimeData(source);
        EXPECT_EQ(edit.toPlainText(), "FD 10");
    }
}

TEST(TextEditTest, TakesTextAtTheCursor) {
    OpenTextEdit edit;
    edit.setPlainText("FD 10");
    edit.moveCursor(QTextCursor::End);
    QMimeData text;
    text.setText("\rRT 90");
    EXPECT_TRUE(edit.canInsertFromMimeData(&text));
    edit.insertFromMimeData(&text);
    EXPECT_EQ(edit.toPlainText(), "FD 10\nRT 90");
}

// The program's rich text box, shown with a record, left as it is by Ctrl+V
// and Shift+Insert while the clipboard holds a source with no formats.
TEST(TextEditTest, RichTextBoxIgnoresAPasteFromAnEmptyClipboard) {
    forms::Form form{"Form1"};
    forms::RichTextBox box("RichTextBox1");
    box.attach(&form);
    box.setText("FD 10\rRT 90\r");
    QWidget* edit = box.widget();
    ASSERT_NE(qobject_cast<forms::TextEdit*>(edit), nullptr);
    QApplication::clipboard()->setMimeData(new QMimeData);
    for (auto [key, mods] : {std::pair{Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}}) {
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(edit, &press);
        EXPECT_EQ(box.Text(), "FD 10\rRT 90\r");
    }
    QApplication::clipboard()->clear();
}

}  // namespace
