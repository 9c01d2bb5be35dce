// The main window built from a throw-away program folder on a chosen screen size, with scripted dialogs
// and a recording error sink; helpers to fill object slots with solid pictures.
#pragma once

#include "app/Unit1.h"
#include "app/img.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReporting.h"
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

    // Fills a slot with a solid picture and a mask of any size, and shows it, as placing does before
    // the layer list is touched.
    TImg* FillSlot(int slot, const QRect& bounds, QRgb colour, const QImage& mask) {
        TImg* object = window->ObjectSlots[static_cast<size_t>(slot)];
        object->BMP = SolidPicture(bounds.width(), bounds.height(), colour);
        object->Mask = mask;
        object->setGeometry(bounds);
        object->show();
        return object;
    }

    static QImage WhiteMask() { return SolidPicture(8, 8, qRgb(255, 255, 255)); }

    TestProgramFolder folder;
    std::unique_ptr<TFormMain> window;
    QStringList errors;
};
