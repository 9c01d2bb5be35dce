// The placement rule of a flat button's glyph and caption.
#include "controls/FlatButtonLayout.h"

FlatButtonPlacement PlaceGlyphAndCaption(QSize client, QSize glyph, QSize caption, TButtonLayout layout,
                                         int margin, int spacing) {
    const auto absentAsZero = [](QSize size) { return size.isEmpty() ? QSize(0, 0) : size; };
    glyph = absentAsZero(glyph);
    caption = absentAsZero(caption);
    const bool vertical = layout == TButtonLayout::GlyphTop || layout == TButtonLayout::GlyphBottom;
    const bool glyphFirst = layout == TButtonLayout::GlyphTop || layout == TButtonLayout::GlyphLeft;
    const auto along = [vertical](QSize size) { return vertical ? size.height() : size.width(); };
    const auto across = [vertical](QSize size) { return vertical ? size.width() : size.height(); };
    const auto point = [vertical](int alongAxis, int acrossAxis) {
        return vertical ? QPoint(acrossAxis, alongAxis) : QPoint(alongAxis, acrossAxis);
    };

    const int gap = glyph.isEmpty() || caption.isEmpty() ? 0 : spacing;
    const int start = margin < 0 ? CentredStart(along(client), along(glyph) + gap + along(caption)) : margin;
    const int glyphAlong = glyphFirst ? start : start + along(caption) + gap;
    const int captionAlong = glyphFirst ? start + along(glyph) + gap : start;
    return {point(glyphAlong, CentredStart(across(client), across(glyph))),
            point(captionAlong, CentredStart(across(client), across(caption)))};
}
