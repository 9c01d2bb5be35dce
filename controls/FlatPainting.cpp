// Drawing shared by the flat controls.
#include "controls/FlatPainting.h"

#include <QWidget>

QColor ParentBackground(const QWidget& control, const QColor& fallback) {
    const QWidget* parent = control.parentWidget();
    return parent ? parent->palette().color(QPalette::Window) : fallback;
}

void DrawEmbossedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                      const QPalette& palette) {
    painter.setPen(palette.color(QPalette::Light));
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawText(rect, flags, text);
}

static QImage Silhouette(const QImage& keyedGlyph, const QColor& color) {
    QImage shape(keyedGlyph.size(), QImage::Format_ARGB32_Premultiplied);
    shape.setDevicePixelRatio(keyedGlyph.devicePixelRatio());
    shape.fill(color);
    QPainter painter(&shape);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, keyedGlyph);
    return shape;
}

QImage EmbossedGlyph(const QImage& keyedGlyph, const QPalette& palette) {
    if (keyedGlyph.isNull())
        return {};
    // One logical pixel larger, at the glyph's own device pixel ratio.
    const int ratio = qRound(keyedGlyph.devicePixelRatio());
    QImage result(keyedGlyph.width() + ratio, keyedGlyph.height() + ratio,
                  QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage(1, 1, Silhouette(keyedGlyph, palette.color(QPalette::Light)));
    painter.drawImage(0, 0, Silhouette(keyedGlyph, palette.color(QPalette::Dark)));
    return result;
}
