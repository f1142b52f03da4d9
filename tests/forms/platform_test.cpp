#include "forms/platform.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "forms/qt_platform.h"

namespace fs = std::filesystem;
using forms::Platform;

namespace {

void touch(const fs::path& p) { std::ofstream(p) << "x"; }

}  // namespace

TEST(PlatformListing, FilesAndFoldersSortedWithoutRegardToCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = dir.path().toStdString();
    for (const char* name : {"b", "A", "a", "C"}) touch(root / name);
    fs::create_directory(root / "zeta");
    fs::create_directory(root / "Alpha");
    fs::create_directory(root / "beta");

    EXPECT_EQ(Platform::files(root.string()), (std::vector<std::string>{"A", "a", "b", "C"}));
    EXPECT_EQ(Platform::subFolders(root.string()), (std::vector<std::string>{"Alpha", "beta", "zeta"}));
    EXPECT_TRUE(Platform::folderExists(root.string()));
    EXPECT_FALSE(Platform::folderExists((root / "b").string()));
}

TEST(PlatformListing, MissingFolderListsNothing) {
    EXPECT_TRUE(Platform::files("/nonexistent/lumadraw-folder").empty());
    EXPECT_TRUE(Platform::subFolders("/nonexistent/lumadraw-folder").empty());
    EXPECT_FALSE(Platform::folderExists("/nonexistent/lumadraw-folder"));
    EXPECT_FALSE(Platform::folderExists(""));
    EXPECT_TRUE(Platform::files("").empty());
}

TEST(ScriptedPlatform, AnswersFromQueuesAndLogsEveryCall) {
    forms::ScriptedPlatform p;
    EXPECT_EQ(p.msgBox("Sure?", forms::vbYesNo, "VRK"), forms::vbNo);
    EXPECT_EQ(p.msgBox("Done", forms::vbOKOnly, "VRK"), forms::vbOK);
    p.msgBoxAnswers.push_back(forms::vbYes);
    EXPECT_EQ(p.msgBox("Sure?", forms::vbYesNo, "VRK"), forms::vbYes);

    EXPECT_EQ(p.inputBox("Name", "VRK", "x"), "");
    p.inputAnswers.push_back("abc");
    EXPECT_EQ(p.inputBox("Name", "VRK", "x"), "abc");

    p.fileAnswers.push_back("/tmp/pic");
    EXPECT_EQ(p.saveFileDialog("Save Picture", "Bitmap Files (*.BMP)"), "/tmp/pic");
    EXPECT_EQ(p.openFileDialog("Open", "*.txt"), "");
    p.playSound("/x/mousemove.wav");

    EXPECT_EQ(p.count("msgBox"), 3);
    EXPECT_EQ(p.count("inputBox"), 2);
    EXPECT_EQ(p.count("saveFileDialog"), 1);
    EXPECT_EQ(p.count("openFileDialog"), 1);
    EXPECT_EQ(p.count("playSound"), 1);
    EXPECT_EQ(p.calls[0].text, "Sure?");
    EXPECT_EQ(p.calls[0].title, "VRK");
    EXPECT_EQ(p.calls.back().text, "/x/mousemove.wav");
}

TEST(ScriptedPlatform, InstalledPlatformIsTheOneInUse) {
    forms::ScriptedPlatform p;
    p.widthPx = 800;
    forms::setPlatform(&p);
    EXPECT_EQ(forms::platform().screenWidthPx(), 800);
    forms::setPlatform(nullptr);
    EXPECT_NE(&forms::platform(), &p);
}

TEST(QtPlatform, FileFilterInQtForm) {
    EXPECT_EQ(forms::qtFileFilter("Bitmap Files (*.BMP)"), "Bitmap Files (*.BMP)");
    EXPECT_EQ(forms::qtFileFilter("Pictures|*.bmp;*.jpg|All|*.*"), "Pictures (*.bmp *.jpg);;All (*.*)");
}

TEST(QtPlatform, EnvironmentOverridesScreenAndGallery) {
    qputenv("LUMADRAW_SCREEN", "640x480");
    qputenv("LUMADRAW_BACKGROUNDS", "/pictures/here");
    forms::QtPlatform p;
    EXPECT_EQ(p.screenWidthPx(), 640);
    EXPECT_EQ(p.screenHeightPx(), 480);
    EXPECT_EQ(p.galleryRoot(), "/pictures/here");
    qunsetenv("LUMADRAW_BACKGROUNDS");
    EXPECT_EQ(p.galleryRoot(), p.programFolder() + "/Backgrounds");
    qputenv("LUMADRAW_SCREEN", "nonsense");
    forms::QtPlatform fallback;
    EXPECT_GT(fallback.screenWidthPx(), 0);
    qunsetenv("LUMADRAW_SCREEN");
}
