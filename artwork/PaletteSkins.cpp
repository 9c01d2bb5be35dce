// The palettes' skins: the grid palette (470 x 444) shared by masks, frames, cartoons and flowers, and
// the text palette (470 x 369). White outside the panel is the shape key; the bodies stay dark and plain
// so the brown page selector and the lime labels the windows paint on them read well.
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"
#include "artwork/Painting.h"
#include "artwork/Shapes.h"
#include "artwork/SkinParts.h"

#include <QPainter>

using namespace art;

namespace {

const QColor kWhiteKey(255, 255, 255);

// The common panel: rounded body, moulded rim, title strip with the name and the hide-button recess
// whose buttons' top edge is at `buttonsTop`.
void DrawPalettePanel(QPainter& painter, int w, int h, int buttonsTop) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0, 0, w, h);
    const QPainterPath outline = RoundedBox(outer, 14);
    FillVertical(painter, outline, outer, QColor(66, 40, 24), QColor(40, 24, 14));

    const QRectF strip(4, 4, w - 8, 28);
    FillVertical(painter, RoundedBox(strip, 11), strip, QColor(128, 82, 48), QColor(86, 52, 30));
    DrawEngravedLine(painter, QPointF(10, 32.5), QPointF(w - 10, 32.5));
    DrawTitle(painter, QStringLiteral("Festoon"), QPointF(16, 26), 19);
    DrawGarland(painter, QPointF(118, 9), QPointF(232, 9), 2, 3.5, 5);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(house::Espresso, 2.5));
    painter.drawPath(RoundedBox(outer.adjusted(1.25, 1.25, -1.25, -1.25), 13));
    painter.setPen(QPen(QColor(240, 200, 120, 120), 1));
    painter.drawPath(RoundedBox(outer.adjusted(3.5, 3.5, -3.5, -3.5), 11));

    DrawRecess(painter, QRectF(407, buttonsTop - 4, 35, 20), 6, QColor(34, 20, 12));
}

// A sunken well one step darker than the body with a faint gold lip, under each 80 x 80 thumbnail.
void DrawThumbnailWell(QPainter& painter, QPoint topLeft) {
    const QRectF well(topLeft.x() - 3, topLeft.y() - 3, 86, 86);
    DrawRecess(painter, well, 5, QColor(30, 18, 10));
}

QImage DrawGridPalettePanel(int ratio) {
    const int w = 470, h = 444;
    QImage panel = NewCanvas(w, h, Qt::transparent, ratio);
    QPainter painter(&panel);
    DrawPalettePanel(painter, w, h, 10);
    for (const int y : {74, 160, 250, 338}) {
        for (const int x : {24, 110, 196, 282, 368}) {
            DrawThumbnailWell(painter, QPoint(x, y));
        }
    }
    painter.end();
    return panel;
}

QImage DrawTextPalettePanel(int ratio) {
    const int w = 470, h = 369;
    QImage panel = NewCanvas(w, h, Qt::transparent, ratio);
    QPainter painter(&panel);
    DrawPalettePanel(painter, w, h, 8);
    for (const QPoint thumbnail : {QPoint(24, 74), QPoint(126, 74), QPoint(236, 74), QPoint(346, 74),
                                   QPoint(24, 162), QPoint(128, 160), QPoint(238, 160), QPoint(348, 160)}) {
        DrawThumbnailWell(painter, thumbnail);
    }
    // A bed for the edit field and a shallow step under the OK and Cancel buttons.
    DrawRecess(painter, QRectF(21, 287, 415, 25), 4, QColor(26, 15, 8));
    DrawRecess(painter, QRectF(236, 317, 192, 29), 6, QColor(40, 24, 14));
    painter.end();
    return panel;
}

// Writes skins/<name>.bmp and, drawn for screens of two device pixels to a logical one with the same
// outline, skins/<name>@2x.bmp.
void WriteSkin(const ArtworkOutput& out, const QString& name, QImage (*drawPanel)(int ratio)) {
    const QImage skin = KeyedPicture(drawPanel(1), kWhiteKey, house::Espresso);
    out.WriteResource(QStringLiteral("skins/%1.bmp").arg(name), skin);
    out.WriteResource(QStringLiteral("skins/%1@2x.bmp").arg(name),
                      KeyedPictureLike(drawPanel(2), kWhiteKey, house::Espresso, skin));
}

} // namespace

void DrawPaletteSkins(const ArtworkOutput& out) {
    WriteSkin(out, QStringLiteral("palette"), DrawGridPalettePanel);
    WriteSkin(out, QStringLiteral("text"), DrawTextPalettePanel);
}
