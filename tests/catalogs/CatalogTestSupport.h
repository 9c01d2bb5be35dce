// Shared by the catalog and robustness suites: artwork trees of solid, recognisable pictures and a
// fixture with a throw-away program folder that holds them.
#pragma once

#include "tests/support/TestProgramFolder.h"

#include <QEvent>
#include <QStringList>
#include <gtest/gtest.h>

class QWidget;

// A colour that tells page and item apart after a JPEG round trip.
[[nodiscard]] QRgb ItemColour(int page, int item);
// Channel-wise equal within the tolerance a JPEG of a solid picture keeps.
[[nodiscard]] bool Near(QRgb actual, QRgb expected, int tolerance = 6);
// The colour in the middle of a picture.
[[nodiscard]] QRgb MiddleColour(const QImage& picture);
// A mask that shows its object's own picture unmixed.
[[nodiscard]] QImage WhiteMask();

// Sends a mouse event to the control at once, the button held unless it is a release.
void SendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint position);

// The thumbnail folders as stored, with %1 for the page.
inline const QStringList kThumbnailFolders = {"pic/mask/%1/small/", "pic/Frame/%1/small/",
                                              "pic/cartoon/%1/pic/", "pic/flower/%1/small/"};
inline const QString kTextThumbnailFolder = QStringLiteral("pic/text/small/");

// Writes items 1 to `count` of a page of a thumbnail folder pattern (%1 for the page, if it has pages),
// in ItemColour(page, item).
void WriteThumbnailPage(const TestProgramFolder& folder, const QString& pattern, int page, int count = 20);

// A program folder (with the main window's start files) holding pages 1 and 2 of every grid catalog's
// thumbnails and the eight text thumbnails, on a 1024 x 768 screen; error messages are recorded
// instead of shown.
class CatalogTest : public ::testing::Test {
  protected:
    CatalogTest();
    ~CatalogTest() override;

    TestProgramFolder folder;
    QStringList errors;
};
