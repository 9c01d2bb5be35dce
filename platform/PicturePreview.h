// The preview pane of the picture-open dialog: the picture under the cursor, scaled to fit.
#pragma once

#include <QLabel>

namespace festoon {

class PicturePreview : public QLabel {
    Q_OBJECT
  public:
    explicit PicturePreview(QWidget* parent = nullptr);

  public slots:
    // Shows the picture at path, decoded as the program would load it; a folder or an empty path
    // shows nothing and a file that does not decode shows "No preview".
    void showPicture(const QString& path);
};

} // namespace festoon
