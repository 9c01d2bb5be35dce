// Preview pane of the picture-open dialog.
#include "platform/PicturePreview.h"

#include "core/PictureFile.h"

#include <QFileInfo>
#include <QPixmap>

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
    decode_.Cancel();
    clear();
    setToolTip(QString());
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return;
    }
    decode_.Start(
        [path](DecodeControl& control) {
            const PreviewPicture preview =
                LoadPicturePreview(path, QSize(kPreviewSide, kPreviewSide), &control);
            return LoadedPicture{{preview.picture, {}, preview.fileSize}, {}};
        },
        [this](const LoadedPicture& preview) {
            const QSize inFile = preview.decoded.fileSize;
            setPixmap(QPixmap::fromImage(preview.decoded.picture));
            setToolTip(QStringLiteral("%1 x %2").arg(inFile.width()).arg(inFile.height()));
        },
        // The preview is a courtesy: whatever goes wrong while decoding, the dialog carries on.
        [this](std::exception_ptr) { setText(QStringLiteral("No preview")); });
}

} // namespace festoon
