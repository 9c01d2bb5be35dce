// The flower catalog: two pages of 20 flowers, sprays and garlands. Each piece is drawn at the size it
// is placed at: pieces the palette shrinks by 4 are drawn about 1000 pixels long and those it places at
// full size about 320, so that on the canvas they come out at a like size (about 250 and 320 pixels).
#include "artwork/ArtPiece.h"
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"
#include "artwork/FlowerArrangements.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr int kShrunkLength = 1000;
constexpr int kFullSizeLength = 320;
constexpr int kBleed = 4;
constexpr int kMargin = kBleed + 2;

struct FlowerPiece {
    QSizeF box; // the logical drawing box, 1000 units on its longer side
    std::function<void(QPainter&, QSizeF)> draw;
};

const QSizeF kSquare(1000, 1000);
const QSizeF kTall(640, 1000);
const QSizeF kWide(1000, 700);
const QSizeF kBanner(1000, 320);

FlowerPiece Blossom(BlossomStyle (*style)(), int leaves = 3) {
    return {kSquare, [style, leaves](QPainter& painter, QSizeF bounds) {
                DrawBlossomWithLeaves(painter, bounds, style(), leaves);
            }};
}

FlowerPiece Cluster(BlossomStyle (*style)(), int count) {
    return {kSquare, [style, count](QPainter& painter, QSizeF bounds) {
                DrawBlossomCluster(painter, bounds, style(), count);
            }};
}

FlowerPiece Rose(QColor light, QColor dark) {
    return {kSquare,
            [=](QPainter& painter, QSizeF bounds) { DrawRoseWithLeaves(painter, bounds, light, dark); }};
}

FlowerPiece Tulip(QColor light, QColor dark) {
    return {kTall, [=](QPainter& painter, QSizeF bounds) { DrawTulip(painter, bounds, light, dark); }};
}

FlowerPiece Vine(QSizeF box, VineCourse course, BlossomStyle (*style)(), bool roses) {
    return {box, [=](QPainter& painter, QSizeF bounds) {
                DrawFlowerVine(painter, bounds, course, style(), roses);
            }};
}

std::vector<FlowerPiece> PageOne() {
    return {
        Rose(QColor(255, 90, 110), QColor(175, 0, 35)),
        Blossom(blossoms::Daisy),
        Blossom(blossoms::Sunflower),
        Tulip(QColor(255, 150, 190), QColor(215, 30, 100)),
        {kWide, [](QPainter& painter,
                   QSizeF bounds) { DrawBlossomBranch(painter, bounds, blossoms::CherryBlossom()); }},
        Blossom(blossoms::TigerLily, 2),
        Cluster(blossoms::ForgetMeNot, 7),
        {QSizeF(800, 1000), [](QPainter& painter, QSizeF bounds) { DrawBouquet(painter, bounds, false); }},
        {kSquare, [](QPainter& painter, QSizeF bounds) { DrawPetalScatter(painter, bounds, false); }},
        Blossom(blossoms::Cosmos),
        {QSizeF(700, 1000), [](QPainter& painter, QSizeF bounds) { DrawLavenderBundle(painter, bounds, 3); }},
        {kSquare, [](QPainter& painter, QSizeF bounds) { DrawWreath(painter, bounds, false); }},
        Vine(kBanner, VineCourse::Wave, blossoms::Daisy, true),
        Vine(kSquare, VineCourse::Corner, blossoms::CherryBlossom, true),
        {kSquare,
         [](QPainter& painter, QSizeF bounds) {
             DrawBlossomWithLeaves(painter, bounds,
                                   blossoms::Hibiscus(QColor(200, 0, 40), QColor(255, 80, 70)));
         }},
        {QSizeF(1000, 800), [](QPainter& painter, QSizeF bounds) { DrawLotus(painter, bounds); }},
        {kSquare,
         [](QPainter& painter, QSizeF bounds) { DrawStemmedPair(painter, bounds, blossoms::Poppy()); }},
        {QSizeF(800, 1000), [](QPainter& painter, QSizeF bounds) { DrawLavenderBundle(painter, bounds, 7); }},
        Cluster(blossoms::Violet, 5),
        {kSquare, [](QPainter& painter, QSizeF bounds) { DrawIvyTrail(painter, bounds); }},
    };
}

std::vector<FlowerPiece> PageTwo() {
    return {
        Rose(QColor(255, 200, 215), QColor(230, 90, 140)),
        Blossom(blossoms::Gerbera),
        Blossom(blossoms::StarLily, 2),
        {QSizeF(1000, 620), [](QPainter& painter, QSizeF bounds) { DrawWreath(painter, bounds, true); }},
        Vine(QSizeF(1000, 500), VineCourse::Swag, blossoms::ForgetMeNot, true),
        Cluster(blossoms::Plumeria, 3),
        {QSizeF(600, 1000), [](QPainter& painter, QSizeF bounds) { DrawRoseBud(painter, bounds); }},
        {QSizeF(800, 1000), [](QPainter& painter, QSizeF bounds) { DrawBouquet(painter, bounds, true); }},
        Blossom(blossoms::CherryBlossom),
        Blossom(blossoms::Sunflower),
        Cluster(blossoms::ForgetMeNot, 4),
        Tulip(QColor(255, 235, 90), QColor(240, 140, 0)),
        {kSquare,
         [](QPainter& painter, QSizeF bounds) {
             DrawBlossomWithLeaves(painter, bounds,
                                   blossoms::Hibiscus(QColor(230, 60, 150), QColor(255, 170, 210)));
         }},
        Blossom(blossoms::Cornflower),
        Blossom(blossoms::Marigold),
        Cluster(blossoms::Violet, 3),
        {kSquare, [](QPainter& painter, QSizeF bounds) { DrawPetalScatter(painter, bounds, true); }},
        Vine(kSquare, VineCourse::Corner, blossoms::Daisy, false),
        Vine(kBanner, VineCourse::Wave, blossoms::ForgetMeNot, false),
        Rose(QColor(255, 240, 150), QColor(235, 160, 0)),
    };
}

// 4 for most items; items 7, 9, 10 and 11, and page 2's items from 12 on, are placed at full size.
int Divisor(int page, int item) {
    if (item == 7 || item == 9 || item == 10 || item == 11) {
        return 1;
    }
    return item >= 12 && page == 2 ? 1 : 4;
}

// The piece drawn at `scale` on a layer with room to spare around its box, since leaves and petals
// may reach beyond it.
QImage DrawLoose(const FlowerPiece& piece, double scale, QPointF origin, QSize size) {
    QImage layer = NewLayer(size.width(), size.height());
    QPainter painter(&layer);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(origin);
    painter.scale(scale, scale);
    piece.draw(painter, piece.box);
    return layer;
}

// The piece drawn so that what it really covers, plus a margin, is `longSide` pixels on its longer side.
QImage DrawPiece(const FlowerPiece& piece, int longSide) {
    // Banners run a little longer, so that their flowers are not too small beside the others.
    const double banner = piece.box.width() > 2.5 * piece.box.height() ? 1.2 : 1.0;
    const double boxLong = std::max(piece.box.width(), piece.box.height());
    // A quick draw at a small scale finds how far the piece really reaches.
    const double probeScale = 200.0 / boxLong;
    const QSize probeSize(static_cast<int>(piece.box.width() * probeScale * 2),
                          static_cast<int>(piece.box.height() * probeScale * 2));
    const QPointF probeOrigin(probeSize.width() / 4.0, probeSize.height() / 4.0);
    const QRectF reach =
        QRectF(CoverageBounds(DrawLoose(piece, probeScale, probeOrigin, probeSize))).adjusted(-1, -1, 1, 1);
    const QRectF covered((reach.left() - probeOrigin.x()) / probeScale,
                         (reach.top() - probeOrigin.y()) / probeScale, reach.width() / probeScale,
                         reach.height() / probeScale);
    const double scale = (longSide * banner - 2 * kMargin) / std::max(covered.width(), covered.height());
    const QSize size(static_cast<int>(std::ceil(covered.width() * scale)) + 2 * kMargin,
                     static_cast<int>(std::ceil(covered.height() * scale)) + 2 * kMargin);
    return DrawLoose(piece, scale, QPointF(kMargin, kMargin) - covered.topLeft() * scale, size);
}

} // namespace

void DrawFlowerCatalog(const ArtworkOutput& out) {
    const std::vector<FlowerPiece> pages[] = {PageOne(), PageTwo()};
    for (int page = 1; page <= 2; ++page) {
        for (int item = 1; item <= 20; ++item) {
            const int longSide = Divisor(page, item) == 4 ? kShrunkLength : kFullSizeLength;
            const QImage flower = DrawPiece(pages[page - 1][static_cast<size_t>(item - 1)], longSide);
            const QString folder = QStringLiteral("pic/flower/%1/").arg(page);
            out.WriteArtwork(folder + QStringLiteral("small/%1.ssl").arg(item), ThumbnailFromLayer(flower));
            out.WriteArtwork(folder + QStringLiteral("small/%1@2x.ssl").arg(item),
                             ThumbnailFromLayer(flower, 80, 5, kNeutralGround, 2));
            out.WriteArtwork(folder + QStringLiteral("big/%1.ssl").arg(item),
                             PictureFromLayer(flower, kBleed));
            out.WriteArtwork(folder + QStringLiteral("mask/%1.ssl").arg(item), MaskFromLayer(flower));
        }
    }
}
