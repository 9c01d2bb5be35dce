// The main window built from a throw-away program folder on a chosen screen size, with scripted dialogs
// and a recording error sink.
#pragma once

#include "app/EditingSurface.h"
#include "app/Unit1.h"
#include "controls/img.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReporting.h"
#include "platform/PictureLoading.h"
#include "platform/Screen.h"
#include "tests/support/TestProgramFolder.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class WindowFixture : public ::testing::Test {
  protected:
    static constexpr QRgb kWhite = 0xFFFFFFFF;
    static constexpr QRgb kBlack = 0xFF000000;

    void SetUp() override {
        festoon::SetScreenSize(QSize(1024, 768));
        festoon::SetErrorSink([this](const QString& message) { errors.append(message); });
        festoon::DialogScript::Begin();
    }

    void TearDown() override {
        window.reset();
        festoon::DialogScript::End();
        festoon::SetErrorSink({});
        festoon::SetScreenSize(QSize());
    }

    void CreateWindow(QSize screen = QSize(1024, 768)) {
        festoon::SetScreenSize(screen);
        window = std::make_unique<TFormMain>();
    }

    // Lets the photos and backdrops being opened reach the card.
    void FinishLoads() { EXPECT_TRUE(window->Loading().WaitUntilIdle()) << "a picture is still loading"; }

    static QImage WhiteMask() { return SolidPicture(8, 8, qRgb(255, 255, 255)); }

    // Places a solid object with a white mask (it shows its own colour exactly) as a new object;
    // returns its slot.
    int PlaceSolid(const QRect& bounds, QRgb colour) {
        window->PlaceObject(bounds, SolidPicture(bounds.width(), bounds.height(), colour), WhiteMask());
        return window->Card().SelectedSlot();
    }

    [[nodiscard]] const festoon::Layer& LayerIn(int slot) const {
        const festoon::Layer* layer = window->Card().LayerInSlot(slot);
        EXPECT_NE(layer, nullptr) << "no object in slot " << slot;
        static const festoon::Layer none;
        return layer != nullptr ? *layer : none;
    }

    // The slots from the bottom layer up.
    [[nodiscard]] QList<int> Stack() const {
        QList<int> stack;
        for (const festoon::Layer& layer : window->Card().Layers()) {
            stack.append(layer.slot);
        }
        return stack;
    }

    TestProgramFolder folder;
    std::unique_ptr<TFormMain> window;
    QStringList errors;
};
