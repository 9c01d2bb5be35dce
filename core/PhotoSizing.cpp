// The photo sizing rules of placing a photo.
#include "core/PhotoSizing.h"

#include <algorithm>

namespace festoon {
namespace {

// A placed photo is shown this long on its longer side.
constexpr int kPhotoDisplaySide = 400;

} // namespace

QSize PhotoSourceSize(QSize photo, QSize canvas) {
    const int pw = photo.width(), ph = photo.height();
    // The height rule looks at the photo's own height.
    if (ph > canvas.height()) {
        return {std::max(1, canvas.height() * pw / ph), canvas.height()};
    }
    return {std::min(pw, canvas.width()), ph};
}

QSize PhotoDisplaySize(QSize source) {
    const int sw = source.width(), sh = source.height();
    if (sw > sh) {
        return {kPhotoDisplaySide, std::max(1, sh * kPhotoDisplaySide / sw)};
    }
    return {std::max(1, sw * kPhotoDisplaySide / sh), kPhotoDisplaySide};
}

} // namespace festoon
