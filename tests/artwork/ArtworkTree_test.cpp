// The tree the generator writes, checked as the program will read it: every start file, catalog file
// and compiled-in picture present, decodable and of the size its window relies on; skins that shape
// their windows without holes and stretch cleanly; button and glyph keys that are really transparent.
#include "core/ArtworkReader.h"
#include "core/PictureFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class ArtworkTree : public ::testing::Test {
  protected:
    static QString program() { return QStringLiteral(FESTOON_PROGRAM_FOLDER); }
    static QString resources() { return QStringLiteral(FESTOON_RESOURCE_FOLDER); }
    static QImage Resource(const QString& name) { return QImage(resources() + QLatin1Char('/') + name); }
    static QImage Artwork(const QString& relative) {
        return festoon::ReadArtworkFile(program() + QLatin1Char('/') + relative);
    }
};

// Key pixels may only run in from the left and right edges of each row: a key pixel between two
// non-key pixels would punch a hole in the window.
int HolesInsideOutline(const QImage& skin) {
    const QRgb key = skin.pixel(0, 0);
    int holes = 0;
    for (int y = 0; y < skin.height(); ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < skin.width(); ++x) {
            if (skin.pixel(x, y) != key) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        for (int x = first; first >= 0 && x <= last; ++x) {
            holes += skin.pixel(x, y) == key ? 1 : 0;
        }
    }
    return holes;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

int BitsPerPixelOfBmp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray header = file.read(30);
    return header.size() < 30
               ? -1
               : static_cast<unsigned char>(header[28]) | (static_cast<unsigned char>(header[29]) << 8);
}

// The share of 2 x 2 blocks whose pixels are not all alike: a picture enlarged from one of half the size
// has none, a picture drawn at its size has many along every edge and gradient.
double ShareOfDetailedBlocks(const QImage& picture) {
    int detailed = 0, blocks = 0;
    for (int y = 0; y + 1 < picture.height(); y += 2) {
        for (int x = 0; x + 1 < picture.width(); x += 2) {
            const QRgb corner = picture.pixel(x, y);
            ++blocks;
            detailed += picture.pixel(x + 1, y) != corner || picture.pixel(x, y + 1) != corner ||
                                picture.pixel(x + 1, y + 1) != corner
                            ? 1
                            : 0;
        }
    }
    return blocks == 0 ? 0 : static_cast<double>(detailed) / blocks;
}

double MeanLuminance(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += 0.3 * qRed(p) + 0.59 * qGreen(p) + 0.11 * qBlue(p);
        }
    }
    return sum / (area.width() * area.height());
}

TEST_F(ArtworkTree, EveryCatalogFileIsAnArtworkFileThatDecodes) {
    struct Catalog {
        const char* folder;
        std::vector<const char*> subfolders;
        int pages, items;
    };
    const Catalog catalogs[] = {{"pic/mask/%1/", {"small", "big"}, 2, 20},
                                {"pic/Frame/%1/", {"small", "big", "mask"}, 2, 20},
                                {"pic/cartoon/%1/", {"pic", "mask"}, 2, 20},
                                {"pic/flower/%1/", {"small", "big", "mask"}, 2, 20},
                                {"pic/text/", {"small", "big", "mask"}, 1, 8}};
    for (const Catalog& catalog : catalogs) {
        for (int page = 1; page <= catalog.pages; ++page) {
            for (const char* sub : catalog.subfolders) {
                for (int item = 1; item <= catalog.items; ++item) {
                    const QString relative = QString::fromLatin1(catalog.folder).arg(page) +
                                             QLatin1String(sub) + QStringLiteral("/%1.ssl").arg(item);
                    QFile file(program() + QLatin1Char('/') + relative);
                    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
                    const QByteArray start = file.read(2);
                    EXPECT_FALSE(start == QByteArray("\xFF\xD8", 2))
                        << relative.toStdString() << " is a plain JPEG";
                    EXPECT_FALSE(Artwork(relative).isNull()) << relative.toStdString();
                }
            }
        }
    }
}

TEST_F(ArtworkTree, MasksAndFramesHaveTheirSizes) {
    for (int page = 1; page <= 2; ++page) {
        for (int item = 1; item <= 20; ++item) {
            const QString mask = QStringLiteral("pic/mask/%1/%2/%3.ssl");
            EXPECT_EQ(Artwork(mask.arg(page).arg("small").arg(item)).size(), QSize(80, 80));
            const QImage bigMask = Artwork(mask.arg(page).arg("big").arg(item));
            EXPECT_GE(bigMask.width(), 320);
            const QString frame = QStringLiteral("pic/Frame/%1/%2/%3.ssl");
            EXPECT_EQ(Artwork(frame.arg(page).arg("small").arg(item)).size(), QSize(80, 80));
            const QImage picture = Artwork(frame.arg(page).arg("big").arg(item));
            EXPECT_GE(picture.width(), 800);
            EXPECT_GE(picture.height(), 600);
            EXPECT_EQ(Artwork(frame.arg(page).arg("mask").arg(item)).size(), picture.size())
                << "frame " << page << "/" << item;
        }
    }
}

TEST_F(ArtworkTree, FrameMasksOpenTheMiddleAndCoverTheEdge) {
    for (int page = 1; page <= 2; ++page) {
        for (int item = 1; item <= 20; ++item) {
            const QImage mask = Artwork(QStringLiteral("pic/Frame/%1/mask/%2.ssl").arg(page).arg(item));
            EXPECT_GT(qGray(mask.pixel(mask.width() / 2, mask.height() / 2)), 200) << page << "/" << item;
            EXPECT_LT(qGray(mask.pixel(2, 2)), 60) << page << "/" << item;
        }
    }
}

TEST_F(ArtworkTree, MainSkinShapesTheWindowAndStretchesCleanly) {
    const QImage skin =
        QImage(program() + QStringLiteral("/main/mainx.bmp")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(skin.size(), QSize(752, 550));
    EXPECT_EQ(BitsPerPixelOfBmp(program() + QStringLiteral("/main/mainx.bmp")), 24);
    const QRgb key = skin.pixel(0, 0);
    EXPECT_EQ(HolesInsideOutline(skin), 0);
    EXPECT_NE(skin.pixel(376, 275), key);
    // The repeated middle column and row must match their neighbours, or the stretch shows a seam.
    for (int y = 0; y < skin.height(); ++y) {
        EXPECT_LE(ChannelDistance(skin.pixel(375, y), skin.pixel(376, y)), 6) << "row " << y;
        EXPECT_LE(ChannelDistance(skin.pixel(377, y), skin.pixel(376, y)), 6) << "row " << y;
    }
    for (int x = 0; x < skin.width(); ++x) {
        EXPECT_LE(ChannelDistance(skin.pixel(x, 274), skin.pixel(x, 275)), 6) << "column " << x;
        EXPECT_LE(ChannelDistance(skin.pixel(x, 276), skin.pixel(x, 275)), 6) << "column " << x;
    }
}

TEST_F(ArtworkTree, StartPicturesDecodeAndTheDefaultMaskIsSoftEdged) {
    const QImage backdrop = festoon::LoadPictureFile(program() + QStringLiteral("/main/mainb.jpg"));
    EXPECT_GE(backdrop.width(), 1024);
    EXPECT_GE(backdrop.height(), 700);
    const QImage mask = festoon::LoadPictureFile(program() + QStringLiteral("/main/Defaultmask.jpg"));
    ASSERT_FALSE(mask.isNull());
    EXPECT_GE(qGray(mask.pixel(mask.width() / 2, mask.height() / 2)), 250);
    EXPECT_LE(qGray(mask.pixel(0, 0)), 8);
    EXPECT_LE(qGray(mask.pixel(mask.width() - 1, mask.height() - 1)), 8);
}

TEST_F(ArtworkTree, ColumnButtonsAreTransparentInTheSkinsColour) {
    const QImage skin = QImage(program() + QStringLiteral("/main/mainx.bmp"));
    const char* names[] = {"New",     "Save", "Photo", "Backdrop", "Mask", "Flower",
                           "Cartoon", "Text", "Frame", "DelFrame", "Help"};
    for (const char* name : names) {
        for (const char* state : {"rest", "hover", "down"}) {
            const QString file =
                QStringLiteral("buttons/%1_%2.bmp").arg(QLatin1String(name), QLatin1String(state));
            const QImage face = Resource(file);
            ASSERT_EQ(face.size(), QSize(80, 33)) << file.toStdString();
            EXPECT_EQ(BitsPerPixelOfBmp(resources() + QLatin1Char('/') + file), 24);
            const QRgb key = face.pixel(0, face.height() - 1);
            // The key must match the skin behind the column, and never appear inside the pill.
            EXPECT_LE(ChannelDistance(key, skin.pixel(28, 128)), 3) << file.toStdString();
            EXPECT_LE(ChannelDistance(key, skin.pixel(66, 300)), 3) << file.toStdString();
            for (int x = 10; x < 70; ++x) {
                EXPECT_NE(face.pixel(x, face.height() / 2), key) << file.toStdString() << " x " << x;
            }
        }
    }
}

TEST_F(ArtworkTree, GlyphsKeepTheirMarkInsideASmallButton) {
    for (const char* name : {"glyphs/bar.bmp", "glyphs/cross.bmp"}) {
        const QImage glyph = Resource(QLatin1String(name));
        ASSERT_EQ(glyph.size(), QSize(16, 16));
        const QRgb key = glyph.pixel(0, 15);
        int marked = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (glyph.pixel(x, y) == key) {
                    continue;
                }
                ++marked;
                EXPECT_TRUE(x >= 2 && x <= 13 && y >= 2 && y <= 13) << name << " at " << x << "," << y;
            }
        }
        EXPECT_GT(marked, 10) << name;
    }
}

TEST_F(ArtworkTree, PaletteSkinsAreWhiteKeyedAndDarkWhereLabelsGo) {
    const QImage grid = Resource(QStringLiteral("skins/palette.bmp")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(grid.size(), QSize(470, 444));
    EXPECT_EQ(grid.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(HolesInsideOutline(grid), 0);
    const QImage text = Resource(QStringLiteral("skins/text.bmp")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(text.size(), QSize(470, 369));
    EXPECT_EQ(text.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(HolesInsideOutline(text), 0);
    // Lime lettering needs a dark ground.
    EXPECT_LT(MeanLuminance(text, QRect(24, 40, 328, 20)), 70);
    EXPECT_LT(MeanLuminance(text, QRect(24, 264, 242, 20)), 70);
    const QImage icon = Resource(QStringLiteral("icon/festoon.png"));
    EXPECT_EQ(icon.size(), QSize(256, 256));
    EXPECT_TRUE(icon.hasAlphaChannel());
}

// Screens of two device pixels to a logical one are given every skin, face, glyph and thumbnail drawn
// again at twice the pixels: the same picture, keyed in the same places, with finer detail.
TEST_F(ArtworkTree, EveryPictureOfTheWindowsIsDrawnAgainForRatioTwo) {
    QStringList pictures = {program() + QStringLiteral("/main/mainx.bmp")};
    for (const QString& folder :
         {QStringLiteral("/buttons/"), QStringLiteral("/glyphs/"), QStringLiteral("/skins/")}) {
        for (const QString& name : QDir(resources() + folder).entryList({QStringLiteral("*.bmp")})) {
            if (!name.contains(QLatin1Char('@'))) {
                pictures.append(resources() + folder + name);
            }
        }
    }
    ASSERT_GE(pictures.size(), 1 + 16 * 3 + 2 + 2 + 2);
    for (const QString& path : pictures) {
        const QString sharpPath = QString(path).replace(QStringLiteral(".bmp"), QStringLiteral("@2x.bmp"));
        const QImage plain = QImage(path).convertToFormat(QImage::Format_RGB32);
        const QImage sharp = QImage(sharpPath).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(sharp.size(), plain.size() * 2) << sharpPath.toStdString();
        EXPECT_EQ(BitsPerPixelOfBmp(sharpPath), 24) << sharpPath.toStdString();
        // The bar glyph is straight edges on the pixel grid alone, the same at both ratios.
        if (!path.endsWith(QStringLiteral("bar.bmp"))) {
            EXPECT_GT(ShareOfDetailedBlocks(sharp), 0.02) << sharpPath.toStdString() << " looks enlarged";
        }
        // Skins are keyed by their top-left colour, faces and glyphs by their bottom-left one; a window
        // is shaped in logical pixels, so both pictures must be keyed in the same places.
        const bool skin = path.startsWith(program() + QStringLiteral("/main/")) ||
                          path.startsWith(resources() + QStringLiteral("/skins/"));
        const QRgb key = skin ? plain.pixel(0, 0) : plain.pixel(0, plain.height() - 1);
        EXPECT_EQ(skin ? sharp.pixel(0, 0) : sharp.pixel(0, sharp.height() - 1), key)
            << sharpPath.toStdString();
        if (!skin) {
            continue;
        }
        int mismatched = 0;
        for (int y = 0; y < sharp.height(); ++y) {
            for (int x = 0; x < sharp.width(); ++x) {
                mismatched += (sharp.pixel(x, y) == key) != (plain.pixel(x / 2, y / 2) == key) ? 1 : 0;
            }
        }
        EXPECT_EQ(mismatched, 0) << sharpPath.toStdString();
    }
}

TEST_F(ArtworkTree, EveryThumbnailIsDrawnAgainForRatioTwo) {
    const QStringList folders = {"pic/mask/%1/small/", "pic/Frame/%1/small/", "pic/cartoon/%1/pic/",
                                 "pic/flower/%1/small/"};
    QStringList thumbnails;
    for (const QString& folder : folders) {
        for (int page = 1; page <= 2; ++page) {
            for (int item = 1; item <= 20; ++item) {
                thumbnails.append(folder.arg(page) + QString::number(item));
            }
        }
    }
    for (int item = 1; item <= 8; ++item) {
        thumbnails.append(QStringLiteral("pic/text/small/%1").arg(item));
    }
    for (const QString& thumbnail : thumbnails) {
        const QImage sharp = Artwork(thumbnail + QStringLiteral("@2x.ssl"));
        EXPECT_EQ(sharp.size(), QSize(160, 160)) << thumbnail.toStdString();
        EXPECT_GT(ShareOfDetailedBlocks(sharp), 0.02) << thumbnail.toStdString() << " looks enlarged";
    }
}

} // namespace
