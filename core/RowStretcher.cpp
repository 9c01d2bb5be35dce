// The nearest-neighbour stretch of one destination row, with a column table computed once.
#include "core/RowStretcher.h"

#include "core/BitmapRows.h"
#include "core/MaskBlendRows.h"

#include <algorithm>
#include <cstring>

namespace festoon {
namespace {

constexpr int kBytesPerPixel = 3;

} // namespace

RowStretcher::RowStretcher(const QImage& src, const QRect& dstRect, const QRect& visible)
    : sourceBits_(src.constBits()), sourceStride_(src.bytesPerLine()), sourceHeight_(src.height()),
      dstRect_(dstRect), visible_(visible), column_(static_cast<size_t>(visible.width())),
      sameWidth_(src.width() == dstRect.width()) {
    const qint64 sw = src.width(), dw = dstRect.width();
    const qint64 firstColumn = visible.left() - dstRect.left();
    // (firstColumn + i) * sw / dw, stepped from one column to the next without a division: the table
    // is made for every object of every band of a rendering.
    const qint64 wholeStep = sw / dw, remainderStep = sw % dw;
    qint64 quotient = firstColumn * sw / dw, remainder = firstColumn * sw % dw;
    for (int& column : column_) {
        column = static_cast<int>(quotient) * kBytesPerPixel;
        quotient += wholeStep;
        remainder += remainderStep;
        if (remainder >= dw) {
            remainder -= dw;
            ++quotient;
        }
    }
    // A four-byte move reads one byte past its pixel, which must still lie in the source row, and
    // writes one byte past it, which the next pixel must overwrite: so neither the pixels taken from
    // the last source column nor the last destination pixel.
    const int lastSourceOffset = static_cast<int>(sw - 1) * kBytesPerPixel;
    const auto firstFromLastColumn = std::lower_bound(column_.begin(), column_.end(), lastSourceOffset);
    fourByteSafeCount_ = static_cast<int>(std::min<ptrdiff_t>(firstFromLastColumn - column_.begin(),
                                                              static_cast<ptrdiff_t>(column_.size()) - 1));
}

const uchar* RowStretcher::SourceRow(int y) const {
    const qint64 sy = (y - dstRect_.top()) * sourceHeight_ / dstRect_.height();
    return sourceBits_ + sy * sourceStride_;
}

void RowStretcher::DrawRow(int y, uchar* out) const {
    static const bool useAvx2 = CpuHasAvx2();
    const uchar* sourceRow = SourceRow(y);
    if (sameWidth_) {
        std::memcpy(out, sourceRow + column_[0], column_.size() * kBytesPerPixel);
        return;
    }
    const uchar* nextSourceRow = y < visible_.bottom() ? SourceRow(y + 1) : sourceRow;
    const int count = static_cast<int>(column_.size());
    int i = useAvx2
                ? GatherPixelsAvx2(sourceRow, nextSourceRow, column_.data(), fourByteSafeCount_, count, out)
                : 0;
    for (; i < fourByteSafeCount_; ++i) {
        std::memcpy(out + i * kBytesPerPixel, sourceRow + column_[static_cast<size_t>(i)], 4);
    }
    for (; i < count; ++i) {
        std::memcpy(out + i * kBytesPerPixel, sourceRow + column_[static_cast<size_t>(i)], kBytesPerPixel);
    }
}

} // namespace festoon
