// Stretched rows with the copies of enlarged rows kept aside.
#include "core/StretchedRows.h"

#include <cstring>

namespace festoon {

StretchedRows::StretchedRows(const QImage& source, QSize whole, const QRect& visible)
    : source_(source), visible_(visible), rowBytes_(static_cast<size_t>(visible.width()) * 3) {
    if (!source_.isNull()) {
        stretcher_.emplace(source_, QRect(QPoint(0, 0), whole), visible);
    }
}

void StretchedRows::Row(int y, uchar* out) {
    if (!stretcher_) {
        if (out != lastOut_) {
            std::memset(out, 0, rowBytes_);
        }
        lastOut_ = out;
        return;
    }
    const uchar* sourceRow = stretcher_->SourceRow(y);
    if (sourceRow != lastSourceRow_) {
        stretcher_->DrawRow(y, out);
        // Kept only when the next row shows the same source row.
        if (y < visible_.bottom() && stretcher_->SourceRow(y + 1) == sourceRow) {
            kept_.assign(out, out + rowBytes_);
        }
    } else if (out != lastOut_) {
        std::memcpy(out, kept_.data(), rowBytes_);
    }
    lastSourceRow_ = sourceRow;
    lastOut_ = out;
}

} // namespace festoon
