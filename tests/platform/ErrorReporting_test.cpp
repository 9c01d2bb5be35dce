// The application-level handler: failures are reported with their message and the program goes on.
#include "core/PlatformError.h"
#include "platform/Application.h"
#include "platform/ErrorReporting.h"
#include "tests/platform/ModalHelper.h"

#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace festoon;

namespace {

// An object whose event handler fails, as a click handler whose file cannot be read would.
class FailingObject : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw PlatformError::CannotOpen(QStringLiteral("/missing/file.jpg"));
        }
        return QObject::event(event);
    }
};

} // namespace

TEST(ErrorReporting, EveryKindOfFailureIsReportedAndSwallowed) {
    ErrorRecorder recorder;
    EXPECT_TRUE(RunReportingErrors([] {}));
    EXPECT_FALSE(RunReportingErrors([] { throw PlatformError::Jpeg(42); }));
    EXPECT_FALSE(RunReportingErrors([] { throw std::runtime_error("plain failure"); }));
    EXPECT_FALSE(RunReportingErrors([] { throw 7; }));
    ASSERT_EQ(recorder.messages().size(), 3);
    EXPECT_EQ(recorder.messages()[0], QStringLiteral("JPEG error #42"));
    EXPECT_EQ(recorder.messages()[1], QStringLiteral("plain failure"));
    EXPECT_FALSE(recorder.messages()[2].isEmpty());
}

TEST(ErrorReporting, AnExceptionInAnEventHandlerStopsAtTheEventLoop) {
    ErrorRecorder recorder;
    FailingObject object;
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&object, QEvent::User);
    QEvent direct(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &direct));
    ASSERT_EQ(recorder.messages().size(), 2);
    EXPECT_EQ(recorder.messages()[0], QStringLiteral("Cannot open file /missing/file.jpg"));
}

TEST(ErrorReporting, TheBoxIsTitledWithTheApplicationsName) {
    QString title;
    QString text;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    ReportError(QStringLiteral("Cannot create file /x/y.jpg"));
    EXPECT_EQ(title, QStringLiteral("Festoon"));
    EXPECT_EQ(text, QStringLiteral("Cannot create file /x/y.jpg"));
}

TEST(ErrorReporting, TheBoxExplainsACrypticMessageBelowItInPlainWords) {
    QStringList texts;
    QStringList advice;
    const auto read = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        texts << box->text();
        advice << box->informativeText();
        box->accept();
    };
    WhenModalShows(read);
    ReportError(PlatformError::Jpeg(9999).message());
    WhenModalShows(read);
    ReportError(QStringLiteral("Nothing cryptic <here>"));
    // The message reads exactly as before; the advice is the second, smaller line.
    EXPECT_EQ(texts,
              QStringList({QStringLiteral("JPEG error #9999"), QStringLiteral("Nothing cryptic <here>")}));
    EXPECT_EQ(advice,
              QStringList({QStringLiteral("<small>The file is damaged, or it is not a JPEG picture.</small>"),
                           QString()}));
}

TEST(ErrorReporting, RecorderRestoresTheBoxWhenItEnds) {
    {
        ErrorRecorder recorder;
        ReportError(QStringLiteral("recorded"));
        EXPECT_EQ(recorder.messages(), QStringList{QStringLiteral("recorded")});
    }
    bool boxShown = false;
    WhenModalShows([&](QWidget* modal) {
        boxShown = true;
        static_cast<QDialog*>(modal)->accept();
    });
    ReportError(QStringLiteral("shown"));
    EXPECT_TRUE(boxShown);
}
