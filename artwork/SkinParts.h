// Pieces the window skins share: the gilded title, recesses, wells, studs and the bunting garland.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace art {

// The program's name in gilded serif letters with a soft shadow; `baseline` is the text's origin.
void DrawTitle(QPainter& painter, const QString& text, QPointF baseline, int pixelSize);
// A sunken rounded area: darker fill, inner shadow, a light lip along its lower edge.
void DrawRecess(QPainter& painter, const QRectF& box, qreal radius, QColor fill);
// A small gold stud, as a rivet at a skin's corner.
void DrawStud(QPainter& painter, QPointF centre, qreal radius);
// A string of little pennants sagging in `swags` arcs between `from` and `to`.
void DrawGarland(QPainter& painter, QPointF from, QPointF to, int swags, qreal sag, qreal flagSize);
// A stroke that looks cut into the surface: dark line with a light line one pixel below.
void DrawEngravedLine(QPainter& painter, QPointF from, QPointF to);

} // namespace art
