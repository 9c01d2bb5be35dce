// One object at a time: the menu a right-click on an object opens, the keys that restack and nudge the
// selected object, and editing the words of lettering in the text palette.
#include "app/Unit1.h"

#include "app/EditingSurface.h"
#include "catalogs/UnitText.h"
#include "core/HitTest.h"
#include "platform/ErrorReporting.h"

#include <QAction>
#include <QMenu>

namespace {

struct ObjectKey {
    QKeyCombination keys;
    int dx, dy;
};

// The menu in the colours of the program's paper and ink.
const char* const kMenuStyle =
    "QMenu { background: #fbf5ec; color: #3b2414; border: 1px solid #8a5a32; padding: 3px; }"
    "QMenu::item { padding: 4px 22px 4px 18px; }"
    "QMenu::item:selected { background: #a0561b; color: #fff8ee; }"
    "QMenu::item:disabled { color: #b9a491; }"
    "QMenu::separator { height: 1px; background: #d9c3a8; margin: 3px 6px; }";

constexpr int kNudge = 1;
constexpr int kLongNudge = 10;

const ObjectKey kNudgeKeys[] = {
    {QKeyCombination(Qt::Key_Left), -kNudge, 0},
    {QKeyCombination(Qt::Key_Right), kNudge, 0},
    {QKeyCombination(Qt::Key_Up), 0, -kNudge},
    {QKeyCombination(Qt::Key_Down), 0, kNudge},
    {QKeyCombination(Qt::SHIFT, Qt::Key_Left), -kLongNudge, 0},
    {QKeyCombination(Qt::SHIFT, Qt::Key_Right), kLongNudge, 0},
    {QKeyCombination(Qt::SHIFT, Qt::Key_Up), 0, -kLongNudge},
    {QKeyCombination(Qt::SHIFT, Qt::Key_Down), 0, kLongNudge},
};

} // namespace

void TFormMain::CreateObjectKeys() {
    // These keys act only while the main window has the keyboard: in a palette the arrows and pages
    // belong to its fields.
    const auto addKey = [this](QKeyCombination keys, const QString& name, std::function<void()> command) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcut(QKeySequence(keys));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
            if (!ButtonDown) {
                festoon::RunReportingErrors(command);
            }
        });
        addAction(action);
    };
    for (const ObjectKey& key : kNudgeKeys) {
        addKey(key.keys, QStringLiteral("NudgeAction"), [this, key] { Nudge(key.dx, key.dy); });
    }
    addKey(QKeyCombination(Qt::Key_PageUp), QStringLiteral("BringForwardAction"), [this] { BringForward(); });
    addKey(QKeyCombination(Qt::Key_PageDown), QStringLiteral("SendBackwardAction"),
           [this] { SendBackward(); });
}

void TFormMain::EditSelected(const std::function<void(festoon::Composition&, int slot)>& edit) {
    const int slot = card_.SelectedSlot();
    if (card_.LayerInSlot(slot) == nullptr) {
        return;
    }
    EditCard([&](festoon::Composition& card) { edit(card, slot); });
}

void TFormMain::BringToFront() {
    EditSelected([](festoon::Composition& card, int slot) { card.BringToFront(slot); });
}

void TFormMain::BringForward() {
    EditSelected([](festoon::Composition& card, int slot) { card.BringForward(slot); });
}

void TFormMain::SendBackward() {
    EditSelected([](festoon::Composition& card, int slot) { card.SendBackward(slot); });
}

void TFormMain::SendToBack() {
    EditSelected([](festoon::Composition& card, int slot) { card.SendToBack(slot); });
}

void TFormMain::FlipAcross() {
    EditSelected([](festoon::Composition& card, int slot) { card.Mirror(slot, true); });
}

void TFormMain::FlipUpDown() {
    EditSelected([](festoon::Composition& card, int slot) { card.Mirror(slot, false); });
}

void TFormMain::TurnLeft() {
    EditSelected([](festoon::Composition& card, int slot) {
        card.SetAngle(slot, card.LayerInSlot(slot)->angle - 90);
    });
}

void TFormMain::TurnRight() {
    EditSelected([](festoon::Composition& card, int slot) {
        card.SetAngle(slot, card.LayerInSlot(slot)->angle + 90);
    });
}

void TFormMain::Nudge(int dx, int dy) {
    EditSelected([dx, dy](festoon::Composition& card, int slot) {
        card.SetBounds(slot, card.LayerInSlot(slot)->bounds.translated(dx, dy));
        card.Select(slot); // the marks stay while the keys move the object
    });
}

void TFormMain::EditLettering(int slot) {
    const festoon::Layer* layer = card_.LayerInSlot(slot);
    if (layer == nullptr || !layer->lettering || FormText == nullptr) {
        return;
    }
    FormText->EditLettering(slot, *layer->lettering);
}

void TFormMain::CanvasMenuAsked(QPoint position, QPoint global) {
    if (ButtonDown) {
        return;
    }
    const int slot = festoon::TopmostShownAt(card_, position);
    if (slot == 0) {
        return;
    }
    // The object right-clicked is selected where it lies, so that the menu's commands act on it.
    EditCard([slot](festoon::Composition& card) { card.Select(slot); });
    const qsizetype index = card_.LayerIndex(slot);
    const bool top = index == card_.Layers().size() - 1, bottom = index == 0;

    delete objectMenu_;
    objectMenu_ = new QMenu(this);
    objectMenu_->setObjectName(QStringLiteral("ObjectMenu"));
    objectMenu_->setAttribute(Qt::WA_DeleteOnClose);
    objectMenu_->setStyleSheet(QString::fromLatin1(kMenuStyle));
    const auto add = [this](const QString& text, const QString& name, void (TFormMain::*command)(),
                            bool enabled = true) {
        QAction* action = objectMenu_->addAction(text);
        action->setObjectName(name);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this,
                [this, command] { festoon::RunReportingErrors([this, command] { (this->*command)(); }); });
    };
    add(QStringLiteral("Bring to &front"), QStringLiteral("BringToFront"), &TFormMain::BringToFront, !top);
    add(QStringLiteral("Bring for&ward\tPgUp"), QStringLiteral("BringForward"), &TFormMain::BringForward,
        !top);
    add(QStringLiteral("Send &backward\tPgDown"), QStringLiteral("SendBackward"), &TFormMain::SendBackward,
        !bottom);
    add(QStringLiteral("Send to bac&k"), QStringLiteral("SendToBack"), &TFormMain::SendToBack, !bottom);
    objectMenu_->addSeparator();
    add(QStringLiteral("&Copy"), QStringLiteral("Copy"), &TFormMain::BtnCopyClick);
    add(QStringLiteral("&Delete\tDel"), QStringLiteral("Delete"), &TFormMain::BtnDeleteClick);
    objectMenu_->addSeparator();
    add(QStringLiteral("Flip &horizontally"), QStringLiteral("FlipHorizontally"), &TFormMain::FlipAcross);
    add(QStringLiteral("Flip &vertically"), QStringLiteral("FlipVertically"), &TFormMain::FlipUpDown);
    add(QStringLiteral("Rotate 90° &left"), QStringLiteral("RotateLeft"), &TFormMain::TurnLeft);
    add(QStringLiteral("Rotate 90° &right"), QStringLiteral("RotateRight"), &TFormMain::TurnRight);
    if (card_.LayerInSlot(slot)->lettering) {
        objectMenu_->addSeparator();
        QAction* edit = objectMenu_->addAction(QStringLiteral("&Edit text…"));
        edit->setObjectName(QStringLiteral("EditText"));
        connect(edit, &QAction::triggered, this,
                [this, slot] { festoon::RunReportingErrors([this, slot] { EditLettering(slot); }); });
    }
    objectMenu_->popup(global);
}
