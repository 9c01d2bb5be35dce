// TFormFrame: the frame palette. A click on a frame thumbnail blends that frame into the backdrop.
#pragma once

#include "catalogs/GridPalette.h"

class TFormFrame : public TGridPalette {
    Q_OBJECT
  public:
    explicit TFormFrame(const PaletteContext& context);

    // Applies item K of the current page: "big\K.ssl" through "mask\K.ssl".
    void ThumbnailClick(int item) override;

    // Lays the frame over the clean backdrop; a new frame replaces the previous one. Throws
    // PlatformError before anything changes.
    void ApplyFrame(const QString& framePath, const QString& maskPath);
};

extern TFormFrame* FormFrame;
