// Rendering a card: each layer blended over everything beneath it, the topmost kept out of the
// composed canvas, the passes of a recomposition and of a drag, and the finished picture.
#include "core/Bitmap.h"
#include "core/CardRendering.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using festoon::Composition;
using festoon::SolidBitmap;

constexpr QSize kCanvas(876, 667);
constexpr QRgb kBackdrop = 0xFF2878C8;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QImage Solid(int w, int h, QRgb colour) {
    return SolidBitmap(w, h, colour);
}

Composition SolidCard(QRgb backdrop = kBackdrop) {
    return Composition(kCanvas, Solid(64, 48, backdrop));
}

TEST(CardRenderingTest, OnlyTheBackdropFillsTheCanvas) {
    const festoon::RenderedCard rendered = festoon::RenderCard(SolidCard());
    EXPECT_EQ(rendered.composed, Solid(876, 667, kBackdrop));
    EXPECT_TRUE(rendered.pictures.isEmpty());
    EXPECT_EQ(festoon::CardPicture(SolidCard()), Solid(876, 667, kBackdrop));
}

TEST(CardRenderingTest, EachLayerIsBlendedOverEverythingBeneathItAndTheTopmostIsLeftOut) {
    // A shows itself; B shows A through the black left half of its mask and itself on the right;
    // C's black mask shows everything beneath it.
    Composition card = SolidCard();
    card.PlaceObject(QRect(0, 0, 100, 100), Solid(10, 10, kRed), Solid(8, 8, kWhite));
    QImage halfMask = Solid(2, 1, kWhite);
    halfMask.setPixel(0, 0, kBlack);
    card.PlaceObject(QRect(50, 0, 100, 100), Solid(10, 10, kGreen), halfMask);
    card.PlaceObject(QRect(0, 50, 200, 100), Solid(10, 10, kYellow), Solid(1, 1, kBlack));
    const festoon::RenderedCard rendered = festoon::RenderCard(card);
    ASSERT_EQ(rendered.pictures.size(), 3);
    const QImage& b = rendered.pictures[1];
    const QImage& c = rendered.pictures[2];
    EXPECT_EQ(b.pixel(25, 20), kRed);   // over A
    EXPECT_EQ(b.pixel(75, 20), kGreen); // its own half
    EXPECT_EQ(c.pixel(25, 10), kRed);
    EXPECT_EQ(c.pixel(75, 10), kRed); // B's see-through half over A
    EXPECT_EQ(c.pixel(125, 10), kGreen);
    EXPECT_EQ(c.pixel(175, 10), kBackdrop);

    EXPECT_EQ(rendered.composed.pixel(25, 25), kRed);
    EXPECT_EQ(rendered.composed.pixel(125, 25), kGreen);
    EXPECT_EQ(rendered.composed.pixel(175, 25), kBackdrop);
    EXPECT_EQ(rendered.composed.pixel(125, 120), kBackdrop); // C is not part of it
}

TEST(CardRenderingTest, ARecompositionBlendsTwiceAndTheEndOfADragOnce) {
    // Grey 128 over white: a black object shows 190 after two passes and 127 after one.
    Composition card = SolidCard(kWhite);
    const int slot =
        card.PlaceObject(QRect(10, 10, 20, 20), Solid(4, 4, kBlack), Solid(4, 4, qRgb(128, 128, 128)));
    EXPECT_EQ(festoon::RenderCard(card).pictures[0].pixel(5, 5), qRgb(190, 190, 190));
    card.SetBounds(slot, QRect(10, 10, 20, 20));
    EXPECT_EQ(festoon::RenderCard(card).pictures[0].pixel(5, 5), qRgb(127, 127, 127));
    // The finished picture is recomposed: twice again.
    EXPECT_EQ(festoon::CardPicture(card).pixel(15, 15), qRgb(190, 190, 190));
}

TEST(CardRenderingTest, AnObjectPastTheCanvasEdgeIsClippedAndSeesBlackBeyondIt) {
    Composition card = SolidCard();
    card.PlaceObject(QRect(850, 640, 100, 100), Solid(4, 4, kRed), Solid(2, 2, qRgb(128, 128, 128)));
    card.PlaceObject(QRect(0, 0, 10, 10), Solid(4, 4, kGreen), Solid(2, 2, kWhite));
    const festoon::RenderedCard rendered = festoon::RenderCard(card);
    EXPECT_EQ(rendered.pictures[0].size(), QSize(100, 100));
    EXPECT_EQ(rendered.composed.size(), kCanvas);
    // Inside the canvas the grey mask mixes red with the backdrop, beyond it with black.
    EXPECT_NE(rendered.composed.pixel(875, 666), kBackdrop);
    EXPECT_EQ(rendered.pictures[0].pixel(99, 99), qRgb(64, 0, 0));
    EXPECT_EQ(rendered.composed.pixel(849, 666), kBackdrop);
}

TEST(CardRenderingTest, TheFinishedPictureHasTheTopmostObjectAndNoMarks) {
    Composition card = SolidCard();
    card.PlaceObject(QRect(100, 100, 200, 150), Solid(4, 4, kRed), Solid(2, 2, kWhite));
    card.PlaceObject(QRect(250, 200, 100, 100), Solid(4, 4, kGreen), Solid(2, 2, kWhite));
    card.CopyTop();
    card.SetBounds(card.SelectedSlot(), QRect(820, 600, 100, 100)); // cut at the canvas edge

    QImage expected = Solid(876, 667, kBackdrop);
    QPainter painter(&expected);
    painter.fillRect(100, 100, 200, 150, QColor(kRed));
    painter.fillRect(250, 200, 100, 100, QColor(kGreen));
    painter.fillRect(820, 600, 100, 100, QColor(kGreen));
    painter.end();
    EXPECT_EQ(festoon::CardPicture(card), expected);
    EXPECT_EQ(festoon::ShownCanvas(festoon::RenderCard(card), card), expected);
}

} // namespace
