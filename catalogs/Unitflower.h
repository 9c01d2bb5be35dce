// TFormFlower: the flower palette. A click on a flower places it on the canvas, most items shrunk.
#pragma once

#include "catalogs/GridPalette.h"

class TFormFlower : public TGridPalette {
    Q_OBJECT
  public:
    explicit TFormFlower(const PaletteContext& context);

    // The divisor of item K: 4 for 1 to 6 and 8; 1 for 7, 9, 10 and 11; for 12 to 20, 1 while page
    // button "2" is checked, else 4.
    [[nodiscard]] int Divisor(int item) const;

    // Places item K of the current page: "big\K.ssl" with "mask\K.ssl", shrunk by its divisor.
    void ThumbnailClick(int item) override;
};

extern TFormFlower* FormFlower;
