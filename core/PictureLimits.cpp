// Checks against the readers' limits.
#include "core/PictureLimits.h"

#include "core/PlatformError.h"

#include <algorithm>

namespace festoon {

void CheckPictureSize(qint64 w, qint64 h) {
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels) {
        // Reported as the header gave it; beyond int the size is absurd anyway.
        constexpr qint64 kShown = std::numeric_limits<int>::max();
        throw PlatformError::PictureTooLarge(static_cast<int>(std::clamp<qint64>(w, -kShown, kShown)),
                                             static_cast<int>(std::clamp<qint64>(h, -kShown, kShown)));
    }
}

bool PlausibleForFileSize(qint64 w, qint64 h, qint64 fileBytes) {
    // Both sides are at most 65535 here or the product is refused by CheckPictureSize first; guard anyway.
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide) {
        return false;
    }
    return w * h <= std::max<qint64>(fileBytes, 0) * kMaxPixelsPerFileByte;
}

} // namespace festoon
