// Showing the help: the CHM viewer where the desktop has one, the HTML pages in the browser otherwise,
// and a message when nothing can show them. The desktop's xdg tools are stood in for by scripts that
// note what they were asked to open and answer as a configured desktop would.
#include "platform/ErrorReporting.h"
#include "platform/Help.h"
#include "tests/support/TestProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

class HelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPath_ = qgetenv("PATH");
        WriteTool(QStringLiteral("xdg-mime"), "#!/bin/sh\nprintf '%s' \"$FAKE_CHM_VIEWER\"\n");
        WriteTool(QStringLiteral("xdg-open"), "#!/bin/sh\necho \"$1\" >> \"$FAKE_LOG\"\n"
                                              "case \"$1\" in *.chm) exit \"${FAKE_CHM_EXIT:-0}\";;"
                                              " *) exit \"${FAKE_HTML_EXIT:-0}\";; esac\n");
        qputenv("PATH", tools_.path().toLocal8Bit());
        qputenv("FAKE_LOG", tools_.filePath(QStringLiteral("opened.log")).toLocal8Bit());
        qputenv("FAKE_CHM_VIEWER", "xchm.desktop");
        qunsetenv("FAKE_CHM_EXIT");
        qunsetenv("FAKE_HTML_EXIT");
        folder.writeBytes(QStringLiteral("help.chm"), "ITSF");
        folder.writeBytes(QStringLiteral("help/index.html"), "<html></html>");
    }

    void TearDown() override { qputenv("PATH", savedPath_); }

    void WriteTool(const QString& name, const char* script) {
        QFile tool(tools_.filePath(name));
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.write(script);
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What the stand-in xdg-open was asked to open, in order.
    [[nodiscard]] QStringList Opened() const {
        QFile log(tools_.filePath(QStringLiteral("opened.log")));
        if (!log.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Shows the help and waits until `documents` documents were opened, or a message came, and a little
    // longer, so that a late message would still be seen.
    void ShowHelpAndWait(qsizetype documents) {
        ShowHelp(folder.path());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return Opened().size() >= documents && (documents > 0 || !errors.messages().isEmpty()); },
            5000));
        QTest::qWait(200);
    }

    [[nodiscard]] QString Pages() const {
        return QUrl::fromLocalFile(folder.file(QStringLiteral("help/index.html"))).toString();
    }

    QTemporaryDir tools_;
    QByteArray savedPath_;
    TestProgramFolder folder{false};
    ErrorRecorder errors;
};

TEST_F(HelpTest, TheChmOpensInTheDesktopsViewer) {
    ShowHelpAndWait(1);
    EXPECT_EQ(Opened(), QStringList{folder.file(QStringLiteral("help.chm"))});
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST_F(HelpTest, WhenTheViewerFailsThePagesOpenInTheBrowser) {
    qputenv("FAKE_CHM_EXIT", "4");
    ShowHelpAndWait(2);
    EXPECT_EQ(Opened(), QStringList({folder.file(QStringLiteral("help.chm")), Pages()}));
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST_F(HelpTest, WithoutAViewerThePagesOpenInTheBrowser) {
    qputenv("FAKE_CHM_VIEWER", "");
    ShowHelpAndWait(1);
    EXPECT_EQ(Opened(), QStringList{Pages()});
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST_F(HelpTest, WhenNothingCanShowTheHelpItSaysSo) {
    qputenv("FAKE_CHM_VIEWER", "");
    qputenv("FAKE_HTML_EXIT", "3");
    ShowHelpAndWait(1);
    EXPECT_EQ(errors.messages(), QStringList{HelpUnavailableMessage()});

    // Without the desktop's tools at all.
    errors.clear();
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    ShowHelpAndWait(0);
    EXPECT_EQ(errors.messages(), QStringList{HelpUnavailableMessage()});
    EXPECT_TRUE(HelpUnavailableAdvice(folder.path()).contains(folder.file(QStringLiteral("help"))));
}

TEST_F(HelpTest, MissingHelpIsReported) {
    folder.remove(QStringLiteral("help.chm"));
    folder.remove(QStringLiteral("help/index.html"));
    ShowHelpAndWait(0);
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].startsWith(QStringLiteral("Festoon's help is missing")));
    EXPECT_TRUE(Opened().isEmpty());
}

} // namespace
