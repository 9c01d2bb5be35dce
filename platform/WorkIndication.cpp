// The busy pointer and the delayed progress panel.
#include "platform/WorkIndication.h"

#include <QApplication>

namespace festoon {
namespace {
// Work quicker than this shows only the busy pointer.
constexpr int kPanelDelayMs = 500;
constexpr int kProgressTickMs = 100;
} // namespace

WorkIndication::WorkIndication(QWidget* host, std::function<int()> progress, std::function<bool()> busy,
                               std::function<void()> cancel)
    : progress_(std::move(progress)), busy_(std::move(busy)), panel_(new LoadProgressPanel(host)) {
    delay_.setSingleShot(true);
    delay_.setInterval(kPanelDelayMs);
    connect(&delay_, &QTimer::timeout, this, &WorkIndication::ShowPanel);
    tick_.setInterval(kProgressTickMs);
    connect(&tick_, &QTimer::timeout, this, [this] { panel_->SetProgress(progress_()); });
    connect(panel_, &LoadProgressPanel::cancelRequested, this, std::move(cancel));
}

WorkIndication::~WorkIndication() {
    End();
}

void WorkIndication::Begin(const QString& caption) {
    caption_ = caption;
    if (!busyCursor_) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        busyCursor_ = true;
    }
    if (panel_ && panel_->isVisible()) {
        panel_->SetCaption(caption_);
        panel_->SetProgress(-1);
    } else {
        delay_.start();
    }
}

void WorkIndication::End() {
    delay_.stop();
    tick_.stop();
    if (panel_) {
        panel_->hide();
    }
    if (busyCursor_) {
        QApplication::restoreOverrideCursor();
        busyCursor_ = false;
    }
}

void WorkIndication::ShowPanel() {
    if (!panel_ || !busy_()) {
        return;
    }
    panel_->SetCaption(caption_);
    panel_->SetProgress(progress_());
    panel_->ShowCentred();
    tick_.start();
}

} // namespace festoon
