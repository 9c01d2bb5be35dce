// Opening the help through the desktop's xdg tools, one way after another until one works.
#include "platform/Help.h"

#include "platform/ErrorReporting.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace festoon {
namespace {

constexpr int kQueryTimeoutMs = 3000;

// Whether the desktop names an application for CHM files; without one, xdg-open would hand the file to
// the browser, which cannot show it.
bool HasChmViewer() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("application/vnd.ms-htmlhelp")});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        query.kill();
        query.waitForFinished(kQueryTimeoutMs);
        return false;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

// Opens the documents one after the other until xdg-open takes one; reports when none is taken. It lives
// as long as the viewer it started through xdg-open may still report failure.
class HelpOpening : public QObject {
  public:
    HelpOpening(QStringList documents, QString folder)
        : QObject(QCoreApplication::instance()), documents_(std::move(documents)),
          folder_(std::move(folder)) {}

    void TryNext() {
        if (documents_.isEmpty()) {
            ReportError(HelpUnavailableMessage(), HelpUnavailableAdvice(folder_));
            deleteLater();
            return;
        }
        auto* opener = new QProcess(this);
        opener->setProcessChannelMode(QProcess::ForwardedChannels);
        connect(opener, &QProcess::finished, this, [this, opener](int code, QProcess::ExitStatus status) {
            opener->deleteLater();
            if (status == QProcess::NormalExit && code == 0) {
                deleteLater();
            } else {
                TryNext();
            }
        });
        connect(opener, &QProcess::errorOccurred, this, [this, opener](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                opener->deleteLater();
                TryNext();
            }
        });
        opener->start(QStringLiteral("xdg-open"), {documents_.takeFirst()});
    }

  private:
    QStringList documents_;
    QString folder_;
};

} // namespace

QString HelpUnavailableMessage() {
    return QStringLiteral("Festoon cannot show its help: no program to show it is installed.");
}

QString HelpUnavailableAdvice(const QString& folder) {
    return QStringLiteral(
               "Install a web browser, or a CHM viewer such as xchm, and press Help again. The help "
               "pages are in %1.")
        .arg(QFileInfo(folder + QStringLiteral("help")).absoluteFilePath());
}

void ShowHelp(const QString& folder) {
    QStringList documents;
    const QString chm = folder + QStringLiteral("help.chm");
    const QString pages = folder + QStringLiteral("help/index.html");
    if (QFileInfo::exists(chm) && HasChmViewer()) {
        documents.append(chm);
    }
    if (QFileInfo::exists(pages)) {
        documents.append(QUrl::fromLocalFile(pages).toString());
    }
    if (documents.isEmpty() && !QFileInfo::exists(chm)) {
        ReportError(QStringLiteral("Festoon's help is missing: %1 is not there.").arg(pages),
                    QStringLiteral("Install Festoon again to bring its help back."));
        return;
    }
    (new HelpOpening(documents, folder))->TryNext();
}

} // namespace festoon
