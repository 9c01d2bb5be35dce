// Editing the canvas with the mouse: one press selects the topmost object showing under the pointer and
// may drag it at once; the selected object's handles resize and turn it; the object follows the pointer,
// blended over what lies beneath, until the release puts it in place. Copying and deleting act on the
// selected object.
#include "app/Unit1.h"

#include "app/EditingSurface.h"
#include "app/GripDrag.h"
#include "app/SelectionMarks.h"
#include "core/HitTest.h"
#include "core/LiveDrag.h"

namespace {

bool Resizes(Grip grip) {
    return grip != Grip::None && grip != Grip::Move && grip != Grip::Turn;
}

} // namespace

int TFormMain::ActedOnSlot() const {
    if (card_.LayerInSlot(card_.SelectedSlot()) != nullptr) {
        return card_.SelectedSlot();
    }
    return card_.IsEmpty() ? 0 : card_.TopLayer()->slot;
}

void TFormMain::CanvasPressed(QPoint position, Qt::KeyboardModifiers) {
    ButtonDown = true;
    BeginStep();
    if (const festoon::Layer* selected = card_.LayerInSlot(card_.SelectedSlot())) {
        const std::optional<Grip> grip =
            GripAt(festoon::PlacementOf(*selected), position, card_.SelectionMarked());
        if (grip && (Resizes(*grip) || *grip == Grip::Turn)) {
            StartDrag(selected->slot, *grip, position);
            return;
        }
    }
    const int hit = festoon::TopmostShownAt(card_, position);
    if (hit == 0) {
        EditCard([](festoon::Composition& card) { card.ClearSelection(); });
        return;
    }
    // A press on another object selects it and brings it up; the selected one keeps its place.
    if (hit != card_.SelectedSlot()) {
        EditCard([hit](festoon::Composition& card) { card.SelectAndRaise(hit); });
    }
    StartDrag(hit, Grip::Move, position);
}

void TFormMain::StartDrag(int slot, Grip grip, QPoint position) {
    const festoon::Layer* layer = card_.LayerInSlot(slot);
    if (layer == nullptr) {
        return;
    }
    DragSlot = slot;
    EditDragging = true;
    drag_ = Drag{grip, position, festoon::PlacementOf(*layer), festoon::PlacementOf(*layer), false};
    ImTouMing->SetZoneCursor(GripCursor(grip, layer->angle));
    ImTouMing->ShowBand(layer->bounds);
}

void TFormMain::CanvasMoved(QPoint position, bool buttonHeld, Qt::KeyboardModifiers modifiers) {
    if (!buttonHeld || !EditDragging) {
        if (!ButtonDown) {
            ShowPointerCursor(position);
        }
        return;
    }
    const festoon::Placement now =
        DraggedPlacement(drag_.start, drag_.grip, drag_.from, position, (modifiers & Qt::ShiftModifier) != 0);
    if (!drag_.moved && now == drag_.start) {
        return;
    }
    if (!live_) {
        // The card without the object is rendered once; each move renders only the object over it.
        live_ = std::make_unique<festoon::LiveDrag>(card_, DragSlot, &renderer_.Rendered());
        ImTouMing->ShowCanvas(live_->Beneath());
    }
    drag_.moved = true;
    drag_.now = now;
    ImTouMing->SetBand(now.bounds);
    ImTouMing->ShowLivePiece(live_->Frame(now), festoon::ShownRect(now).topLeft(), ObjectOutline(now));
}

void TFormMain::EndLiveDrag() {
    if (live_) {
        // The surface showed the card without the dragged object and its marks; those places show the
        // card as it was again, which ShowCard then brings up to date where the card changed.
        const QRegion hidden = QRegion(festoon::ShownRect(live_->Dragged())) + markedBounds_;
        live_.reset();
        ImTouMing->UpdateCanvas(shownCanvas_, hidden);
    }
    ImTouMing->HideLivePiece();
}

void TFormMain::CanvasReleased(QPoint position, Qt::KeyboardModifiers) {
    ButtonDown = false;
    if (EditDragging) {
        EditDragging = false;
        const Drag drag = drag_;
        const int slot = DragSlot;
        EndLiveDrag();
        ImTouMing->HideBand();
        if (drag.moved && !(drag.now == drag.start)) {
            EditCard([&](festoon::Composition& card) {
                card.SetBounds(slot, drag.now.bounds);
                card.SetAngle(slot, drag.now.angle);
                if (drag.grip == Grip::Turn) {
                    card.Select(slot); // the marks stay, and with them the turn handle
                }
            });
        } else {
            EditCard([slot](festoon::Composition& card) { card.Select(slot); });
        }
    }
    EndStep();
    ShowPointerCursor(position);
}

void TFormMain::CanvasDoubleClicked(QPoint position) {
    const festoon::Layer* layer = card_.LayerInSlot(festoon::TopmostShownAt(card_, position));
    if (layer != nullptr && layer->lettering) {
        EditLettering(layer->slot);
    }
}

void TFormMain::ShowPointerCursor(QPoint position) {
    if (card_.IsEmpty()) {
        return;
    }
    if (const festoon::Layer* selected = card_.LayerInSlot(card_.SelectedSlot())) {
        const std::optional<Grip> grip =
            GripAt(festoon::PlacementOf(*selected), position, card_.SelectionMarked());
        if (!grip) {
            return; // between the zones the cursor keeps its shape
        }
        if (Resizes(*grip) || *grip == Grip::Turn) {
            ImTouMing->SetZoneCursor(GripCursor(*grip, selected->angle));
            return;
        }
    }
    ImTouMing->SetZoneCursor(festoon::TopmostShownAt(card_, position) != 0 ? Qt::SizeAllCursor
                                                                           : Qt::ArrowCursor);
}

void TFormMain::BtnCopyClick() {
    const int slot = ActedOnSlot();
    if (slot == 0) {
        return;
    }
    EditCard([this, slot](festoon::Composition& card) { DragSlot = card.CopyObject(slot); });
}

void TFormMain::BtnDeleteClick() {
    DeleteTopObject();
}

void TFormMain::DeleteTopObject() {
    const int slot = ActedOnSlot();
    if (slot == 0) {
        return;
    }
    // The Delete key pressed during a drag: the drag ends with the object, so that the release applies
    // nothing.
    AbandonDrag();
    EditCard([slot](festoon::Composition& card) { card.DeleteObject(slot); });
    DragSlot = card_.SelectedSlot();
}

void TFormMain::Action1Execute() {
    DeleteTopObject();
}
