// Placeholder palette skins (replaced by the real drawing).
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"

#include <QImage>

void DrawPaletteSkins(const ArtworkOutput& out) {
    QImage grid(470, 444, QImage::Format_RGB32);
    grid.fill(QColor(60, 36, 20));
    grid.setPixel(0, 0, qRgb(255, 255, 255));
    out.WriteResource(QStringLiteral("skins/palette.bmp"), grid);
    QImage text(470, 369, QImage::Format_RGB32);
    text.fill(QColor(60, 36, 20));
    text.setPixel(0, 0, qRgb(255, 255, 255));
    out.WriteResource(QStringLiteral("skins/text.bmp"), text);
}
