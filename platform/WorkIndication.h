// What a user sees of work that runs in the background: the busy pointer at once and, once the work has
// taken half a second, a progress panel in the middle of the host with a caption, a bar and Cancel.
#pragma once

#include "platform/LoadProgressPanel.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace festoon {

class WorkIndication : public QObject {
    Q_OBJECT
  public:
    // `host` shows the panel in its middle and must outlive this object; `progress` gives the per mille
    // done (-1: unknown) and `busy` whether the work still runs; the panel's Cancel calls `cancel`.
    WorkIndication(QWidget* host, std::function<int()> progress, std::function<bool()> busy,
                   std::function<void()> cancel);
    ~WorkIndication() override;

    // Work starts, or goes on with another piece: the pointer shows it is busy, the panel shows the
    // caption at once if it is up, else after the delay.
    void Begin(const QString& caption);
    // The work has ended: the pointer comes back and the panel goes.
    void End();
    [[nodiscard]] LoadProgressPanel* Panel() const { return panel_; }

  private:
    void ShowPanel();

    std::function<int()> progress_;
    std::function<bool()> busy_;
    QPointer<LoadProgressPanel> panel_;
    QTimer delay_;
    QTimer tick_;
    QString caption_;
    bool busyCursor_ = false;
};

} // namespace festoon
