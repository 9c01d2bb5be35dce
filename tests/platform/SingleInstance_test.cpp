// Single-instance guard: the lock seen by a second guard, stale locks recovered, and the request to
// bring the first instance's window back.
#include "platform/SingleInstance.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace festoon;

namespace {

// A name of its own for each test, so that tests never meet each other or a running program.
QString UniqueName() {
    static int counter = 0;
    return QStringLiteral("FestoonGuardTest_%1_%2").arg(getpid()).arg(++counter);
}

void SetAge(const QString& path, int seconds) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

} // namespace

TEST(SingleInstance, SecondGuardSeesTheFirstUntilItEnds) {
    const QString name = UniqueName();
    {
        SingleInstanceGuard first(name);
        EXPECT_TRUE(first.isFirst());
        SingleInstanceGuard second(name);
        EXPECT_FALSE(second.isFirst());
        EXPECT_TRUE(QFile::exists(SingleInstanceGuard::LockFilePath(name)));
    }
    EXPECT_FALSE(QFile::exists(SingleInstanceGuard::LockFilePath(name)));
    SingleInstanceGuard next(name);
    EXPECT_TRUE(next.isFirst());
}

TEST(SingleInstance, AnOldLockOfARunningInstanceIsNotStale) {
    const QString name = UniqueName();
    SingleInstanceGuard first(name);
    ASSERT_TRUE(first.isFirst());
    SetAge(SingleInstanceGuard::LockFilePath(name), 3600);
    SingleInstanceGuard second(name);
    EXPECT_FALSE(second.isFirst());
}

TEST(SingleInstance, LockLeftByACrashedProcessIsRecovered) {
    const QString name = UniqueName();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Takes the lock and dies without releasing it, as a crash would.
        QLockFile lock(SingleInstanceGuard::LockFilePath(name));
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(SingleInstanceGuard::LockFilePath(name)));

    SingleInstanceGuard guard(name);
    EXPECT_TRUE(guard.isFirst());
}

TEST(SingleInstance, SecondInstanceRestoresTheFirstsMinimisedWindow) {
    const QString name = UniqueName();
    QWidget window;
    window.showMinimized();
    SingleInstanceGuard first(name);
    first.listen(&window);
    QSignalSpy requests(&first, &SingleInstanceGuard::showRequested);

    SingleInstanceGuard second(name);
    ASSERT_FALSE(second.isFirst());
    EXPECT_TRUE(second.askFirstToShow(1000));
    EXPECT_TRUE(requests.wait(3000));
    EXPECT_EQ(requests.count(), 1);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());

    EXPECT_TRUE(second.askFirstToShow(1000));
    EXPECT_TRUE(requests.wait(3000));
    EXPECT_EQ(requests.count(), 2);
}

TEST(SingleInstance, RequestWithoutAListeningInstanceIsNotDelivered) {
    SingleInstanceGuard lonely(UniqueName());
    EXPECT_FALSE(lonely.askFirstToShow(200));
}

TEST(SingleInstance, SocketLeftByACrashIsReplaced) {
    const QString name = UniqueName();
    QFile leftover(SingleInstanceGuard::SocketPath(name));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    SingleInstanceGuard first(name);
    first.listen(nullptr);
    QSignalSpy requests(&first, &SingleInstanceGuard::showRequested);
    SingleInstanceGuard second(name);
    EXPECT_TRUE(second.askFirstToShow(1000));
    EXPECT_TRUE(requests.wait(3000));
}
