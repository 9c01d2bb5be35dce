// The preview pane of the picture-open dialog: the picture under the cursor, scaled to fit. It is
// decoded small and on a worker thread, so browsing past a large or hostile file never holds up the
// dialog.
#pragma once

#include "platform/BackgroundDecode.h"

#include <QLabel>

namespace festoon {

class PicturePreview : public QLabel {
    Q_OBJECT
  public:
    explicit PicturePreview(QWidget* parent = nullptr);

    // Whether a preview is still being decoded.
    [[nodiscard]] bool Decoding() const { return decode_.Running(); }

  public slots:
    // Shows the picture at path, decoded as the program would load it (within the same limits); a
    // folder or an empty path shows nothing and a file that does not decode shows "No preview". The
    // picture appears once decoded; choosing another file drops the decode under way.
    void showPicture(const QString& path);

  private:
    BackgroundDecode decode_;
};

} // namespace festoon
