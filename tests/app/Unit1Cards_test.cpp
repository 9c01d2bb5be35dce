// Card files on the real main window: saved through the save dialog's third choice or Ctrl+S, opened
// with the Open button or Ctrl+O as one undoable step, bad files refused with nothing changed; and the
// recovery file that keeps the card after every change and offers it back at the next start.
#include "tests/app/EditingFixture.h"

#include "app/CardRecovery.h"
#include "core/CardFile.h"
#include "core/CardRendering.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kCardChoice = 3;

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class CardFileTest : public EditingFixture {
  protected:
    void SetUp() override {
        EditingFixture::SetUp();
        PlaceSolid(QRect(100, 100, 200, 150), qRgb(10, 200, 30));
        PlaceSolid(QRect(150, 50, 80, 90), qRgb(200, 30, 90));
        LayFrame();
    }

    void OpenCard(const QString& path) {
        festoon::DialogScript::AnswerOpen(path);
        Click(window->OpenButton);
    }

    const QString cardPath = folder.file(QStringLiteral("card.ora"));
};

TEST_F(CardFileTest, ASavedCardReopensAsTheSameCardAndOpeningIsOneUndoableStep) {
    festoon::DialogScript::AnswerSave(folder.file(QStringLiteral("card")), kCardChoice);
    window->SaveAction->trigger();
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ASSERT_TRUE(QFile::exists(cardPath)); // the extension is added as for pictures
    const festoon::Composition saved = window->Card();

    Click(window->BtnDelete);
    Click(window->BtnDelete);
    const festoon::Composition before = window->Card();
    OpenCard(cardPath);
    EXPECT_EQ(window->Card(), saved);
    EXPECT_EQ(festoon::CardPicture(window->Card()), festoon::CardPicture(saved));
    Click(window->UndoButton);
    EXPECT_EQ(window->Card(), before);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(CardFileTest, ABadCardFileIsReportedAndChangesNothing) {
    WriteBytes(folder.file(QStringLiteral("bad.ora")), QByteArray("PK\3\4 not really a zip"));
    const festoon::Composition before = window->Card();
    festoon::DialogScript::AnswerOpen(folder.file(QStringLiteral("bad.ora")));
    window->OpenAction->trigger();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(window->Card(), before);
    OpenCard(folder.file(QStringLiteral("missing.ora")));
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(window->Card(), before);
}

TEST_F(CardFileTest, ACardFromALargerScreenIsFittedToTheCanvas) {
    const festoon::Composition here = window->Card();
    festoon::Composition large(here.CanvasSize() * 2, here.CleanBackdrop());
    large.PlaceObject(QRect(200, 100, 400, 300), SolidPicture(40, 30, qRgb(1, 2, 3)),
                      SolidPicture(4, 4, qRgb(255, 255, 255)));
    festoon::WriteCardFile(large, cardPath);
    OpenCard(cardPath);
    ASSERT_EQ(ObjectCount(), 1);
    EXPECT_EQ(window->Card().CanvasSize(), here.CanvasSize());
    EXPECT_EQ(window->Card().Layers().first().bounds, QRect(100, 50, 200, 150));
}

class RecoveryTest : public EditingFixture {
  protected:
    void SetUp() override {
        EditingFixture::SetUp();
        recovery = std::make_unique<CardRecovery>(*window, path);
    }
    void TearDown() override {
        recovery.reset();
        EditingFixture::TearDown();
    }

    const QString path = folder.file(QStringLiteral("state/festoon/recovery.ora"));
    std::unique_ptr<CardRecovery> recovery;
};

TEST_F(RecoveryTest, EveryChangeIsKeptAndAnEmptyCanvasOrASavedCardLeavesNoFile) {
    PlaceSolid(QRect(10, 10, 60, 40), qRgb(9, 99, 199));
    recovery->Flush();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(festoon::ReadCardFile(path), window->Card());

    Click(window->BtnDelete);
    recovery->Flush();
    EXPECT_FALSE(QFile::exists(path));

    PlaceSolid(QRect(10, 10, 60, 40), qRgb(9, 99, 199));
    festoon::DialogScript::AnswerSave(folder.file(QStringLiteral("kept.ora")), kCardChoice);
    Click(window->BtnSave);
    recovery->Flush();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(RecoveryTest, YesRestoresTheCardExactlyNoSetsItAsideUntilTheNextChange) {
    PlaceSolid(QRect(10, 10, 60, 40), qRgb(9, 99, 199));
    LayFrame();
    const festoon::Composition worked = window->Card();
    recovery->Flush();
    // The next start: an empty window, the file still there.
    recovery.reset();
    CreateWindow();
    recovery = std::make_unique<CardRecovery>(*window, path);
    festoon::DialogScript::AnswerYesNo(true);
    recovery->OfferRecovery();
    EXPECT_EQ(window->Card(), worked);

    recovery.reset();
    CreateWindow();
    recovery = std::make_unique<CardRecovery>(*window, path);
    festoon::DialogScript::AnswerYesNo(false);
    recovery->OfferRecovery();
    EXPECT_TRUE(window->Card().IsEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QFile::exists(recovery->DeclinedPath()));
    PlaceSolid(QRect(1, 1, 5, 5), qRgb(1, 1, 1));
    recovery->Flush();
    EXPECT_FALSE(QFile::exists(recovery->DeclinedPath()));
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(RecoveryTest, AnUnreadableRecoveryFileIsReportedAndSetAside) {
    WriteBytes(path, "not a card");
    festoon::DialogScript::AnswerYesNo(true);
    recovery->OfferRecovery();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(window->Card().IsEmpty());
    EXPECT_TRUE(QFile::exists(recovery->DeclinedPath()));
    errors.clear();
}

} // namespace
