// Placeholder main-window art (replaced by the real drawing).
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace {
QImage Solid(int w, int h, QColor c) {
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(c);
    return i;
}
} // namespace

void DrawMainWindowArt(const ArtworkOutput& out) {
    QImage skin = Solid(752, 550, QColor(60, 36, 20));
    skin.setPixel(0, 0, qRgb(255, 0, 255));
    out.WriteBmp(QStringLiteral("main/mainx.bmp"), skin);
    out.WriteJpeg(QStringLiteral("main/mainb.jpg"), Solid(800, 600, QColor(200, 170, 120)));
    out.WriteJpeg(QStringLiteral("main/Defaultmask.jpg"), Solid(400, 300, Qt::white));
    const char* names[] = {"New",   "Save",  "Photo",    "Backdrop", "Mask", "Flower", "Cartoon",
                           "Text",  "Frame", "DelFrame", "Help",     "Copy", "Delete"};
    for (const char* name : names) {
        const QString base = QStringLiteral("buttons/%1_").arg(QLatin1String(name));
        out.WriteResource(base + QStringLiteral("rest.bmp"), Solid(80, 39, QColor(150, 90, 40)));
        out.WriteResource(base + QStringLiteral("hover.bmp"), Solid(80, 39, QColor(190, 120, 60)));
        out.WriteResource(base + QStringLiteral("down.bmp"), Solid(80, 39, QColor(110, 60, 30)));
    }
    out.WriteResource(QStringLiteral("glyphs/bar.bmp"), Solid(16, 16, Qt::white));
    out.WriteResource(QStringLiteral("glyphs/cross.bmp"), Solid(16, 16, Qt::white));
    out.WriteResource(QStringLiteral("icon/festoon.png"), Solid(256, 256, QColor(190, 120, 60)));
}
