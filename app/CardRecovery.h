// Never losing a card: the card on the canvas is kept in a recovery file after every change, and a
// card left there by a crash or a closed window is offered back at the next start.
#pragma once

#include "platform/Autosave.h"

#include <QString>
#include <memory>

class TFormMain;

class CardRecovery {
  public:
    // Keeps the window's card in the recovery file at `path` from now on.
    CardRecovery(TFormMain& window, const QString& path);
    ~CardRecovery();
    CardRecovery(const CardRecovery&) = delete;
    CardRecovery& operator=(const CardRecovery&) = delete;

    // When the recovery file holds a card, asks once whether to restore it. Yes puts it on the canvas
    // exactly as it was (undo takes it back); No starts empty and keeps the file aside until the next
    // change. A file that cannot be read is reported and set aside the same way.
    void OfferRecovery();
    // Writes what waits to be written and waits for it (the program is ending; tests).
    void Flush();

    [[nodiscard]] QString DeclinedPath() const { return path_ + QStringLiteral(".declined"); }

  private:
    void CardChanged(const festoon::Composition& card);
    void SetAside();

    TFormMain& window_;
    QString path_;
    festoon::Composition startCard_;
    std::unique_ptr<festoon::Autosave> autosave_;
    bool declinedWaiting_ = false;
};
