// Exports under way: the card is rendered and written on a worker thread while the window goes on
// answering. An export that takes longer than half a second shows the progress panel with Cancel over
// the host; a cancelled or failed export leaves no file behind (see ExportCard), a failure is reported,
// and a finished one is announced.
#pragma once

#include "core/Composition.h"
#include "core/ExportFile.h"
#include "platform/BackgroundDecode.h"
#include "platform/WorkIndication.h"

#include <QObject>
#include <QString>

class QWidget;

class CardExporting : public QObject {
    Q_OBJECT
  public:
    // `host` shows the progress panel in its middle; it must outlive this object.
    explicit CardExporting(QWidget* host);
    // Cancels an export under way; its worker drops its result.
    ~CardExporting() override;

    // Starts exporting a copy of the card; an export under way is cancelled first.
    void Start(const festoon::Composition& card, const festoon::ExportSettings& settings,
               const QString& path);
    void Cancel();
    [[nodiscard]] bool Busy() const { return work_.Running(); }
    // Lets events run until the export has ended or the time is up; false on time-out (for tests).
    bool WaitUntilIdle(int timeoutMs = 120000);
    [[nodiscard]] festoon::LoadProgressPanel* Panel() const { return indication_.Panel(); }

  signals:
    // The file is written whole.
    void exported(const QString& path);

  private:
    void Ended(std::exception_ptr error);

    festoon::BackgroundDecode work_;
    festoon::WorkIndication indication_;
    QString path_;
};
