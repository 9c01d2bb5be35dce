// The canvas as the user sees it: the card shown pixel for pixel as it is saved, the selection marks of
// a placed object and their removal by a recomposition, and an object past the canvas edge.
#include "tests/app/EditingFixture.h"

#include "core/PictureFile.h"

#include "core/CardRendering.h"

namespace {

class CanvasTest : public EditingFixture {
  protected:
    [[nodiscard]] QImage ShownAsSaved() const {
        return festoon::CardPicture(window->Card()).convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(CanvasTest, AtStartTheCanvasShowsTheBackdropThroughTheSameStretchAsTheSavedPicture) {
    ASSERT_EQ(window->ImTouMing->ShownCanvas().size(), QSize(876, 667));
    EXPECT_EQ(window->ImTouMing->ShownCanvas(), ShownAsSaved());
    EXPECT_EQ(window->ImTouMing->ShownCanvas(),
              festoon::StretchBitmap(festoon::LoadPictureFile(folder.file(QStringLiteral("main/mainb.jpg"))),
                                     876, 667)
                  .convertToFormat(QImage::Format_RGB32));
    // And so does what is painted on the screen.
    EXPECT_EQ(window->ImTouMing->grab().toImage().convertToFormat(QImage::Format_RGB32), ShownAsSaved());
}

TEST_F(CanvasTest, APlacedObjectShowsItsMarksUntilTheNextRecomposition) {
    const int slot = PlaceSolid(QRect(10, 20, 100, 80), qRgb(255, 0, 0));
    EXPECT_EQ(window->Card().SelectedSlot(), slot);
    EXPECT_EQ(window->DragSlot, slot);
    EXPECT_TRUE(ShowsMarks(slot));
    EXPECT_EQ(Shown({40, 50}), qRgb(255, 0, 0));
    EXPECT_NE(window->ImTouMing->ShownCanvas(), ShownAsSaved());

    window->BtnchonghuaClick();
    EXPECT_FALSE(ShowsMarks(slot));
    EXPECT_EQ(window->ImTouMing->ShownCanvas(), ShownAsSaved());
    EXPECT_EQ(window->ImTouMing->grab().toImage().convertToFormat(QImage::Format_RGB32), ShownAsSaved());
}

TEST_F(CanvasTest, ObjectsPastTheCanvasEdgeAreCut) {
    PlaceSolid(QRect(850, 640, 100, 100), qRgb(255, 0, 0));
    PlaceSolid(QRect(0, 0, 10, 10), qRgb(0, 255, 0));
    EXPECT_EQ(window->RenderedCard().pictures.first().size(), QSize(100, 100));
    EXPECT_EQ(Shown({875, 666}), qRgb(255, 0, 0));
    EXPECT_EQ(window->ImTouMing->ShownCanvas().size(), QSize(876, 667));
}

} // namespace
