// Colour emoji drawn through QPainter's text path, which renders the emoji font's bitmaps in colour.
#include "artwork/EmojiArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

void DrawEmoji(QPainter& painter, const QRectF& box, const QString& emoji) {
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(100);
    const QRectF measured = QFontMetricsF(font).boundingRect(emoji);
    const double scale = std::min(box.width() / measured.width(), box.height() / measured.height());
    font.setPixelSize(std::max(1, static_cast<int>(100 * scale)));
    painter.save();
    painter.setFont(font);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawText(box, Qt::AlignCenter, emoji);
    painter.restore();
}
