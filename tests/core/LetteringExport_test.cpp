// An export draws lettering again in its font at the export's size rather than enlarging its picture.
#include "core/CardExport.h"
#include "core/LetteringPicture.h"

#include <gtest/gtest.h>

using namespace festoon;

// Lettering is drawn again in its font at the export's size: its edges stay as sharp as on the canvas,
// where the same picture enlarged would blur them over the enlargement's width.
TEST(CardExport, EnlargedLetteringIsDrawnAgainSharp) {
    const QSize canvas(320, 200);
    QImage white(canvas, QImage::Format_BGR888);
    white.fill(Qt::white);
    Lettering lettering;
    lettering.text = QStringLiteral("Sharp\nwords");
    lettering.font = QFont(QStringLiteral("DejaVu Sans"));
    lettering.font.setPixelSize(28);
    lettering.colour = Qt::black;
    const LetteringPicture drawn = DrawLettering(lettering);

    Composition redrawn(canvas, white);
    redrawn.PlaceLettering(drawn.picture, drawn.mask, lettering);
    Composition enlarged(canvas, white); // the same picture, as an object that is not lettering
    enlarged.PlaceObject(redrawn.TopLayer()->bounds, drawn.picture, drawn.mask);

    const QSize size = ExportSizeForLongSide(canvas, 4 * canvas.width());
    const auto halftones = [](const QImage& picture) {
        int count = 0, ink = 0;
        for (int y = 0; y < picture.height(); ++y) {
            const uchar* row = picture.constScanLine(y);
            for (int x = 0; x < picture.width(); ++x) {
                count += row[x * 3 + 1] > 40 && row[x * 3 + 1] < 215;
                ink += row[x * 3 + 1] <= 40;
            }
        }
        return std::pair(count, ink);
    };
    const auto [sharpEdges, sharpInk] = halftones(RenderCardAt(redrawn, size));
    const auto [softEdges, softInk] = halftones(RenderCardAt(enlarged, size));
    // The same words: solid where the enlargement leaves grey ramps inside the strokes, and far fewer
    // grey pixels around them.
    ASSERT_GT(softInk, 1000);
    EXPECT_GT(sharpInk, softInk);
    EXPECT_LT(sharpEdges * 2, softEdges) << sharpEdges << " grey pixels against " << softEdges;
}
