// The recovery file's writer: a burst of changes makes one write of the last card, off the window's
// thread; discarding removes the file; a failed write keeps the file that was there.
#include "core/Bitmap.h"
#include "platform/Autosave.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using festoon::Autosave;
using festoon::Composition;

Composition CardWithObjects(int objects) {
    Composition card(QSize(100, 80), festoon::SolidBitmap(10, 10, qRgb(1, 2, 3)));
    for (int i = 0; i < objects; ++i) {
        card.PlaceObject(QRect(i, i, 5, 5), festoon::SolidBitmap(5, 5, qRgb(i, i, i)),
                         festoon::SolidBitmap(5, 5, qRgb(255, 255, 255)));
    }
    return card;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AutosaveTest : public ::testing::Test {
  protected:
    // A writer that records the number of objects of the card it was given, and on which thread.
    Autosave::CardWriter Recorder() {
        return [this](const Composition& card, const QString& path) {
            writerThread = QThread::currentThread();
            ++writes;
            if (fail) {
                throw std::runtime_error("disk full");
            }
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::number(card.Layers().size()));
        };
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("state/festoon/recovery.ora"));
    std::atomic<QThread*> writerThread = nullptr;
    std::atomic<int> writes = 0;
    std::atomic<bool> fail = false;
};

TEST_F(AutosaveTest, ABurstOfChangesIsOneWriteOfTheLastCardOffTheCallersThread) {
    Autosave autosave(path, Recorder(), 50);
    for (int objects = 1; objects <= 5; ++objects) {
        autosave.CardChanged(CardWithObjects(objects));
    }
    EXPECT_FALSE(QFile::exists(path)); // not before the delay
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 2000);
    autosave.Flush();
    EXPECT_EQ(Contents(path), QByteArray("5"));
    EXPECT_EQ(writes, 1);
    EXPECT_NE(writerThread.load(), QThread::currentThread());
    EXPECT_TRUE(autosave.LastError().isEmpty());
}

TEST_F(AutosaveTest, DiscardRemovesTheFileAndFlushWritesWhatWaits) {
    Autosave autosave(path, Recorder(), 10000);
    autosave.CardChanged(CardWithObjects(2));
    autosave.Flush(); // written at once, without waiting for the delay
    EXPECT_EQ(Contents(path), QByteArray("2"));

    autosave.CardChanged(CardWithObjects(3));
    autosave.Discard(); // the change waiting is dropped with the file
    autosave.Flush();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(writes, 1);
}

TEST_F(AutosaveTest, AFailedWriteIsRecordedAndTheNextOneSucceeds) {
    Autosave autosave(path, Recorder(), 10);
    autosave.CardChanged(CardWithObjects(1));
    autosave.Flush();
    fail = true;
    autosave.CardChanged(CardWithObjects(4));
    autosave.Flush();
    EXPECT_EQ(autosave.LastError(), QStringLiteral("disk full"));
    EXPECT_EQ(Contents(path), QByteArray("1"));
    fail = false;
    autosave.CardChanged(CardWithObjects(4));
    autosave.Flush();
    EXPECT_TRUE(autosave.LastError().isEmpty());
    EXPECT_EQ(Contents(path), QByteArray("4"));
}

TEST(RecoveryFilePathTest, LivesInTheUsersStateFolder) {
    qputenv("XDG_STATE_HOME", "/somewhere/state");
    EXPECT_EQ(festoon::RecoveryFilePath(), QStringLiteral("/somewhere/state/festoon/recovery.ora"));
    qputenv("XDG_STATE_HOME", "relative/ignored");
    EXPECT_TRUE(festoon::RecoveryFilePath().endsWith(QStringLiteral("/.local/state/festoon/recovery.ora")));
    qunsetenv("XDG_STATE_HOME");
}

} // namespace
