// Choosing the pictures drawn for the screen's device pixel ratio.
#include "platform/ScreenPictures.h"

#include "core/PlatformError.h"

#include <QGuiApplication>

namespace festoon {
namespace {

constexpr int kSharpRatio = 2;

int& RatioOverride() {
    static int ratio = 0;
    return ratio;
}

// The picture drawn for `ratio`, or a null image where there is none that can be read.
QImage ReadAtRatio(const QString& path, const PictureReader& read, int ratio) {
    try {
        QImage picture = read(PathAtRatio(path, ratio));
        picture.setDevicePixelRatio(ratio);
        return picture;
    } catch (const PlatformError&) {
        return QImage();
    }
}

} // namespace

int PictureRatio() {
    if (RatioOverride() != 0) {
        return RatioOverride();
    }
    // The highest ratio of any screen: a window may be moved to it, and a sharper picture shown on a
    // screen of one device pixel to a logical one is only made smaller, never softer.
    return qGuiApp != nullptr && qGuiApp->devicePixelRatio() >= 1.5 ? kSharpRatio : 1;
}

void SetPictureRatio(int ratio) {
    RatioOverride() = ratio;
}

QString PathAtRatio(const QString& path, int ratio) {
    if (ratio <= 1) {
        return path;
    }
    // The suffix goes before the last dot of the file's name, never into a folder's name.
    const int nameStart = static_cast<int>(path.lastIndexOf(QLatin1Char('/'))) + 1;
    const int dot = static_cast<int>(path.lastIndexOf(QLatin1Char('.')));
    const int at = dot > nameStart ? dot : static_cast<int>(path.size());
    return path.left(at) + QStringLiteral("@%1x").arg(ratio) + path.mid(at);
}

QImage ReadForScreen(const QString& path, const PictureReader& read) {
    const int ratio = PictureRatio();
    if (ratio > 1) {
        QImage sharp = ReadAtRatio(path, read, ratio);
        if (!sharp.isNull()) {
            return sharp;
        }
    }
    return read(path);
}

WindowSkin SkinForScreen(const QString& path, const PictureReader& read, QSize logicalSize,
                         const std::function<QImage(const QImage&, QSize)>& fit) {
    WindowSkin skin;
    skin.plain = fit(read(path), logicalSize);
    skin.shown = skin.plain;
    const int ratio = PictureRatio();
    if (ratio > 1) {
        const QImage sharp = ReadAtRatio(path, read, ratio);
        if (!sharp.isNull()) {
            skin.shown = fit(sharp, logicalSize * ratio);
            skin.shown.setDevicePixelRatio(ratio);
        }
    }
    return skin;
}

} // namespace festoon
