// Where a flat button puts its glyph and caption: a pure rule over sizes, kept apart from painting.
#pragma once

#include <QPoint>
#include <QSize>

enum class TButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

struct FlatButtonPlacement {
    QPoint glyph;
    QPoint caption;
};

// Centres an extent on one axis at (client - size + 1) / 2, truncating toward zero: a 16-pixel glyph on a
// 12-pixel button starts at -1.
[[nodiscard]] constexpr int CentredStart(int client, int size) {
    return (client - size + 1) / 2;
}

// Top-left corners of glyph and caption (an empty size for an absent one) before the pressed offset.
// Along the layout's axis both form one block, centred when margin is negative, else starting at margin,
// with spacing between them; across it each is centred on its own.
[[nodiscard]] FlatButtonPlacement PlaceGlyphAndCaption(QSize client, QSize glyph, QSize caption,
                                                       TButtonLayout layout, int margin, int spacing);
