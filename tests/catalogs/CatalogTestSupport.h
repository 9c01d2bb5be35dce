// Shared by the catalog suites: artwork trees of solid, recognisable pictures and a canvas fixture
// with the main window built in a throw-away program folder.
#pragma once

#include "app/Unit1.h"
#include "tests/support/TestProgramFolder.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// A colour that tells page and item apart after a JPEG round trip.
[[nodiscard]] QRgb ItemColour(int page, int item);
// Channel-wise equal within the tolerance a JPEG of a solid picture keeps.
[[nodiscard]] bool Near(QRgb actual, QRgb expected, int tolerance = 6);
// The colour in the middle of a picture.
[[nodiscard]] QRgb MiddleColour(const QImage& picture);

// The thumbnail folders as stored, with %1 for the page.
inline const QStringList kThumbnailFolders = {"pic/mask/%1/small/", "pic/Frame/%1/small/",
                                              "pic/cartoon/%1/pic/", "pic/flower/%1/small/"};
inline const QString kTextThumbnailFolder = QStringLiteral("pic/text/small/");

// Writes items 1 to `count` of a page of a thumbnail folder pattern (%1 for the page, if it has pages),
// in ItemColour(page, item).
void WriteThumbnailPage(const TestProgramFolder& folder, const QString& pattern, int page, int count = 20);

// A main window (1024 x 768 screen) in a program folder holding pages 1 and 2 of every grid catalog's
// thumbnails and the eight text thumbnails; error messages are recorded instead of shown.
class CanvasTest : public ::testing::Test {
  protected:
    CanvasTest();
    ~CanvasTest() override;

    // Places an object of a solid colour in a slot by hand, as photo loading would.
    TImg* PlaceSolidObject(int slot, const QString& name, QRect bounds, QRgb colour);

    TestProgramFolder folder;
    QStringList errors;
    std::unique_ptr<TFormMain> mainWindow;
};
