// The card behind the canvas: its start, the one place where the display follows it, the
// recomposition, and the actions the palettes perform on it.
#include "app/Unit1.h"

#include "app/EditingSurface.h"
#include "app/SelectionMarks.h"
#include "core/Bitmap.h"
#include "core/LetteringPicture.h"
#include "core/PictureFile.h"
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
    // step of the history, or part of the gesture's step while one is under way.
    festoon::Composition edited = card_;
    edit(edited);
    const bool changed = !(edited == card_);
    if (changed) {
        if (!stepStart_) {
            history_.Record(card_);
        }
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
    std::optional<festoon::Placement> marked;
    if (card_.SelectionMarked()) {
        if (const festoon::Layer* selected = card_.LayerInSlot(card_.SelectedSlot())) {
            marked = festoon::PlacementOf(*selected);
        }
    }
    const QRect markedBounds = marked ? SelectionMarksExtent(*marked) : QRect();
    changed += markedBounds_;
    changed += markedBounds;
    markedBounds_ = markedBounds;
    festoon::UpdateShownCanvas(shownCanvas_, renderer_.Rendered(), card_, changed);
    if (marked) {
        DrawSelectionMarks(shownCanvas_, *marked);
    }
    ImTouMing->UpdateCanvas(shownCanvas_, changed);
}

void TFormMain::BeginStep() {
    EndStep();
    stepStart_ = card_;
}

void TFormMain::EndStep() {
    if (!stepStart_) {
        return;
    }
    const festoon::Composition before = std::move(*stepStart_);
    stepStart_.reset();
    if (!(before == card_)) {
        history_.Record(before);
        ShowHistoryState();
    }
}

void TFormMain::ReplaceCard(const festoon::Composition& card) {
    EditCard([&](festoon::Composition& current) { current = card; });
}

void TFormMain::BtnchonghuaClick() {
    EditCard([](festoon::Composition& card) { card.Recompose(); });
}

void TFormMain::PlaceObject(const QRect& bounds, const QImage& picture, const QImage& mask) {
    EditCard([&](festoon::Composition& card) { DragSlot = card.PlaceObject(bounds, picture, mask); });
}

void TFormMain::PlaceArtwork(const QImage& picture, const QImage& mask, int divisor) {
    EditCard([&](festoon::Composition& card) { DragSlot = card.PlaceArtwork(picture, mask, divisor); });
}

void TFormMain::PlaceLettering(const festoon::Lettering& lettering) {
    const festoon::LetteringPicture drawn = festoon::DrawLettering(lettering);
    EditCard([&](festoon::Composition& card) {
        DragSlot = card.PlaceLettering(drawn.picture, drawn.mask, lettering);
    });
}

void TFormMain::ReplaceLettering(int slot, const festoon::Lettering& lettering) {
    const festoon::LetteringPicture drawn = festoon::DrawLettering(lettering);
    EditCard([&](festoon::Composition& card) {
        card.ReplaceLettering(slot, drawn.picture, drawn.mask, lettering);
    });
}

void TFormMain::MaskPhoto(const QImage& mask) {
    EditCard([&](festoon::Composition& card) { card.MaskPhoto(mask); });
}

void TFormMain::LayFrame(const QImage& picture, const QImage& mask) {
    EditCard([&](festoon::Composition& card) { card.LayFrame(picture, mask); });
}
