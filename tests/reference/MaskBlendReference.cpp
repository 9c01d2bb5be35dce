// The reference mask blend: one division per channel, no shortcuts.
#include "tests/reference/MaskBlendReference.h"

#include "core/MaskBlend.h"

#include <algorithm>

namespace festoon {

void MaskBlendReference(QImage& layer, const QImage& under, const QImage& mask) {
    const int width = std::min({layer.width(), under.width(), mask.width()});
    const int height = std::min({layer.height(), under.height(), mask.height()});
    for (int y = 0; y < height; ++y) {
        uchar* l = layer.scanLine(y);
        const uchar* u = under.constScanLine(y);
        const uchar* m = mask.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const int a = MaskLuminance(m[x * 3 + 2], m[x * 3 + 1], m[x * 3]);
            for (int c = 0; c < 3; ++c) {
                const int i = x * 3 + c;
                l[i] = static_cast<uchar>(((255 - a) * u[i] + a * l[i]) / 255);
            }
        }
    }
}

} // namespace festoon
