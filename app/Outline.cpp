// Drawing the rubber band's rectangle straight into its 24-bit bitmap.
#include "app/Outline.h"

#include "core/Bitmap.h"

#include <algorithm>
#include <cstring>

void DrawOutlinedRectangle(QImage& bitmap, QPoint from, QPoint to) {
    const QRect shape(from, QPoint(to.x() - 1, to.y() - 1));
    if (bitmap.isNull() || shape.isEmpty()) {
        return;
    }
    bitmap = festoon::ToBitmap24(bitmap);
    const QRect visible = shape.intersected(bitmap.rect());
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        uchar* row = bitmap.scanLine(y);
        const bool edgeRow = y == shape.top() || y == shape.bottom();
        if (edgeRow) {
            std::memset(row + visible.left() * 3, 0, static_cast<size_t>(visible.width()) * 3);
            continue;
        }
        std::memset(row + visible.left() * 3, 0xFF, static_cast<size_t>(visible.width()) * 3);
        for (const int x : {shape.left(), shape.right()}) {
            if (x >= visible.left() && x <= visible.right()) {
                std::memset(row + x * 3, 0, 3);
            }
        }
    }
}
