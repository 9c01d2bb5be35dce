// Rendering a line of text as an object mask: the pixel work of the text palette, without widgets.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace festoon {

// The one-line extent of the text in the font: advance width by line height, as the text renderer
// measures it on a bitmap (at least 1 x 1, so that any text gives a drawable object).
[[nodiscard]] QSize TextExtent(const QString& text, const QFont& font);

// A 24-bit bitmap of TextExtent holding the text in white on black at 0, 0, drawn with the font's
// underline and strikeout.
[[nodiscard]] QImage RenderTextMask(const QString& text, const QFont& font);

} // namespace festoon
