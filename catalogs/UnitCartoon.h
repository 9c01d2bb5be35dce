// TFormCartoon: the cartoon palette. A click on a cartoon places it on the canvas at its own size.
#pragma once

#include "catalogs/GridPalette.h"

class TFormCartoon : public TGridPalette {
    Q_OBJECT
  public:
    explicit TFormCartoon(const PaletteContext& context);

    // Places item K of the current page: "pic\K.ssl" with "mask\K.ssl", divisor 1.
    void ThumbnailClick(int item) override;
};

extern TFormCartoon* FormCartoon;
