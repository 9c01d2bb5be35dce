// The panel shown over the canvas while a picture takes a while to open, or a card to export: what is
// under way, how far it has come, and Cancel.
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
    // Says what is under way in other words ("Exporting card.jpg…"), shortened in the middle to fit.
    void SetCaption(const QString& text);
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
