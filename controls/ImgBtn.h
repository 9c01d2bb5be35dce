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
    // Shown instead of the others while the button is disabled; without one a disabled button keeps
    // the picture it had.
    void setPicDisabled(const QImage& picture);
    [[nodiscard]] const QImage& Pic() const { return pic_.picture; }
    [[nodiscard]] const QImage& PicDown() const { return picDown_.picture; }
    [[nodiscard]] const QImage& PicUp() const { return picUp_.picture; }
    [[nodiscard]] const QImage& displayed() const { return displayed_.picture; }

    // Runs the click as a release on the button would, without the pictures changing (assistive tools).
    void click();

    [[nodiscard]] bool mouseInside() const { return MouseInside; }
    [[nodiscard]] bool buttonPressed() const { return ButtonPressed; }

    // Switches the three-state behaviour on; when off the button keeps its picture but still clicks.
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
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // A picture as given and its copy with the transparent colour keyed out, made once when set.
    struct Face {
        QImage picture;
        QImage keyed;
    };
    static Face MakeFace(const QImage& picture);
    void display(const Face& face);
    void pointerEntered();
    void pointerLeft();
    // The end of a release: back to the up picture, the mouse-up notification, a crossing missed meanwhile.
    void finishRelease(bool inside);

    Face pic_, picDown_, picUp_, picDisabled_, displayed_;
    bool MouseInside = false;
    bool ButtonPressed = false;
    // A left press began on the button and is not yet released (the click is owed on release).
    bool clickBegun_ = false;
    // While the click handler runs the pointer counts as captured: crossings wait until it returns.
    bool releasing_ = false;
    bool pointerInsideDuringRelease_ = false;
};
