// The card behind the canvas: its start, the one place where the display follows it, the
// recomposition, and the actions the palettes perform on it.
#include "app/Unit1.h"

#include "app/EditingSurface.h"
#include "app/SelectionMarks.h"
#include "core/Bitmap.h"
#include "core/PictureFile.h"
#include "core/TextMask.h"
#include "platform/Paths.h"

void TFormMain::PrepareCanvas() {
    const QImage backdrop = festoon::ToBitmap24(
        festoon::LoadPictureFile(festoon::ProgramPath(QStringLiteral("main\\mainb.jpg"))));
    defaultMask_ = festoon::ToBitmap24(
        festoon::LoadPictureFile(festoon::ProgramPath(QStringLiteral("main\\Defaultmask.jpg"))));
    card_ = festoon::Composition(CanvasArea->size(), backdrop);
    ShowCard();
}

void TFormMain::EditCard(const std::function<void(festoon::Composition&)>& edit) {
    // The edit works on a copy, so that one that fails leaves the card as it was; a change becomes one
    // step of the history.
    festoon::Composition edited = card_;
    edit(edited);
    const bool changed = !(edited == card_);
    if (changed) {
        history_.Record(card_);
        card_ = std::move(edited);
        ShowHistoryState();
    }
    ShowCard();
    if (changed) {
        emit cardChanged(card_);
    }
}

void TFormMain::ShowCard() {
    // Only what changed is composed and painted again: what the rendering touched, and where the
    // selection marks were and are now.
    QRegion changed = renderer_.Render(card_);
    QRect marked;
    if (card_.SelectionMarked()) {
        if (const festoon::Layer* selected = card_.LayerInSlot(card_.SelectedSlot())) {
            marked = selected->bounds;
        }
    }
    changed += markedBounds_;
    changed += marked;
    markedBounds_ = marked;
    festoon::UpdateShownCanvas(shownCanvas_, renderer_.Rendered(), card_, changed);
    if (!marked.isEmpty()) {
        DrawSelectionMarks(shownCanvas_, marked);
    }
    ImTouMing->UpdateCanvas(shownCanvas_, changed);
}

void TFormMain::ReplaceCard(const festoon::Composition& card) {
    EditCard([&](festoon::Composition& current) { current = card; });
}

void TFormMain::PlacedObject() {
    surfaceOnTop_ = true;
}

void TFormMain::BtnchonghuaClick() {
    EditCard([](festoon::Composition& card) { card.Recompose(); });
}

void TFormMain::PlaceObject(const QRect& bounds, const QImage& picture, const QImage& mask) {
    EditCard([&](festoon::Composition& card) { DragSlot = card.PlaceObject(bounds, picture, mask); });
    PlacedObject();
}

void TFormMain::PlaceArtwork(const QImage& picture, const QImage& mask, int divisor) {
    EditCard([&](festoon::Composition& card) { DragSlot = card.PlaceArtwork(picture, mask, divisor); });
    PlacedObject();
}

void TFormMain::PlaceLettering(const QString& text, const QFont& font, const QColor& colour) {
    const QImage mask = festoon::RenderTextMask(text, font);
    EditCard([&](festoon::Composition& card) { DragSlot = card.PlaceLettering(mask, colour); });
    PlacedObject();
}

void TFormMain::MaskPhoto(const QImage& mask) {
    EditCard([&](festoon::Composition& card) { card.MaskPhoto(mask); });
}

void TFormMain::LayFrame(const QImage& picture, const QImage& mask) {
    EditCard([&](festoon::Composition& card) { card.LayFrame(picture, mask); });
}
