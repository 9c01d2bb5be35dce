// The panel shown over the canvas while a picture takes a while to open: its name, how far the decode
// has come, and Cancel.
#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

namespace festoon {

class LoadProgressPanel : public QFrame {
    Q_OBJECT
  public:
    explicit LoadProgressPanel(QWidget* host);

    // Names the file being opened.
    void SetFileName(const QString& fileName);
    // Per mille done, or -1 for a bar that only shows that work goes on.
    void SetProgress(int perMille);
    // Shows the panel in the middle of its host, above everything else there.
    void ShowCentred();

    [[nodiscard]] QPushButton* CancelButton() const { return cancel_; }
    [[nodiscard]] QString Caption() const;

  signals:
    void cancelRequested();

  private:
    QLabel* caption_;
    QProgressBar* bar_;
    QPushButton* cancel_;
};

} // namespace festoon
