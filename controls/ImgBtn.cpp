// TImgBtn (to be completed).
#include "controls/ImgBtn.h"

#include <QPainter>

TImgBtn::TImgBtn(QWidget* parent) : QWidget(parent) {}
void TImgBtn::setPic(const QImage& picture) { pic_ = picture; display(pic_); }
void TImgBtn::setPicDown(const QImage& picture) { picDown_ = picture; }
void TImgBtn::setPicUp(const QImage& picture) { picUp_ = picture; }
void TImgBtn::display(const QImage& picture) { displayed_ = picture; update(); }
void TImgBtn::paintEvent(QPaintEvent*) { QPainter(this).drawImage(rect(), displayed_); }
void TImgBtn::enterEvent(QEnterEvent*) {}
void TImgBtn::leaveEvent(QEvent*) {}
void TImgBtn::mousePressEvent(QMouseEvent*) {}
void TImgBtn::mouseReleaseEvent(QMouseEvent*) { emit clicked(); }
