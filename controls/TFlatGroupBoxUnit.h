// TFlatGroupBox: a flat frame with a caption gap in its top edge that holds other controls.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class TFlatGroupBox : public QWidget {
    Q_OBJECT
  public:
    explicit TFlatGroupBox(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    [[nodiscard]] QString Caption() const { return caption_; }
    // Sets the fill and switches ParentColor off; children that follow their parent's colour take it too.
    void setColor(const QColor& color);
    void setColorBorder(const QColor& color);
    void setParentColor(bool parentColor);
    [[nodiscard]] QColor Color() const;
    [[nodiscard]] QColor ColorBorder() const { return colorBorder_; }
    [[nodiscard]] bool ParentColor() const { return parentColor_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    QColor color_{235, 234, 225};
    QColor colorBorder_{160, 150, 131};
    bool parentColor_ = true;
};
