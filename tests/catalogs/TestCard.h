// The palettes without the main window: a card they act on through CardActions, each action applied
// to a Composition the double owns, and a fixture that makes palettes on it.
#pragma once

#include "catalogs/CardActions.h"
#include "catalogs/PaletteWindow.h"
#include "core/Composition.h"
#include "platform/WindowDrag.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QWidget>
#include <memory>

// Applies every palette action to `card` as the main window applies it to its own card.
class TestCard final : public CardActions {
  public:
    static constexpr QSize kCanvasSize{480, 360};

    // An empty card with the start backdrop the test program folder holds.
    TestCard();

    void PlaceArtwork(const QImage& picture, const QImage& mask, int divisor) override;
    void PlaceLettering(const festoon::Lettering& lettering) override;
    void ReplaceLettering(int slot, const festoon::Lettering& lettering) override;
    void MaskPhoto(const QImage& mask) override;
    void LayFrame(const QImage& picture, const QImage& mask) override;

    festoon::Composition card;
};

// A CatalogTest whose palettes act on a TestCard and are owned by a host window.
class PaletteTest : public CatalogTest {
  protected:
    [[nodiscard]] PaletteContext Context() { return {host.get(), &testCard, &mainWindowDrag}; }

    [[nodiscard]] const festoon::Composition& Card() const { return testCard.card; }
    [[nodiscard]] const festoon::Layer& Layer(int slot) const;
    [[nodiscard]] const festoon::Layer& TopLayer() const;
    // The object's picture as the card is rendered: blended over what lies beneath it.
    [[nodiscard]] QImage RenderedPicture(int slot) const;

    // Objects placed by hand at `bounds` in the first free slot, recomposed, their picture of one
    // colour: a piece of artwork (named after its slot) with a white mask, or a photo ("man" + slot).
    int PlaceSolid(const QRect& bounds, QRgb colour);
    int PlacePhoto(const QRect& bounds, QRgb colour, const QImage& mask = WhiteMask());

    TestCard testCard;
    festoon::WindowDrag mainWindowDrag;
    // Destroyed first, with the palettes it owns, while the card they act on still exists.
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();

  private:
    int Positioned(int slot, const QRect& bounds);
};
