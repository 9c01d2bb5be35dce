// Exports to files. The render reports progress up to its end; encoding follows as the last step.
#include "core/ExportFile.h"

#include "core/CardExport.h"
#include "core/FileIO.h"
#include "core/JpegCodec.h"
#include "core/PlatformError.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <new>

namespace festoon {
namespace {

constexpr double kPointsPerInch = 72.0;

QByteArray EncodeCompressedPng(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
        throw PlatformError(QStringLiteral("the PNG cannot be written (%1)").arg(writer.errorString()));
    }
    return bytes;
}

QByteArray EncodePdf(const QImage& picture, int dpi) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Festoon"));
    pdf.setResolution(dpi);
    const QSizeF points = QSizeF(picture.size()) * kPointsPerInch / dpi;
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        throw PlatformError(QStringLiteral("the PDF cannot be written"));
    }
    painter.drawImage(QRect(QPoint(0, 0), picture.size()), picture);
    painter.end();
    return bytes;
}

} // namespace

QString ExportExtension(ExportFormat format) {
    switch (format) {
    case ExportFormat::Png:
        return QStringLiteral(".png");
    case ExportFormat::Pdf:
        return QStringLiteral(".pdf");
    default:
        return QStringLiteral(".jpg");
    }
}

QByteArray EncodeExport(const QImage& picture, const ExportSettings& settings) {
    switch (settings.format) {
    case ExportFormat::Png:
        return EncodeCompressedPng(picture);
    case ExportFormat::Pdf:
        return EncodePdf(picture, settings.pdfDpi);
    default:
        return EncodeJpeg(picture, std::clamp(settings.jpegQuality, 1, 100));
    }
}

void ExportCard(const Composition& card, const ExportSettings& settings, const QString& path,
                DecodeControl* control) {
    QByteArray file;
    try {
        const QImage picture = RenderCardAt(card, settings.size, control);
        ThrowIfCancelled(control);
        file = EncodeExport(picture, settings);
    } catch (const std::bad_alloc&) {
        throw PlatformError(QStringLiteral("Cannot export the card: there is not enough memory for %1 x %2 "
                                           "pixels; choose a smaller size")
                                .arg(settings.size.width())
                                .arg(settings.size.height()));
    }
    ThrowIfCancelled(control);
    WriteFileReplacing(path, file);
    if (control != nullptr) {
        control->progress.store(1000, std::memory_order_relaxed);
    }
}

} // namespace festoon
