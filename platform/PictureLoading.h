// Opening photos and backdrops without holding up the window: each file is decoded on a worker thread,
// one after another in the order asked, while the window goes on answering. The pointer shows that
// work is under way; a load that takes longer than half a second shows a panel with its progress and
// Cancel over the host. A picture reaches its callback on the window's thread; a load that fails is
// reported and changes nothing, and a cancelled one is dropped without a word.
#pragma once

#include "platform/BackgroundDecode.h"
#include "platform/LoadProgressPanel.h"
#include "platform/WorkIndication.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace festoon {

class PictureLoading : public QObject {
    Q_OBJECT
  public:
    using Apply = std::function<void(const LoadedPicture& picture)>;
    using NeededSize = std::function<QSize(QSize inFile)>;

    // `host` shows the progress panel in its middle; it must outlive this object.
    explicit PictureLoading(QWidget* host);
    ~PictureLoading() override;

    // Reads the picture file at `path` (see ReadPictureFile) and hands the picture, with the file's
    // bytes, to `apply`; a failure of apply is reported too. `neededSize`, called on the worker thread,
    // lets a large JPEG be decoded at a reduced scale.
    void Load(const QString& path, Apply apply, NeededSize neededSize = {});
    // Drops the load under way and every one waiting.
    void Cancel();
    // Whether a load is under way or waiting.
    [[nodiscard]] bool Busy() const;
    // Lets events run until every load has ended or the time is up; false on time-out (for tests).
    bool WaitUntilIdle(int timeoutMs = 60000);
    [[nodiscard]] LoadProgressPanel* Panel() const { return indication_.Panel(); }

  private:
    struct Request {
        QString path;
        Apply apply;
        NeededSize neededSize;
    };

    void StartNext();
    void Loaded(const LoadedPicture& picture);
    void Failed(std::exception_ptr error);
    void GoIdle();

    BackgroundDecode decode_;
    QList<Request> waiting_;
    Request current_;
    bool handing_ = false; // a result is being applied or reported
    WorkIndication indication_;
};

} // namespace festoon
