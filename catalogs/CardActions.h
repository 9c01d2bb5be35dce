// CardActions: what the palettes may do to the card. The main window hands one to each palette at
// construction; the palettes know nothing else of it. The palettes read their files first and call an
// action only once every picture it needs has been read, so a file that fails to read changes nothing.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

class CardActions {
  public:
    // Places a piece of artwork as the new topmost, selected object at 10, 10, its size the picture's
    // divided by `divisor`.
    virtual void PlaceArtwork(const QImage& picture, const QImage& mask, int divisor) = 0;
    // Places the words, drawn in the font, as a new object of one colour at 14, 10.
    virtual void PlaceLettering(const QString& text, const QFont& font, const QColor& colour) = 0;
    // Cuts the highest photo into the mask's shape; without a photo nothing happens.
    virtual void MaskPhoto(const QImage& mask) = 0;
    // Lays the frame over the clean backdrop, replacing an earlier frame.
    virtual void LayFrame(const QImage& picture, const QImage& mask) = 0;

  protected:
    ~CardActions() = default;
};
