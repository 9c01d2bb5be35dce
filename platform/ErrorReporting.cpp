// The error box, and the guard that runs a user action and reports its failure.
#include "platform/ErrorReporting.h"
#include "platform/Application.h"

#include "core/ErrorAdvice.h"
#include "core/PlatformError.h"
#include "platform/ActivateOnShow.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <new>

namespace festoon {
namespace {
std::function<void(const QString&)>& Sink() {
    static std::function<void(const QString&)> sink;
    return sink;
}
} // namespace

void ReportError(const QString& message) {
    ReportError(message, ErrorAdvice(message));
}

void ReportError(const QString& message, const QString& advice) {
    if (Sink()) {
        Sink()(message);
        return;
    }
    // Without a widget application (start-up, tools) there is no box to show: the message goes to stderr.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::Critical, ProgramName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("errorBox"));
    // The message stays plain text, as it always reads; only the advice is set smaller.
    box.setTextFormat(Qt::PlainText);
    if (!advice.isEmpty()) {
        box.setInformativeText(QStringLiteral("<small>%1</small>").arg(advice.toHtmlEscaped()));
    }
    ActivateOnShow(box);
    box.exec();
}

void SetErrorSink(std::function<void(const QString&)> sink) {
    Sink() = std::move(sink);
}

void ReportCurrentException() {
    try {
        throw;
    } catch (const PlatformError& error) {
        ReportError(error.message());
    } catch (const std::bad_alloc&) {
        ReportError(QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ReportError(QStringLiteral("Unexpected error"));
    }
}

bool RunReportingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (...) {
        ReportCurrentException();
    }
    return false;
}

ErrorRecorder::ErrorRecorder() {
    SetErrorSink([this](const QString& message) { messages_ << message; });
}

ErrorRecorder::~ErrorRecorder() {
    SetErrorSink({});
}

} // namespace festoon
