// The card double of the palette tests and the fixture built on it.
#include "tests/catalogs/TestCard.h"

#include "core/CardRendering.h"
#include "core/LetteringPicture.h"

#include <stdexcept>
#include <string>

TestCard::TestCard() : card(kCanvasSize, TestProgramFolder::StartBackdrop()) {}

void TestCard::PlaceArtwork(const QImage& picture, const QImage& mask, int divisor) {
    card.PlaceArtwork(picture, mask, divisor);
}

void TestCard::PlaceLettering(const festoon::Lettering& lettering) {
    const festoon::LetteringPicture drawn = festoon::DrawLettering(lettering);
    card.PlaceLettering(drawn.picture, drawn.mask, lettering);
}

void TestCard::ReplaceLettering(int slot, const festoon::Lettering& lettering) {
    const festoon::LetteringPicture drawn = festoon::DrawLettering(lettering);
    card.ReplaceLettering(slot, drawn.picture, drawn.mask, lettering);
}

void TestCard::MaskPhoto(const QImage& mask) {
    card.MaskPhoto(mask);
}

void TestCard::LayFrame(const QImage& picture, const QImage& mask) {
    card.LayFrame(picture, mask);
}

const festoon::Layer& PaletteTest::Layer(int slot) const {
    const festoon::Layer* layer = Card().LayerInSlot(slot);
    if (layer == nullptr) {
        throw std::logic_error("no object in slot " + std::to_string(slot));
    }
    return *layer;
}

const festoon::Layer& PaletteTest::TopLayer() const {
    if (Card().IsEmpty()) {
        throw std::logic_error("the card has no objects");
    }
    return *Card().TopLayer();
}

QImage PaletteTest::RenderedPicture(int slot) const {
    return festoon::RenderCard(Card()).pictures.value(Card().LayerIndex(slot));
}

int PaletteTest::PlaceSolid(const QRect& bounds, QRgb colour) {
    const QImage picture = SolidPicture(bounds.width(), bounds.height(), colour);
    return Positioned(testCard.card.PlaceArtwork(picture, WhiteMask(), 1), bounds);
}

int PaletteTest::PlacePhoto(const QRect& bounds, QRgb colour, const QImage& mask) {
    const int slot = testCard.card.PlacePhoto(SolidPicture(bounds.width(), bounds.height(), colour), mask);
    return Positioned(slot, bounds);
}

int PaletteTest::Positioned(int slot, const QRect& bounds) {
    testCard.card.SetBounds(slot, bounds);
    testCard.card.Recompose();
    return slot;
}
