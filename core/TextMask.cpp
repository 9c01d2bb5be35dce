// Measuring and drawing text on a bitmap, so that the extent and the drawing use the same metrics.
#include "core/TextMask.h"

#include "core/Bitmap.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace festoon {
namespace {

// Painting goes through a 32-bit surface, which every paint engine path supports.
constexpr QImage::Format kTextSurfaceFormat = QImage::Format_RGB32;

} // namespace

QSize TextExtent(const QString& text, const QFont& font) {
    const QImage device(1, 1, kTextSurfaceFormat);
    const QFontMetrics metrics(font, &device);
    return {std::max(1, metrics.horizontalAdvance(text)), std::max(1, metrics.height())};
}

QImage RenderTextMask(const QString& text, const QFont& font) {
    const QSize extent = TextExtent(text, font);
    QImage surface(extent, kTextSurfaceFormat);
    surface.fill(Qt::black);
    {
        QPainter painter(&surface);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(0, QFontMetrics(font, &surface).ascent(), text);
    }
    return ToBitmap24(surface);
}

} // namespace festoon
