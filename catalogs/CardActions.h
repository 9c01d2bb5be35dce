// CardActions: what the palettes may do to the card. The main window hands one to each palette at
// construction; the palettes know nothing else of it. The palettes read their files first and call an
// action only once every picture it needs has been read, so a file that fails to read changes nothing.
#pragma once

#include "core/Lettering.h"

#include <QImage>

class CardActions {
  public:
    // Places a piece of artwork as the new topmost, selected object at 10, 10, its size the picture's
    // divided by `divisor`.
    virtual void PlaceArtwork(const QImage& picture, const QImage& mask, int divisor) = 0;
    // Places the lettering as a new object at 14, 10.
    virtual void PlaceLettering(const festoon::Lettering& lettering) = 0;
    // Draws the lettering of the object in `slot` anew, in place.
    virtual void ReplaceLettering(int slot, const festoon::Lettering& lettering) = 0;
    // Cuts the highest photo into the mask's shape; without a photo nothing happens.
    virtual void MaskPhoto(const QImage& mask) = 0;
    // Lays the frame over the clean backdrop, replacing an earlier frame.
    virtual void LayFrame(const QImage& picture, const QImage& mask) = 0;

  protected:
    ~CardActions() = default;
};
