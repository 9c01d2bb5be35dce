// Single-instance guard: QLockFile for "is another instance running", QLocalServer/QLocalSocket for
// "bring your window back".
#include "platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>
#include <unistd.h>

namespace festoon {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");

// The user's runtime folder, private to the user; the shared temp folder (with the user's id in the
// names) only when there is none.
QString GuardFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    }
    if (!folder.isEmpty() && QDir().mkpath(folder) && QFileInfo(folder).isWritable()) {
        return folder + QLatin1Char('/');
    }
    return QDir::tempPath() + QLatin1Char('/');
}

QString GuardFileName(const QString& name, const char* suffix) {
    return GuardFolder() + name + QLatin1Char('-') + QString::number(getuid()) + QLatin1String(suffix);
}

} // namespace

QString SingleInstanceGuard::LockFilePath(const QString& name) {
    return GuardFileName(name, ".lock");
}

QString SingleInstanceGuard::SocketPath(const QString& name) {
    return GuardFileName(name, ".socket");
}

SingleInstanceGuard::SingleInstanceGuard(const QString& name)
    : name_(name), lock_(std::make_unique<QLockFile>(LockFilePath(name))) {
    // The lock lasts as long as the process: only a dead owner makes it stale, never its age.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
    // A lock that cannot be written at all (no usable folder) must not keep the program from running.
    if (!first_ && lock_->error() != QLockFile::LockFailedError) {
        first_ = true;
    }
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (server_ != nullptr) {
        server_->close();
    }
}

void SingleInstanceGuard::listen(QWidget* window) {
    window_ = window;
    if (!first_ || server_ != nullptr) {
        return;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file left here belongs to a crashed instance.
    QLocalServer::removeServer(SocketPath(name_));
    if (!server_->listen(SocketPath(name_))) {
        qWarning("Single instance: cannot listen on %s: %s", qPrintable(SocketPath(name_)),
                 qPrintable(server_->errorString()));
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstanceGuard::readRequests);
}

void SingleInstanceGuard::readRequests() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto handle = [this, socket] {
            if (socket->readAll().contains(kShowRequest)) {
                bringBack();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, handle);
        if (socket->bytesAvailable() > 0) {
            handle();
        }
    }
}

void SingleInstanceGuard::bringBack() {
    emit showRequested();
    if (window_.isNull()) {
        return;
    }
    if (window_->isMinimized()) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        return;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool SingleInstanceGuard::askFirstToShow(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(SocketPath(name_));
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    // No answer is awaited: the first instance may be busy, and the request waits in the socket.
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

} // namespace festoon
