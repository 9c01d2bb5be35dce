// Rendering an object that is turned or mirrored: the same nearest-neighbour stretch of its picture and
// mask to its bounds and the same blend through the mask as RenderObject, each canvas pixel taking the
// pixel of the bounds that LocalPixel finds for it. Pixels of the shown rectangle outside the turned
// object show what lies beneath, as under a black mask.
#pragma once

#include "core/RenderObject.h"
#include "core/TurnGeometry.h"

#include <QImage>
#include <vector>

namespace festoon {

// Samples the stretched picture and mask of a turned object row by row over its ShownRect.
class TurnedSampler {
  public:
    // A null picture or mask counts as black.
    TurnedSampler(const Placement& placement, const QImage& picture, const QImage& mask);

    [[nodiscard]] const QRect& Rect() const { return rect_; }

    // The pixels [first, last) of row y of Rect() (0 at its top) that lie on the object.
    struct Span {
        int first = 0;
        int last = 0;
    };
    [[nodiscard]] Span RowSpan(int y) const;
    // Writes the picture's and mask's 24-bit pixels of the span of row y, at their places in the rows
    // (Rect().width() pixels each); the pixels outside the span are left as they are.
    void SampleRow(int y, const Span& span, uchar* pictureRow, uchar* maskRow) const;

  private:
    struct Source {
        QImage bitmap;
        std::vector<qsizetype> column; // byte offset of the source column of each column of the bounds
        std::vector<const uchar*> row; // the source row of each row of the bounds
    };
    static Source Prepare(const QImage& picture, const Placement& placement);

    Placement placement_;
    Turn turn_;
    QRect rect_;
    Source picture_;
    Source mask_;
};

// The turned object rendered over `composed` (black where its rectangle leaves the canvas): a new
// ShownRect-sized bitmap, `passes` blends through the turned mask; null for empty bounds.
[[nodiscard]] QImage RenderTurnedObject(const QImage& composed, const Placement& placement,
                                        const QImage& picture, const QImage& mask, int passes,
                                        RenderScratch& scratch);

// Any object rendered over what lies beneath it, at ShownRect(layer): upright ones through
// RenderObject, the others through RenderTurnedObject.
[[nodiscard]] QImage RenderLayer(const QImage& composed, const Layer& layer, RenderScratch& scratch);

} // namespace festoon
