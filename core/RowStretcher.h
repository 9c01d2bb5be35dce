// The nearest-neighbour stretch one destination row at a time, so that callers can work row by row
// while the rows are still in the processor's nearest cache. StretchDraw is built on it.
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

namespace festoon {

class RowStretcher {
  public:
    // Stretches the whole of src (24-bit, not null) into dstRect, of which only `visible` (a non-empty
    // part of dstRect) is drawn. Destination pixel dx of the rectangle takes source column
    // dx * sw / dw (integer division), rows likewise.
    RowStretcher(const QImage& src, const QRect& dstRect, const QRect& visible);

    // The source row that destination row y (a row of `visible`) shows.
    [[nodiscard]] const uchar* SourceRow(int y) const;

    // Writes the visible.width() pixels of destination row y to out.
    void DrawRow(int y, uchar* out) const;

  private:
    const uchar* sourceBits_;
    qsizetype sourceStride_;
    qint64 sourceHeight_;
    QRect dstRect_;
    QRect visible_;
    std::vector<int> column_; // byte offset of the source pixel of each visible column; never decreasing
    int fourByteSafeCount_;   // leading columns that may be moved as four bytes
    bool sameWidth_;
};

} // namespace festoon
