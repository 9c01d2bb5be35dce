// Exports from the window: the file at the chosen size and format, no file after a cancel, an existing
// file kept whole; the Export dialog's sizes and preview; printing to a PDF printer.
#include "app/CardExporting.h"
#include "app/CardPrinting.h"
#include "app/ExportDialog.h"
#include "core/PictureFile.h"
#include "tests/app/EditingFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QSpinBox>
#include <QThreadPool>

namespace {

class ExportTest : public EditingFixture {
  protected:
    void SetUp() override {
        EditingFixture::SetUp();
        folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(3000, 2000, qRgb(0, 90, 255)));
        festoon::DialogScript::AnswerOpen(folder.file(QStringLiteral("photo.jpg")));
        Click(window->BtnLoad);
        FinishLoads();
    }

    festoon::ExportSettings Settings(int multiple, festoon::ExportFormat format) const {
        festoon::ExportSettings settings;
        settings.size = window->CanvasSize() * multiple;
        settings.format = format;
        return settings;
    }

    QByteArray Read(const QString& name) const {
        QFile file(folder.file(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ExportTest, TheCardIsWrittenAtTheChosenSizeInTheChosenFormat) {
    festoon::DialogScript::AnswerSave(folder.file(QStringLiteral("card")));
    window->ExportCardAs(Settings(2, festoon::ExportFormat::Jpeg));
    ASSERT_TRUE(window->Exporting().WaitUntilIdle());
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QImage exported = festoon::LoadPictureFile(folder.file(QStringLiteral("card.jpg")));
    EXPECT_EQ(exported.size(), window->CanvasSize() * 2);
    // The photo lies where the canvas shows it, twice as far from the corner.
    const QRect bounds = LayerIn(1).bounds;
    const QColor middle = exported.pixelColor(bounds.center() * 2);
    EXPECT_NEAR(middle.blue(), 255, 12);
    EXPECT_NEAR(middle.green(), 90, 12);

    festoon::DialogScript::AnswerSave(folder.file(QStringLiteral("card.PNG")));
    window->ExportCardAs(Settings(1, festoon::ExportFormat::Png));
    festoon::DialogScript::AnswerSave(folder.file(QStringLiteral("card")));
    ASSERT_TRUE(window->Exporting().WaitUntilIdle());
    window->ExportCardAs(Settings(1, festoon::ExportFormat::Pdf));
    ASSERT_TRUE(window->Exporting().WaitUntilIdle());
    EXPECT_TRUE(Read(QStringLiteral("card.PNG")).startsWith("\x89PNG"));
    EXPECT_TRUE(Read(QStringLiteral("card.pdf")).startsWith("%PDF"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(ExportTest, ACancelledExportLeavesNoFileAndKeepsAnExistingOneWhole) {
    folder.writeBytes(QStringLiteral("kept.jpg"), QByteArray("the card exported yesterday"));
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);
    festoon::DialogScript::AnswerSave(folder.file(QStringLiteral("kept.jpg")));
    window->ExportCardAs(Settings(4, festoon::ExportFormat::Png));
    ASSERT_TRUE(window->Exporting().Busy());
    window->Exporting().Cancel();
    EXPECT_FALSE(window->Exporting().Busy());
    // The worker stops at its next look at the request; give it time to leave anything behind.
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(Read(QStringLiteral("kept.jpg")), QByteArray("the card exported yesterday"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ExportTest, AFailedExportIsReportedAndWritesNothing) {
    festoon::DialogScript::AnswerSave(folder.file(QStringLiteral("no folder/card.jpg")));
    window->ExportCardAs(Settings(1, festoon::ExportFormat::Jpeg));
    ASSERT_TRUE(window->Exporting().WaitUntilIdle());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot create file"))) << errors[0].toStdString();
}

TEST(ExportDialogTest, EachSizeKeepsTheCardsProportionsAndThePreviewSaysHowLarge) {
    festoon::ExportSettings last;
    ExportDialog dialog(QSize(1772, 979), last, 2, nullptr);
    EXPECT_EQ(dialog.ChosenSize(), QSize(5316, 2937));
    EXPECT_EQ(dialog.SizePreview->text(), QStringLiteral("5316 \u00D7 2937 pixels, 15.6 megapixels"));
    EXPECT_FALSE(dialog.LongSide->isEnabled());
    dialog.SizeList->setCurrentIndex(dialog.SizeList->findText(QStringLiteral("A4 print (300 dpi)")));
    EXPECT_EQ(dialog.ChosenSize(), QSize(3508, 1938));
    dialog.SizeList->setCurrentIndex(dialog.SizeList->count() - 1);
    EXPECT_TRUE(dialog.LongSide->isEnabled());
    dialog.LongSide->setValue(1000);
    EXPECT_EQ(dialog.ChosenSize(), QSize(1000, 552));
    EXPECT_EQ(dialog.SizePreview->text(), QStringLiteral("1000 \u00D7 552 pixels, 0.6 megapixels"));
    // The quality is JPEG's alone, 92 unless chosen otherwise.
    EXPECT_EQ(dialog.Quality->value(), 92);
    dialog.FormatList->setCurrentIndex(1);
    EXPECT_FALSE(dialog.Quality->isEnabled());
    EXPECT_EQ(dialog.Settings().format, festoon::ExportFormat::Png);
}

TEST_F(ExportTest, PrintingFillsThePageInTheCardsProportions) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.file(QStringLiteral("printed.pdf")));
    festoon::PrintCardOn(printer, window->Card());
    EXPECT_TRUE(Read(QStringLiteral("printed.pdf")).startsWith("%PDF"));
}

} // namespace
