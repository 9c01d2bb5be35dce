// The primary screen's size, or the size a test set.
#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace festoon {
namespace {
QSize& Override() {
    static QSize size;
    return size;
}
} // namespace

QSize ScreenSize() {
    if (Override().isValid()) {
        return Override();
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

void SetScreenSize(QSize size) {
    Override() = size;
}

} // namespace festoon
