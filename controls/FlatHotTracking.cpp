// Hot tracking shared by the flat controls of one kind.
#include "controls/FlatHotTracking.h"

#include <QApplication>

void FlatHotTracker::pointerOver(QWidget* control, FlatHotTarget* target) {
    if (hot_ && hot_ != control)
        hotTarget_->setHotLook(false);
    hot_ = nullptr;
    hotTarget_ = nullptr;
    if (QApplication::activeWindow() == nullptr)
        return;
    hot_ = control;
    hotTarget_ = target;
    target->setHotLook(true);
}

void FlatHotTracker::pointerLeft(QWidget* control, FlatHotTarget* target) {
    target->setHotLook(false);
    if (hot_ == control) {
        hot_ = nullptr;
        hotTarget_ = nullptr;
    }
}
