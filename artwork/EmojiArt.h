// Colour emoji from the system's emoji font, drawn as parts of catalog pieces.
#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// Draws `emoji` as large as fits in `box`, centred. The font's own bitmaps are about 136 pixels, so
// boxes much larger than twice that come out soft.
void DrawEmoji(QPainter& painter, const QRectF& box, const QString& emoji);
