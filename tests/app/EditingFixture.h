// The shown main window on a 1024 x 768 screen, with scripted dialogs, a recording error sink and
// helpers to press, move and release the mouse over the canvas as a user would.
#pragma once

#include "app/EditingSurface.h"
#include "controls/ImgBtn.h"
#include "core/Bitmap.h"
#include "tests/app/WindowFixture.h"

#include <QTest>

class EditingFixture : public WindowFixture {
  protected:
    static constexpr QRgb kMarkColour = 0xFFFE0303; // the selection marks: red 254, green 3, blue 3

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

    void ChooseBackdrop(const QString& relative) {
        festoon::DialogScript::AnswerOpen(folder.file(relative));
        Click(window->BtnBackDrop);
        FinishLoads();
    }

    // Lays a frame of one colour over the top 40 rows of the backdrop, as the frame palette would.
    void LayFrame() {
        QImage mask = SolidPicture(100, 100, qRgb(255, 255, 255));
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 100; ++x) {
                mask.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
        window->LayFrame(SolidPicture(100, 100, qRgb(150, 90, 20)), mask);
    }

    // The window coordinates of a canvas point.
    [[nodiscard]] QPoint OnWindow(QPoint canvasPoint) const {
        return window->CanvasArea->mapTo(window.get(), canvasPoint);
    }

    // Mouse events go through the window, so that they reach whichever control lies under the pointer.
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
    // A click on the canvas.
    void ClickAt(QPoint canvasPoint) {
        Press(canvasPoint);
        Release(canvasPoint);
    }

    static void Click(TImgBtn* button) { QTest::mouseClick(button, Qt::LeftButton); }

    [[nodiscard]] Qt::CursorShape SurfaceCursor() const { return window->ImTouMing->ZoneCursor(); }
    [[nodiscard]] QRgb Shown(QPoint canvasPoint) const {
        return window->ImTouMing->ShownCanvas().pixel(canvasPoint);
    }
    [[nodiscard]] bool ShowsMarks(int slot) const {
        return Shown(LayerIn(slot).bounds.topLeft()) == kMarkColour;
    }
    [[nodiscard]] int ObjectCount() const { return static_cast<int>(window->Card().Layers().size()); }
};
