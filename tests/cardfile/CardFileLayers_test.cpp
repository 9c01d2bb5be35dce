// What painting programs see in a card file: an OpenRaster archive whose layers, composited over the
// backdrop, give the finished card; each object at its place with alpha from its mask.
#include "core/Bitmap.h"
#include "core/CardFile.h"
#include "core/CardRendering.h"
#include "core/CardStack.h"
#include "core/MaskBlend.h"
#include "core/ObjectAlpha.h"
#include "core/ZipReader.h"
#include "tests/cardfile/CardFileTestSupport.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using festoon::Composition;
using festoon::ZipReader;

QImage Entry(const ZipReader& zip, const QString& name) {
    return QImage::fromData(zip.Read(name, 1 << 28), "PNG");
}

// Plain "over" compositing of every visible layer, bottom first, in floating point.
QImage Composite(const ZipReader& zip, const festoon::CardStack& stack) {
    QImage out(stack.size, QImage::Format_RGB32);
    out.fill(Qt::black);
    for (qsizetype i = stack.layers.size() - 1; i >= 0; --i) {
        const festoon::StackLayer& layer = stack.layers[i];
        const QImage picture = Entry(zip, layer.src).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QPoint at = layer.position + QPoint(x, y);
                if (!out.rect().contains(at)) {
                    continue;
                }
                const QRgb over = picture.pixel(x, y), under = out.pixel(at);
                const double a = qAlpha(over) / 255.0;
                const auto mix = [a](int o, int u) {
                    return static_cast<int>(std::lround(a * o + (1 - a) * u));
                };
                out.setPixel(at, qRgb(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)),
                                      mix(qBlue(over), qBlue(under))));
            }
        }
    }
    return out;
}

TEST(CardFileLayersTest, TheMimetypeComesFirstUncompressedWhereFileTypeDetectionLooksForIt) {
    const QByteArray file = festoon::EncodeCardFile(festoon::test::RichCard());
    EXPECT_EQ(file.mid(30, 24), QByteArrayLiteral("mimetypeimage/openraster"));
    const ZipReader zip = ZipReader::FromBytes(file);
    for (const char* name :
         {"stack.xml", "mergedimage.png", "Thumbnails/thumbnail.png", "data/backdrop.png"}) {
        EXPECT_TRUE(zip.Contains(QLatin1String(name))) << name;
    }
    const QImage thumbnail = Entry(zip, QStringLiteral("Thumbnails/thumbnail.png"));
    EXPECT_EQ(thumbnail.size(), QSize(256, 192));
}

TEST(CardFileLayersTest, EachObjectIsALayerAtItsPlaceWithTheAlphaOfItsMaskBlendedTwice) {
    const Composition card = festoon::test::RichCard();
    const ZipReader zip = ZipReader::FromBytes(festoon::EncodeCardFile(card));
    const festoon::CardStack stack = festoon::ParseCardStack(zip.Read(QStringLiteral("stack.xml"), 1 << 20));
    ASSERT_EQ(stack.layers.size(), card.Layers().size() + 1);
    EXPECT_EQ(stack.layers.last().src, QStringLiteral("data/backdrop.png"));
    EXPECT_EQ(Entry(zip, stack.layers.last().src).convertToFormat(festoon::kBitmapFormat), card.Backdrop());
    for (qsizetype i = 0; i < card.Layers().size(); ++i) {
        const festoon::Layer& object = card.Layers()[card.Layers().size() - 1 - i];
        const festoon::StackLayer& layer = stack.layers[i];
        SCOPED_TRACE(object.name.toStdString());
        const QRect shown = object.bounds.intersected(QRect(QPoint(0, 0), card.CanvasSize()));
        const QImage picture = Entry(zip, layer.src).convertToFormat(QImage::Format_ARGB32);
        if (shown.isEmpty()) {
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
            continue;
        }
        EXPECT_EQ(QRect(layer.position, picture.size()), shown);
        const QImage colours =
            festoon::StretchBitmap(object.picture, object.bounds.width(), object.bounds.height());
        const QImage mask =
            festoon::StretchBitmap(object.mask, object.bounds.width(), object.bounds.height());
        const QPoint inside = shown.topLeft() - object.bounds.topLeft();
        for (const QPoint p : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() / 2)}) {
            const QRgb m = mask.pixel(inside + p);
            EXPECT_EQ(qAlpha(picture.pixel(p)),
                      festoon::TwoBlendAlpha(festoon::MaskLuminance(qRed(m), qGreen(m), qBlue(m))));
            EXPECT_EQ(picture.pixel(p) & 0xFFFFFF, colours.pixel(inside + p) & 0xFFFFFF);
        }
    }
}

TEST(CardFileLayersTest, TheLayersCompositedGiveTheFinishedCardAsTheMergedPictureHoldsIt) {
    const Composition card = festoon::test::RichCard();
    const ZipReader zip = ZipReader::FromBytes(festoon::EncodeCardFile(card));
    const QImage finished = festoon::CardPicture(card);
    EXPECT_EQ(Entry(zip, QStringLiteral("mergedimage.png")).convertToFormat(festoon::kBitmapFormat),
              finished);
    const QImage composite =
        Composite(zip, festoon::ParseCardStack(zip.Read(QStringLiteral("stack.xml"), 1 << 20)))
            .convertToFormat(festoon::kBitmapFormat);
    // The program rounds down after each of its two blends, compositing rounds once: the noise masks of
    // this card make that a difference of about one level on average.
    double total = 0;
    int largest = 0;
    for (int y = 0; y < finished.height(); ++y) {
        for (int x = 0; x < finished.width() * 3; ++x) {
            const int difference = std::abs(finished.constScanLine(y)[x] - composite.constScanLine(y)[x]);
            total += difference;
            largest = std::max(largest, difference);
        }
    }
    EXPECT_LE(largest, 6);
    EXPECT_LT(total / (finished.width() * finished.height() * 3), 1.5);
}

TEST(ObjectAlphaTest, TheAlphaIsWhatTwoBlendsShowAndAMaskChosenForAnAlphaShowsIt) {
    // White blended twice over black through every mask value: what shows is the alpha.
    QImage layer = festoon::SolidBitmap(256, 1, 0xFFFFFFFF);
    QImage mask = festoon::MakeBitmap(256, 1);
    for (int m = 0; m < 256; ++m) {
        mask.setPixel(m, 0, qRgb(m, m, m));
    }
    festoon::MaskBlend(layer, festoon::MakeBitmap(256, 1), mask, 2);
    for (int m = 0; m < 256; ++m) {
        EXPECT_LE(std::abs(qRed(layer.pixel(m, 0)) - festoon::TwoBlendAlpha(static_cast<std::uint8_t>(m))), 1)
            << m;
    }
    for (int alpha = 0; alpha < 256; ++alpha) {
        const int shown = festoon::TwoBlendAlpha(festoon::MaskForAlpha(static_cast<std::uint8_t>(alpha)));
        EXPECT_LE(std::abs(shown - alpha), 1) << alpha;
    }
}

} // namespace
