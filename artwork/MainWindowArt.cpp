// The main window's pictures: the skin, the start backdrop, the default photo mask and the icon.
// The skin is enlarged by repeating its middle column and row, so its decoration keeps to the edges
// and corners and everything crossing x = 376 or y = 275 is uniform along the repeat.
#include "artwork/ArtworkOutput.h"
#include "artwork/ButtonFaces.h"
#include "artwork/Catalogs.h"
#include "artwork/MainWindowLayout.h"
#include "artwork/Painting.h"
#include "artwork/Shapes.h"
#include "artwork/SkinParts.h"

#include <QPainter>
#include <QRadialGradient>

using namespace art;

namespace {

// The skin's panel, unkeyed, drawn at `ratio` device pixels to a logical one.
QImage DrawMainSkinPanel(int ratio) {
    using namespace art::mainwindow;
    QImage panel = NewCanvas(kWidth, kHeight, Qt::transparent, ratio);
    QPainter painter(&panel);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF outer(0, 0, kWidth, kHeight);
    const QPainterPath outline = RoundedBox(outer, 18);
    FillVertical(painter, outline, outer, QColor(118, 74, 44), QColor(58, 34, 20));
    // A soft light falling on the title strip, uniform along x so the middle column repeats cleanly.
    QLinearGradient sheen(0, 0, 0, 60);
    sheen.setColorAt(0, QColor(255, 220, 160, 46));
    sheen.setColorAt(1, QColor(255, 220, 160, 0));
    painter.fillPath(outline, sheen);

    // Rim: a dark edge, a gold hairline and a second dark line give a moulded border.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(house::Espresso, 3));
    painter.drawPath(RoundedBox(outer.adjusted(1.5, 1.5, -1.5, -1.5), 17));
    painter.setPen(QPen(QColor(240, 200, 120, 150), 1));
    painter.drawPath(RoundedBox(outer.adjusted(4.5, 4.5, -4.5, -4.5), 14));
    painter.setPen(QPen(QColor(20, 10, 4, 110), 1));
    painter.drawPath(RoundedBox(outer.adjusted(5.5, 5.5, -5.5, -5.5), 13));

    DrawTitle(painter, QStringLiteral("Festoon"), QPointF(30, 40), 30);
    DrawGarland(painter, QPointF(168, 14), QPointF(356, 14), 3, 7, 8);

    // The button column sits on a flat plate of the colour the buttons treat as transparent.
    const QRectF plate(18, 70, 92, kHeight - 70 - 16);
    DrawRecess(painter, plate, 10, kColumnColour);

    // A gilded monogram closes the plate; it sits below the middle row, so it stays at the bottom. It
    // keeps below the undo and redo buttons (down to y = 530) on every window 575 pixels tall or more,
    // the window of a screen 600 pixels tall.
    const QPointF seal(64, kHeight - 30);
    DrawStud(painter, seal, 12);
    painter.setPen(QPen(QColor(120, 76, 28), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(seal, 9, 9);
    DrawTitle(painter, QStringLiteral("F"), seal + QPointF(-4.5, 5.5), 15);

    // The canvas lies in a dark bed with a soft halo; the panel itself covers the middle.
    const QRectF bed = QRectF(kCanvasPanel).adjusted(-3, -3, 3, 3);
    DrawSoftShadow(painter, RoundedBox(bed, 3), QPointF(0, 1), 3, QColor(0, 0, 0, 190));
    painter.fillPath(RoundedBox(bed, 3), QColor(28, 16, 9));
    painter.setPen(QPen(QColor(255, 220, 160, 60), 1));
    painter.drawPath(RoundedBox(bed.adjusted(-0.5, -0.5, 0.5, 0.5), 3.5));

    // A small recess for the minimise and close buttons.
    DrawRecess(painter, QRectF(kWindowButtons).adjusted(-5, -4, 5, 4), 6, QColor(40, 24, 14));

    // Studs only at the top corners: the lower ones would sit on the plate and the canvas bed.
    DrawStud(painter, QPointF(15, 15), 2.6);
    DrawStud(painter, QPointF(kWidth - 15, 15), 2.6);
    painter.end();
    return panel;
}

// Warm out-of-focus lights over a deep caramel-to-plum gradient.
QImage DrawStartBackdrop() {
    const int w = 1600, h = 1100;
    QImage picture = NewCanvas(w, h, Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, w, h);
    ground.setColorAt(0.0, QColor(92, 40, 30));
    ground.setColorAt(0.45, QColor(168, 92, 44));
    ground.setColorAt(0.75, QColor(214, 150, 80));
    ground.setColorAt(1.0, QColor(120, 60, 48));
    painter.fillRect(picture.rect(), ground);
    QRadialGradient glow(w * 0.62, h * 0.42, w * 0.55);
    glow.setColorAt(0, QColor(255, 214, 150, 120));
    glow.setColorAt(1, QColor(255, 214, 150, 0));
    painter.fillRect(picture.rect(), glow);

    // The far lights are drawn small and soft at a quarter size and enlarged smoothly (a cheap blur).
    QImage far = NewCanvas(w / 4, h / 4);
    {
        QPainter blur(&far);
        blur.setRenderHint(QPainter::Antialiasing);
        Random random(11);
        for (int i = 0; i < 90; ++i) {
            const QColor tone = QColor::fromHsv(random.Between(18, 46), random.Between(90, 200), 255,
                                                random.Between(40, 110));
            const qreal r = random.Uniform(6, 26);
            blur.setPen(Qt::NoPen);
            blur.setBrush(tone);
            blur.drawEllipse(QPointF(random.Uniform(0, w / 4.0), random.Uniform(0, h / 4.0)), r, r);
        }
    }
    painter.drawImage(picture.rect(), far.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    Random random(29);
    for (int i = 0; i < 36; ++i) {
        const QPointF centre(random.Uniform(0, w), random.Uniform(0, h));
        const qreal r = random.Uniform(18, 70);
        const QColor tone = QColor::fromHsv(random.Between(24, 48), random.Between(60, 170), 255);
        QRadialGradient disc(centre, r);
        disc.setColorAt(0.0, QColor(tone.red(), tone.green(), tone.blue(), 50));
        disc.setColorAt(0.82, QColor(tone.red(), tone.green(), tone.blue(), 74));
        disc.setColorAt(0.92, QColor(tone.red(), tone.green(), tone.blue(), 110));
        disc.setColorAt(1.0, QColor(tone.red(), tone.green(), tone.blue(), 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(disc);
        painter.drawEllipse(centre, r, r);
    }
    // A soft darkening towards the corners holds the eye in the middle.
    QRadialGradient vignette(w / 2.0, h / 2.0, w * 0.62);
    vignette.setColorAt(0.55, QColor(40, 16, 8, 0));
    vignette.setColorAt(1.0, QColor(40, 16, 8, 120));
    painter.fillRect(picture.rect(), vignette);
    painter.end();
    AddGrain(picture, 2, 5);
    return picture;
}

// White in the middle fading to black at the rim, so a new photo already has soft edges.
QImage DrawDefaultMask() {
    const int w = 800, h = 600;
    const QImage grey = FeatheredShape(RoundedBox(QRectF(70, 64, w - 140, h - 128), 150), w, h, 26);
    return GreyToRgb(grey);
}

// Drawn on a 256-unit grid at any size, so that every size the desktop asks for is drawn, not scaled.
QImage DrawIcon(int size) {
    QImage icon = NewCanvas(size, size);
    QPainter painter(&icon);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(size / 256.0, size / 256.0);
    const QRectF tile(12, 12, 232, 232);
    DrawSoftShadow(painter, RoundedBox(tile, 44), QPointF(0, 5), 5, QColor(0, 0, 0, 120));
    FillVertical(painter, RoundedBox(tile, 44), tile, QColor(132, 84, 48), QColor(60, 34, 20));
    painter.setPen(QPen(QColor(240, 200, 120, 170), 3));
    painter.drawPath(RoundedBox(tile.adjusted(7, 7, -7, -7), 38));

    // A tilted snapshot: cream border, a sunny little landscape.
    painter.save();
    painter.translate(128, 146);
    painter.rotate(-8);
    const QRectF card(-72, -58, 144, 120);
    DrawSoftShadow(painter, RoundedBox(card, 6), QPointF(3, 5), 4, QColor(0, 0, 0, 150));
    painter.fillPath(RoundedBox(card, 6), house::Cream);
    const QRectF photo = card.adjusted(10, 10, -10, -26);
    FillVertical(painter, RoundedBox(photo, 2), photo, QColor(130, 190, 230), QColor(250, 214, 150));
    painter.setClipRect(photo);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 200, 70));
    painter.drawEllipse(QPointF(28, -22), 14, 14);
    painter.setBrush(QColor(110, 160, 70));
    painter.drawEllipse(QPointF(-40, 48), 80, 46);
    painter.setBrush(QColor(80, 134, 56));
    painter.drawEllipse(QPointF(50, 56), 70, 44);
    painter.restore();

    DrawGarland(painter, QPointF(34, 50), QPointF(222, 50), 2, 12, 13);
    painter.end();
    return icon;
}

} // namespace

void DrawMainWindowArt(const ArtworkOutput& out) {
    const QImage skin = KeyedPicture(DrawMainSkinPanel(1), mainwindow::kKey, house::Espresso);
    out.WriteBmp(QStringLiteral("main/mainx.bmp"), skin);
    out.WriteBmp(QStringLiteral("main/mainx@2x.bmp"),
                 KeyedPictureLike(DrawMainSkinPanel(2), mainwindow::kKey, house::Espresso, skin));
    out.WriteJpeg(QStringLiteral("main/mainb.jpg"), Flattened(DrawStartBackdrop(), Qt::black), 90);
    out.WriteJpeg(QStringLiteral("main/Defaultmask.jpg"), DrawDefaultMask(), 90);
    out.WriteResource(QStringLiteral("icon/festoon.png"), DrawIcon(256));
    // The desktop's icon theme sizes, installed with the program.
    for (const int size : {48, 128, 256}) {
        out.WriteResource(QStringLiteral("icon/%1x%1/festoon.png").arg(size), DrawIcon(size));
    }
    DrawButtonFaces(out);
}
