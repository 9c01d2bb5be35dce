// Opening documents and shaping windows.
#include "platform/Desktop.h"

#include "core/Skin.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace festoon {

bool OpenDocument(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ShapeWindowFromSkin(QWidget* window, const QImage& skin) {
    if (skin.isNull()) {
        return;
    }
    const QRegion region = BitmapToRegion(skin, skin.pixel(0, 0));
    if (!region.isEmpty()) {
        window->setMask(region);
    }
}

} // namespace festoon
