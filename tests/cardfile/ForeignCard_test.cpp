// OpenRaster files from painting programs, without the program's own data: visible layers become objects
// whose masks show them as their alpha does, an opaque bottom layer covering the picture the backdrop.
#include "core/Bitmap.h"
#include "core/CardFile.h"
#include "core/CardRendering.h"
#include "core/ObjectAlpha.h"
#include "core/ZipReader.h"
#include "tests/cardfile/CardFileTestSupport.h"
#include "tests/core/CodecTestPictures.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using festoon::Composition;
using festoon::test::ForeignCard;
using festoon::test::Png;

// A picture with alpha: colours from seeded noise, alpha running 0 to 255 along each row.
QImage WithAlpha(int w, int h, unsigned seed) {
    QImage picture = NoisePicture(w, h, seed).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            picture.setPixel(x, y,
                             (picture.pixel(x, y) & 0xFFFFFF) | (static_cast<QRgb>(x * 255 / (w - 1)) << 24));
        }
    }
    return picture;
}

// The colours of a picture with alpha, alpha left out.
QImage Colours(const QImage& withAlpha) {
    QImage colours = festoon::MakeBitmap(withAlpha.width(), withAlpha.height());
    for (int y = 0; y < colours.height(); ++y) {
        for (int x = 0; x < colours.width(); ++x) {
            colours.setPixel(x, y, withAlpha.pixel(x, y) | 0xFF000000);
        }
    }
    return colours;
}

QString Layer(const QString& src, int x, int y, const QString& more = QString()) {
    return QStringLiteral("<layer src=\"%1\" x=\"%2\" y=\"%3\" %4/>").arg(src).arg(x).arg(y).arg(more);
}

TEST(ForeignCardTest, VisibleLayersBecomeObjectsOverTheOpaqueBottomLayer) {
    const QImage ground = NoisePicture(120, 90, 1); // larger than the picture, placed across it
    const QImage star = WithAlpha(30, 20, 2);
    const QImage leaf = WithAlpha(16, 16, 3);
    const QString layers =
        Layer(QStringLiteral("data/a.png"), 5, 6) +
        Layer(QStringLiteral("data/b.png"), 0, 0, QStringLiteral("visibility=\"hidden\"")) +
        QStringLiteral("<stack x=\"10\" y=\"20\">%1</stack>")
            .arg(Layer(QStringLiteral("data/c.png"), 1, 2, QStringLiteral("opacity=\"0.5\""))) +
        Layer(QStringLiteral("data/ground.png"), -10, -5);
    const Composition card =
        festoon::DecodeCardFile(ForeignCard(100, 80, layers,
                                            {{QStringLiteral("data/a.png"), Png(star)},
                                             {QStringLiteral("data/b.png"), Png(star)},
                                             {QStringLiteral("data/c.png"), Png(leaf)},
                                             {QStringLiteral("data/ground.png"), Png(ground)}}));
    EXPECT_EQ(card.CanvasSize(), QSize(100, 80));
    EXPECT_EQ(card.Backdrop(), ground.copy(10, 5, 100, 80));
    ASSERT_EQ(card.Layers().size(), 2);
    const festoon::Layer& bottom = card.Layers()[0];
    const festoon::Layer& top = card.Layers()[1];
    EXPECT_EQ(bottom.bounds, QRect(11, 22, 16, 16));
    EXPECT_EQ(top.bounds, QRect(5, 6, 30, 20));
    EXPECT_EQ(top.picture, Colours(star));
    for (int x : {0, 7, 15}) {
        const int alpha = qAlpha(leaf.pixel(x, 3));
        EXPECT_EQ(qRed(bottom.mask.pixel(x, 3)),
                  festoon::MaskForAlpha(static_cast<std::uint8_t>((alpha + 1) / 2)));
        EXPECT_EQ(qGreen(top.mask.pixel(x, 3)),
                  festoon::MaskForAlpha(static_cast<std::uint8_t>(qAlpha(star.pixel(x, 3)))));
    }
    EXPECT_EQ(top.name, QStringLiteral("d2"));
    EXPECT_EQ(card.SelectedSlot(), 2);
    EXPECT_FALSE(card.SelectionMarked());
}

TEST(ForeignCardTest, ABottomLayerThatLeavesPartOfThePictureBareIsAnObjectOnWhite) {
    QImage ground = NoisePicture(100, 80, 4).convertToFormat(QImage::Format_ARGB32);
    ground.setPixel(50, 40, qRgba(1, 2, 3, 254));
    for (const auto& [what, layers, picture] :
         {std::tuple{"smaller", Layer(QStringLiteral("g.png"), 1, 0), NoisePicture(100, 80, 4)},
          std::tuple{"see-through", Layer(QStringLiteral("g.png"), 0, 0), ground},
          std::tuple{"half opaque", Layer(QStringLiteral("g.png"), 0, 0, QStringLiteral("opacity=\"0.99\"")),
                     NoisePicture(100, 80, 4)}}) {
        SCOPED_TRACE(what);
        const Composition card =
            festoon::DecodeCardFile(ForeignCard(100, 80, layers, {{QStringLiteral("g.png"), Png(picture)}}));
        EXPECT_EQ(card.Backdrop(), festoon::SolidBitmap(100, 80, 0xFFFFFFFF));
        EXPECT_EQ(card.Layers().size(), 1);
    }
}

TEST(ForeignCardTest, ACardWhoseOwnDataAnotherProgramDroppedStillLooksTheSame) {
    const Composition card = festoon::test::RichCard();
    const QByteArray file = festoon::EncodeCardFile(card);
    festoon::test::Entries entries;
    for (const auto& [name, content] : festoon::test::EntriesOf(file)) {
        if (name == QStringLiteral("stack.xml")) {
            const QString stripped = QString::fromUtf8(content).remove(
                QRegularExpression(QStringLiteral(" festoon:[a-z-]+=\"[^\"]*\"")));
            entries.append({name, stripped.toUtf8()});
        } else if (!name.startsWith(QStringLiteral("festoon/"))) {
            entries.append({name, content});
        }
    }
    const Composition foreign = festoon::DecodeCardFile(festoon::test::Archive(entries));
    EXPECT_EQ(foreign.Layers().size(), card.Layers().size());
    EXPECT_LE(LargestChannelDifference(festoon::CardPicture(foreign), festoon::CardPicture(card)), 4);
}

} // namespace
