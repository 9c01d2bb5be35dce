// Drawing shared by the flat controls: embossed (disabled) text and glyphs, and the parent's colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

class QWidget;

// The background colour of control's parent, which controls with ParentColor on take as their own.
[[nodiscard]] QColor ParentBackground(const QWidget& control, const QColor& fallback);

// Draws text as a disabled caption: in the light colour one pixel down and right, then in the dark colour.
void DrawEmbossedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                      const QPalette& palette);

// A greyed copy of a keyed glyph: its opaque pixels as an embossed silhouette in the palette's colours.
[[nodiscard]] QImage EmbossedGlyph(const QImage& keyedGlyph, const QPalette& palette);
