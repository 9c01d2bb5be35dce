// TImg: the image control of which the window skins and the palettes' thumbnails are made. It shows
// Picture, stretched to its bounds when Stretch is on, and reports the mouse.
#pragma once

#include <QImage>
#include <QWidget>

class TImg : public QWidget {
    Q_OBJECT
  public:
    explicit TImg(QWidget* parent = nullptr);

    [[nodiscard]] const QImage& Picture() const { return picture_; }
    // Shares the image (no pixel copy) and repaints.
    void setPicture(const QImage& picture);
    void setPicture(QImage&& picture);

    bool Stretch = true;

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
    QImage picture_;
    bool pressedInside_ = false;
};
