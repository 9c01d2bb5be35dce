// The undo and redo stacks of a card.
#include "core/CardHistory.h"

#include <utility>

namespace festoon {

CardHistory::CardHistory(qsizetype depth) : depth_(depth < 1 ? 1 : depth) {}

void CardHistory::Record(const Composition& before) {
    if (undo_.size() == depth_) {
        undo_.removeFirst();
    }
    undo_.append(before);
    redo_.clear();
}

Composition CardHistory::Undo(const Composition& current) {
    Composition previous = undo_.takeLast();
    redo_.append(current);
    return previous;
}

Composition CardHistory::Redo(const Composition& current) {
    Composition next = redo_.takeLast();
    undo_.append(current);
    return next;
}

void CardHistory::Clear() {
    undo_.clear();
    redo_.clear();
}

} // namespace festoon
