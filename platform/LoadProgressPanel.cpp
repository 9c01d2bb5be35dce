// The opening-a-picture panel, in the program's espresso and caramel colours.
#include "platform/LoadProgressPanel.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace festoon {
namespace {

constexpr QSize kPanelSize(340, 104);

const char* const kStyle = R"(
festoon--LoadProgressPanel {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a2c1a, stop:1 #2b170d);
    border: 1px solid #c9974a;
    border-radius: 12px;
}
QLabel { color: #f5e6c8; font-weight: bold; background: transparent; }
QProgressBar {
    background: #1c0f08; border: 1px solid #8a5a2b; border-radius: 6px; max-height: 12px;
}
QProgressBar::chunk {
    border-radius: 5px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f0c36a, stop:1 #b8782e);
}
QPushButton {
    color: white; font-weight: bold; padding: 4px 18px; border-radius: 11px;
    border: 1px solid #6b3f1d;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d39a4f, stop:1 #9c5f26);
}
QPushButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e6b266, stop:1 #b4722f);
}
QPushButton:pressed {
    padding-top: 5px; padding-bottom: 3px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8a521f, stop:1 #6e3f17);
}
)";

} // namespace

LoadProgressPanel::LoadProgressPanel(QWidget* host) : QFrame(host) {
    setObjectName(QStringLiteral("loadProgressPanel"));
    setStyleSheet(QString::fromLatin1(kStyle));
    setFixedSize(kPanelSize);
    caption_ = new QLabel(this);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->setRange(0, 0);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancelLoadButton"));
    cancel_->setCursor(Qt::ArrowCursor);
    connect(cancel_, &QPushButton::clicked, this, &LoadProgressPanel::cancelRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    layout->setSpacing(8);
    layout->addWidget(caption_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    hide();
}

void LoadProgressPanel::SetFileName(const QString& fileName) {
    SetCaption(QStringLiteral("Opening %1\u2026").arg(fileName));
}

void LoadProgressPanel::SetCaption(const QString& text) {
    caption_->setText(caption_->fontMetrics().elidedText(text, Qt::ElideMiddle, kPanelSize.width() - 40));
}

QString LoadProgressPanel::Caption() const {
    return caption_->text();
}

void LoadProgressPanel::SetProgress(int perMille) {
    if (perMille < 0) {
        bar_->setRange(0, 0);
        return;
    }
    bar_->setRange(0, 1000);
    bar_->setValue(perMille);
}

void LoadProgressPanel::ShowCentred() {
    if (QWidget* host = parentWidget()) {
        move((host->width() - width()) / 2, (host->height() - height()) / 2);
    }
    show();
    raise();
}

} // namespace festoon
