// The shown main window on a 1024 x 768 screen, with scripted dialogs, a recording error sink and
// helpers to place objects and to press, move and release the mouse over the canvas as a user would.
#pragma once

#include "controls/ImgBtn.h"
#include "core/Bitmap.h"
#include "tests/app/WindowFixture.h"

#include <QPainter>
#include <QTest>

class EditingFixture : public WindowFixture {
  protected:
    static constexpr QRgb kMarkColour = 0xFFFE0303; // the selection-mark glyph: red 254, green 3, blue 3

    void SetUp() override {
        WindowFixture::SetUp();
        CreateWindow();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        EXPECT_EQ(festoon::DialogScript::Unanswered(), 0);
        WindowFixture::TearDown();
    }

    // Places a solid object with a white mask (it shows its own colour exactly) in the first free slot.
    TImg* PlaceSolid(const QRect& bounds, QRgb colour) {
        const int slot = window->FirstFreeSlot();
        TImg* object = FillSlot(slot, bounds, colour, WhiteMask());
        window->PlaceObject(slot);
        return object;
    }

    void ChooseBackdrop(const QString& relative) {
        festoon::DialogScript::AnswerOpen(folder.file(relative));
        Click(window->BtnBackDrop);
    }

    // Blends a "frame" into the backdrop picture, as the frame palette does.
    void PaintFrame() {
        QImage framed = window->ImBackDrop->Picture().copy();
        QPainter painter(&framed);
        painter.fillRect(0, 0, framed.width(), 40, QColor(150, 90, 20));
        painter.end();
        window->ImBackDrop->setPicture(framed);
    }

    // The window coordinates of a canvas point.
    [[nodiscard]] QPoint OnWindow(QPoint canvasPoint) const {
        return window->CanvasArea->mapTo(window.get(), canvasPoint);
    }

    // Mouse events go through the window, so that they reach whichever control lies on top.
    void Press(QPoint canvasPoint) {
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, OnWindow(canvasPoint));
    }
    void MoveTo(QPoint canvasPoint) { QTest::mouseMove(window->windowHandle(), OnWindow(canvasPoint)); }
    void Release(QPoint canvasPoint) {
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, OnWindow(canvasPoint));
    }
    // A drag as a user makes it: hover at the start (which sets the cursor), press, move, release.
    void Drag(QPoint from, QPoint to) {
        MoveTo(from);
        Press(from);
        MoveTo(to);
        Release(to);
    }

    static void Click(TImgBtn* button) { QTest::mouseClick(button, Qt::LeftButton); }

    [[nodiscard]] Qt::CursorShape SurfaceCursor() const { return window->ImTouMing->cursor().shape(); }

    [[nodiscard]] int VisibleObjects() const {
        int count = 0;
        for (int slot = 1; slot <= TFormMain::kSlotCount; ++slot) {
            count += window->ObjectSlots[slot]->isHidden() ? 0 : 1;
        }
        return count;
    }
};
