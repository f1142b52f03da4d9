// A save that fails says why, in the system's words, and leaves nothing
// behind: no half-written file, no file beside it, and an earlier file of
// that name as it was.
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <functional>

#include "forms/picture_io.h"
#include "forms/types.h"

using namespace forms;

namespace {

class SavePictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // Others may pass through, so that a save made as another user
        // reaches the folders inside.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    }
    std::string path(const QString& name) const { return dir.filePath(name).toStdString(); }
    // The message of the RuntimeError that the save throws ("" when none).
    std::string reasonSaving(const std::string& target) const {
        try {
            SavePicture(picture, target);
        } catch (const RuntimeError& e) {
            return e.what();
        }
        return "";
    }
    QStringList entries(const QString& folder) const {
        return QDir(dir.filePath(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
    QImage picture{200, 100, QImage::Format_RGB32};
};

// Runs `body` with the folder read-only for this thread: as root, whom
// permissions do not bind, the thread's file-system user becomes "nobody",
// which drops the capability that overrides them. False when the folder
// stays writable all the same.
bool withReadOnlyFolder(const QString& folder, const std::function<void()>& body) {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const bool root = geteuid() == 0;
    if (root) setfsuid(65534);
    QFile probe(folder + "/probe");
    const bool readOnly = !probe.open(QIODevice::WriteOnly);
    if (readOnly) body();
    if (root) setfsuid(0);
    probe.remove();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return readOnly;
}

TEST_F(SavePictureTest, AnUnusableFolderIsNamedWithTheSystemsReason) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("readonly"));
    const bool ran = withReadOnlyFolder(dir.filePath("readonly"), [&] {
        EXPECT_EQ(reasonSaving(path("readonly/drawing.BMP")), "Permission denied");
    });
    if (!ran) ADD_FAILURE() << "the folder could not be made read-only for the test";
    EXPECT_TRUE(entries("readonly").isEmpty());

    EXPECT_EQ(reasonSaving(path("missing/drawing.BMP")), "No such file or directory");

    QFile notAFolder(dir.filePath("file"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    EXPECT_EQ(reasonSaving(path("file/drawing.BMP")), "Not a directory");
    EXPECT_EQ(entries("."), (QStringList{"file", "readonly"}));
}

// A write that fails, as on a full disk: here the process's file size limit
// (none left) stops it, which binds root as well.
TEST_F(SavePictureTest, AFailedWriteLeavesTheEarlierFile) {
    QFile earlier(dir.filePath("drawing.BMP"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();

    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit none{0, limit.rlim_max};
    // A write past the limit fails with an error instead of ending the process.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &none), 0);
    const std::string reason = reasonSaving(path("drawing.BMP"));
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(entries("."), QStringList{"drawing.BMP"});
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier");
}

}  // namespace
