// Placeholder catalog (replaced by the real drawing).
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"

#include <QImage>

void DrawMaskCatalog(const ArtworkOutput& out) {
    for (int page = 1; page <= 2; ++page) {
        for (int item = 1; item <= 20; ++item) {
            for (const char* sub : {"small", "big"}) {
                QImage picture(120, 90, QImage::Format_RGB32);
                picture.fill(QColor::fromHsv(item * 17 % 360, 160, 220));
                out.WriteArtwork(QStringLiteral("pic/mask/%1/%2/%3.ssl").arg(page).arg(QLatin1String(sub)).arg(item),
                                 picture);
            }
        }
    }
}
