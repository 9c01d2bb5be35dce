// The error box, and the guard that runs a user action and reports its failure.
#include "platform/ErrorReporting.h"

#include "platform/PlatformError.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace festoon {
namespace {
std::function<void(const QString&)>& Sink() {
    static std::function<void(const QString&)> sink;
    return sink;
}
} // namespace

void ReportError(const QString& message) {
    if (Sink()) {
        Sink()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SetErrorSink(std::function<void(const QString&)> sink) {
    Sink() = std::move(sink);
}

bool RunReportingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const PlatformError& error) {
        ReportError(error.message());
    } catch (const std::bad_alloc&) {
        ReportError(QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace festoon
