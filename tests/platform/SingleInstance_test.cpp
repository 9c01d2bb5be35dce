// Single-instance guard: the lock seen by a second guard, stale locks recovered, and the request to
// bring the first instance's window back.
#include "platform/SingleInstance.h"

#include <QDateTime>
#include <QFile>
#include <QLocalSocket>
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

TEST(SingleInstance, SecondStartHandsOverItsFilesBeforeAskingToShow) {
    const QString name = UniqueName();
    SingleInstanceGuard first(name);
    first.listen(nullptr);
    QStringList order;
    QList<QStringList> given;
    QObject::connect(&first, &SingleInstanceGuard::filesGiven, [&](const QStringList& paths) {
        given.append(paths);
        order.append(QStringLiteral("files"));
    });
    QObject::connect(&first, &SingleInstanceGuard::showRequested,
                     [&] { order.append(QStringLiteral("show")); });

    // Names that a line-based request must carry intact: spaces, a line break, a percent sign, non-ASCII.
    const QStringList files = {QStringLiteral("/photos/beach day.jpg"),
                               QStringLiteral("/photos/two\nlines.bmp"), QStringLiteral("/photos/100%.jpg"),
                               QStringLiteral("/fotos/Übersee é.JPG")};
    SingleInstanceGuard second(name);
    EXPECT_TRUE(second.askFirstToOpen(files, 1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }, 3000));
    EXPECT_EQ(order, QStringList({QStringLiteral("files"), QStringLiteral("show")}));
    ASSERT_EQ(given.size(), 1);
    EXPECT_EQ(given[0], files);

    // A start without files only asks to show.
    EXPECT_TRUE(second.askFirstToShow(1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 3; }, 3000));
    EXPECT_EQ(given.size(), 1);
}

TEST(SingleInstance, RequestsArriveWhateverWayTheBytesAreSplit) {
    const QString name = UniqueName();
    SingleInstanceGuard first(name);
    first.listen(nullptr);
    QList<QStringList> given;
    QSignalSpy shown(&first, &SingleInstanceGuard::showRequested);
    QObject::connect(&first, &SingleInstanceGuard::filesGiven,
                     [&](const QStringList& paths) { given.append(paths); });

    QLocalSocket socket;
    socket.connectToServer(SingleInstanceGuard::SocketPath(name));
    ASSERT_TRUE(socket.waitForConnected(1000));
    // A request cut in the middle, an unknown one and a link to something else than a file are waited
    // for or passed over; only the complete requests count.
    for (const QByteArray& piece :
         {QByteArray("open file:///a.j"), QByteArray("pg\nhello\nopen https://x.org/b.jpg\n"),
          QByteArray("open file:///c.bmp\nsh"), QByteArray("ow\n")}) {
        socket.write(piece);
        ASSERT_TRUE(socket.waitForBytesWritten(1000));
        QTest::qWait(50);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.count() == 1; }, 3000));
    ASSERT_EQ(given.size(), 1);
    EXPECT_EQ(given[0], QStringList({QStringLiteral("/a.jpg"), QStringLiteral("/c.bmp")}));
}

TEST(SingleInstance, AnEndlessLineIsCutOff) {
    const QString name = UniqueName();
    SingleInstanceGuard first(name);
    first.listen(nullptr);
    QSignalSpy shown(&first, &SingleInstanceGuard::showRequested);
    QLocalSocket socket;
    socket.connectToServer(SingleInstanceGuard::SocketPath(name));
    ASSERT_TRUE(socket.waitForConnected(1000));
    const QByteArray chunk(256 * 1024, 'x');
    socket.write(chunk);
    socket.waitForBytesWritten(1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 3000));
    EXPECT_EQ(shown.count(), 0);
}
