// The entries are found by what they were made from; making them is the same nearest-neighbour stretch
// every rendering uses, so a rendering from them gives the same bytes.
#include "core/StretchCache.h"

#include "core/BandPool.h"
#include "core/Bitmap.h"

namespace festoon {

StretchCache::Key StretchCache::KeyOf(const Layer& layer) {
    return Key{layer.picture.cacheKey(), layer.mask.cacheKey(), layer.bounds.width(), layer.bounds.height()};
}

void StretchCache::Update(const Composition& card) {
    std::map<Key, Stretched> kept;
    std::vector<std::pair<Key, const Layer*>> missing;
    qint64 bytes = 0;
    for (const Layer& layer : card.Layers()) {
        if (layer.bounds.isEmpty()) {
            continue;
        }
        const Key key = KeyOf(layer);
        const qint64 size = qint64(key.width) * key.height * 6;
        if (kept.count(key) != 0 || bytes + size > kMostBytes) {
            continue;
        }
        bytes += size;
        const auto found = entries_.find(key);
        if (found != entries_.end()) {
            kept.insert(*found);
        } else {
            kept.emplace(key, Stretched());
            missing.emplace_back(key, &layer);
        }
    }
    // Made apart from the map, which the threads must not change.
    std::vector<Stretched> made(missing.size());
    RunOnRenderThreads(static_cast<int>(missing.size()), [&](int index) {
        const Layer& layer = *missing[static_cast<size_t>(index)].second;
        made[static_cast<size_t>(index)] =
            Stretched{StretchBitmap(layer.picture, layer.bounds.width(), layer.bounds.height()),
                      StretchBitmap(layer.mask, layer.bounds.width(), layer.bounds.height())};
    });
    for (size_t i = 0; i < missing.size(); ++i) {
        if (made[i].picture.isNull() || made[i].mask.isNull()) {
            kept.erase(missing[i].first); // no memory for it: stretched as it is rendered
        } else {
            kept[missing[i].first] = std::move(made[i]);
        }
    }
    entries_ = std::move(kept);
}

const StretchCache::Stretched* StretchCache::Find(const Layer& layer) const {
    const auto found = entries_.find(KeyOf(layer));
    return found == entries_.end() ? nullptr : &found->second;
}

} // namespace festoon
