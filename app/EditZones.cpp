// The editing zones of a selected object.
#include "app/EditZones.h"

#include <algorithm>

namespace {

// Width of the resize zones along an object's right and bottom edges; the comparisons are strict, so
// each zone is six pixels wide.
constexpr int kZone = 7;

// A resize never makes an object narrower or lower than this (the move zone needs more than kZone + 1).
constexpr int kMinimumObjectSide = 16;

} // namespace

std::optional<Qt::CursorShape> ZoneCursor(const QRect& bounds, QPoint point) {
    const int l = bounds.x(), t = bounds.y(), w = bounds.width(), h = bounds.height();
    const int x = point.x(), y = point.y();
    // The later tests override the earlier ones.
    std::optional<Qt::CursorShape> shape;
    const bool inRightZone = l + w - kZone < x && x < l + w;
    const bool inBottomZone = t + h - kZone < y && y < t + h;
    if (l < x && x < l + w - kZone && t < y && y < t + h - kZone) {
        shape = Qt::SizeAllCursor;
    }
    if (inRightZone) {
        shape = Qt::SizeHorCursor;
    }
    if (inBottomZone) {
        shape = Qt::SizeVerCursor;
    }
    if (inRightZone && inBottomZone) {
        shape = Qt::SizeFDiagCursor;
    }
    if (x <= l || x >= l + w || y <= t || y >= t + h) {
        shape = Qt::ArrowCursor;
    }
    return shape;
}

int ClampSide(int side, int startSide) {
    return std::max(side, std::max(1, std::min(kMinimumObjectSide, startSide)));
}
