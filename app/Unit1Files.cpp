// Files and pictures from outside the program: files named at start or passed on by a second start,
// files dropped on the canvas, a picture pasted from the clipboard, and the finished card copied to it.
#include "app/Unit1.h"

#include "app/GivenFiles.h"
#include "core/Bitmap.h"
#include "core/PictureFile.h"
#include "platform/ErrorReporting.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>

namespace {

// Files opened at start land where the Photo button puts a photo.
constexpr QPoint kGivenFilesPosition(10, 10);
// Several photos opened at once land this far apart, so that each stays in sight.
constexpr QPoint kCascadeStep(20, 20);

// A picture from the clipboard as the canvas holds pictures; what is transparent in it shows white, as
// it would on a page.
QImage OpaqueOnWhite(const QImage& picture) {
    if (!picture.hasAlphaChannel()) {
        return festoon::ToBitmap24(picture);
    }
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return festoon::ToBitmap24(flat);
}

// The card files among the local files of a drag.
QStringList DroppedCards(const QMimeData& data) {
    QStringList cards;
    for (const QString& path : festoon::LocalFiles(data)) {
        if (festoon::KindOfGivenFile(path) == festoon::GivenFileKind::Card) {
            cards.append(path);
        }
    }
    return cards;
}

// Takes a drag that holds a card file; refuses the rest.
bool TakeCards(QDropEvent* event) {
    return festoon::AnswerDrag(*event, !DroppedCards(*event->mimeData()).isEmpty());
}

} // namespace

void TFormMain::dragEnterEvent(QDragEnterEvent* event) {
    TakeCards(event);
}

void TFormMain::dragMoveEvent(QDragMoveEvent* event) {
    TakeCards(event);
}

void TFormMain::dropEvent(QDropEvent* event) {
    if (TakeCards(event)) {
        // Opened once the drop is answered, as on the canvas.
        QMetaObject::invokeMethod(
            this, [this, cards = DroppedCards(*event->mimeData())] { OpenGivenFiles(cards); },
            Qt::QueuedConnection);
    }
}

void TFormMain::OpenGivenFiles(const QStringList& paths) {
    OpenFilesAt(paths, kGivenFilesPosition);
}

void TFormMain::DropFiles(const QStringList& paths, QPoint canvasPoint) {
    OpenFilesAt(paths, canvasPoint);
}

void TFormMain::OpenFilesAt(const QStringList& paths, QPoint firstTopLeft) {
    QStringList unsupported;
    QPoint topLeft = firstTopLeft;
    for (const QString& path : paths) {
        switch (festoon::KindOfGivenFile(path)) {
        case festoon::GivenFileKind::Photo:
            // Each file on its own: one that cannot be read is reported, and the others still open.
            if (festoon::RunReportingErrors([&] { PlacePhotoFile(path, topLeft); })) {
                topLeft += kCascadeStep;
            }
            break;
        case festoon::GivenFileKind::Card:
            festoon::RunReportingErrors([&] { OpenCardFile(path); });
            break;
        case festoon::GivenFileKind::Unsupported:
            unsupported.append(path);
            break;
        }
    }
    if (!unsupported.isEmpty()) {
        festoon::ReportError(festoon::UnsupportedFilesMessage(unsupported));
    }
}

void TFormMain::PlacePhotoFile(const QString& path, QPoint topLeft) {
    // Decoded before the card is touched: a file that fails changes nothing.
    PlaceLoadedPhoto(festoon::ReadPictureFile(path, nullptr, PhotoDecodeSize()), topLeft);
}

void TFormMain::PastePicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data != nullptr && data->hasImage()) {
        const QImage picture = OpaqueOnWhite(qvariant_cast<QImage>(data->imageData()));
        if (!picture.isNull()) {
            EditCard([&](festoon::Composition& card) { DragSlot = card.PlacePhoto(picture, defaultMask_); });
            return;
        }
    }
    // Files copied in a file manager come as links to them.
    const QStringList files = data != nullptr ? festoon::LocalFiles(*data) : QStringList();
    if (!files.isEmpty()) {
        OpenGivenFiles(files);
        return;
    }
    festoon::ReportError(QStringLiteral("There is no picture on the clipboard to paste."));
}

void TFormMain::CopyCardPicture() {
    QGuiApplication::clipboard()->setImage(festoon::CardPicture(card_));
}
