// The print dialog and the page.
#include "app/CardPrinting.h"

#include "core/CardExport.h"
#include "core/PlatformError.h"

#include <QApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyle>
#include <algorithm>

namespace festoon {
namespace {

constexpr double kMostDotsPerInch = 300;

} // namespace

void PrintCardOn(QPrinter& printer, const Composition& card) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw PlatformError(QStringLiteral("Cannot print the card: the printer cannot be started"));
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                             card.CanvasSize().scaled(page.size(), Qt::KeepAspectRatio),
                                             QRect(QPoint(0, 0), page.size()));
    // The picture at the page's resolution, or at most 300 dpi of it: more could not be seen.
    const double scale = std::min(1.0, kMostDotsPerInch / std::max(printer.resolution(), 1));
    const QSize size = ExportSizeForLongSide(
        card.CanvasSize(), std::max(1, static_cast<int>(std::max(target.width(), target.height()) * scale)));
    painter.drawImage(target, RenderCardAt(card, size));
    painter.end();
}

void PrintCard(QWidget* parent, const Composition& card) {
    QPrinter printer(QPrinter::HighResolution);
    const QSize canvas = card.CanvasSize();
    printer.setPageOrientation(canvas.width() > canvas.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print the card"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QApplication::setOverrideCursor(Qt::BusyCursor);
    try {
        PrintCardOn(printer, card);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}

} // namespace festoon
