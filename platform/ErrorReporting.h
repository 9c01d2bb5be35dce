// The application-level error handler: failures of a user action are shown in an error box with the
// application's title, and the program goes on. No exception crosses Qt's event loop.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace festoon {

// Runs a user action; a PlatformError (or any other exception) is reported and swallowed.
// Returns false when the action failed.
bool RunReportingErrors(const std::function<void()>& action);

// Reports the exception being handled; call only inside a catch block.
void ReportCurrentException();

// Shows a message in the error box (or hands it to the sink that tests install). Below the message, in
// smaller type, the box says what it means and what to do next where the message alone is cryptic
// (festoon::ErrorAdvice).
void ReportError(const QString& message);
// The same with the advice given.
void ReportError(const QString& message, const QString& advice);
// Replaces the error box, e.g. with a recorder in tests; an empty function restores the box.
void SetErrorSink(std::function<void(const QString&)> sink);

// Records every reported message instead of showing it, for as long as it lives (tests).
class ErrorRecorder {
  public:
    ErrorRecorder();
    ~ErrorRecorder();
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    [[nodiscard]] const QStringList& messages() const { return messages_; }
    void clear() { messages_.clear(); }

  private:
    QStringList messages_;
};

} // namespace festoon
