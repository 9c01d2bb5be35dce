// Hostile and damaged photos through the Photo button, made here: scan bombs, size bombs, a huge sparse
// file, files cut short. Each is refused with its message, bounded in memory, and changes nothing;
// while one is being read the window goes on answering, and a load can be cancelled.
#include "tests/robustness/BadFiles.h"
#include "tests/robustness/ShownWindowTest.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/PictureVariants.h"

#include "catalogs/Palettes.h"
#include "catalogs/UnitCartoon.h"
#include "core/PlatformError.h"
#include "platform/LoadProgressPanel.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

namespace {

using festoon::PlatformError;

constexpr long long kMemoryBudget = 100LL * 1024 * 1024;

class HostilePictureTest : public ShownWindowTest {
  protected:
    void SetUp() override {
        ShownWindowTest::SetUp();
        folder.writeBmp(QStringLiteral("back.bmp"), SolidPicture(50, 50, qRgb(30, 90, 60)));
        Choose(window->BtnBackDrop, QStringLiteral("back.bmp"));
        PlaceSolid(QSize(120, 90), qRgb(200, 20, 20));
        errors.clear();
    }

    // Opens the file as a photo; expects its message, an unchanged canvas, and the peak memory growth
    // of the whole load under the budget where it can be measured.
    void ExpectRefused(const QString& file, const QString& message, bool boundedMemory = true) {
        const CanvasSnapshot before = TakeSnapshot(*window);
        const std::optional<long long> growth = PeakMemoryGrowth([&] { Choose(window->BtnLoad, file); });
        EXPECT_EQ(errors, QStringList{message});
        ExpectCanvasUnchanged(*window, before);
        if (boundedMemory && growth) {
            EXPECT_LT(*growth, kMemoryBudget) << "peak memory rose by " << *growth / (1024 * 1024) << " MiB";
        }
        errors.clear();
    }

    // Starts loading the file as a photo and lets the window run until the load is under way.
    void StartLoading(const QString& file) {
        festoon::DialogScript::AnswerOpen(folder.file(file));
        Click(window->BtnLoad);
        ASSERT_TRUE(window->Loading().Busy());
    }

    // 2,000 scans: the decoder reads up to 300 of them before refusing the file; 4000 x 4000 as the
    // scan bombs found in the wild, or larger to make sure that the decode outlasts the panel's delay.
    void WriteScanBomb(const QString& file, int side = 4000) {
        folder.writeBytes(file, festoon::testing::ProgressiveManyScans(side, side, 14, 2000));
    }
};

TEST_F(HostilePictureTest, SizeBombsAreRefusedWithinTheMemoryBudget) {
    folder.writeBytes(QStringLiteral("bomb.jpg"), JpegClaimingSize(16384, 16384));
    ASSERT_LT(QFile(folder.file(QStringLiteral("bomb.jpg"))).size(), 1024);
    ExpectRefused(QStringLiteral("bomb.jpg"), PlatformError::Jpeg(JWRN_JPEG_EOF).message());

    folder.writeBytes(QStringLiteral("bomb.bmp"), festoon::testing::RunLengthBmpClaimingSize(16384, 16384));
    ASSERT_LT(QFile(folder.file(QStringLiteral("bomb.bmp"))).size(), 1300);
    ExpectRefused(QStringLiteral("bomb.bmp"), PlatformError::InvalidBitmap().message());
}

TEST_F(HostilePictureTest, AHugeFileIsRefusedWithoutBeingRead) {
    const QString path = folder.file(QStringLiteral("huge.jpg"));
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(QByteArray("\xFF\xD8\xFF\xE0", 4)); // a JPEG's first bytes, then 3 GB of nothing
    ASSERT_TRUE(huge.resize(3LL * 1024 * 1024 * 1024));
    huge.close();
    ExpectRefused(QStringLiteral("huge.jpg"), PlatformError::FileTooLarge(path, 3LL << 30).message());
    EXPECT_TRUE(errors.isEmpty());

    // Within the size limit but not a picture: refused on its first bytes, not read either.
    const QString sparse = folder.file(QStringLiteral("sparse.bmp"));
    QFile zeros(sparse);
    ASSERT_TRUE(zeros.open(QIODevice::WriteOnly));
    ASSERT_TRUE(zeros.resize(900LL * 1024 * 1024));
    zeros.close();
    ExpectRefused(QStringLiteral("sparse.bmp"), PlatformError::InvalidBitmap().message());
}

TEST_F(HostilePictureTest, FilesCutShortAreRefusedWhateverTheyEndWith) {
    folder.writeBytes(QStringLiteral("cut.jpg"), TruncatedJpeg(0.5) + QByteArray("\xFF\xD9", 2));
    ExpectRefused(QStringLiteral("cut.jpg"), PlatformError::Jpeg(JWRN_HIT_MARKER).message());
    const QByteArray rle = festoon::testing::EncodeBmpVariant(festoon::testing::PhotoLikePicture(300, 200),
                                                              festoon::testing::BmpLayout::RunLength8);
    folder.writeBytes(QStringLiteral("cut.bmp"), rle.left(rle.size() / 2));
    ExpectRefused(QStringLiteral("cut.bmp"), PlatformError::InvalidBitmap().message());
}

TEST_F(HostilePictureTest, TheWindowAnswersWhileAScanBombIsReadAndTheErrorFollows) {
    WriteScanBomb(QStringLiteral("bomb.jpg"));
    const CanvasSnapshot before = TakeSnapshot(*window);
    StartLoading(QStringLiteral("bomb.jpg"));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);

    // The cartoon palette opens while the decode goes on.
    CreatePalettes(ContextOfWindow());
    Click(window->ImgBtn3);
    EXPECT_TRUE(FormCartoon->isVisible());
    EXPECT_TRUE(window->Loading().Busy());
    ExpectCanvasUnchanged(*window, before);

    ASSERT_TRUE(window->Loading().WaitUntilIdle());
    EXPECT_EQ(errors, QStringList{PlatformError::Jpeg(JERR_BAD_PROGRESSION).message()});
    ExpectCanvasUnchanged(*window, before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    DestroyPalettes();
}

TEST_F(HostilePictureTest, ASlowLoadShowsItsProgressAndCancelDropsIt) {
    WriteScanBomb(QStringLiteral("slow.jpg"), 6000);
    const CanvasSnapshot before = TakeSnapshot(*window);
    StartLoading(QStringLiteral("slow.jpg"));
    festoon::LoadProgressPanel* panel = window->Loading().Panel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->isVisible() || !window->Loading().Busy(); }, 20000));
    ASSERT_TRUE(panel->isVisible()) << "the load ended before the panel showed";
    EXPECT_EQ(panel->Caption(), QStringLiteral("Opening slow.jpg\u2026"));

    QTest::mouseClick(panel->CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(window->Loading().Busy());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::qWait(100);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ExpectCanvasUnchanged(*window, before);
}

TEST_F(HostilePictureTest, LoadsAskedForDuringALoadFollowInOrder) {
    folder.writeBmp(QStringLiteral("blue.bmp"), SolidPicture(300, 200, qRgb(0, 0, 250)));
    WriteScanBomb(QStringLiteral("bomb.jpg"));
    StartLoading(QStringLiteral("bomb.jpg"));
    Choose(window->BtnBackDrop, QStringLiteral("blue.bmp"));
    EXPECT_EQ(errors, QStringList{PlatformError::Jpeg(JERR_BAD_PROGRESSION).message()});
    EXPECT_EQ(window->Card().Backdrop().pixel(5, 5), qRgb(0, 0, 250));
}

TEST_F(HostilePictureTest, ANewTaskDropsTheLoadUnderWay) {
    folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(3000, 2000, qRgb(0, 0, 255)));
    StartLoading(QStringLiteral("photo.jpg"));
    festoon::DialogScript::AnswerYesNo(false);
    Click(window->BtnNew);
    EXPECT_FALSE(window->Loading().Busy());
    QTest::qWait(100);
    EXPECT_TRUE(window->Card().Layers().isEmpty());
}

} // namespace
