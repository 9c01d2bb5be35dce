// Placeholder balloons (replaced by the real drawing).
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"

#include <QImage>

void DrawBalloonCatalog(const ArtworkOutput& out) {
    for (int item = 1; item <= 8; ++item) {
        for (const char* sub : {"small", "big", "mask"}) {
            QImage picture(200, 150, QImage::Format_RGB32);
            picture.fill(Qt::white);
            out.WriteArtwork(QStringLiteral("pic/text/%1/%2.ssl").arg(QLatin1String(sub)).arg(item), picture);
        }
    }
}
