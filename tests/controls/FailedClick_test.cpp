// A click whose handler fails: the failure is reported once, never unwinds through Qt's widget code,
// and the control is ready for the next click.
#include "controls/ImgBtn.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatRadioButtonUnit.h"
#include "controls/img.h"
#include "platform/ErrorReporting.h"
#include "tests/controls/ControlsTestSupport.h"

#include <stdexcept>

namespace {

constexpr QPoint kInside{10, 10};

class FailedClickTest : public ::testing::Test {
  protected:
    template <typename Control, typename Signal> Control* MakeFailing(Signal signal) {
        auto* control = new Control(&host);
        control->setGeometry(0, 0, 60, 30);
        control->show();
        QObject::connect(control, signal, [this] {
            ++attempts;
            throw std::runtime_error("the action failed");
        });
        return control;
    }

    void Click(QWidget* control) {
        QTest::mousePress(control, Qt::LeftButton, {}, kInside);
        QTest::mouseRelease(control, Qt::LeftButton, {}, kInside);
    }

    ActiveHost host;
    festoon::ErrorRecorder errors;
    int attempts = 0;
};

TEST_F(FailedClickTest, EachControlReportsTheFailureAndTakesTheNextClick) {
    QImage picture(60, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    auto* imageButton = MakeFailing<TImgBtn>(&TImgBtn::clicked);
    imageButton->setPic(picture);
    auto* flatButton = MakeFailing<TFlatButton>(&TFlatButton::clicked);
    auto* radioButton = MakeFailing<TFlatRadioButton>(&TFlatRadioButton::clicked);
    auto* image = MakeFailing<TImg>(&TImg::clicked);

    for (QWidget* control : {static_cast<QWidget*>(imageButton), static_cast<QWidget*>(flatButton),
                             static_cast<QWidget*>(radioButton), static_cast<QWidget*>(image)}) {
        const int before = attempts;
        Click(control);
        EXPECT_EQ(attempts, before + 1) << control->metaObject()->className();
    }
    EXPECT_EQ(errors.messages().size(), 4);
    EXPECT_TRUE(errors.messages().first().contains(QStringLiteral("the action failed")));
    // The image button came back up and clicks again.
    EXPECT_FALSE(imageButton->buttonPressed());
    Click(imageButton);
    EXPECT_EQ(attempts, 5);
}

} // namespace
