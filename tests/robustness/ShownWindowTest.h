// The shown main window in a program folder that holds every catalog's first pages, with scripted
// dialogs and recorded error messages, and helpers that act on it as a user would.
#pragma once

#include "app/Unit1.h"
#include "catalogs/PaletteWindow.h"
#include "controls/ImgBtn.h"
#include "platform/Dialogs.h"
#include "platform/PictureLoading.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QTest>
#include <memory>

class ShownWindowTest : public CatalogTest {
  protected:
    void SetUp() override {
        festoon::DialogScript::Begin();
        window = std::make_unique<TFormMain>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        EXPECT_EQ(festoon::DialogScript::Unanswered(), 0);
        window.reset();
        festoon::DialogScript::End();
    }

    // What the program hands its palettes: the main window's card and drag state.
    [[nodiscard]] PaletteContext ContextOfWindow() const {
        return {window.get(), window.get(), &window->WindowDrag};
    }

    static void Click(TImgBtn* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Presses the button, picks the file in the open dialog it shows, and waits until it has loaded.
    void Choose(TImgBtn* button, const QString& relative) {
        festoon::DialogScript::AnswerOpen(folder.file(relative));
        Click(button);
        EXPECT_TRUE(window->Loading().WaitUntilIdle()) << "a picture is still loading";
    }

    // Places a solid object of `size` with a white mask as the palettes place artwork: at 10, 10 in the
    // first free slot, topmost and selected. Returns its slot.
    int PlaceSolid(QSize size, QRgb colour) {
        window->PlaceArtwork(SolidPicture(size.width(), size.height(), colour), WhiteMask(), 1);
        return window->Card().TopLayer()->slot;
    }

    std::unique_ptr<TFormMain> window;
};
