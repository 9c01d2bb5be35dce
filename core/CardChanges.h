// The record of what a card's operations touched: each operation that knows which rectangles of the
// canvas it changed states them here, so that a view of the card renders again only there. An
// operation that states nothing makes the record unusable, and the view renders the whole card: the
// record carries a fingerprint of everything rendering reads, taken at the last statement, which no
// longer matches once anything changed without one.
#pragma once

#include <QList>
#include <QRect>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace festoon {

class CardChanges {
  public:
    // Operations remembered; a view further behind renders the whole card.
    static constexpr qsizetype kRemembered = 64;

    // States that an operation changed what the card shows within `rects` only (canvas coordinates;
    // they may reach past the canvas) and left the card with `fingerprint`.
    void Touched(const QList<QRect>& rects, quint64 fingerprint);
    // States that an operation may have changed anything (a new backdrop, a frame).
    void TouchedEverything(quint64 fingerprint);

    // The rectangles touched on the way from a card whose record was `earlier` (its fingerprint
    // `earlierFingerprint`) to the card of this record (its fingerprint `fingerprint`); nullopt when
    // that is not known: the cards are not one descended from the other through stated operations,
    // something changed without a statement on either, or an operation touched everything.
    [[nodiscard]] std::optional<QList<QRect>> Since(const CardChanges& earlier, quint64 earlierFingerprint,
                                                    quint64 fingerprint) const;

    // Bookkeeping, not part of what a card is: any two records compare equal, so that cards compare by
    // what they hold.
    friend bool operator==(const CardChanges&, const CardChanges&) { return true; }

  private:
    struct Entry {
        quint64 id = 0;
        bool everything = false;
        QList<QRect> rects;
    };
    void Add(Entry entry, quint64 fingerprint);

    QList<Entry> entries_; // oldest first
    quint64 fingerprint_ = 0;
};

// The areas to render for a list of touched rectangles: rectangles that overlap are joined into the
// rectangle around them until none overlaps another; empty ones are dropped.
[[nodiscard]] std::vector<QRect> DisjointAreas(const QList<QRect>& rects);

// A fingerprint of values, for CardChanges: the same values in the same order give the same number.
class Fingerprint {
  public:
    void Add(quint64 value);
    void Add(const QRect& rect);
    [[nodiscard]] quint64 Value() const { return value_; }

  private:
    quint64 value_ = 0x9E3779B97F4A7C15ULL;
};

} // namespace festoon
