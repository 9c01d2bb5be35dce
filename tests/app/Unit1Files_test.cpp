// Files and pictures from outside: files given at start or by a second start, drops on the canvas, the
// clipboard both ways, and the keys of the commands.
#include "tests/app/EditingFixture.h"

#include "core/CardFile.h"
#include "core/CardRendering.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

namespace {

class FilesTest : public EditingFixture {
  protected:
    void SetUp() override {
        EditingFixture::SetUp();
        folder.writeJpeg(QStringLiteral("wide.jpg"), SolidPicture(300, 200, qRgb(0, 0, 255)));
        folder.writeBmp(QStringLiteral("tall.BMP"), SolidPicture(100, 200, qRgb(0, 200, 0)));
        folder.writeBytes(QStringLiteral("notes.txt"), "not a picture");
        folder.writeBytes(QStringLiteral("broken.jpg"), "not a picture either");
    }

    [[nodiscard]] QStringList Files(std::initializer_list<const char*> names) const {
        QStringList paths;
        for (const char* name : names) {
            paths.append(folder.file(QString::fromLatin1(name)));
        }
        return paths;
    }

    static std::unique_ptr<QMimeData> Links(const QStringList& paths) {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls.append(QUrl::fromLocalFile(path));
        }
        data->setUrls(urls);
        return data;
    }

    // Sends a drag over the canvas point and, when it is taken, the drop; returns whether it was taken.
    bool DragAndDrop(const QMimeData& data, QPoint canvasPoint, Qt::DropActions offered = Qt::CopyAction) {
        QDragEnterEvent enter(canvasPoint, offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window->ImTouMing, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(canvasPoint), offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window->ImTouMing, &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
        // The dropped files are opened once the drop has been answered.
        QCoreApplication::processEvents();
        return true;
    }

    [[nodiscard]] QList<QRect> BoundsFromBottom() const {
        QList<QRect> bounds;
        for (const festoon::Layer& layer : window->Card().Layers()) {
            bounds.append(layer.bounds);
        }
        return bounds;
    }
};

TEST_F(FilesTest, GivenFilesOpenAsPhotosOneBesideTheOther) {
    window->OpenGivenFiles(Files({"wide.jpg", "tall.BMP"}));
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(BoundsFromBottom(), QList<QRect>({QRect(10, 10, 400, 266), QRect(30, 30, 200, 400)}));
    EXPECT_EQ(LayerIn(1).name, QStringLiteral("man1"));
    EXPECT_EQ(LayerIn(2).name, QStringLiteral("man2"));
    EXPECT_EQ(LayerIn(2).picture, SolidPicture(100, 200, qRgb(0, 200, 0)));
    EXPECT_EQ(LayerIn(2).mask, window->DefaultMask());
    EXPECT_EQ(window->Card().SelectedSlot(), 2);
    EXPECT_TRUE(ShowsMarks(2));
}

TEST_F(FilesTest, FilesThatCannotBeOpenedAreReportedAndTheOthersStillOpen) {
    window->OpenGivenFiles(Files({"notes.txt", "broken.jpg", "wide.jpg", "missing.jpg", "song.mp3"}));
    ASSERT_EQ(errors.size(), 3) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("JPEG error #"))) << errors[0].toStdString();
    EXPECT_EQ(errors[1], QStringLiteral("Cannot open file ") + folder.file(QStringLiteral("missing.jpg")));
    // The files of other kinds, together in one message.
    EXPECT_EQ(errors[2],
              QStringLiteral("Festoon cannot open these files: they are not JPEG, PNG, WebP, TIFF, "
                             "GIF or BMP pictures.\nnotes.txt\nsong.mp3"));
    // The one good photo lands first in line, where the Photo button would put it.
    EXPECT_EQ(BoundsFromBottom(), QList<QRect>({QRect(10, 10, 400, 266)}));
}

TEST_F(FilesTest, APhotoDroppedOnTheCanvasLandsWithItsCornerWhereItWasDropped) {
    PlaceSolid(QRect(0, 0, 50, 50), qRgb(9, 9, 9));
    const auto data = Links(Files({"wide.jpg", "notes.txt", "tall.BMP"}));
    // Offered as a move, taken as a copy: the file manager must not delete what was dropped.
    ASSERT_TRUE(DragAndDrop(*data, QPoint(200, 150), Qt::MoveAction | Qt::CopyAction));
    EXPECT_EQ(BoundsFromBottom(),
              QList<QRect>({QRect(0, 0, 50, 50), QRect(200, 150, 400, 266), QRect(220, 170, 200, 400)}));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].endsWith(QStringLiteral("\nnotes.txt")));
}

TEST_F(FilesTest, ACardDroppedAnywhereOnTheWindowOpensWherePhotosAreRefused) {
    festoon::Composition card(window->CanvasSize(), window->Card().CleanBackdrop());
    card.PlaceObject(QRect(40, 30, 60, 50), SolidPicture(6, 5, qRgb(1, 2, 3)), SolidPicture(4, 4, kWhite));
    const QString cardPath = folder.file(QStringLiteral("birthday.ORA"));
    festoon::WriteCardFile(card, cardPath);
    // Over the column of buttons, well away from the canvas.
    const QPointF overColumn(60, 300);
    const auto photo = Links(Files({"wide.jpg"}));
    QDragEnterEvent refused(overColumn.toPoint(), Qt::CopyAction, photo.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());

    const auto cardAndPhoto = Links({folder.file(QStringLiteral("wide.jpg")), cardPath});
    QDragEnterEvent enter(overColumn.toPoint(), Qt::MoveAction | Qt::CopyAction, cardAndPhoto.get(),
                          Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(overColumn, Qt::MoveAction | Qt::CopyAction, cardAndPhoto.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    QCoreApplication::processEvents();
    // The card opened; the photo, dropped where it has no place to land, did not.
    EXPECT_EQ(window->Card(), card);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(FilesTest, ADragWithNothingToOpenIsRefused) {
    const auto text = std::make_unique<QMimeData>();
    text->setText(QStringLiteral("hello"));
    const auto image = std::make_unique<QMimeData>();
    image->setImageData(SolidPicture(10, 10, qRgb(1, 2, 3)));
    const auto remote = std::make_unique<QMimeData>();
    remote->setUrls({QUrl(QStringLiteral("https://example.org/photo.jpg"))});
    const auto other = Links(Files({"notes.txt"}));
    for (const QMimeData* data : {text.get(), image.get(), remote.get(), other.get()}) {
        EXPECT_FALSE(DragAndDrop(*data, QPoint(20, 20)));
    }
    EXPECT_TRUE(window->Card().IsEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FilesTest, PasteTakesTheClipboardsPictureAsANewPhoto) {
    QImage picture(300, 100, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    for (int x = 150; x < 300; ++x) {
        for (int y = 0; y < 100; ++y) {
            picture.setPixel(x, y, qRgba(200, 20, 20, 255));
        }
    }
    QGuiApplication::clipboard()->setImage(picture);
    window->PasteAction->trigger();
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const festoon::Layer& pasted = LayerIn(1);
    EXPECT_EQ(pasted.name, QStringLiteral("man1"));
    EXPECT_EQ(pasted.bounds, QRect(10, 10, 400, 133));
    // What was transparent shows white.
    EXPECT_EQ(pasted.picture.pixel(10, 50), qRgb(255, 255, 255));
    EXPECT_EQ(pasted.picture.pixel(200, 50), qRgb(200, 20, 20));
    EXPECT_EQ(pasted.mask, window->DefaultMask());
}

TEST_F(FilesTest, PasteOpensFilesCopiedInAFileManagerAndReportsAnEmptyClipboard) {
    QGuiApplication::clipboard()->setMimeData(Links(Files({"tall.BMP"})).release());
    window->PasteAction->trigger();
    EXPECT_EQ(BoundsFromBottom(), QList<QRect>({QRect(10, 10, 200, 400)}));

    QGuiApplication::clipboard()->setText(QStringLiteral("just words"));
    window->PasteAction->trigger();
    EXPECT_EQ(errors, QStringList({QStringLiteral("There is no picture on the clipboard to paste.")}));
    EXPECT_EQ(ObjectCount(), 1);
}

TEST_F(FilesTest, CopyPutsTheFinishedCardOnTheClipboardAndLeavesTheCardAlone) {
    PlaceSolid(QRect(40, 30, 100, 80), qRgb(10, 200, 30));
    PlaceSolid(QRect(90, 60, 100, 80), qRgb(200, 10, 30));
    const festoon::Composition before = window->Card();
    ASSERT_TRUE(ShowsMarks(2));
    window->CopyCardAction->trigger();
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, festoon::CardPicture(before).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(copied.size(), window->CanvasSize());
    EXPECT_EQ(copied.pixel(95, 65), qRgb(200, 10, 30)); // no selection marks, the top object over the other
    EXPECT_EQ(window->Card(), before);
    EXPECT_TRUE(ShowsMarks(2));
}

TEST_F(FilesTest, CommandKeysWaitWhileTheMouseIsHeldOnTheCanvasButDeleteDoesNot) {
    folder.writeJpeg(QStringLiteral("wide.jpg"), SolidPicture(300, 200, qRgb(0, 0, 255)));
    QGuiApplication::clipboard()->setImage(SolidPicture(30, 30, qRgb(1, 2, 3)));
    PlaceSolid(QRect(10, 10, 100, 100), qRgb(9, 9, 9));
    MoveTo(QPoint(50, 50));
    Press(QPoint(50, 50));
    window->PasteAction->trigger();
    EXPECT_EQ(ObjectCount(), 1);
    window->Action1->trigger();
    EXPECT_EQ(ObjectCount(), 0);
    Release(QPoint(60, 60));
    window->PasteAction->trigger();
    EXPECT_EQ(ObjectCount(), 1);
}

} // namespace
