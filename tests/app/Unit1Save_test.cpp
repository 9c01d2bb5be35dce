// Saving the composition (formats, names, what the picture holds, failed writes), and the new task.
#include "tests/app/EditingFixture.h"

#include "core/FileIO.h"
#include "core/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QPainter>

namespace {

const QSize kCanvas(876, 667);
const QRgb kBackdropColour = qRgb(40, 80, 120);

enum class Format { Jpeg, Bmp };

Format FileFormat(const QString& path) {
    return festoon::ReadWholeFile(path).startsWith("BM") ? Format::Bmp : Format::Jpeg;
}

class SaveTest : public EditingFixture {
  protected:
    void Save(const std::optional<QString>& path, int filterIndex = 1) {
        festoon::DialogScript::AnswerSave(path, filterIndex);
        Click(window->BtnSave);
    }

    // Answers the question and clicks New; a save it starts takes the save answer queued before.
    void NewTask(bool saveFirst) {
        festoon::DialogScript::AnswerYesNo(saveFirst);
        Click(window->BtnNew);
    }

    // A solid backdrop chosen by the user, so that saved pictures are exact.
    void ChooseSolidBackdrop() {
        folder.writeBmp(QStringLiteral("back.bmp"), SolidPicture(100, 100, kBackdropColour));
        ChooseBackdrop(QStringLiteral("back.bmp"));
    }

    [[nodiscard]] QImage CleanBackdropOnCanvas() const {
        return festoon::StretchBitmap(window->Card().CleanBackdrop(), kCanvas.width(), kCanvas.height());
    }
};

struct NamingCase {
    const char* typed;
    int filterIndex;
    const char* written;
    Format format;
};

class SaveNamingTest : public SaveTest, public ::testing::WithParamInterface<NamingCase> {};

TEST_P(SaveNamingTest, ExtensionIsAddedUnlessThePathHasItInExactCase) {
    const NamingCase& naming = GetParam();
    Save(folder.file(QString::fromLatin1(naming.typed)), naming.filterIndex);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QString written = folder.file(QString::fromLatin1(naming.written));
    ASSERT_TRUE(QFile::exists(written)) << naming.written;
    EXPECT_EQ(FileFormat(written), naming.format);
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("holiday*"), QStringLiteral("a.*")}).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveNamingTest,
                         ::testing::Values(NamingCase{"holiday", 1, "holiday.jpg", Format::Jpeg},
                                           NamingCase{"holiday.JPG", 1, "holiday.JPG.jpg", Format::Jpeg},
                                           NamingCase{"a.jpg.old", 1, "a.jpg.old", Format::Jpeg},
                                           NamingCase{"holiday.jpg", 2, "holiday.jpg.bmp", Format::Bmp},
                                           NamingCase{"holiday.bmp", 2, "holiday.bmp", Format::Bmp}));

TEST_F(SaveTest, SavedPictureIsTheCanvasWithTheTopmostObjectAndNoMarks) {
    ChooseSolidBackdrop();
    PlaceSolid(QRect(100, 100, 200, 150), qRgb(255, 0, 0));
    PlaceSolid(QRect(250, 200, 100, 100), qRgb(0, 255, 0));
    // A copy dragged partly outside the canvas: cut at its edge. It is topmost, showing its marks.
    Click(window->BtnCopy);
    Drag({320, 270}, {870, 650});
    ClickAt({870, 650});
    ASSERT_EQ(window->Card().TopLayer()->bounds, QRect(820, 600, 100, 100));
    ASSERT_TRUE(window->Card().SelectionMarked());

    Save(folder.file(QStringLiteral("out.bmp")), 2);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    QImage expected = SolidPicture(kCanvas.width(), kCanvas.height(), kBackdropColour);
    QPainter painter(&expected);
    painter.fillRect(100, 100, 200, 150, QColor(255, 0, 0));
    painter.fillRect(250, 200, 100, 100, QColor(0, 255, 0));
    painter.fillRect(820, 600, 100, 100, QColor(0, 255, 0));
    painter.end();
    EXPECT_EQ(festoon::LoadPictureFile(folder.file(QStringLiteral("out.bmp"))), expected);
    // Saving leaves the objects; what the canvas shows is what was saved.
    EXPECT_EQ(ObjectCount(), 3);
    EXPECT_EQ(window->ImTouMing->ShownCanvas(), expected.convertToFormat(QImage::Format_RGB32));
}

TEST_F(SaveTest, TheStartBackdropSavesAtTheCanvasSizeAsShown) {
    Save(folder.file(QStringLiteral("start.bmp")), 2);
    const QImage saved = festoon::LoadPictureFile(folder.file(QStringLiteral("start.bmp")));
    EXPECT_EQ(saved.size(), kCanvas);
    EXPECT_EQ(saved, festoon::StretchBitmap(
                         festoon::LoadPictureFile(folder.file(QStringLiteral("main/mainb.jpg"))), 876, 667));
    EXPECT_EQ(window->ImTouMing->ShownCanvas(), saved.convertToFormat(QImage::Format_RGB32));
}

TEST_F(SaveTest, ExistingFileIsReplacedWithoutAQuestion) {
    folder.writeBytes(QStringLiteral("holiday.jpg"), QByteArray("old contents"));
    Save(folder.file(QStringLiteral("holiday.jpg")));
    EXPECT_TRUE(errors.isEmpty());
    const QImage saved = festoon::LoadPictureFile(folder.file(QStringLiteral("holiday.jpg")));
    EXPECT_EQ(saved.size(), kCanvas);
}

TEST_F(SaveTest, FailedWriteKeepsTheExistingFile) {
    // No temporary file can be made beside a name this long, so the write fails after the old file was
    // found; even root cannot get round that.
    const QString name = QString(248, QLatin1Char('n')) + QStringLiteral(".bmp");
    folder.writeBytes(name, QByteArray("old contents"));
    Save(folder.file(name), 2);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Cannot create file ") + folder.file(name)});
    EXPECT_EQ(festoon::ReadWholeFile(folder.file(name)), QByteArray("old contents"));
}

TEST_F(SaveTest, NewAnsweredYesThenCancelledClearsTheCanvas) {
    PlaceSolid(QRect(100, 100, 50, 50), qRgb(255, 0, 0));
    PlaceSolid(QRect(200, 100, 50, 50), qRgb(0, 0, 255));
    festoon::DialogScript::AnswerSave(std::nullopt);
    NewTask(true);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 0);
    EXPECT_EQ(ObjectCount(), 0);
    EXPECT_EQ(window->Card().SlotName(1), QStringLiteral("not1"));
    EXPECT_EQ(window->Card().SlotName(50), QStringLiteral("not50"));
    EXPECT_FALSE(window->ClearAfterSave);
}

TEST_F(SaveTest, NewAnsweredNoRemovesObjectsButKeepsTheFrame) {
    PlaceSolid(QRect(100, 100, 50, 50), qRgb(255, 0, 0));
    LayFrame();
    const QImage framed = window->Card().Backdrop();
    NewTask(false);
    EXPECT_EQ(ObjectCount(), 0);
    EXPECT_EQ(window->Card().SlotName(1), QStringLiteral("Not1"));
    EXPECT_EQ(window->Card().Backdrop(), framed);
    EXPECT_EQ(Shown({120, 120}), Shown({300, 300}));
}

TEST_F(SaveTest, NewAnsweredNoWithoutObjectsRemovesTheFrame) {
    LayFrame();
    NewTask(false);
    EXPECT_EQ(window->Card().Backdrop(), CleanBackdropOnCanvas());
    EXPECT_EQ(window->ImTouMing->ShownCanvas(),
              CleanBackdropOnCanvas().convertToFormat(QImage::Format_RGB32));
}

TEST_F(SaveTest, NextPhotoAfterANewTaskGoesToSlot1) {
    PlaceSolid(QRect(100, 100, 50, 50), qRgb(255, 0, 0));
    PlaceSolid(QRect(200, 100, 50, 50), qRgb(0, 0, 255));
    NewTask(false);
    folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(300, 200, qRgb(0, 0, 255)));
    festoon::DialogScript::AnswerOpen(folder.file(QStringLiteral("photo.jpg")));
    Click(window->BtnLoad);
    FinishLoads();
    EXPECT_EQ(LayerIn(1).name, QStringLiteral("man1"));
    EXPECT_EQ(Stack(), QList<int>{1});
}

TEST_F(SaveTest, FailedSaveOfANewTaskKeepsTheCanvasUntilTheNextSave) {
    PlaceSolid(QRect(100, 100, 50, 50), qRgb(255, 0, 0));
    folder.writeBytes(QStringLiteral("plain"), QByteArray("a file, not a folder"));
    const QString unusable = folder.file(QStringLiteral("plain/holiday.jpg"));
    festoon::DialogScript::AnswerSave(unusable);
    NewTask(true);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Cannot create file ") + unusable});
    EXPECT_EQ(ObjectCount(), 1);
    EXPECT_TRUE(window->ClearAfterSave);

    Save(folder.file(QStringLiteral("holiday.jpg")));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("holiday.jpg"))));
    EXPECT_EQ(ObjectCount(), 0);
    EXPECT_FALSE(window->ClearAfterSave);
}

} // namespace
