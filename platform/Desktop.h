// Desktop services: opening a document with its default application, shaping a window.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace festoon {

// Opens a document with the desktop's default application; false when that failed.
bool OpenDocument(const QString& path);

// Shapes a window from its skin with the colour of the skin's pixel 0, 0 as the key; a skin that is all
// key leaves the window rectangular.
void ShapeWindowFromSkin(QWidget* window, const QImage& skin);

} // namespace festoon
