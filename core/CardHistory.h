// CardHistory: the steps a user can undo and redo. Each step keeps the whole card as it was; cards share
// their pictures, so a step that moved an object costs a few hundred bytes, and one that deleted an
// object keeps only a reference to pictures the card already held.
#pragma once

#include "core/Composition.h"

#include <QList>

namespace festoon {

class CardHistory {
  public:
    // Steps kept before the oldest is forgotten.
    static constexpr qsizetype kDefaultDepth = 500;

    explicit CardHistory(qsizetype depth = kDefaultDepth);

    // Records that `before` was the card just before a change; what could be redone is forgotten.
    void Record(const Composition& before);
    [[nodiscard]] bool CanUndo() const { return !undo_.isEmpty(); }
    [[nodiscard]] bool CanRedo() const { return !redo_.isEmpty(); }
    // The card before the last step; `current` becomes redoable. Call only when CanUndo().
    [[nodiscard]] Composition Undo(const Composition& current);
    // The card after the step last undone; `current` becomes undoable. Call only when CanRedo().
    [[nodiscard]] Composition Redo(const Composition& current);
    [[nodiscard]] qsizetype UndoCount() const { return undo_.size(); }
    void Clear();

  private:
    qsizetype depth_;
    QList<Composition> undo_; // oldest first
    QList<Composition> redo_; // the next redo last
};

} // namespace festoon
