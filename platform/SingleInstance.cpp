// Single-instance guard: QLockFile for "is another instance running", QLocalServer/QLocalSocket for
// "open these files" and "bring your window back". A second start writes one request a line: "open "
// and the file's URL (percent-encoded, so that no path can break a line), then "show".
#include "platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <unistd.h>

namespace festoon {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show");
const QByteArray kOpenRequest = QByteArrayLiteral("open ");
// A longer line is no request of ours: the connection is dropped rather than buffered without end.
constexpr qsizetype kLongestLine = 64 * 1024;
// Files collected from a connection until its "show", per socket.
const char* const kFilesProperty = "festoonGivenFiles";

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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readLines(socket); });
        if (socket->bytesAvailable() > 0) {
            readLines(socket);
        }
    }
}

void SingleInstanceGuard::readLines(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kLongestLine + 1).trimmed();
        QStringList files = socket->property(kFilesProperty).toStringList();
        if (line.startsWith(kOpenRequest)) {
            const QUrl url = QUrl::fromEncoded(line.mid(kOpenRequest.size()));
            if (url.isLocalFile()) {
                files.append(url.toLocalFile());
            }
            socket->setProperty(kFilesProperty, files);
        } else if (line == kShowRequest) {
            socket->setProperty(kFilesProperty, QStringList());
            if (!files.isEmpty()) {
                emit filesGiven(files);
            }
            bringBack();
        }
    }
    if (socket->bytesAvailable() > kLongestLine) {
        socket->abort();
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
    return askFirstToOpen({}, timeoutMs);
}

bool SingleInstanceGuard::askFirstToOpen(const QStringList& files, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(SocketPath(name_));
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    QByteArray requests;
    for (const QString& file : files) {
        requests += kOpenRequest + QUrl::fromLocalFile(file).toEncoded() + '\n';
    }
    requests += kShowRequest + '\n';
    // No answer is awaited: the first instance may be busy, and the requests wait in the socket.
    socket.write(requests);
    bool sent = true;
    while (sent && socket.bytesToWrite() > 0) {
        sent = socket.waitForBytesWritten(timeoutMs);
    }
    socket.disconnectFromServer();
    return sent;
}

} // namespace festoon
