// The question at exit and the bitmap saver with scripted answers; a save
// that fails is reported and keeps the window open.
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
        form->Form_Load();
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

TEST_F(ExitTest, QuestionAnswersTheBitmapWrittenAndAFailedSave) {
    platform.msgBoxAnswers = {forms::vbNo};  // nothing is offered, nothing written
    EXPECT_EQ(unload(), 0);
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0].text, "Do you want to save the picture");
    // Yes, then a cancelled dialog: nothing written, the window closes.
    platform.msgBoxAnswers = {forms::vbYes};
    platform.fileAnswers = {""};
    EXPECT_EQ(unload(), 0);
    EXPECT_EQ(files(), 0);

    // Yes with a name: the canvas, pixel for pixel (the extension is added all the same).
    platform.msgBoxAnswers = {forms::vbYes};
    platform.fileAnswers = {at("drawing.BMP")};
    EXPECT_EQ(unload(), 0);
    EXPECT_EQ(files(), 1);
    const QImage saved = QImage(QString::fromStdString(at("drawing.BMP.BMP"))).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved, form->Picture4->Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(saved.pixel(416, 384), qRgb(0, 0, 0));  // the tool's yellow cross is not in the file
    EXPECT_EQ(platform.count("msgBox"), 3);  // the three questions; no failure reported

    // A save that fails is reported, with the file and the system's reason,
    // and keeps the window open.
    const std::string target = at("no-such-folder/drawing");
    platform.msgBoxAnswers = {forms::vbYes};
    platform.fileAnswers = {target};
    EXPECT_NE(unload(), 0);
    ASSERT_EQ(platform.count("msgBox"), 5);
    EXPECT_EQ(platform.calls.back().text,
              "The picture could not be saved to " + target + ".BMP: No such file or directory");

    platform.msgBoxAnswers = {forms::vbYes};  // closing the window asks the same: it stays open
    platform.fileAnswers = {target};
    EXPECT_FALSE(form->Close());
    platform.fileAnswers = {at("second")};  // F10 takes the same road
    EXPECT_TRUE(form->SAVE_PICTURE());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(at("second.BMP"))));
}

}  // namespace
