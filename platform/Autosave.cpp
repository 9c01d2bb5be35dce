// The background writer of the recovery file.
#include "platform/Autosave.h"

#include "core/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <exception>

namespace festoon {

Autosave::Autosave(QString path, CardWriter writer, int delayMs)
    : path_(std::move(path)), writer_(std::move(writer)) {
    delay_.setSingleShot(true);
    delay_.setInterval(delayMs);
    connect(&delay_, &QTimer::timeout, this, &Autosave::StartWriting);
    writerThread_.setMaxThreadCount(1);
}

Autosave::~Autosave() {
    Flush();
}

void Autosave::CardChanged(const Composition& card) {
    scheduled_ = Write{card};
    delay_.start();
}

void Autosave::Discard() {
    // Whatever waited to be written needs no recovery any more.
    delay_.stop();
    scheduled_ = Write{};
    StartWriting();
}

void Autosave::Flush() {
    if (delay_.isActive()) {
        delay_.stop();
        StartWriting();
    }
    writerThread_.waitForDone();
}

QString Autosave::LastError() const {
    const QMutexLocker lock(&mutex_);
    return lastError_;
}

void Autosave::StartWriting() {
    if (!scheduled_) {
        return;
    }
    const QMutexLocker lock(&mutex_);
    pending_ = std::move(scheduled_);
    scheduled_.reset();
    if (!writing_) {
        writing_ = true;
        writerThread_.start([this] { WritePending(); });
    }
}

void Autosave::WritePending() {
    for (;;) {
        Write write;
        {
            const QMutexLocker lock(&mutex_);
            if (!pending_) {
                writing_ = false;
                return;
            }
            write = std::move(*pending_);
            pending_.reset();
        }
        QString error;
        try {
            if (!write.card) {
                QFile::remove(path_);
            } else {
                QDir().mkpath(QFileInfo(path_).absolutePath());
                writer_(*write.card, path_);
            }
        } catch (const PlatformError& failure) {
            error = failure.message();
        } catch (const std::exception& failure) {
            error = QString::fromLocal8Bit(failure.what());
        } catch (...) {
            error = QStringLiteral("the recovery file could not be written");
        }
        const QMutexLocker lock(&mutex_);
        lastError_ = error;
    }
}

QString RecoveryFilePath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/festoon/recovery.ora");
}

} // namespace festoon
