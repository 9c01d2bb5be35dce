// EditingSurface: the canvas of the main window. It shows the card as the view last rendered it, the
// rubber band of a drag, and the cursor of the zone under the pointer, and reports the mouse to the
// window, which decides what a press acts on. Files the program opens may be dropped on it; anything
// else is refused, and the pointer shows so while it is dragged over.
#pragma once

#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QStringList>
#include <QWidget>

class EditingSurface : public QWidget {
    Q_OBJECT
  public:
    explicit EditingSurface(QWidget* parent = nullptr);

    // Shows a canvas-sized picture of the card (selection marks included), pixel for pixel.
    void ShowCanvas(const QImage& canvas);
    // The same for a canvas that differs from the one shown only within `changed`: only that part is
    // converted and repainted.
    void UpdateCanvas(const QImage& canvas, const QRegion& changed);
    [[nodiscard]] const QImage& ShownCanvas() const { return shown_; }

    // The rubber band: a thin outline that follows a drag while the object stays where it was.
    void ShowBand(const QRect& bounds);
    void SetBand(const QRect& bounds);
    void HideBand();
    [[nodiscard]] const QRect& Band() const { return band_; }
    [[nodiscard]] bool BandVisible() const { return bandVisible_; }

    // The object being dragged, drawn over the canvas with its top-left corner at `at` and a thin outline
    // along `outline`, until HideLivePiece.
    void ShowLivePiece(const QImage& piece, QPoint at, const QPolygon& outline);
    void HideLivePiece();
    [[nodiscard]] bool LivePieceVisible() const { return !livePiece_.isNull(); }
    [[nodiscard]] const QImage& LivePiece() const { return livePiece_; }
    [[nodiscard]] QPoint LivePiecePosition() const { return livePieceAt_; }

    // The cursor of the editing zone under the pointer.
    void SetZoneCursor(Qt::CursorShape shape);
    [[nodiscard]] Qt::CursorShape ZoneCursor() const { return zoneCursor_; }

  signals:
    void pressed(QPoint position, Qt::KeyboardModifiers modifiers);
    void moved(QPoint position, bool buttonHeld, Qt::KeyboardModifiers modifiers);
    void released(QPoint position, Qt::KeyboardModifiers modifiers);
    void doubleClicked(QPoint position);
    // The right button pressed at `position`; `global` is where a menu opens.
    void menuAsked(QPoint position, QPoint global);
    // Local files dropped at `position`, at least one of which the program opens.
    void filesDropped(const QStringList& paths, QPoint position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void UpdateCursor();
    void UpdateBandArea(const QRect& bounds);
    void UpdateLiveArea();

    QImage shown_;  // the card converted once for painting
    QImage source_; // the 24-bit picture it was made from
    QRect band_;
    bool bandVisible_ = false;
    Qt::CursorShape zoneCursor_ = Qt::ArrowCursor;
    QImage livePiece_; // RGB32, as the canvas is painted
    QPoint livePieceAt_;
    QPolygon liveOutline_;
};
