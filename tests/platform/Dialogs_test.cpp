// Dialogs: scripted answers, and the real dialogs driven as a user would (typing and pressing Enter).
#include "core/JpegCodec.h"
#include "platform/Application.h"
#include "platform/DialogFilter.h"
#include "platform/Dialogs.h"
#include "platform/FontChooserDialog.h"
#include "platform/PicturePreview.h"
#include "tests/platform/ModalHelper.h"
#include "tests/support/TestProgramFolder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

class ScriptedDialogs : public ::testing::Test {
  protected:
    void SetUp() override { DialogScript::Begin(); }
    void TearDown() override { DialogScript::End(); }
};

void TypeAndEnter(QWidget* dialog, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

TEST_F(ScriptedDialogs, AnswersComeInOrderAndCancelWhenNoneIsQueued) {
    DialogScript::AnswerOpen(QStringLiteral("/a/photo.jpg"));
    DialogScript::AnswerOpen(std::nullopt);
    OpenPictureDialog open;
    EXPECT_TRUE(open.Execute(nullptr));
    EXPECT_EQ(open.FileName, QStringLiteral("/a/photo.jpg"));
    EXPECT_FALSE(open.Execute(nullptr));
    EXPECT_EQ(open.FileName, QStringLiteral("/a/photo.jpg"));
    EXPECT_EQ(DialogScript::Unanswered(), 0);
    EXPECT_FALSE(open.Execute(nullptr));
    EXPECT_EQ(DialogScript::Unanswered(), 1);

    AskYesNo(nullptr, QStringLiteral("?"));
    EXPECT_EQ(DialogScript::Unanswered(), 2);
}

TEST_F(ScriptedDialogs, SaveReturnsPathAndFilterIndex) {
    DialogScript::AnswerSave(QStringLiteral("/tmp/holiday"), 2);
    DialogScript::AnswerSave(std::nullopt);
    SaveDialog save;
    EXPECT_TRUE(save.Execute(nullptr));
    EXPECT_EQ(save.FileName, QStringLiteral("/tmp/holiday"));
    EXPECT_EQ(save.FilterIndex, 2);
    EXPECT_FALSE(save.Execute(nullptr));
    EXPECT_EQ(DialogScript::Pending(), 0);
}

TEST_F(ScriptedDialogs, YesNoAnswersAsQueued) {
    DialogScript::AnswerYesNo(true);
    DialogScript::AnswerYesNo(false);
    EXPECT_TRUE(AskYesNo(nullptr, QStringLiteral("Save?")));
    EXPECT_FALSE(AskYesNo(nullptr, QStringLiteral("Save?")));
}

TEST_F(ScriptedDialogs, FontStartsLimeAt32PixelsAndKeepsTheLastChoice) {
    FontDialog dialog;
    EXPECT_EQ(dialog.Font.pixelSize(), 32);
    EXPECT_EQ(dialog.Color, QColor(0, 255, 0));
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPixelSize(20);
    chosen.setItalic(true);
    DialogScript::AnswerFont(std::make_pair(chosen, QColor(Qt::red)));
    DialogScript::AnswerFont(std::nullopt);
    EXPECT_TRUE(dialog.Execute(nullptr));
    EXPECT_FALSE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.Font.pixelSize(), 20);
    EXPECT_TRUE(dialog.Font.italic());
    EXPECT_EQ(dialog.Color, QColor(Qt::red));
}

TEST_F(ScriptedDialogs, EndClearsQueuesAndCount) {
    DialogScript::AnswerYesNo(true);
    OpenPictureDialog open;
    open.Execute(nullptr);
    DialogScript::End();
    EXPECT_FALSE(DialogScript::Active());
    EXPECT_EQ(DialogScript::Unanswered(), 0);
    EXPECT_EQ(DialogScript::Pending(), 0);
}

TEST(DialogFilter, PairsBecomeNameFiltersInOrder) {
    EXPECT_EQ(DialogNameFilters(QStringLiteral("*.bmp *.jpg|*.bmp;*.jpg")),
              QStringList{QStringLiteral("*.bmp *.jpg (*.bmp *.jpg)")});
    EXPECT_EQ(DialogNameFilters(
                  QStringLiteral("JPG Format (small file size)|*.jpg|BMP Format (high quality)|*.bmp")),
              (QStringList{QStringLiteral("JPG Format (small file size) (*.jpg)"),
                           QStringLiteral("BMP Format (high quality) (*.bmp)")}));
    EXPECT_EQ(DialogNameFilters(QStringLiteral("Everything")), QStringList{QStringLiteral("Everything (*)")});
    EXPECT_EQ(DialogNameFilters(QString()), QStringList{QStringLiteral("All files (*)")});
}

TEST(PicturePreview, ShowsAPictureOrNoPreview) {
    TestProgramFolder folder(false);
    folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(64, 32, qRgb(200, 10, 10)));
    folder.writeBytes(QStringLiteral("broken.jpg"), QByteArray("not a picture"));
    PicturePreview preview;
    preview.showPicture(folder.file(QStringLiteral("photo.jpg")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview.Decoding(); }));
    EXPECT_FALSE(preview.pixmap().isNull());
    EXPECT_EQ(preview.toolTip(), QStringLiteral("64 x 32"));
    preview.showPicture(folder.file(QStringLiteral("broken.jpg")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview.Decoding(); }));
    EXPECT_TRUE(preview.pixmap().isNull());
    EXPECT_EQ(preview.text(), QStringLiteral("No preview"));
    preview.showPicture(folder.path());
    EXPECT_TRUE(preview.text().isEmpty());
}

TEST(RealDialogs, OpenDialogAcceptsATypedPathAndListsUpperCaseNames) {
    TestProgramFolder folder(false);
    folder.writeJpeg(QStringLiteral("PHOTO.JPG"), SolidPicture(40, 30, qRgb(0, 0, 255)));
    folder.writeBytes(QStringLiteral("notes.txt"), QByteArray("x"));
    const QString target = folder.file(QStringLiteral("PHOTO.JPG"));
    bool listed = false;
    bool hidesText = true;
    bool previewShown = false;
    QString title;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        ASSERT_NE(dialog->findChild<PicturePreview*>(), nullptr);
        dialog->setDirectory(folder.path());
        // The listing fills in asynchronously.
        auto* view = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        QModelIndex photo;
        for (int i = 0; i < 200 && !photo.isValid(); ++i) {
            QTest::qWait(10);
            const QAbstractItemModel* model = view->model();
            for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
                const QModelIndex index = model->index(row, 0, view->rootIndex());
                if (index.data().toString() == QStringLiteral("PHOTO.JPG")) {
                    photo = index;
                }
                hidesText = hidesText && index.data().toString() != QStringLiteral("notes.txt");
            }
        }
        listed = photo.isValid();
        // Moving the cursor onto the picture shows it in the preview pane.
        auto* preview = dialog->findChild<PicturePreview*>();
        if (listed) {
            view->setCurrentIndex(photo);
        }
        for (int i = 0; i < 200 && preview->pixmap().isNull(); ++i) {
            QTest::qWait(10);
        }
        previewShown = !preview->pixmap().isNull();
        TypeAndEnter(dialog, target);
    });
    OpenPictureDialog open;
    open.Filter = QStringLiteral("*.bmp *.jpg|*.bmp;*.jpg");
    ASSERT_TRUE(open.Execute(nullptr));
    EXPECT_EQ(open.FileName, target);
    EXPECT_FALSE(title.isEmpty());
    EXPECT_TRUE(listed);
    EXPECT_TRUE(hidesText);
    EXPECT_TRUE(previewShown);
}

TEST(RealDialogs, OpenDialogEscapeCancels) {
    WhenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    OpenPictureDialog open;
    open.FileName = QStringLiteral("/kept");
    EXPECT_FALSE(open.Execute(nullptr));
    EXPECT_EQ(open.FileName, QStringLiteral("/kept"));
}

TEST(RealDialogs, SaveDialogKeepsTypedNameAndReportsTheChosenEntry) {
    TestProgramFolder folder(false);
    folder.writeBytes(QStringLiteral("existing.jpg"), QByteArray("old"));
    SaveDialog save;
    save.Filter = QStringLiteral("JPG Format (small file size)|*.jpg|BMP Format (high quality)|*.bmp");
    save.FilterIndex = 2;
    WhenModalShows([&](QWidget* modal) { TypeAndEnter(modal, folder.file(QStringLiteral("holiday"))); });
    ASSERT_TRUE(save.Execute(nullptr));
    EXPECT_EQ(save.FileName, folder.file(QStringLiteral("holiday")));
    EXPECT_EQ(save.FilterIndex, 2);

    // An existing name is taken without an overwrite question.
    save.FilterIndex = 1;
    WhenModalShows([&](QWidget* modal) { TypeAndEnter(modal, folder.file(QStringLiteral("existing.jpg"))); });
    ASSERT_TRUE(save.Execute(nullptr));
    EXPECT_EQ(save.FileName, folder.file(QStringLiteral("existing.jpg")));
    EXPECT_EQ(save.FilterIndex, 1);
}

TEST(RealDialogs, FontDialogReturnsSizeStyleAndColourAndStartsFromTheLastChoice) {
    FontDialog font;
    WhenModalShows([](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), QStringLiteral("fontDialog"));
        auto* size = modal->findChild<QSpinBox*>(QStringLiteral("fontSize"));
        ASSERT_NE(size, nullptr);
        EXPECT_EQ(size->value(), 32);
        EXPECT_EQ(modal->findChild<QLineEdit*>(QStringLiteral("fontColorName"))->text(),
                  QStringLiteral("#00ff00"));
        size->setValue(40);
        modal->findChild<QCheckBox*>(QStringLiteral("fontBold"))->setChecked(true);
        modal->findChild<QCheckBox*>(QStringLiteral("fontUnderline"))->setChecked(true);
        auto* colour = modal->findChild<QLineEdit*>(QStringLiteral("fontColorName"));
        colour->selectAll();
        QTest::keyClicks(colour, QStringLiteral("#ff0000"));
        QTest::keyClick(colour, Qt::Key_Return);
    });
    ASSERT_TRUE(font.Execute(nullptr));
    EXPECT_EQ(font.Font.pixelSize(), 40);
    EXPECT_TRUE(font.Font.bold());
    EXPECT_TRUE(font.Font.underline());
    EXPECT_FALSE(font.Font.italic());
    EXPECT_EQ(font.Color, QColor(255, 0, 0));

    int sizeShown = 0;
    WhenModalShows([&](QWidget* modal) {
        sizeShown = modal->findChild<QSpinBox*>(QStringLiteral("fontSize"))->value();
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_FALSE(font.Execute(nullptr));
    EXPECT_EQ(sizeShown, 40);
    EXPECT_EQ(font.Color, QColor(255, 0, 0));
}

TEST(RealDialogs, FontDialogAddsOutlineAndShadowPreviewsOnGreyAndKeepsItsSize) {
    FontDialog font;
    font.Color = QColor(255, 255, 255);
    QColor groundColour;
    WhenModalShows([&](QWidget* modal) {
        auto* preview = modal->findChild<QLabel*>(QStringLiteral("fontPreview"));
        ASSERT_NE(preview, nullptr);
        // White lettering on the preview's ground: the ground is a middle grey, on which it reads.
        const QImage shown = preview->pixmap().toImage();
        ASSERT_FALSE(shown.isNull());
        groundColour = shown.pixelColor(0, 0);
        modal->findChild<QSpinBox*>(QStringLiteral("fontOutlineWidth"))->setValue(5);
        modal->findChild<QCheckBox*>(QStringLiteral("fontShadow"))->setChecked(true);
        modal->resize(modal->width() + 90, modal->height() + 60);
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_TRUE(font.Execute(nullptr));
    EXPECT_GT(groundColour.lightness(), 80);
    EXPECT_LT(groundColour.lightness(), 180);
    EXPECT_EQ(font.OutlineWidth, 5);
    EXPECT_TRUE(font.Shadow);
    const QSize left = font.Size;

    QSize opened;
    int outlineShown = 0;
    WhenModalShows([&](QWidget* modal) {
        opened = modal->size();
        outlineShown = modal->findChild<QSpinBox*>(QStringLiteral("fontOutlineWidth"))->value();
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_FALSE(font.Execute(nullptr));
    EXPECT_EQ(opened, left);
    EXPECT_EQ(outlineShown, 5);
}

TEST(RealDialogs, YesNoBoxCarriesTheApplicationTitle) {
    QString title;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(AskYesNo(nullptr, QStringLiteral("Save the current photo before a new task?")));
    EXPECT_EQ(title, ProgramName());
}
