// A window's shape from its skin: vertical strips over each column's runs of non-key pixels.
//
// A strip ending at a key pixel in row y covers rows runTop..y-1, and a strip still open at the last
// row stops short of that row; so a pixel lies in the region exactly when it is not of the key colour
// and not in the last row. The region is therefore built row by row: the runs of non-key pixels of a
// row, with rows of identical runs merged into one band. That is the banded form QRegion keeps, so it
// is handed over whole instead of being united strip by strip.
#include "core/Bitmap.h"
#include "core/Skin.h"

#include <vector>

namespace festoon {
namespace {

struct Span {
    int left;
    int right; // one past the last pixel
    bool operator==(const Span&) const = default;
};

// The runs of non-key pixels of one 24-bit row, left to right.
void NonKeySpans(const uchar* row, int width, const uchar (&keyBytes)[3], std::vector<Span>& spans) {
    spans.clear();
    int x = 0;
    while (x < width) {
        while (x < width && row[x * 3] == keyBytes[0] && row[x * 3 + 1] == keyBytes[1] &&
               row[x * 3 + 2] == keyBytes[2]) {
            ++x;
        }
        const int left = x;
        while (x < width && !(row[x * 3] == keyBytes[0] && row[x * 3 + 1] == keyBytes[1] &&
                              row[x * 3 + 2] == keyBytes[2])) {
            ++x;
        }
        if (x > left) {
            spans.push_back({left, x});
        }
    }
}

void AddBand(const std::vector<Span>& spans, int top, int height, std::vector<QRect>& rects) {
    for (const Span& span : spans) {
        rects.emplace_back(span.left, top, span.right - span.left, height);
    }
}

} // namespace

QRegion BitmapToRegion(const QImage& source, QRgb key) {
    const QImage bitmap = ToBitmap24(source);
    const uchar keyBytes[3] = {static_cast<uchar>(qBlue(key)), static_cast<uchar>(qGreen(key)),
                               static_cast<uchar>(qRed(key))};
    std::vector<QRect> rects;
    std::vector<Span> band, row;
    int bandTop = 0;
    const int lastCoveredRow = bitmap.height() - 2;
    for (int y = 0; y <= lastCoveredRow; ++y) {
        NonKeySpans(bitmap.constScanLine(y), bitmap.width(), keyBytes, row);
        if (row != band) {
            AddBand(band, bandTop, y - bandTop, rects);
            band.swap(row);
            bandTop = y;
        }
    }
    AddBand(band, bandTop, lastCoveredRow + 1 - bandTop, rects);

    QRegion region;
    if (!rects.empty()) {
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    }
    return region;
}

} // namespace festoon
