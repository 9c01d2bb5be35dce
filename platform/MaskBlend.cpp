// The mask blend: the plain reference and the dispatcher to the fastest version this processor runs.
#include "platform/MaskBlend.h"

#include <cassert>

namespace festoon {

void MaskBlendReference(QImage& layer, const QImage& under, const QImage& mask) {
    assert(layer.size() == under.size() && layer.size() == mask.size());
    for (int y = 0; y < layer.height(); ++y) {
        uchar* l = layer.scanLine(y);
        const uchar* u = under.constScanLine(y);
        const uchar* m = mask.constScanLine(y);
        for (int x = 0; x < layer.width(); ++x) {
            const int a = MaskLuminance(m[x * 3 + 2], m[x * 3 + 1], m[x * 3]);
            for (int c = 0; c < 3; ++c) {
                const int i = x * 3 + c;
                l[i] = static_cast<uchar>(((255 - a) * u[i] + a * l[i]) / 255);
            }
        }
    }
}

void MaskBlend(QImage& layer, const QImage& under, const QImage& mask) {
    MaskBlendReference(layer, under, mask);
}

} // namespace festoon
