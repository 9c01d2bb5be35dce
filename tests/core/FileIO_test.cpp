// Whole-file reads and all-or-nothing writes: every failure names the full path, and a failed write
// leaves an existing file as it was.
#include "core/FileIO.h"
#include "core/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace festoon;

namespace {

QString ReadFailure(const QString& path) {
    try {
        (void)ReadWholeFile(path);
    } catch (const PlatformError& error) {
        return error.message();
    }
    return QStringLiteral("(read)");
}

QString WriteFailure(const QString& path, const QByteArray& data) {
    try {
        WriteFileReplacing(path, data);
    } catch (const PlatformError& error) {
        return error.message();
    }
    return QStringLiteral("(written)");
}

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Writes beyond `bytes` fail with EFBIG while it lives, which works even for root, whom permissions
// do not stop.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

class FileIOTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(FileIOTest, ReadsTheWholeFile) {
    const QByteArray data("\x00\x01 binary \xff", 12);
    WriteFileReplacing(path(QStringLiteral("a.bin")), data);
    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("a.bin"))), data);
    WriteFileReplacing(path(QStringLiteral("empty")), QByteArray());
    EXPECT_TRUE(ReadWholeFile(path(QStringLiteral("empty"))).isEmpty());
}

TEST_F(FileIOTest, CannotOpenNamesTheFullPath) {
    const QString missing = path(QStringLiteral("missing/file.jpg"));
    EXPECT_EQ(ReadFailure(missing), QStringLiteral("Cannot open file ") + missing);
    QDir().mkpath(path(QStringLiteral("folder")));
    EXPECT_EQ(ReadFailure(path(QStringLiteral("folder"))),
              QStringLiteral("Cannot open file ") + path(QStringLiteral("folder")));
}

TEST_F(FileIOTest, EndlessDeviceIsNotRead) {
    EXPECT_EQ(ReadFailure(QStringLiteral("/dev/zero")), QStringLiteral("Cannot open file /dev/zero"));
}

TEST_F(FileIOTest, UnreadableFileCannotBeOpened) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads any file";
    }
    const QString locked = path(QStringLiteral("locked.jpg"));
    WriteFileReplacing(locked, QByteArray("secret"));
    QFile::setPermissions(locked, QFileDevice::Permissions());
    EXPECT_EQ(ReadFailure(locked), QStringLiteral("Cannot open file ") + locked);
}

TEST_F(FileIOTest, ReplacesAnExistingFile) {
    const QString target = path(QStringLiteral("out.jpg"));
    WriteFileReplacing(target, QByteArray("old content that is longer"));
    WriteFileReplacing(target, QByteArray("new"));
    EXPECT_EQ(Content(target), QByteArray("new"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.jpg")});
}

TEST_F(FileIOTest, CannotCreateInAMissingFolderOrOverAFolder) {
    const QString inMissing = path(QStringLiteral("no/such/folder/out.jpg"));
    EXPECT_EQ(WriteFailure(inMissing, "x"), QStringLiteral("Cannot create file ") + inMissing);
    QDir().mkpath(path(QStringLiteral("taken.jpg")));
    EXPECT_EQ(WriteFailure(path(QStringLiteral("taken.jpg")), "x"),
              QStringLiteral("Cannot create file ") + path(QStringLiteral("taken.jpg")));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("taken.jpg"))).isDir());
}

TEST_F(FileIOTest, FailedWriteLeavesTheExistingFileIntactAndNoTemporaryFile) {
    const QString target = path(QStringLiteral("keep.bmp"));
    WriteFileReplacing(target, QByteArray("the original picture"));
    const QByteArray large(256 * 1024, 'x');
    QString failure;
    {
        FileSizeLimit limit(16 * 1024);
        failure = WriteFailure(target, large);
    }
    EXPECT_EQ(failure, QStringLiteral("Cannot create file ") + target);
    EXPECT_EQ(Content(target), QByteArray("the original picture"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("keep.bmp")});
}

TEST_F(FileIOTest, FileLargerThanAnyPictureIsRefusedBeforeReading) {
    const QString huge = path(QStringLiteral("huge.bin"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(3LL * 1024 * 1024 * 1024)); // sparse: nothing is written
    file.close();
    EXPECT_EQ(ReadFailure(huge),
              QStringLiteral("The file %1 is too large to be a picture (3.0 GB)").arg(huge));
}
