// The question at exit and the bitmap saver, with scripted answers: No saves
// nothing, Yes writes the canvas as "<name>.BMP", a cancelled dialog writes
// nothing, and a save that fails is reported and keeps the window open.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "support/form_fixture.h"

namespace {

class ExitTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(out.isValid());
        form->Form_Load();
        // Something to save besides the black background.
        form->Picture4->Line(300, 300, 6000, 4000, forms::rgb(255, 0, 0));
        form->Picture4->Box(1000, 5000, 3000, 7000, forms::rgb(0, 128, 255), true);
    }
    int unload() {
        int cancel = 0;
        form->Form_Unload(cancel);
        return cancel;
    }
    std::string at(const std::string& name) const { return out.path().toStdString() + "/" + name; }
    int files() const { return static_cast<int>(QDir(out.path()).entryList(QDir::Files).size()); }
    QTemporaryDir out;
};

TEST_F(ExitTest, QuestionAndAnswers) {
    // No: nothing is offered, nothing written.
    platform.msgBoxAnswers = {forms::vbNo};
    EXPECT_EQ(unload(), 0);
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0].text, "Do you want to save the picture");
    EXPECT_EQ(platform.calls[0].title, "Closing Lumadraw");
    EXPECT_EQ(platform.count("saveFileDialog"), 0);

    // Yes, then a cancelled dialog: nothing written, the window closes.
    platform.msgBoxAnswers = {forms::vbYes};
    platform.fileAnswers = {""};
    EXPECT_EQ(unload(), 0);
    EXPECT_EQ(platform.count("saveFileDialog"), 1);
    EXPECT_EQ(platform.calls.back().title, "Save Picture");
    EXPECT_EQ(files(), 0);
}

TEST_F(ExitTest, YesWritesTheCanvasPixelForPixel) {
    platform.msgBoxAnswers = {forms::vbYes};
    platform.fileAnswers = {at("drawing.BMP")};  // the extension is added all the same
    EXPECT_EQ(unload(), 0);
    const QString written = QString::fromStdString(at("drawing.BMP.BMP"));
    ASSERT_TRUE(QFileInfo::exists(written));
    EXPECT_EQ(files(), 1);
    const QImage saved(written);
    const QImage canvas = form->Picture4->Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), canvas.size());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), canvas);
    // The tool's cross (yellow, at the canvas centre) is not in the file.
    EXPECT_EQ(saved.pixel(416, 384), qRgb(0, 0, 0));
    EXPECT_EQ(platform.count("msgBox"), 1);  // no failure reported
}

TEST_F(ExitTest, FailedSaveIsReportedAndKeepsTheWindowOpen) {
    const std::string target = at("no-such-folder/drawing");
    platform.msgBoxAnswers = {forms::vbYes};
    platform.fileAnswers = {target};
    EXPECT_NE(unload(), 0);
    ASSERT_EQ(platform.count("msgBox"), 2);
    EXPECT_NE(platform.calls.back().text.find(target + ".BMP"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(target + ".BMP")));

    // Closing the window runs the same question: it stays open.
    platform.msgBoxAnswers = {forms::vbYes};
    platform.fileAnswers = {target};
    EXPECT_FALSE(form->Close());

    // F10 takes the same road and reports the same way.
    platform.fileAnswers = {target};
    EXPECT_FALSE(form->SAVE_PICTURE());
    EXPECT_EQ(platform.count("msgBox"), 5);
    platform.fileAnswers = {at("second")};
    EXPECT_TRUE(form->SAVE_PICTURE());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(at("second.BMP"))));
}

}  // namespace
