// Photos and backdrops that cannot be read, through the Photo and Backdrop buttons: absurd sizes,
// truncated files, a folder, an unreadable file. Each gives its message, changes nothing on the canvas,
// and the next good file loads.
#include "tests/robustness/BadFiles.h"
#include "tests/robustness/ShownWindowTest.h"

#include "core/PlatformError.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>
#include <unistd.h>

namespace {

struct BadPicture {
    const char* name;
    const char* fileName;
    // Lays the file into the folder and returns the message its reading must give.
    std::function<QString(const TestProgramFolder&, const QString& path)> make;
    bool needsUnprivilegedUser = false;
};

const QString kTooLarge = QStringLiteral("The picture is too large to open (60000 x 60000 pixels)");

void PrintTo(const BadPicture& bad, std::ostream* out) {
    *out << bad.name;
}

const BadPicture kBadPictures[] = {
    {"AbsurdJpegSize", "huge.jpg",
     [](const TestProgramFolder& folder, const QString&) {
         folder.writeBytes(QStringLiteral("huge.jpg"), JpegClaimingSize(60000, 60000));
         return kTooLarge;
     }},
    {"AbsurdBmpSize", "huge.bmp",
     [](const TestProgramFolder& folder, const QString&) {
         folder.writeBytes(QStringLiteral("huge.bmp"), BmpClaimingSize(60000, 60000));
         return kTooLarge;
     }},
    {"TruncatedJpeg", "cut.jpg",
     [](const TestProgramFolder& folder, const QString&) {
         folder.writeBytes(QStringLiteral("cut.jpg"), TruncatedJpeg());
         return festoon::PlatformError::Jpeg(JWRN_JPEG_EOF).message();
     }},
    {"TruncatedBmp", "cut.bmp",
     [](const TestProgramFolder& folder, const QString&) {
         folder.writeBytes(QStringLiteral("cut.bmp"), TruncatedBmp());
         return festoon::PlatformError::InvalidBitmap().message();
     }},
    {"FolderNamedLikeAPicture", "album.jpg",
     [](const TestProgramFolder&, const QString& path) {
         QDir().mkpath(path);
         return QStringLiteral("Cannot open file ") + path;
     }},
    {"UnreadableFile", "private.bmp",
     [](const TestProgramFolder& folder, const QString& path) {
         folder.writeBmp(QStringLiteral("private.bmp"), SolidPicture(40, 30, qRgb(9, 9, 9)));
         QFile::setPermissions(path, QFileDevice::Permissions());
         return QStringLiteral("Cannot open file ") + path;
     },
     true},
};

class BadPictureTest : public ShownWindowTest, public ::testing::WithParamInterface<BadPicture> {
  protected:
    // Prepares the bad file and a canvas with a selected object on a chosen backdrop; returns the
    // expected message, or an empty string when the case cannot be made for this user.
    QString Prepare() {
        const BadPicture& bad = GetParam();
        if (bad.needsUnprivilegedUser && geteuid() == 0) {
            return {};
        }
        folder.writeBmp(QStringLiteral("back.bmp"), SolidPicture(50, 50, qRgb(30, 90, 60)));
        Choose(window->BtnBackDrop, QStringLiteral("back.bmp"));
        PlaceSolid(QSize(120, 90), qRgb(200, 20, 20));
        folder.writeJpeg(QStringLiteral("good.jpg"), SolidPicture(300, 200, qRgb(20, 20, 200)));
        return bad.make(folder, folder.file(QString::fromLatin1(bad.fileName)));
    }

    QString BadFile() const { return QString::fromLatin1(GetParam().fileName); }
};

constexpr const char* kRootReadsEverything = "root reads a file whatever its permissions";

TEST_P(BadPictureTest, PhotoButtonReportsItAndChangesNothing) {
    const QString message = Prepare();
    if (message.isEmpty()) {
        GTEST_SKIP() << kRootReadsEverything;
    }
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const CanvasSnapshot before = TakeSnapshot(*window);

    Choose(window->BtnLoad, BadFile());
    EXPECT_EQ(errors, QStringList{message});
    ExpectCanvasUnchanged(*window, before);

    Choose(window->BtnLoad, QStringLiteral("good.jpg"));
    EXPECT_EQ(errors.size(), 1);
    ASSERT_EQ(window->Card().Layers().size(), 2);
    const festoon::Layer& photo = *window->Card().TopLayer();
    EXPECT_EQ(photo.slot, 2);
    EXPECT_EQ(photo.name, QStringLiteral("man2"));
    EXPECT_EQ(photo.picture.size(), QSize(300, 200));
}

TEST_P(BadPictureTest, BackdropButtonReportsItAndChangesNothing) {
    const QString message = Prepare();
    if (message.isEmpty()) {
        GTEST_SKIP() << kRootReadsEverything;
    }
    const CanvasSnapshot before = TakeSnapshot(*window);

    Choose(window->BtnBackDrop, BadFile());
    EXPECT_EQ(errors, QStringList{message});
    ExpectCanvasUnchanged(*window, before);

    Choose(window->BtnBackDrop, QStringLiteral("good.jpg"));
    EXPECT_EQ(errors.size(), 1);
    const festoon::Composition& card = window->Card();
    EXPECT_EQ(card.Backdrop().size(), window->CanvasSize());
    EXPECT_EQ(card.CleanBackdrop(), card.Backdrop());
    EXPECT_NE(card.CleanBackdrop(), before.card.CleanBackdrop());
}

INSTANTIATE_TEST_SUITE_P(Files, BadPictureTest, ::testing::ValuesIn(kBadPictures),
                         [](const ::testing::TestParamInfo<BadPicture>& info) { return info.param.name; });

} // namespace
