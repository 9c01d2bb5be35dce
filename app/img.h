// TImg: the image control of which canvas objects, the editing surface, the rubber band and the
// palettes' thumbnails are made. It shows Picture (stretched to its bounds when Stretch is on) and owns
// two further bitmaps, BMP (an object's source picture) and Mask (its mask).
#pragma once

#include <QImage>
#include <QWidget>

class TImg : public QWidget {
    Q_OBJECT
  public:
    explicit TImg(QWidget* parent = nullptr);

    QImage BMP;
    QImage Mask;

    [[nodiscard]] const QImage& Picture() const { return picture_; }
    [[nodiscard]] QImage& PictureRef() { return picture_; } // for drawing into the picture; call update()
    // Shares the image (no pixel copy) and repaints.
    void setPicture(const QImage& picture);
    void setPicture(QImage&& picture);

    bool Stretch = true;
    // When on, pixels of the picture's transparent colour (white) are not painted: the editing surface
    // and the rubber band. The control still receives the mouse over its whole rectangle.
    bool Transparent = false;
    static constexpr QRgb kTransparentColour = 0xFFFFFFFF;

  signals:
    void mouseDown(TImg* sender, Qt::MouseButton button, QPoint position);
    void mouseMove(TImg* sender, QPoint position);
    void mouseUp(TImg* sender, Qt::MouseButton button, QPoint position);
    void clicked(TImg* sender);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    [[nodiscard]] const QImage& KeyedPicture(const QRect& area);

    QImage picture_;
    bool pressedInside_ = false;
    // The picture with its transparent colour cut out, for the area and contents it was made from.
    QImage keyed_;
    QRect keyedArea_;
    qint64 keyedCacheKey_ = 0;
};
