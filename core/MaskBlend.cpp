// The mask blend: the portable row kernel and the dispatch to the fastest kernel.
#include "core/MaskBlend.h"

#include "core/Bitmap.h"
#include "core/MaskBlendRows.h"

#include <algorithm>

namespace festoon {
MaskBlendRowKernel FastestMaskBlendRow() {
    static const MaskBlendRowKernel fastest = CpuHasAvx2() ? MaskBlendRowAvx2 : MaskBlendRowScalar;
    return fastest;
}

void MaskBlendRowScalar(std::uint8_t* layer, const std::uint8_t* under, const std::uint8_t* mask, int width,
                        int passes) {
    for (int x = 0; x < width; ++x) {
        const unsigned a = FastMaskLuminance(mask[0], mask[1], mask[2]);
        for (int c = 0; c < 3; ++c) {
            const unsigned beneath = (255u - a) * under[c];
            unsigned value = layer[c];
            for (int pass = 0; pass < passes; ++pass) {
                value = DivideBy255(beneath + a * value);
            }
            layer[c] = static_cast<std::uint8_t>(value);
        }
        layer += 3;
        under += 3;
        mask += 3;
    }
}

void MaskBlend(QImage& layer, const QImage& under, const QImage& mask) {
    MaskBlend(layer, under, mask, 1);
}

void MaskBlend(QImage& layer, const QImage& underImage, const QImage& maskImage, int passes) {
    const MaskBlendRowKernel blendRow = FastestMaskBlendRow();
    if (layer.format() != kBitmapFormat) {
        layer = ToBitmap24(layer);
    }
    const QImage under = ToBitmap24(underImage);
    const QImage mask = ToBitmap24(maskImage);
    const int width = std::min({layer.width(), under.width(), mask.width()});
    const int height = std::min({layer.height(), under.height(), mask.height()});
    if (width <= 0 || height <= 0 || passes <= 0) {
        return;
    }
    uchar* layerBits = layer.bits();
    const uchar* underBits = under.constBits();
    const uchar* maskBits = mask.constBits();
    for (int y = 0; y < height; ++y) {
        blendRow(layerBits + y * layer.bytesPerLine(), underBits + y * under.bytesPerLine(),
                 maskBits + y * mask.bytesPerLine(), width, passes);
    }
}

} // namespace festoon
