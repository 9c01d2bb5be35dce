// Paths beside the executable: names as stored, matched without regard to letter case.
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

class PathsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetExecutableFolder(dir_.path()); }
    void TearDown() override { SetExecutableFolder(QString()); }

    QString root() const { return dir_.path() + QLatin1Char('/'); }
    void touch(const QString& relative) const {
        QDir().mkpath(QFileInfo(root() + relative).absolutePath());
        QFile file(root() + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(PathsTest, ExecutableFolderEndsWithASlash) {
    EXPECT_EQ(ExecutableFolder(), root());
    SetExecutableFolder(QString());
    EXPECT_TRUE(ExecutableFolder().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(ExecutableFolder()).isDir());
}

TEST_F(PathsTest, BackslashedMixedCasePathFindsTheFile) {
    touch(QStringLiteral("pic/frame/1/small/1.ssl"));
    EXPECT_EQ(ProgramPath(QStringLiteral("pic\\Frame\\1\\SMALL\\1.SSL")), root() + "pic/frame/1/small/1.ssl");
    EXPECT_EQ(ProgramPath(QStringLiteral("pic/frame/1/small/1.ssl")), root() + "pic/frame/1/small/1.ssl");
}

TEST_F(PathsTest, FolderWithTrailingSeparatorKeepsIt) {
    touch(QStringLiteral("pic/flower/1/small/3.ssl"));
    EXPECT_EQ(ProgramPath(QStringLiteral("pic\\Flower\\1\\small\\")), root() + "pic/flower/1/small/");
    EXPECT_EQ(ProgramPath(QStringLiteral("pic\\Flower\\1\\small\\")) + "3.ssl",
              root() + "pic/flower/1/small/3.ssl");
}

TEST_F(PathsTest, MissingPartsAreKeptAsWritten) {
    touch(QStringLiteral("pic/text/big/1.ssl"));
    EXPECT_EQ(ProgramPath(QStringLiteral("pic\\Text\\big\\17.ssl")), root() + "pic/text/big/17.ssl");
    EXPECT_EQ(ProgramPath(QStringLiteral("pic\\Nothing\\Here.ssl")), root() + "pic/Nothing/Here.ssl");
    EXPECT_EQ(ProgramPath(QStringLiteral("help.chm")), root() + "help.chm");
}

TEST_F(PathsTest, ExactMatchWinsOverAnotherCase) {
    touch(QStringLiteral("main/Defaultmask.jpg"));
    touch(QStringLiteral("main/defaultmask.jpg"));
    EXPECT_EQ(ProgramPath(QStringLiteral("main\\Defaultmask.jpg")), root() + "main/Defaultmask.jpg");
    EXPECT_EQ(ProgramPath(QStringLiteral("main\\defaultmask.jpg")), root() + "main/defaultmask.jpg");
}
