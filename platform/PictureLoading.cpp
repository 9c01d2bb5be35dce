// The queue of picture loads, the busy pointer and the delayed progress panel.
#include "platform/PictureLoading.h"

#include "core/PictureFile.h"
#include "platform/ErrorReporting.h"
#include "platform/LoadProgressPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>

namespace festoon {
namespace {
// A load quicker than this shows only the busy pointer.
constexpr int kPanelDelayMs = 500;
constexpr int kProgressTickMs = 100;
} // namespace

PictureLoading::PictureLoading(QWidget* host) : panel_(new LoadProgressPanel(host)) {
    panelDelay_.setSingleShot(true);
    panelDelay_.setInterval(kPanelDelayMs);
    connect(&panelDelay_, &QTimer::timeout, this, &PictureLoading::ShowPanel);
    progressTick_.setInterval(kProgressTickMs);
    connect(&progressTick_, &QTimer::timeout, this, [this] { panel_->SetProgress(decode_.Progress()); });
    connect(panel_, &LoadProgressPanel::cancelRequested, this, &PictureLoading::Cancel);
}

PictureLoading::~PictureLoading() {
    Cancel();
}

void PictureLoading::Load(const QString& path, Apply apply) {
    waiting_.append({path, std::move(apply)});
    if (!decode_.Running() && !handing_) {
        StartNext();
    }
}

void PictureLoading::Cancel() {
    waiting_.clear();
    decode_.Cancel();
    GoIdle();
}

bool PictureLoading::Busy() const {
    return decode_.Running() || handing_ || !waiting_.isEmpty();
}

bool PictureLoading::WaitUntilIdle(int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!Busy() || waited.hasExpired(timeoutMs)) {
            loop.quit();
        }
    });
    poll.start(2);
    if (Busy()) {
        loop.exec();
    }
    return !Busy();
}

void PictureLoading::StartNext() {
    if (waiting_.isEmpty()) {
        GoIdle();
        return;
    }
    current_ = waiting_.takeFirst();
    if (!busyCursor_) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        busyCursor_ = true;
    }
    if (panel_ && panel_->isVisible()) {
        panel_->SetFileName(QFileInfo(current_.path).fileName());
        panel_->SetProgress(-1);
    } else {
        panelDelay_.start();
    }
    const QString path = current_.path;
    decode_.Start(
        [path](DecodeControl& control) {
            const QImage picture = LoadPictureFile(path, &control);
            return PreviewPicture{picture, picture.size()};
        },
        [this](const PreviewPicture& result) { Loaded(result.picture); },
        [this](std::exception_ptr error) { Failed(error); });
}

void PictureLoading::Loaded(const QImage& picture) {
    handing_ = true;
    const Apply apply = std::move(current_.apply);
    current_ = {};
    RunReportingErrors([&] { apply(picture); });
    handing_ = false;
    StartNext();
}

void PictureLoading::Failed(std::exception_ptr error) {
    handing_ = true;
    current_ = {};
    if (waiting_.isEmpty()) {
        GoIdle(); // the error box shows with an ordinary pointer and no panel
    }
    RunReportingErrors([&] {
        try {
            std::rethrow_exception(error);
        } catch (const DecodeCancelled&) {
            // dropped without a word
        }
    });
    handing_ = false;
    StartNext();
}

void PictureLoading::ShowPanel() {
    if (!panel_ || !decode_.Running()) {
        return;
    }
    panel_->SetFileName(QFileInfo(current_.path).fileName());
    panel_->SetProgress(decode_.Progress());
    panel_->ShowCentred();
    progressTick_.start();
}

void PictureLoading::GoIdle() {
    panelDelay_.stop();
    progressTick_.stop();
    if (panel_) {
        panel_->hide();
    }
    if (busyCursor_) {
        QApplication::restoreOverrideCursor();
        busyCursor_ = false;
    }
}

} // namespace festoon
