// TFlatGroupBox: its fill, the frame with the caption gap, and the one-pixel rule.
#include "controls/TFlatGroupBoxUnit.h"
#include "tests/controls/ControlsTestSupport.h"

namespace {

TEST(FlatGroupBoxTest, FillsWithItsColourAndDrawsTheFrameWithAGapForTheCaption) {
    ActiveHost host;
    auto* box = new TFlatGroupBox(&host);
    box->setGeometry(0, 0, 200, 31);
    box->setColor(QColor(136, 68, 0));
    box->setColorBorder(Qt::black);
    box->show();
    EXPECT_FALSE(box->ParentColor());

    const int middle = box->fontMetrics().height() / 2;
    const QImage painted = box->grab().toImage();
    EXPECT_EQ(painted.pixelColor(100, 20), QColor(136, 68, 0));
    EXPECT_EQ(painted.pixelColor(0, 20), QColor(Qt::black));
    EXPECT_EQ(painted.pixelColor(199, 20), QColor(Qt::black));
    EXPECT_EQ(painted.pixelColor(100, 30), QColor(Qt::black));
    EXPECT_EQ(painted.pixelColor(3, middle), QColor(Qt::black));
    EXPECT_EQ(painted.pixelColor(8, middle), QColor(136, 68, 0)) << "the gap left for the caption";
    EXPECT_EQ(painted.pixelColor(100, middle), QColor(Qt::black));
    EXPECT_EQ(painted.pixelColor(100, middle - 1), QColor(136, 68, 0)) << "nothing above the top edge";
}

TEST(FlatGroupBoxTest, CaptionWidensTheGap) {
    ActiveHost host;
    auto* box = new TFlatGroupBox(&host);
    box->setGeometry(0, 0, 200, 60);
    box->setCaption("Pages");
    box->show();
    const int middle = box->fontMetrics().height() / 2;
    const int captionEnd = box->fontMetrics().horizontalAdvance("Pages") + 12;
    EXPECT_EQ(PixelOf(box, captionEnd - 1, middle), box->Color());
    EXPECT_EQ(PixelOf(box, captionEnd, middle), QColor(160, 150, 131));
}

TEST(FlatGroupBoxTest, BoxOnePixelHighIsARuleAcrossTheWholeWidth) {
    ActiveHost host;
    auto* box = new TFlatGroupBox(&host);
    box->setGeometry(4, 50, 401, 1);
    box->show();
    const QImage painted = box->grab().toImage();
    for (int x : {0, 8, 200, 400})
        EXPECT_EQ(painted.pixelColor(x, 0), QColor(160, 150, 131)) << "at x = " << x;
}

TEST(FlatGroupBoxTest, FollowsItsParentsColourUntilGivenOne) {
    ActiveHost host;
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, QColor(50, 40, 30));
    host.setPalette(palette);
    auto* box = new TFlatGroupBox(&host);
    box->show();
    EXPECT_TRUE(box->ParentColor());
    EXPECT_EQ(box->Color(), QColor(50, 40, 30));
    box->setColor(Qt::darkGreen);
    EXPECT_EQ(box->Color(), QColor(Qt::darkGreen));
}

} // namespace
