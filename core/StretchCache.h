// The objects' pictures and masks stretched to their bounds, kept from one rendering to the next while
// an object's picture, mask and size stay: a recomposition then copies and blends rows instead of
// stretching them again, which is most of its work. Moving an object keeps its entry; resizing it, or
// a new picture or mask, makes a new one.
#pragma once

#include "core/Composition.h"

#include <QImage>
#include <map>
#include <vector>

namespace festoon {

class StretchCache {
  public:
    // The memory the entries may take together; objects beyond it are stretched as they are rendered.
    static constexpr qint64 kMostBytes = qint64(256) << 20;

    struct Stretched {
        QImage picture; // bounds-sized, 24-bit
        QImage mask;
    };

    // Makes the entries of every object of `card` that has none (in parallel, on the render threads)
    // and forgets the entries of objects that are gone or changed.
    void Update(const Composition& card);
    // The entry of the layer `layer` of the card last updated, or null.
    [[nodiscard]] const Stretched* Find(const Layer& layer) const;

  private:
    struct Key {
        qint64 picture;
        qint64 mask;
        int width;
        int height;
        friend auto operator<=>(const Key&, const Key&) = default;
    };
    static Key KeyOf(const Layer& layer);

    std::map<Key, Stretched> entries_;
};

} // namespace festoon
