// Loading a photo through the Photo button: sizing on a 1024 x 768 screen, slots and names, the file
// format chosen by the path, and files that fail.
#include "tests/app/EditingFixture.h"

namespace {

class LoadTest : public EditingFixture {
  protected:
    // Answers the open dialog with `relative` in the program folder and clicks Photo.
    void LoadPhoto(const QString& relative) {
        festoon::DialogScript::AnswerOpen(folder.file(relative));
        Click(window->BtnLoad);
    }
};

struct SizingCase {
    QSize photo;
    QSize source;
    QSize shown;
};

class PhotoSizingTest : public LoadTest, public ::testing::WithParamInterface<SizingCase> {};

TEST_P(PhotoSizingTest, SourceAndDisplaySizesFollowTheCanvas) {
    const SizingCase& sizing = GetParam();
    folder.writeJpeg(QStringLiteral("photo.jpg"),
                     SolidPicture(sizing.photo.width(), sizing.photo.height(), qRgb(200, 100, 50)));
    LoadPhoto(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const TImg* photo = window->ObjectSlots[1];
    EXPECT_EQ(photo->BMP.size(), sizing.source);
    EXPECT_EQ(photo->geometry(), QRect(QPoint(10, 10), sizing.shown));
}

INSTANTIATE_TEST_SUITE_P(Screen1024x768, PhotoSizingTest,
                         ::testing::Values(SizingCase{{1024, 768}, {889, 667}, {400, 300}},
                                           SizingCase{{3000, 2000}, {1000, 667}, {400, 266}},
                                           SizingCase{{2000, 400}, {876, 400}, {400, 182}},
                                           SizingCase{{1000, 600}, {876, 600}, {400, 273}},
                                           SizingCase{{300, 800}, {250, 667}, {149, 400}},
                                           SizingCase{{500, 500}, {500, 500}, {400, 400}},
                                           SizingCase{{200, 200}, {200, 200}, {400, 400}},
                                           // A very thin photo still gets a visible, renderable object.
                                           SizingCase{{2000, 1}, {876, 1}, {400, 1}}));

TEST_F(LoadTest, PhotoIsTopmostSelectedWithTheDefaultMask) {
    folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(300, 200, qRgb(0, 0, 255)));
    PlaceSolid(QRect(50, 50, 100, 100), qRgb(1, 1, 1));
    LoadPhoto(QStringLiteral("photo.jpg"));
    const TImg* photo = window->ObjectSlots[2];
    EXPECT_EQ(photo->objectName(), QStringLiteral("man2"));
    EXPECT_EQ(window->LayerList.last(), photo);
    EXPECT_EQ(window->SelectedSlot, 2);
    EXPECT_EQ(window->DragSlot, 2);
    EXPECT_EQ(photo->Mask, window->ImDefultMask->Picture());
    EXPECT_EQ(photo->Picture().pixel(0, 0), kMarkColour);
}

TEST_F(LoadTest, PhotoTakesTheFirstHiddenSlot) {
    folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(300, 200, qRgb(0, 0, 255)));
    for (int i = 0; i < 3; ++i) {
        PlaceSolid(QRect(20 * i, 0, 10, 10), qRgb(9, 9, 9));
    }
    window->DeleteTopObject(); // slot 3 is free again
    LoadPhoto(QStringLiteral("photo.jpg"));
    EXPECT_EQ(window->ObjectSlots[3]->objectName(), QStringLiteral("man3"));
    EXPECT_FALSE(window->ObjectSlots[3]->isHidden());
}

TEST_F(LoadTest, WithAllSlotsInUseThePhotoReplacesSlot50Once) {
    folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(300, 200, qRgb(0, 0, 255)));
    for (int i = 0; i < TFormMain::kSlotCount; ++i) {
        PlaceSolid(QRect(10 * i, 10, 8, 8), qRgb(9, 9, 9));
    }
    LoadPhoto(QStringLiteral("photo.jpg"));
    TImg* photo = window->ObjectSlots[50];
    EXPECT_EQ(photo->objectName(), QStringLiteral("man50"));
    EXPECT_EQ(window->LayerList.count(photo), 1);
    EXPECT_EQ(window->LayerList.last(), photo);
    EXPECT_EQ(window->LayerList.size(), 51);
}

TEST_F(LoadTest, UpperCaseBmpNameIsReadAsABitmap) {
    folder.writeBmp(QStringLiteral("PHOTO.BMP"), SolidPicture(120, 80, qRgb(12, 34, 56)));
    LoadPhoto(QStringLiteral("PHOTO.BMP"));
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(window->ObjectSlots[1]->BMP, SolidPicture(120, 80, qRgb(12, 34, 56)));
}

TEST_F(LoadTest, FileThatFailsToDecodeChangesNothing) {
    PlaceSolid(QRect(50, 50, 100, 100), qRgb(1, 1, 1));
    const QList<TImg*> layersBefore = window->LayerList;
    folder.writeBytes(QStringLiteral("broken.jpg"), QByteArray("not a picture at all"));
    folder.writeJpeg(QStringLiteral("holiday.bmp.jpg"), SolidPicture(30, 30, qRgb(0, 0, 255)));

    LoadPhoto(QStringLiteral("broken.jpg"));
    LoadPhoto(QStringLiteral("holiday.bmp.jpg")); // a JPEG handed to the bitmap reader by its name
    LoadPhoto(QStringLiteral("missing.jpg"));

    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("JPEG error #"))) << errors[0].toStdString();
    EXPECT_EQ(errors[1], QStringLiteral("Bitmap image is not valid"));
    EXPECT_EQ(errors[2], QStringLiteral("Cannot open file ") + folder.file(QStringLiteral("missing.jpg")));
    EXPECT_EQ(window->LayerList, layersBefore);
    EXPECT_EQ(VisibleObjects(), 1);
    EXPECT_TRUE(window->ObjectSlots[2]->isHidden());
    EXPECT_EQ(window->ObjectSlots[2]->objectName(), QStringLiteral("d2"));
    EXPECT_EQ(window->SelectedSlot, 1);
}

TEST_F(LoadTest, CancelChangesNothing) {
    festoon::DialogScript::AnswerOpen(std::nullopt);
    Click(window->BtnLoad);
    EXPECT_EQ(window->LayerList.size(), 1);
    EXPECT_EQ(VisibleObjects(), 0);
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
