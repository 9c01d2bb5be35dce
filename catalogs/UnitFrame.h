// TFormFrame: the frame palette. A click on a frame thumbnail blends that frame into the backdrop.
#pragma once

#include "catalogs/GridPalette.h"

class TFormFrame : public TGridPalette {
    Q_OBJECT
  public:
    explicit TFormFrame(QWidget* parent = nullptr);

    // Applies item K of the current page: "big\K.ssl" through "mask\K.ssl".
    void ThumbnailClick(int item) override;

    // Makes the backdrop the clean backdrop with the frame blended in at the canvas size, then
    // recomposes; a new frame replaces the previous one. Throws PlatformError before anything changes.
    void ApplyFrame(const QString& framePath, const QString& maskPath);
};

extern TFormFrame* FormFrame;
