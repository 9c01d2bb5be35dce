// Preview pane of the picture-open dialog.
#include "platform/PicturePreview.h"

#include "core/PictureFile.h"

#include <QFileInfo>
#include <QPixmap>
#include <exception>

namespace festoon {
namespace {
constexpr int kPreviewSide = 200;
}

PicturePreview::PicturePreview(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("picturePreview"));
    setFixedSize(kPreviewSide + 8, kPreviewSide + 8);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
}

void PicturePreview::showPicture(const QString& path) {
    clear();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return;
    }
    // The preview is a courtesy: whatever goes wrong while decoding, the dialog carries on.
    try {
        const QImage picture = LoadPictureFile(path);
        setPixmap(QPixmap::fromImage(
            picture.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        setToolTip(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height()));
    } catch (const std::exception&) {
        setText(QStringLiteral("No preview"));
    }
}

} // namespace festoon
