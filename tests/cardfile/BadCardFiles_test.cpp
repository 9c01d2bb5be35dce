// Card files that cannot be opened: each is refused with a message naming what is wrong, and reading
// stops at the limits whatever the archive declares.
#include "core/CardFile.h"
#include "core/PlatformError.h"
#include "core/ZipReader.h"
#include "tests/cardfile/CardFileTestSupport.h"
#include "tests/core/CodecTestPictures.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <zlib.h>

namespace {

using festoon::Composition;
using festoon::PlatformError;
using festoon::test::Archive;
using festoon::test::ForeignCard;
using festoon::test::Png;
using festoon::test::Replaced;
using testing::HasSubstr;

QByteArray GoodCard() {
    Composition card(QSize(40, 30), NoisePicture(8, 6, 1));
    card.PlaceObject(QRect(2, 3, 20, 10), NoisePicture(10, 5, 2), NoisePicture(4, 4, 3));
    return festoon::EncodeCardFile(card);
}

QString Layers(int count, const QString& src = QStringLiteral("a.png")) {
    QString layers;
    for (int i = 0; i < count; ++i) {
        layers += QStringLiteral("<layer src=\"%1\" x=\"0\" y=\"0\"/>").arg(src);
    }
    return layers;
}

// Object layers of the program's own, all in slot 1.
QString OwnObjects(int count) {
    QString layers;
    for (int i = 0; i < count; ++i) {
        layers += QStringLiteral(
            "<layer src=\"data/object-1.png\" festoon:slot=\"1\" festoon:x=\"0\" festoon:y=\"0\" "
            "festoon:width=\"1\" festoon:height=\"1\" festoon:picture=\"\" festoon:mask=\"\" "
            "festoon:blend-passes=\"2\"/>");
    }
    return layers;
}

QByteArray WithStack(const QByteArray& card, const std::function<void(QString&)>& edit) {
    const festoon::ZipReader zip = festoon::ZipReader::FromBytes(card);
    QString stack = QString::fromUtf8(zip.Read(QStringLiteral("stack.xml"), 1 << 20));
    edit(stack);
    return Replaced(card, QStringLiteral("stack.xml"), stack.toUtf8());
}

// A PNG whose header claims w x h pixels.
QByteArray PngClaiming(quint32 w, quint32 h) {
    QByteArray png = Png(NoisePicture(1, 1, 4));
    qToBigEndian(w, png.data() + 16);
    qToBigEndian(h, png.data() + 20);
    const auto crc = static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(png.constData() + 12), 17));
    qToBigEndian(crc, png.data() + 29);
    return png;
}

// The archive with the uncompressed size of the named entry declared as `size`, in both of its headers.
QByteArray DeclaringSize(QByteArray archive, const QByteArray& name, quint32 size) {
    const struct {
        const char* signature;
        int sizeAt, nameLengthAt, nameAt;
    } headers[] = {{"PK\x03\x04", 22, 26, 30}, {"PK\x01\x02", 24, 28, 46}};
    for (const auto& header : headers) {
        for (qsizetype at = archive.indexOf(header.signature); at >= 0;
             at = archive.indexOf(header.signature, at + 4)) {
            const int length = qFromLittleEndian<quint16>(archive.constData() + at + header.nameLengthAt);
            if (archive.mid(at + header.nameAt, length) == name) {
                qToLittleEndian(size, archive.data() + at + header.sizeAt);
            }
        }
    }
    return archive;
}

void ExpectRefused(const QByteArray& file, const char* reason) {
    try {
        (void)festoon::DecodeCardFile(file);
        ADD_FAILURE() << "opened a card that should be refused for: " << reason;
    } catch (const PlatformError& error) {
        EXPECT_THAT(error.message().toStdString(), testing::StartsWith("Cannot open the card: "));
        EXPECT_THAT(error.message().toStdString(), HasSubstr(reason));
    }
}

TEST(BadCardFilesTest, EachKindOfBadFileIsRefusedWithAMessageThatNamesIt) {
    const QByteArray good = GoodCard();
    const QByteArray somePng = Png(NoisePicture(4, 4, 5));
    const QByteArray pngBomb = DeclaringSize(
        ForeignCard(4, 4, Layers(1), {{QStringLiteral("a.png"), somePng}}), "a.png", 0xFFFFFF00);
    const struct {
        const char* what;
        QByteArray file;
        const char* reason;
    } cases[] = {
        {"random bytes", RandomBytes(3000, 6), "not a ZIP archive"},
        {"no bytes", QByteArray(), "not a ZIP archive"},
        {"cut in half", good.left(good.size() / 2), "incomplete or damaged"},
        {"no stack", Replaced(good, QStringLiteral("stack.xml"), QByteArray()), "stack.xml is missing"},
        {"another kind of archive", Replaced(good, QStringLiteral("mimetype"), "application/x-krita"),
         "its type is application/x-krita"},
        {"broken stack", Replaced(good, QStringLiteral("stack.xml"), "<image w='4' h='4'><stack>"),
         "not valid XML"},
        {"a layer that is a GIF", ForeignCard(4, 4, Layers(1), {{QStringLiteral("a.png"), "GIF89a\x01\x00"}}),
         "a.png is not a PNG picture"},
        {"the card's own picture not a PNG", Replaced(good, QStringLiteral("festoon/picture-1.png"), "junk"),
         "festoon/picture-1.png is not a PNG picture"},
        {"a cut PNG", ForeignCard(4, 4, Layers(1), {{QStringLiteral("a.png"), somePng.left(60)}}),
         "damaged PNG"},
        {"a layer missing", ForeignCard(4, 4, Layers(1), {}), "a.png is missing"},
        {"an absurd canvas", ForeignCard(100000, 4, Layers(1), {{QStringLiteral("a.png"), somePng}}),
         "far too large"},
        {"an absurd picture",
         ForeignCard(4, 4, Layers(1), {{QStringLiteral("a.png"), PngClaiming(20000, 20000)}}),
         "far too large a picture (20000 x 20000"},
        {"a declared ZIP bomb", pngBomb, "far more data than any picture"},
        {"a name leaving the folder", Archive({{QStringLiteral("../../evil.png"), somePng}}),
         "points outside the card"},
        {"a layer outside the folder", ForeignCard(4, 4, Layers(1, QStringLiteral("../a.png")), {}),
         "points outside the card"},
        {"an absolute layer", ForeignCard(4, 4, Layers(1, QStringLiteral("/etc/passwd")), {}),
         "points outside the card"},
        {"52 layers", ForeignCard(4, 4, Layers(52), {{QStringLiteral("a.png"), somePng}}),
         "at most 50 objects"},
        {"51 objects of the card's own",
         WithStack(good,
                   [](QString& stack) {
                       stack.replace(QStringLiteral("<stack>"), QStringLiteral("<stack>") + OwnObjects(51));
                   }),
         "at most 50 objects"},
        {"a slot out of range",
         WithStack(good,
                   [](QString& stack) {
                       stack.replace(QStringLiteral("festoon:slot=\"1\""),
                                     QStringLiteral("festoon:slot=\"51\""));
                   }),
         "Festoon data is damaged"},
        {"an object turned beyond a whole turn",
         WithStack(good,
                   [](QString& stack) {
                       stack.replace(QStringLiteral("festoon:slot=\"1\""),
                                     QStringLiteral("festoon:slot=\"1\" festoon:angle=\"360\""));
                   }),
         "angle is out of range"},
        {"a later version",
         WithStack(good,
                   [](QString& stack) {
                       stack.replace(QStringLiteral("festoon:version=\"2\""),
                                     QStringLiteral("festoon:version=\"3\""));
                   }),
         "later version of Festoon"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.what);
        ExpectRefused(bad.file, bad.reason);
    }
}

TEST(BadCardFilesTest, FiftyLayersOverAnOpaqueBottomLayerFillEverySlot) {
    const QString layers = Layers(50) + QStringLiteral("<layer src=\"ground.png\" x=\"0\" y=\"0\"/>");
    const Composition card =
        festoon::DecodeCardFile(ForeignCard(4, 4, layers,
                                            {{QStringLiteral("a.png"), Png(NoisePicture(2, 2, 7))},
                                             {QStringLiteral("ground.png"), Png(NoisePicture(4, 4, 8))}}));
    EXPECT_EQ(card.Layers().size(), Composition::kSlotCount);
}

TEST(BadCardFilesTest, EveryCutAndManyDamagedCopiesOfACardAreRefusedOrReadWithoutHarm) {
    const QByteArray good = GoodCard();
    for (int part = 0; part < 16; ++part) {
        EXPECT_THROW((void)festoon::DecodeCardFile(good.left(good.size() * part / 16)), PlatformError);
    }
    std::mt19937 random(9);
    for (int copy = 0; copy < 300; ++copy) {
        QByteArray damaged = good;
        for (int flip = 0; flip < 4; ++flip) {
            damaged[static_cast<qsizetype>(random() % static_cast<unsigned>(damaged.size()))] =
                static_cast<char>(random());
        }
        try {
            (void)festoon::DecodeCardFile(damaged);
        } catch (const PlatformError&) {
            // Refused with a message: as it should be.
        }
    }
}

TEST(BadCardFilesTest, ReadingStopsAtTheLimitWhateverTheArchiveDeclares) {
    const QByteArray zeros(8 << 20, '\0');
    const QByteArray honest = Archive({{QStringLiteral("zeros"), zeros}});
    EXPECT_EQ(festoon::ZipReader::FromBytes(honest).Read(QStringLiteral("zeros"), zeros.size()).size(),
              zeros.size());
    EXPECT_THROW((void)festoon::ZipReader::FromBytes(honest).Read(QStringLiteral("zeros"), zeros.size() - 1),
                 PlatformError);
    // Declared as 100 bytes, inflating to 8 MB: refused, without ever holding more than the limit.
    EXPECT_THROW((void)festoon::ZipReader::FromBytes(DeclaringSize(honest, "zeros", 100))
                     .Read(QStringLiteral("zeros"), 1 << 20),
                 PlatformError);
}

TEST(BadCardFilesTest, APathThatIsNoFileCannotBeOpened) {
    QTemporaryDir folder;
    for (const QString& path : {folder.filePath(QStringLiteral("none.ora")), folder.path()}) {
        try {
            (void)festoon::ReadCardFile(path);
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const PlatformError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Cannot open file %1").arg(path));
        }
    }
    const QString junk = folder.filePath(QStringLiteral("junk.ora"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a card");
    file.close();
    EXPECT_THROW((void)festoon::ReadCardFile(junk), PlatformError);
}

} // namespace
