// Editing the canvas with the mouse: selecting an object, dragging the topmost one with a rubber band
// on the editing surface, the selection marks, and copying and deleting the topmost object.
#include "app/Unit1.h"

#include "app/Outline.h"
#include "app/img.h"
#include "core/Bitmap.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Width of the resize zones along an object's right and bottom edges; the comparisons are strict, so each
// zone is six pixels wide.
constexpr int kZone = 7;

// A resize never makes an object narrower or lower than this, so that its move zone and both resize
// zones can still be grabbed (the move zone needs more than kZone + 1 pixels).
constexpr int kMinimumObjectSide = 16;

// The cursor a press at `point` would act with, for an object with `bounds`; the later tests override
// the earlier ones. Nothing when no test holds (the column L + W - 7 or the row T + H - 7).
std::optional<Qt::CursorShape> ZoneCursor(const QRect& bounds, QPoint point) {
    const int l = bounds.x(), t = bounds.y(), w = bounds.width(), h = bounds.height();
    const int x = point.x(), y = point.y();
    std::optional<Qt::CursorShape> shape;
    const bool inRightZone = l + w - kZone < x && x < l + w;
    const bool inBottomZone = t + h - kZone < y && y < t + h;
    if (l < x && x < l + w - kZone && t < y && y < t + h - kZone) {
        shape = Qt::SizeAllCursor;
    }
    if (inRightZone) {
        shape = Qt::SizeHorCursor;
    }
    if (inBottomZone) {
        shape = Qt::SizeVerCursor;
    }
    if (inRightZone && inBottomZone) {
        shape = Qt::SizeFDiagCursor;
    }
    if (x <= l || x >= l + w || y <= t || y >= t + h) {
        shape = Qt::ArrowCursor;
    }
    return shape;
}

// The smallest side a resize may give an object that started at `startSide`: an object already
// smaller than the minimum may keep its size but not shrink further.
int ClampSide(int side, int startSide) {
    return std::max(side, std::max(1, std::min(kMinimumObjectSide, startSide)));
}

// Draws the band's outline over its current size: white (its transparent colour) inside hides an
// earlier, smaller outline.
void DrawBandOutline(TImg* band) {
    DrawOutlinedRectangle(band->PictureRef(), QPoint(0, 0), QPoint(band->width() - 2, band->height() - 2));
    band->update();
}

} // namespace

void TFormMain::ObjectMouseDown(TImg* sender) {
    ButtonDown = true;
    const int slot = SlotOf(sender);
    if (slot == 0) {
        return;
    }
    sender->raise();
    LayerList.removeOne(sender);
    LayerList.append(sender);
    ImTouMing->raise();
    EditArmed = true;
    BtnchonghuaClick();
    DrawSelectionMarks(sender);
    SelectedSlot = slot;
}

void TFormMain::ObjectMouseUp(TImg*) {
    ButtonDown = false;
}

void TFormMain::ImToumingMouseDown(QPoint position) {
    PressCursor = ImTouMing->cursor().shape();
    ButtonDown = true;
    TImg* top = TopObject();
    if (top == nullptr) {
        return;
    }
    const QRect bounds = top->geometry();
    const int x = position.x(), y = position.y();
    // The edges count as inside.
    if (x < bounds.left() || x > bounds.x() + bounds.width() || y < bounds.top() ||
        y > bounds.y() + bounds.height()) {
        return;
    }
    EditDragging = true;
    EditArmed = true;
    top->raise();
    ImMove->raise();
    ImTouMing->raise();
    ImMove->setGeometry(bounds);
    DragSlot = SlotOf(top);
    PressPoint = position;
    StartLeft = ImMove->x();
    StartTop = ImMove->y();
    StartWidth = bounds.width();
    StartHeight = bounds.height();
    DrawBandOutline(ImMove);
    ImMove->show();
}

void TFormMain::ImTouMingMouseMove(QPoint position) {
    if (LayerList.size() > 1) {
        if (ButtonDown) {
            ImTouMing->setCursor(PressCursor);
        } else if (SelectedSlot > 0) {
            if (const auto shape = ZoneCursor(ObjectSlots[SelectedSlot]->geometry(), position)) {
                ImTouMing->setCursor(*shape);
            }
        }
    }
    if (!ButtonDown || !EditArmed || !EditDragging) {
        return;
    }
    const int newWidth = ClampSide(position.x() + StartWidth - PressPoint.x(), StartWidth);
    const int newHeight = ClampSide(position.y() + StartHeight - PressPoint.y(), StartHeight);
    switch (ImTouMing->cursor().shape()) {
    case Qt::SizeAllCursor:
        // The outline moves with the band; nothing is redrawn.
        ImMove->move(position.x() + StartLeft - PressPoint.x(), position.y() + StartTop - PressPoint.y());
        break;
    case Qt::SizeHorCursor:
        ImMove->resize(newWidth, ImMove->height());
        DrawBandOutline(ImMove);
        break;
    case Qt::SizeVerCursor:
        ImMove->resize(ImMove->width(), newHeight);
        DrawBandOutline(ImMove);
        break;
    case Qt::SizeFDiagCursor:
        ImMove->resize(newWidth, newHeight);
        DrawBandOutline(ImMove);
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
        ObjectSlots[DragSlot]->setGeometry(ImMove->geometry());
        RenderSlot(DragSlot, 1);
    }
    ImMove->hide();
    ImMove->lower();
    ImTouMing->lower();
}

void TFormMain::DrawSelectionMarks(TImg* object) {
    const QImage& glyph = ImageDian->Picture();
    const int w = object->width(), h = object->height();
    const std::array<QPoint, 8> corners = {
        QPoint(0, 0),     QPoint(w / 2 - 3, 0), QPoint(w - 6, 0),         QPoint(0, h / 2 - 3),
        QPoint(0, h - 6), QPoint(w - 6, h - 6), QPoint(w - 6, h / 2 - 3), QPoint(w / 2 - 3, h - 6),
    };
    QImage& picture = object->PictureRef();
    picture = festoon::ToBitmap24(picture);
    for (const QPoint& corner : corners) {
        festoon::DrawUnscaled(glyph, picture, corner);
    }
    object->update();
}

void TFormMain::BtnCopyClick() {
    TImg* source = TopObject();
    if (source == nullptr) {
        return;
    }
    const int slot = FirstFreeSlot();
    TImg* copy = ObjectSlots[slot];
    copy->setObjectName(source->objectName() + QString::number(slot) + QStringLiteral("x"));
    // The copy sits 20 pixels right of and below its source, so that both stay visible.
    copy->setGeometry(source->geometry().translated(20, 20));
    copy->BMP = source->BMP.copy();
    copy->Mask = source->Mask.copy();
    copy->show();
    PlaceObject(slot);
}

void TFormMain::BtnDeleteClick() {
    DeleteTopObject();
}

void TFormMain::DeleteTopObject() {
    TImg* top = TopObject();
    if (top == nullptr) {
        return;
    }
    const int slot = SlotOf(top);
    if (EditDragging) {
        // The Delete key pressed during a drag: the drag ends with the object, so that the release
        // applies its band to nothing.
        EditDragging = false;
        ImMove->hide();
    }
    top->hide();
    top->setObjectName(QStringLiteral("x") + QString::number(slot));
    LayerList.removeLast();
    BtnchonghuaClick();
    // The selection passes to the new topmost object, so that the cursor zones show what a press on the
    // editing surface now acts on.
    const TImg* newTop = TopObject();
    SelectedSlot = DragSlot = newTop != nullptr ? SlotOf(newTop) : 0;
}

void TFormMain::Action1Execute() {
    DeleteTopObject();
}
