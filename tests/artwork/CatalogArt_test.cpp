// The cartoon, flower and balloon catalogs as the generator writes them: every file present and
// readable, sizes fit for how each palette places them, masks that cover the piece, and pictures whose
// edges carry the piece's own colour instead of the ground's.
#include "artwork/ArtPiece.h"
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"
#include "core/ArtworkReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CatalogArt : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<QTemporaryDir>();
        const ArtworkOutput out(folder_->path(), folder_->path() + QStringLiteral("/resources"));
        DrawCartoonCatalog(out);
        DrawFlowerCatalog(out);
        DrawBalloonCatalog(out);
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static QImage Read(const QString& relative) {
        return festoon::ReadArtworkFile(folder_->path() + QLatin1Char('/') + relative);
    }

    static inline std::unique_ptr<QTemporaryDir> folder_;
};

int LongSide(const QImage& image) {
    return std::max(image.width(), image.height());
}

// Of the pixels where the mask is a mid grey (the anti-aliased edge), the share whose picture colour is
// dark, as the sticker and balloon outlines are.
double DarkShareAtEdges(const QImage& picture, const QImage& mask) {
    int edge = 0, dark = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const int coverage = qGreen(mask.pixel(x, y));
            if (coverage < 64 || coverage > 192) {
                continue;
            }
            ++edge;
            const QRgb colour = picture.pixel(x, y);
            dark += qRed(colour) + qGreen(colour) + qBlue(colour) < 3 * 130 ? 1 : 0;
        }
    }
    return edge == 0 ? 0.0 : static_cast<double>(dark) / edge;
}

int DistanceFromGround(const QRgb colour) {
    return std::abs(qRed(colour) - kNeutralGround.red()) + std::abs(qGreen(colour) - kNeutralGround.green()) +
           std::abs(qBlue(colour) - kNeutralGround.blue());
}

bool NearGround(const QRgb colour) {
    return std::abs(qRed(colour) - kNeutralGround.red()) <= 8 &&
           std::abs(qGreen(colour) - kNeutralGround.green()) <= 8 &&
           std::abs(qBlue(colour) - kNeutralGround.blue()) <= 8;
}

// The piece lies wholly inside its picture (nothing cut off at a border) and covers a fair part of it.
void ExpectCoversMiddleNotBorder(const QImage& mask, const QString& name) {
    int border = 0;
    for (int x = 0; x < mask.width(); ++x) {
        border = std::max({border, qGreen(mask.pixel(x, 0)), qGreen(mask.pixel(x, mask.height() - 1))});
    }
    for (int y = 0; y < mask.height(); ++y) {
        border = std::max({border, qGreen(mask.pixel(0, y)), qGreen(mask.pixel(mask.width() - 1, y))});
    }
    EXPECT_LT(border, 16) << qPrintable(name) << " touches its border";
    int opaque = 0;
    for (int y = 0; y < mask.height(); y += 2) {
        for (int x = 0; x < mask.width(); x += 2) {
            opaque += qGreen(mask.pixel(x, y)) > 245 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque * 4, mask.width() * mask.height() / 20) << qPrintable(name) << " is mostly transparent";
}

// The thumbnail's piece (whatever differs from the ground) is centred and large enough to read.
void ExpectCentredOnGround(const QImage& thumbnail, const QString& name) {
    QRect piece;
    for (int y = 0; y < thumbnail.height(); ++y) {
        for (int x = 0; x < thumbnail.width(); ++x) {
            if (DistanceFromGround(thumbnail.pixel(x, y)) > 60) { // well above the JPEG's ringing
                piece |= QRect(x, y, 1, 1);
            }
        }
    }
    ASSERT_FALSE(piece.isEmpty()) << qPrintable(name);
    EXPECT_GE(std::max(piece.width(), piece.height()), 64) << qPrintable(name);
    EXPECT_NEAR(piece.left(), thumbnail.width() - 1 - piece.right(), 3) << qPrintable(name);
    EXPECT_NEAR(piece.top(), thumbnail.height() - 1 - piece.bottom(), 3) << qPrintable(name);
}

} // namespace

TEST_F(CatalogArt, CartoonsAreSquareishStickersThatReadAsTheirOwnThumbnails) {
    for (int page = 1; page <= 2; ++page) {
        for (int item = 1; item <= 20; ++item) {
            const QString name = QStringLiteral("pic/cartoon/%1/%3/%2.ssl").arg(page).arg(item);
            const QImage picture = Read(name.arg(QStringLiteral("pic")));
            const QImage mask = Read(name.arg(QStringLiteral("mask")));
            ASSERT_EQ(picture.size(), mask.size()) << qPrintable(name.arg(QStringLiteral("*")));
            EXPECT_GE(picture.width(), 160);
            EXPECT_LE(LongSide(picture), 260);
            EXPECT_LE(std::abs(picture.width() - picture.height()) * 4, picture.width()) << "not square";
            ExpectCoversMiddleNotBorder(mask, name.arg(QStringLiteral("mask")));
            EXPECT_TRUE(NearGround(picture.pixel(1, 1)))
                << qPrintable(name.arg(QStringLiteral("*"))) << ": thumbnail ground";
            EXPECT_GT(DarkShareAtEdges(picture, mask), 0.8)
                << qPrintable(name.arg(QStringLiteral("*"))) << " halos at its edge";
        }
    }
}

TEST_F(CatalogArt, FlowersAreDrawnForTheSizeTheyArePlacedAt) {
    for (int page = 1; page <= 2; ++page) {
        for (int item = 1; item <= 20; ++item) {
            const bool shrunkByFour = item <= 6 || item == 8 || (item >= 12 && page == 1);
            const QString name = QStringLiteral("pic/flower/%1/%3/%2.ssl").arg(page).arg(item);
            const QImage thumbnail = Read(name.arg(QStringLiteral("small")));
            const QImage picture = Read(name.arg(QStringLiteral("big")));
            const QImage mask = Read(name.arg(QStringLiteral("mask")));
            EXPECT_EQ(thumbnail.size(), QSize(80, 80)) << qPrintable(name.arg(QStringLiteral("*")));
            ExpectCentredOnGround(thumbnail, name.arg(QStringLiteral("small")));
            ASSERT_EQ(picture.size(), mask.size()) << qPrintable(name.arg(QStringLiteral("*")));
            if (shrunkByFour) {
                EXPECT_GE(LongSide(picture), 800) << qPrintable(name.arg(QStringLiteral("*")));
                EXPECT_LE(LongSide(picture), 1250) << qPrintable(name.arg(QStringLiteral("*")));
            } else {
                EXPECT_GE(LongSide(picture), 250) << qPrintable(name.arg(QStringLiteral("*")));
                EXPECT_LE(LongSide(picture), 450) << qPrintable(name.arg(QStringLiteral("*")));
            }
            ExpectCoversMiddleNotBorder(mask, name.arg(QStringLiteral("mask")));
        }
    }
}

TEST_F(CatalogArt, BalloonsAreWhiteInsideWithADarkOutline) {
    for (int item = 1; item <= 8; ++item) {
        const QString name = QStringLiteral("pic/text/%2/%1.ssl").arg(item);
        const QImage thumbnail = Read(name.arg(QStringLiteral("small")));
        const QImage picture = Read(name.arg(QStringLiteral("big")));
        const QImage mask = Read(name.arg(QStringLiteral("mask")));
        EXPECT_EQ(thumbnail.size(), QSize(80, 80));
        ExpectCentredOnGround(thumbnail, name.arg(QStringLiteral("small")));
        ASSERT_EQ(picture.size(), mask.size());
        EXPECT_GE(picture.width(), 400);
        EXPECT_LE(picture.width(), 600);
        ExpectCoversMiddleNotBorder(mask, name.arg(QStringLiteral("mask")));
        const QRgb middle = picture.pixel(picture.width() / 2, picture.height() / 2);
        EXPECT_GT(qRed(middle) + qGreen(middle) + qBlue(middle), 3 * 240)
            << qPrintable(name.arg(QStringLiteral("*")));
        EXPECT_EQ(qGreen(mask.pixel(mask.width() / 2, mask.height() / 2)), 255)
            << qPrintable(name.arg(QStringLiteral("*")));
        if (item != 5) { // the whisper's outline is dashed, white between the dashes
            EXPECT_GT(DarkShareAtEdges(picture, mask), 0.8)
                << qPrintable(name.arg(QStringLiteral("*"))) << " halos at its edge";
        }
    }
}

TEST(CatalogArtDrawing, SameFilesOnEveryRun) {
    // The build runs the generator again and again; its output must not change between runs.
    QTemporaryDir first, second;
    DrawBalloonCatalog(ArtworkOutput(first.path(), first.path()));
    DrawBalloonCatalog(ArtworkOutput(second.path(), second.path()));
    DrawCartoonCatalog(ArtworkOutput(first.path(), first.path()));
    DrawCartoonCatalog(ArtworkOutput(second.path(), second.path()));
    for (const QString& relative :
         {QStringLiteral("pic/text/big/3.ssl"), QStringLiteral("pic/text/mask/7.ssl"),
          QStringLiteral("pic/cartoon/1/pic/13.ssl"), QStringLiteral("pic/cartoon/2/mask/20.ssl")}) {
        QFile a(first.path() + QLatin1Char('/') + relative);
        QFile b(second.path() + QLatin1Char('/') + relative);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << qPrintable(relative);
        EXPECT_EQ(a.readAll(), b.readAll()) << qPrintable(relative);
    }
}
