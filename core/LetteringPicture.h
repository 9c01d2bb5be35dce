// Drawing lettering as an object's picture and mask: its lines in its font and colour, colour emoji in
// their own colours, an outline around the letters and a soft shadow beneath them. Plain lettering (no
// outline, no shadow) is the text's colour seen through a mask of its letters, white on black.
#pragma once

#include "core/Lettering.h"

#include <QImage>
#include <QSize>

namespace festoon {

struct LetteringPicture {
    QImage picture;
    QImage mask;
};

// The size the lettering is drawn at: the widest line by the lines' height, plus room for the outline
// and the shadow; for one plain line, TextExtent. At a `scale` other than 1, the font, the outline and
// the shadow are that many times larger (an export redraws lettering sharp at its own size).
[[nodiscard]] QSize LetteringExtent(const Lettering& lettering, double scale = 1.0);

// Both 24-bit, of LetteringExtent.
[[nodiscard]] LetteringPicture DrawLettering(const Lettering& lettering, double scale = 1.0);

} // namespace festoon
