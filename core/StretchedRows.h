// The rows of a picture stretched over a rectangle, handed out one at a time top to bottom, for
// callers that blend each row while it is still in the processor's nearest cache.
#pragma once

#include "core/RowStretcher.h"

#include <QImage>
#include <QRect>
#include <optional>
#include <vector>

namespace festoon {

class StretchedRows {
  public:
    // `source` (24-bit or null) stretched over a rectangle of `whole` size at the origin, of which the
    // rows and columns of `visible` (inside it, not empty) are handed out. A null source gives black:
    // for a mask, nothing of its object shows.
    StretchedRows(const QImage& source, QSize whole, const QRect& visible);

    // Writes the visible.width() pixels of row y (a row of `visible`, rows asked for in order) to out.
    // A row that repeats the source row of the row before is copied from a kept copy of that stretched
    // row, so callers may blend the rows they were given in place. Given the same `out` as the row
    // before, that row is taken to be unchanged and left as it is.
    void Row(int y, uchar* out);

  private:
    QImage source_;
    std::optional<RowStretcher> stretcher_;
    QRect visible_;
    size_t rowBytes_;
    const uchar* lastSourceRow_ = nullptr;
    const uchar* lastOut_ = nullptr;
    std::vector<uchar> kept_;
};

} // namespace festoon
