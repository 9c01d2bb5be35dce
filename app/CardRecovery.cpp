// The recovery file of the card on the canvas.
#include "app/CardRecovery.h"

#include "app/Unit1.h"
#include "core/CardFile.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReporting.h"

#include <QFile>

namespace {

// A card that differs from the one the window started with in anything a user made: objects, a frame,
// a backdrop of their choice. An empty canvas needs no recovery.
bool HoldsWork(const festoon::Composition& card, const festoon::Composition& start) {
    return !card.IsEmpty() || card.LaidFrame().has_value() ||
           !(card.CleanBackdrop() == start.CleanBackdrop());
}

} // namespace

CardRecovery::CardRecovery(TFormMain& window, const QString& path)
    : window_(window), path_(path), startCard_(window.Card()) {
    // One writer for every autosave keeps the encoded pictures that did not change from one write to the
    // next; it encodes on the autosave's own thread only, so the window keeps a core.
    auto writer = std::make_shared<festoon::CardFileWriter>(1);
    autosave_ = std::make_unique<festoon::Autosave>(
        path_,
        [writer](const festoon::Composition& card, const QString& file) { writer->Write(card, file); });
    QObject::connect(&window_, &TFormMain::cardChanged, autosave_.get(),
                     [this](const festoon::Composition& card) { CardChanged(card); });
    QObject::connect(&window_, &TFormMain::cardSaved, autosave_.get(), [this] { autosave_->Discard(); });
}

CardRecovery::~CardRecovery() {
    Flush();
}

void CardRecovery::Flush() {
    autosave_->Flush();
}

void CardRecovery::CardChanged(const festoon::Composition& card) {
    if (declinedWaiting_) {
        // A new card is on its way to the recovery file: the one set aside is not needed any more.
        QFile::remove(DeclinedPath());
        declinedWaiting_ = false;
    }
    if (HoldsWork(card, startCard_)) {
        autosave_->CardChanged(card);
    } else {
        autosave_->Discard();
    }
}

void CardRecovery::OfferRecovery() {
    if (!QFile::exists(path_)) {
        return;
    }
    if (!festoon::AskYesNo(&window_, QStringLiteral("Restore the card you were working on?"))) {
        SetAside();
        return;
    }
    if (!festoon::RunReportingErrors([this] { window_.OpenCardFile(path_); })) {
        SetAside();
    }
}

void CardRecovery::SetAside() {
    QFile::remove(DeclinedPath());
    QFile::rename(path_, DeclinedPath());
    declinedWaiting_ = true;
}
