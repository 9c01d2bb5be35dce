// Desktop services: opening a document through the desktop's handler, and shaping a window.
#include "platform/Desktop.h"
#include "tests/support/TestProgramFolder.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

// Stands in for the desktop's default application, so that no viewer is started by the tests.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

TEST(Desktop, OpensAnExistingDocumentAndNothingForAMissingOne) {
    TestProgramFolder folder(false);
    folder.writeBytes(QStringLiteral("help.chm"), QByteArray("ITSF"));
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    EXPECT_TRUE(OpenDocument(folder.file(QStringLiteral("help.chm"))));
    EXPECT_FALSE(OpenDocument(folder.file(QStringLiteral("missing.chm"))));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl::fromLocalFile(folder.file(QStringLiteral("help.chm"))));
}

TEST(Desktop, WindowTakesTheShapeOfItsSkin) {
    QImage skin = SolidPicture(20, 10, qRgb(255, 0, 255));
    for (int y = 2; y < 6; ++y) {
        for (int x = 3; x < 9; ++x) {
            skin.setPixelColor(x, y, QColor(90, 60, 40));
        }
    }
    QWidget window;
    window.resize(20, 10);
    ShapeWindowFromSkin(&window, skin);
    EXPECT_EQ(window.mask(), QRegion(3, 2, 6, 4));

    QWidget plain;
    ShapeWindowFromSkin(&plain, SolidPicture(20, 10, qRgb(255, 0, 255)));
    EXPECT_TRUE(plain.mask().isEmpty());
    ShapeWindowFromSkin(&plain, QImage());
    EXPECT_TRUE(plain.mask().isEmpty());
}

#include "Desktop_test.moc"
