// TImgBtn: a picture control that acts as a three-state button (rest, hover, pressed pictures).
#pragma once

#include <QImage>
#include <QWidget>

class TImgBtn : public QWidget {
    Q_OBJECT
public:
    explicit TImgBtn(QWidget* parent = nullptr);

    // Setting Pic also displays it; PicDown and PicUp are shown at the next state change.
    void setPic(const QImage& picture);
    void setPicDown(const QImage& picture);
    void setPicUp(const QImage& picture);
    [[nodiscard]] const QImage& Pic() const { return pic_; }
    [[nodiscard]] const QImage& PicDown() const { return picDown_; }
    [[nodiscard]] const QImage& PicUp() const { return picUp_; }
    [[nodiscard]] const QImage& displayed() const { return displayed_; }

    bool Supported = true;
    // Pixels of the bitmap's bottom-left colour are not painted.
    bool Transparent = false;

signals:
    void clicked();
    void mouseDown();
    void mouseUp();
    void mouseEnter();
    void mouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void display(const QImage& picture);

    QImage pic_, picDown_, picUp_, displayed_;
    bool MouseInside = false;
    bool ButtonPressed = false;
};
