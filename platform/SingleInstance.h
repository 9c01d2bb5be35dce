// Only one instance of the program runs: a lock file held for the life of the process, and a local
// socket through which a second instance hands the first the files it was started with and asks it to
// bring its main window back.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace festoon {

class SingleInstanceGuard : public QObject {
    Q_OBJECT
  public:
    // Takes the lock named `name` in the user's runtime folder; a stale lock from a crashed process is
    // recovered. May run before the application object exists.
    explicit SingleInstanceGuard(const QString& name = QStringLiteral("RunOnlyOnce_MyProject"));
    ~SingleInstanceGuard() override;

    // True when this process holds the lock (no other instance runs).
    [[nodiscard]] bool isFirst() const { return first_; }

    // First instance: listens for requests (needs the application object) and, on each, restores
    // `window` if minimised, else raises and activates it.
    void listen(QWidget* window);

    // Second instance: asks the first to show its window; true when the request was delivered. Needs
    // the application object.
    bool askFirstToShow(int timeoutMs = 2000);
    // Second instance: hands the first the files (absolute paths) to open, then asks it to show its
    // window; true when both were delivered.
    bool askFirstToOpen(const QStringList& files, int timeoutMs = 2000);

    // Where the lock file and the socket of `name` live.
    [[nodiscard]] static QString LockFilePath(const QString& name);
    [[nodiscard]] static QString SocketPath(const QString& name);

  signals:
    // Files handed over by a second start, in the order given; raised before its request to show.
    void filesGiven(const QStringList& paths);
    void showRequested();

  private:
    void readRequests();
    // Reads the complete lines a second start has sent so far on `socket`.
    void readLines(QLocalSocket* socket);
    void bringBack();

    QString name_;
    std::unique_ptr<QLockFile> lock_;
    bool first_ = false;
    QLocalServer* server_ = nullptr;
    QPointer<QWidget> window_;
};

} // namespace festoon
