// Saves that cannot be written, through the Save button: a folder the user may not write into, and a
// disk that fills up partway through the file. Each gives its message, keeps the file it would have
// replaced, leaves no temporary file behind and changes nothing on the canvas; the next save succeeds.
#include "tests/robustness/BadFiles.h"
#include "tests/robustness/ShownWindowTest.h"

#include "core/FileIO.h"
#include "core/PictureFile.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kBmpEntry = 2;

// Limits the size of any file this process writes, as a full disk would, while it lives. A write past
// the limit fails with EFBIG instead of raising SIGXFSZ, which is ignored meanwhile.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    [[nodiscard]] bool active() const { return active_; }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

class FailedSaveTest : public ShownWindowTest {
  protected:
    void SetUp() override {
        ShownWindowTest::SetUp();
        PlaceSolid(QSize(120, 90), qRgb(200, 20, 20));
        PlaceSolid(QSize(80, 80), qRgb(20, 20, 200));
    }

    // A save recomposes the canvas, which takes the selection marks off the topmost object; a failed
    // save must leave the canvas exactly as that recomposition made it.
    [[nodiscard]] CanvasSnapshot RecomposedSnapshot() {
        window->BtnchonghuaClick();
        return TakeSnapshot(*window);
    }

    void Save(const QString& path, int filterIndex = 1) {
        festoon::DialogScript::AnswerSave(path, filterIndex);
        Click(window->BtnSave);
    }

    // After a failure: the next save to a writable place writes the whole canvas.
    void ExpectAGoodSaveWorks() {
        const QString path = folder.file(QStringLiteral("afterwards.bmp"));
        Save(path, kBmpEntry);
        EXPECT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
        EXPECT_EQ(festoon::LoadPictureFile(path).size(), window->CanvasSize());
    }
};

TEST_F(FailedSaveTest, FolderThatCannotBeWrittenInto) {
    // Root writes into any folder whatever its permissions; the process file system is not writable
    // even for root.
    const bool root = geteuid() == 0;
    const QString target =
        root ? QStringLiteral("/proc/holiday.jpg") : folder.file(QStringLiteral("locked/holiday.jpg"));
    if (!root) {
        folder.writeBytes(QStringLiteral("locked/holiday.jpg"), QByteArray("old contents"));
        QFile::setPermissions(folder.file(QStringLiteral("locked")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const CanvasSnapshot before = RecomposedSnapshot();

    Save(target);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Cannot create file ") + target});
    ExpectCanvasUnchanged(*window, before);
    if (!root) {
        EXPECT_EQ(festoon::ReadWholeFile(target), QByteArray("old contents"));
        EXPECT_EQ(QDir(folder.file(QStringLiteral("locked"))).entryList(QDir::Files),
                  QStringList{QStringLiteral("holiday.jpg")});
        QFile::setPermissions(folder.file(QStringLiteral("locked")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ExpectAGoodSaveWorks();
}

TEST_F(FailedSaveTest, DiskFullPartwayKeepsTheOldFile) {
    const QString target = folder.file(QStringLiteral("holiday.bmp"));
    folder.writeBytes(QStringLiteral("holiday.bmp"), QByteArray("old contents"));
    const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);
    const CanvasSnapshot before = RecomposedSnapshot();
    {
        // The canvas as a BMP is 876 x 667 x 3 bytes: the write stops after its first 64 KiB.
        const FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.active());
        Save(target, kBmpEntry);
    }
    EXPECT_EQ(errors, QStringList{QStringLiteral("Cannot create file ") + target});
    EXPECT_EQ(festoon::ReadWholeFile(target), QByteArray("old contents"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), filesBefore);
    ExpectCanvasUnchanged(*window, before);
    ExpectAGoodSaveWorks();
}

} // namespace
