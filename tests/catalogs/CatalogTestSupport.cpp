// Artwork trees and the program-folder fixture of the catalog suites.
#include "tests/catalogs/CatalogTestSupport.h"

#include "platform/ErrorReporting.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <cstdlib>

QRgb ItemColour(int page, int item) {
    return qRgb(30 + item * 10, 40 + page * 20, 200 - item * 5);
}

bool Near(QRgb actual, QRgb expected, int tolerance) {
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

QRgb MiddleColour(const QImage& picture) {
    return picture.pixel(picture.width() / 2, picture.height() / 2);
}

QImage WhiteMask() {
    return SolidPicture(8, 8, qRgb(255, 255, 255));
}

void SendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint position) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, position, target->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void WriteThumbnailPage(const TestProgramFolder& folder, const QString& pattern, int page, int count) {
    // The text catalog has no pages: its folder has no place for the number.
    const QString pageFolder = pattern.contains(QLatin1String("%1")) ? pattern.arg(page) : pattern;
    for (int item = 1; item <= count; ++item) {
        folder.writeArtwork(pageFolder + QString::number(item) + ".ssl",
                            SolidPicture(8, 8, ItemColour(page, item)));
    }
}

CatalogTest::CatalogTest() {
    festoon::SetScreenSize(QSize(1024, 768));
    festoon::SetErrorSink([this](const QString& message) { errors.append(message); });
    for (const QString& pattern : kThumbnailFolders) {
        WriteThumbnailPage(folder, pattern, 1);
        WriteThumbnailPage(folder, pattern, 2);
    }
    WriteThumbnailPage(folder, kTextThumbnailFolder, 1, 8);
}

CatalogTest::~CatalogTest() {
    festoon::SetErrorSink({});
    festoon::SetScreenSize(QSize());
}
