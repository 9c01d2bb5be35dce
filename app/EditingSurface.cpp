// The editing surface: paints the card and the rubber band, and reports the mouse.
#include "app/EditingSurface.h"

#include "app/GivenFiles.h"
#include "platform/ErrorReporting.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

EditingSurface::EditingSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button held set the cursor of the zone under the pointer.
    setMouseTracking(true);
    setAcceptDrops(true);
}

void EditingSurface::ShowCanvas(const QImage& canvas) {
    source_ = canvas;
    // Converted once here rather than at every paint, so that a band moving over a large canvas
    // repaints only the few pixels it covers.
    shown_ = canvas.convertToFormat(QImage::Format_RGB32);
    update();
}

void EditingSurface::UpdateCanvas(const QImage& canvas, const QRegion& changed) {
    if (shown_.size() != canvas.size()) {
        ShowCanvas(canvas);
        return;
    }
    source_ = QImage(); // the window keeps the canvas and changes it in place
    QPainter painter(&shown_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : changed) {
        painter.drawImage(rect.topLeft(), canvas, rect);
    }
    painter.end();
    update(changed);
}

void EditingSurface::ShowBand(const QRect& bounds) {
    bandVisible_ = true;
    SetBand(bounds);
}

void EditingSurface::SetBand(const QRect& bounds) {
    const QRect before = band_;
    band_ = bounds;
    if (bandVisible_) {
        UpdateBandArea(before);
        UpdateBandArea(band_);
    }
}

void EditingSurface::HideBand() {
    if (bandVisible_) {
        bandVisible_ = false;
        UpdateBandArea(band_);
    }
}

void EditingSurface::UpdateBandArea(const QRect& bounds) {
    // Only the outline's four edges need painting.
    update(QRect(bounds.left(), bounds.top(), bounds.width(), 1));
    update(QRect(bounds.left(), bounds.top(), 1, bounds.height()));
    update(QRect(bounds.right() - 2, bounds.top(), 1, bounds.height()));
    update(QRect(bounds.left(), bounds.bottom() - 2, bounds.width(), 1));
}

void EditingSurface::ShowLivePiece(const QImage& piece, QPoint at, const QPolygon& outline) {
    UpdateLiveArea();
    livePiece_ = piece.convertToFormat(QImage::Format_RGB32);
    livePieceAt_ = at;
    liveOutline_ = outline;
    UpdateLiveArea();
}

void EditingSurface::HideLivePiece() {
    UpdateLiveArea();
    livePiece_ = QImage();
    liveOutline_.clear();
}

void EditingSurface::UpdateLiveArea() {
    if (!livePiece_.isNull()) {
        update(QRect(livePieceAt_, livePiece_.size())
                   .united(liveOutline_.boundingRect())
                   .adjusted(-1, -1, 1, 1));
    }
}

void EditingSurface::SetZoneCursor(Qt::CursorShape shape) {
    zoneCursor_ = shape;
    UpdateCursor();
}

void EditingSurface::UpdateCursor() {
    if (cursor().shape() != zoneCursor_) {
        setCursor(zoneCursor_);
    }
}

void EditingSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The card keeps its size in logical pixels; where the screen has more device pixels to a logical
    // one, each card pixel is shown as a sharp block of them, never smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Rectangle by rectangle: a moving band asks for its thin edges only, whose bounding rectangle
    // would be the whole band.
    for (const QRect& area : event->region()) {
        painter.drawImage(area, shown_, area);
    }
    if (!livePiece_.isNull()) {
        painter.drawImage(livePieceAt_, livePiece_);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(liveOutline_);
        return;
    }
    if (bandVisible_ && band_.width() > 2 && band_.height() > 2) {
        // A black outline one pixel wide whose far edges stop two pixels short of the band's.
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(band_.adjusted(0, 0, -3, -3));
    }
}

void EditingSurface::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        const QPoint global = event->globalPosition().toPoint();
        festoon::RunReportingErrors([&] { emit menuAsked(position, global); });
        return;
    }
    festoon::RunReportingErrors([&] { emit pressed(position, event->modifiers()); });
}

void EditingSurface::mouseMoveEvent(QMouseEvent* event) {
    festoon::RunReportingErrors([&] {
        emit moved(event->position().toPoint(), (event->buttons() & Qt::LeftButton) != 0, event->modifiers());
    });
}

void EditingSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        return;
    }
    festoon::RunReportingErrors([&] { emit released(event->position().toPoint(), event->modifiers()); });
}

void EditingSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        festoon::RunReportingErrors([&] { emit doubleClicked(event->position().toPoint()); });
    }
}

namespace {

// A drop is taken as a copy whatever the source proposes: a move would let the source delete the file.
bool TakeAsCopy(QDropEvent* event) {
    return festoon::AnswerDrag(*event, festoon::AnyOpenable(festoon::LocalFiles(*event->mimeData())));
}

} // namespace

void EditingSurface::dragEnterEvent(QDragEnterEvent* event) {
    TakeAsCopy(event);
}

void EditingSurface::dragMoveEvent(QDragMoveEvent* event) {
    TakeAsCopy(event);
}

void EditingSurface::dropEvent(QDropEvent* event) {
    if (TakeAsCopy(event)) {
        const QStringList paths = festoon::LocalFiles(*event->mimeData());
        const QPoint position = event->position().toPoint();
        festoon::RunReportingErrors([&] { emit filesDropped(paths, position); });
    }
}
