// The cartoon catalog: two pages of 20 die-cut stickers (vector drawings, words and colour emoji),
// each with a white rim and a thin ink edge. The picture is also its own thumbnail.
#include "artwork/ArtPiece.h"
#include "artwork/ArtworkOutput.h"
#include "artwork/CartoonDrawing.h"
#include "artwork/Catalogs.h"
#include "artwork/EmojiArt.h"

#include <QPainter>
#include <functional>
#include <vector>

namespace {

// Each sticker draws into a 200 x 200 box; the margin leaves room for the rim and the colour bleed.
constexpr int kDrawingBox = 200;
// 240 = 3 x 80: the 80 x 80 thumbnail then samples every third pixel evenly.
constexpr int kStickerSize = 240;
constexpr int kMargin = 12;
constexpr double kRimWidth = 5.0;
constexpr double kEdgeWidth = 2.5;
constexpr int kBleed = 4;

using Drawing = std::function<void(QPainter&)>;

Drawing Emoji(const char* utf8) {
    return [emoji = QString::fromUtf8(utf8)](QPainter& painter) {
        DrawEmoji(painter, QRectF(4, 4, kDrawingBox - 8, kDrawingBox - 8), emoji);
    };
}

Drawing Word(const char* word, WordGround ground, QColor groundLight, QColor groundDark, QColor wordLight,
             QColor wordDark) {
    return [=](QPainter& painter) {
        DrawWordSticker(painter, QString::fromUtf8(word), ground, groundLight, groundDark, wordLight,
                        wordDark);
    };
}

std::vector<Drawing> PageOne() {
    return {
        Emoji("\xF0\x9F\x98\x84"), // grinning face
        DrawPartyHat,
        DrawCrown,
        DrawSunglasses,
        DrawMoustache,
        DrawGlossyHeart,
        DrawSmilingStar,
        Word("WOW!", WordGround::Burst, QColor(255, 240, 80), QColor(255, 150, 0), QColor(255, 90, 120),
             QColor(210, 0, 70)),
        Word("LOL", WordGround::Bubble, QColor(120, 220, 255), QColor(30, 140, 240), QColor(255, 250, 140),
             QColor(255, 190, 0)),
        DrawBow,
        DrawBalloonBunch,
        Emoji("\xF0\x9F\x8E\x82"), // birthday cake
        Emoji("\xF0\x9F\x98\xBA"), // smiling cat
        Emoji("\xF0\x9F\x90\xB6"), // dog face
        Emoji("\xF0\x9F\x8D\x95"), // pizza
        Emoji("\xF0\x9F\x8D\xA6"), // ice cream
        Emoji("\xF0\x9F\x98\x8D"), // heart eyes
        DrawRainbow,
        DrawLoveBubble,
        DrawSmilingSun,
    };
}

std::vector<Drawing> PageTwo() {
    return {
        Emoji("\xF0\x9F\x98\x8E"), // sunglasses face
        Emoji("\xF0\x9F\x98\x82"), // tears of joy
        Emoji("\xF0\x9F\xA6\x84"), // unicorn
        Emoji("\xF0\x9F\x90\xBC"), // panda
        DrawBunnyEars,
        DrawLips,
        Emoji("\xF0\x9F\x8E\x81"), // gift
        Emoji("\xF0\x9F\xA7\x81"), // cupcake
        Emoji("\xF0\x9F\x8E\x89"), // party popper
        Word("OMG!", WordGround::Burst, QColor(220, 150, 255), QColor(150, 50, 230), QColor(255, 255, 255),
             QColor(255, 220, 120)),
        Word("HI!", WordGround::Bubble, QColor(160, 240, 120), QColor(40, 180, 70), QColor(255, 255, 255),
             QColor(255, 240, 170)),
        Emoji("\xF0\x9F\x91\x8D"), // thumbs up
        Emoji("\xF0\x9F\xA6\x8B"), // butterfly
        Emoji("\xF0\x9F\xA6\x8A"), // fox
        Emoji("\xF0\x9F\x8D\xA9"), // doughnut
        DrawCatEars,
        DrawBowTie,
        Emoji("\xF0\x9F\x8F\x86"), // trophy
        DrawMusicNotes,
        Word("YAY!", WordGround::Burst, QColor(120, 240, 230), QColor(0, 170, 200), QColor(255, 245, 110),
             QColor(255, 160, 0)),
    };
}

QImage DrawSticker(const Drawing& drawing) {
    QImage layer = NewLayer(kStickerSize, kStickerSize);
    QPainter painter(&layer);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.translate(kMargin, kMargin);
    painter.scale((kStickerSize - 2.0 * kMargin) / kDrawingBox, (kStickerSize - 2.0 * kMargin) / kDrawingBox);
    drawing(painter);
    painter.end();
    return WithOutline(WithOutline(layer, kRimWidth, Qt::white), kEdgeWidth, kInk);
}

} // namespace

void DrawCartoonCatalog(const ArtworkOutput& out) {
    const std::vector<Drawing> pages[] = {PageOne(), PageTwo()};
    for (int page = 1; page <= 2; ++page) {
        for (int item = 1; item <= 20; ++item) {
            const QImage sticker = DrawSticker(pages[page - 1][static_cast<size_t>(item - 1)]);
            const QString folder = QStringLiteral("pic/cartoon/%1/").arg(page);
            const QImage picture = PictureFromLayer(sticker, kBleed);
            out.WriteArtwork(folder + QStringLiteral("pic/%1.ssl").arg(item), picture);
            // The palette shows the picture itself at 80 x 80; screens of two device pixels to a logical
            // one get it at 160 x 160, made from the full picture.
            out.WriteArtwork(folder + QStringLiteral("pic/%1@2x.ssl").arg(item),
                             picture.scaled(160, 160, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            out.WriteArtwork(folder + QStringLiteral("mask/%1.ssl").arg(item), MaskFromLayer(sticker));
        }
    }
}
