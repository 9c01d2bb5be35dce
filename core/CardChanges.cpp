// Each statement is an entry with a number no other entry anywhere has; a card's copies share their
// entries, so a card descended from another holds the other's last entry.
#include "core/CardChanges.h"

#include <algorithm>
#include <atomic>

namespace festoon {
namespace {

std::atomic<quint64> lastEntry{0};

// splitmix64's finaliser: every bit of the input reaches every bit of the output.
quint64 Mix(quint64 x) {
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

} // namespace

void CardChanges::Add(Entry entry, quint64 fingerprint) {
    entry.id = ++lastEntry;
    entries_.append(std::move(entry));
    if (entries_.size() > kRemembered) {
        entries_.remove(0, entries_.size() - kRemembered);
    }
    fingerprint_ = fingerprint;
}

void CardChanges::Touched(const QList<QRect>& rects, quint64 fingerprint) {
    Add(Entry{0, false, rects}, fingerprint);
}

void CardChanges::TouchedEverything(quint64 fingerprint) {
    Add(Entry{0, true, {}}, fingerprint);
}

std::optional<QList<QRect>> CardChanges::Since(const CardChanges& earlier, quint64 earlierFingerprint,
                                               quint64 fingerprint) const {
    if (earlier.entries_.isEmpty() || earlier.fingerprint_ != earlierFingerprint ||
        fingerprint_ != fingerprint) {
        return std::nullopt;
    }
    const quint64 start = earlier.entries_.last().id;
    const auto found = std::find_if(entries_.cbegin(), entries_.cend(),
                                    [start](const Entry& entry) { return entry.id == start; });
    if (found == entries_.cend()) {
        return std::nullopt;
    }
    QList<QRect> touched;
    for (auto entry = found + 1; entry != entries_.cend(); ++entry) {
        if (entry->everything) {
            return std::nullopt;
        }
        touched += entry->rects;
    }
    return touched;
}

std::vector<QRect> DisjointAreas(const QList<QRect>& rects) {
    std::vector<QRect> areas;
    for (QRect rect : rects) {
        if (rect.isEmpty()) {
            continue;
        }
        // Join every area the rectangle overlaps, again until the joined rectangle overlaps none.
        for (bool joined = true; joined;) {
            joined = false;
            for (auto area = areas.begin(); area != areas.end(); ++area) {
                if (area->intersects(rect)) {
                    rect |= *area;
                    areas.erase(area);
                    joined = true;
                    break;
                }
            }
        }
        areas.push_back(rect);
    }
    return areas;
}

void Fingerprint::Add(quint64 value) {
    value_ = Mix(value_ ^ Mix(value));
}

void Fingerprint::Add(const QRect& rect) {
    Add((quint64(quint32(rect.x())) << 32) | quint32(rect.y()));
    Add((quint64(quint32(rect.width())) << 32) | quint32(rect.height()));
}

} // namespace festoon
