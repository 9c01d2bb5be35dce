// Editing the canvas with the mouse: selecting an object, dragging the topmost one with a rubber band
// on the editing surface, and copying and deleting the topmost object.
#include "app/Unit1.h"

#include "app/EditZones.h"
#include "app/EditingSurface.h"

// The objects lie above the editing surface until something brings the surface to the front; while
// they do, a press on an object selects it and a press beside them reaches the surface.
int TFormMain::ObjectAbove(QPoint position) const {
    if (surfaceOnTop_) {
        return 0;
    }
    const QList<festoon::Layer>& layers = card_.Layers();
    for (auto layer = layers.crbegin(); layer != layers.crend(); ++layer) {
        if (layer->bounds.contains(position)) {
            return layer->slot;
        }
    }
    return 0;
}

void TFormMain::CanvasPressed(QPoint position) {
    pressedObject_ = ObjectAbove(position);
    if (pressedObject_ != 0) {
        ObjectMouseDown(pressedObject_);
    } else {
        ImToumingMouseDown(position);
    }
}

void TFormMain::CanvasMoved(QPoint position, bool buttonHeld) {
    if (buttonHeld && pressedObject_ != 0) {
        return; // an object ignores the moves of a press it took
    }
    if (!buttonHeld) {
        const bool overObject = ObjectAbove(position) != 0;
        ImTouMing->SetPointerOverObject(overObject);
        if (overObject) {
            return;
        }
    }
    ImTouMingMouseMove(position);
}

void TFormMain::CanvasReleased(QPoint position) {
    if (pressedObject_ != 0) {
        const int slot = pressedObject_;
        pressedObject_ = 0;
        ObjectMouseUp(slot);
    } else {
        ImTouMingMouseUp(position);
    }
    ImTouMing->SetPointerOverObject(ObjectAbove(position) != 0);
}

void TFormMain::ObjectMouseDown(int slot) {
    ButtonDown = true;
    if (card_.LayerInSlot(slot) == nullptr) {
        return;
    }
    surfaceOnTop_ = true;
    EditArmed = true;
    EditCard([slot](festoon::Composition& card) { card.SelectAndRaise(slot); });
}

void TFormMain::ObjectMouseUp(int) {
    ButtonDown = false;
}

void TFormMain::ImToumingMouseDown(QPoint position) {
    PressCursor = ImTouMing->ZoneCursor();
    ButtonDown = true;
    const festoon::Layer* top = card_.TopLayer();
    if (top == nullptr) {
        return;
    }
    const QRect bounds = top->bounds;
    const int x = position.x(), y = position.y();
    // The edges count as inside.
    if (x < bounds.left() || x > bounds.x() + bounds.width() || y < bounds.top() ||
        y > bounds.y() + bounds.height()) {
        return;
    }
    EditDragging = true;
    EditArmed = true;
    surfaceOnTop_ = true;
    DragSlot = top->slot;
    PressPoint = position;
    StartLeft = bounds.x();
    StartTop = bounds.y();
    StartWidth = bounds.width();
    StartHeight = bounds.height();
    ImTouMing->ShowBand(bounds);
}

void TFormMain::ImTouMingMouseMove(QPoint position) {
    if (!card_.IsEmpty()) {
        if (ButtonDown) {
            ImTouMing->SetZoneCursor(PressCursor);
        } else if (const festoon::Layer* selected = card_.LayerInSlot(card_.SelectedSlot())) {
            if (const auto shape = ZoneCursor(selected->bounds, position)) {
                ImTouMing->SetZoneCursor(*shape);
            }
        }
    }
    if (!ButtonDown || !EditArmed || !EditDragging) {
        return;
    }
    const QRect band = ImTouMing->Band();
    const int newWidth = ClampSide(position.x() + StartWidth - PressPoint.x(), StartWidth);
    const int newHeight = ClampSide(position.y() + StartHeight - PressPoint.y(), StartHeight);
    switch (ImTouMing->ZoneCursor()) {
    case Qt::SizeAllCursor:
        ImTouMing->SetBand(band.translated(position.x() + StartLeft - PressPoint.x() - band.x(),
                                           position.y() + StartTop - PressPoint.y() - band.y()));
        break;
    case Qt::SizeHorCursor:
        ImTouMing->SetBand(QRect(band.topLeft(), QSize(newWidth, band.height())));
        break;
    case Qt::SizeVerCursor:
        ImTouMing->SetBand(QRect(band.topLeft(), QSize(band.width(), newHeight)));
        break;
    case Qt::SizeFDiagCursor:
        ImTouMing->SetBand(QRect(band.topLeft(), QSize(newWidth, newHeight)));
        break;
    default:
        break;
    }
}

void TFormMain::ImTouMingMouseUp(QPoint) {
    ButtonDown = false;
    if (!EditArmed) {
        return;
    }
    const bool dragged = EditDragging;
    EditArmed = false;
    EditDragging = false;
    // A release after a press that missed the topmost object only sends the surface back: the band
    // still holds the bounds of an earlier drag, which must not be applied again.
    if (dragged && DragSlot > 0) {
        const QRect bounds = ImTouMing->Band();
        EditCard([&](festoon::Composition& card) { card.SetBounds(DragSlot, bounds); });
    }
    ImTouMing->HideBand();
    surfaceOnTop_ = false;
}

void TFormMain::BtnCopyClick() {
    if (card_.IsEmpty()) {
        return;
    }
    EditCard([this](festoon::Composition& card) { DragSlot = card.CopyTop(); });
    PlacedObject();
}

void TFormMain::BtnDeleteClick() {
    DeleteTopObject();
}

void TFormMain::DeleteTopObject() {
    if (card_.IsEmpty()) {
        return;
    }
    // The Delete key pressed during a drag: the drag ends with the object, so that the release applies
    // its band to nothing.
    AbandonDrag();
    EditCard([](festoon::Composition& card) { card.DeleteTop(); });
    DragSlot = card_.SelectedSlot();
}

void TFormMain::Action1Execute() {
    DeleteTopObject();
}
