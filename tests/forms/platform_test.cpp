// Folder listings and the Qt platform's settings.
#include "forms/platform.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "forms/qt_platform.h"

namespace fs = std::filesystem;
using forms::Platform;

TEST(PlatformListing, SortedWithoutRegardToCaseAndMissingFoldersListNothing) {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    for (const char* name : {"b", "A", "a", "C"}) std::ofstream(root / name) << "x";
    for (const char* name : {"zeta", "Alpha", "beta"}) fs::create_directory(root / name);
    EXPECT_EQ(Platform::files(root.string()), (std::vector<std::string>{"A", "a", "b", "C"}));
    EXPECT_EQ(Platform::subFolders(root.string()), (std::vector<std::string>{"Alpha", "beta", "zeta"}));
    EXPECT_TRUE(Platform::files("/nonexistent/lumadraw-folder").empty());
}

// The environment's screen size and gallery folder taking effect is seen by
// the end-to-end test, which starts the program with both.
TEST(QtPlatform, FileFilter) {
    EXPECT_EQ(forms::qtFileFilter("Pictures|*.bmp;*.jpg|All|*.*"), "Pictures (*.bmp *.jpg);;All (*.*)");
}

TEST(QtPlatform, RefusedScreenSizeIsToldOnceAndTheRealScreenUsed) {
    qunsetenv("LUMADRAW_SCREEN");
    const int realWidth = forms::QtPlatform().screenWidthPx();
    for (const char* bad : {"4294967297x768", "0x0"}) {
        qputenv("LUMADRAW_SCREEN", bad);
        testing::internal::CaptureStderr();
        const forms::QtPlatform p;
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(p.screenWidthPx(), realWidth) << bad;
        EXPECT_NE(told.find(std::string("LUMADRAW_SCREEN=\"") + bad + "\""), std::string::npos) << told;
        EXPECT_EQ(told.find('\n'), told.size() - 1) << told;
    }
    qputenv("LUMADRAW_SCREEN", "");  // empty: as if unset, nothing said
    testing::internal::CaptureStderr();
    EXPECT_EQ(forms::QtPlatform().screenWidthPx(), realWidth);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    qunsetenv("LUMADRAW_SCREEN");
}
