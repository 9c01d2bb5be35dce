// Bands of equal work: each area's rows are costed from the objects crossing them, then cut where the
// running cost reaches the share of one band.
#include "core/CardBands.h"

#include <algorithm>

namespace festoon {
namespace {

// Bands per thread: enough that the threads finish close together when some rows cost far more.
constexpr qint64 kBandsPerThread = 4;
// Below this work (in pixels) a band costs more to hand out than it saves.
constexpr qint64 kLeastBandWork = 32 * 1024;
// At most this work per band, so that the canvas rows of a band stay in the processor's cache while
// every object crossing them is rendered.
constexpr qint64 kMostBandWork = 512 * 1024;
// An object pixel is stretched from two pictures and blended, a canvas pixel only copied.
constexpr qint64 kObjectPixelWork = 4;

// The work of each row of `area`, top to bottom.
std::vector<qint64> RowWork(const QRect& area, const QRect& canvas, const std::vector<QRect>& objects) {
    // Changes of the per-row work at each row, summed top to bottom below.
    std::vector<qint64> change(static_cast<size_t>(area.height()) + 1, 0);
    const auto add = [&](const QRect& piece, qint64 weight) {
        if (!piece.isEmpty()) {
            change[static_cast<size_t>(piece.top() - area.top())] += weight * piece.width();
            change[static_cast<size_t>(piece.bottom() + 1 - area.top())] -= weight * piece.width();
        }
    };
    add(area.intersected(canvas), 1);
    for (const QRect& object : objects) {
        add(area.intersected(object), kObjectPixelWork);
    }
    std::vector<qint64> work(static_cast<size_t>(area.height()));
    qint64 running = 0;
    for (size_t row = 0; row < work.size(); ++row) {
        running += change[row];
        work[row] = running;
    }
    return work;
}

} // namespace

std::vector<QRect> SplitIntoBands(const std::vector<QRect>& areas, const QRect& canvas,
                                  const std::vector<QRect>& objects, int threads) {
    std::vector<QRect> bands;
    std::vector<std::vector<qint64>> work;
    qint64 total = 0;
    for (const QRect& area : areas) {
        work.push_back(area.isEmpty() ? std::vector<qint64>() : RowWork(area, canvas, objects));
        for (const qint64 row : work.back()) {
            total += row;
        }
    }
    const qint64 share =
        std::clamp(total / (std::max(threads, 1) * kBandsPerThread), kLeastBandWork, kMostBandWork);
    for (size_t i = 0; i < areas.size(); ++i) {
        const QRect& area = areas[i];
        int top = area.top();
        qint64 running = 0;
        for (int row = 0; row < area.height(); ++row) {
            running += work[i][static_cast<size_t>(row)];
            const int y = area.top() + row;
            if (running >= share || y == area.bottom()) {
                bands.emplace_back(area.left(), top, area.width(), y - top + 1);
                top = y + 1;
                running = 0;
            }
        }
    }
    return bands;
}

} // namespace festoon
