// The flower palette: the divisor of each item, which for items 12 to 20 depends on the page button.
#include "catalogs/Unitflower.h"
#include "controls/TFlatRadioButtonUnit.h"
#include "platform/ErrorReporting.h"
#include "tests/catalogs/TestCard.h"

#include <QTest>

namespace {

class FlowerPaletteTest : public PaletteTest {
  protected:
    FlowerPaletteTest() { palette = new TFormFlower(Context()); }
    QSize PlacedSize(int page, int item, QSize picture) {
        const QString base = QStringLiteral("pic/flower/%1/").arg(page);
        folder.writeArtwork(base + QStringLiteral("big/%1.ssl").arg(item),
                            SolidPicture(picture.width(), picture.height(), qRgb(200, 0, 90)));
        folder.writeArtwork(base + QStringLiteral("mask/%1.ssl").arg(item),
                            SolidPicture(8, 8, qRgb(255, 255, 255)));
        palette->ThumbnailClick(item);
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        return TopLayer().bounds.size();
    }
    TFormFlower* palette = nullptr;
};

} // namespace

TEST_F(FlowerPaletteTest, DivisorsOnPageOne) {
    EXPECT_EQ(PlacedSize(1, 1, {400, 300}), QSize(100, 75));
    EXPECT_EQ(PlacedSize(1, 7, {400, 300}), QSize(400, 300));
    EXPECT_EQ(PlacedSize(1, 12, {400, 300}), QSize(100, 75));
    EXPECT_EQ(PlacedSize(1, 2, {401, 303}), QSize(100, 75));
    EXPECT_EQ(TopLayer().bounds.topLeft(), QPoint(10, 10));
}

TEST_F(FlowerPaletteTest, DivisorsWhilePageTwoIsChecked) {
    QTest::mouseClick(palette->FlatRadioButton2, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(palette->FlatRadioButton2->Checked());
    EXPECT_EQ(PlacedSize(2, 1, {400, 300}), QSize(100, 75));
    EXPECT_EQ(PlacedSize(2, 7, {400, 300}), QSize(400, 300));
    EXPECT_EQ(PlacedSize(2, 12, {400, 300}), QSize(400, 300));
}

TEST(FlowerDivisor, TableOfItems) {
    // Rows: page button "2" unchecked, then checked.
    const int expected[2][21] = {{0, 4, 4, 4, 4, 4, 4, 1, 4, 1, 1, 1, 4, 4, 4, 4, 4, 4, 4, 4, 4},
                                 {0, 4, 4, 4, 4, 4, 4, 1, 4, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};
    // No catalog on disk: the failing reads are recorded, the divisors do not depend on them.
    TestProgramFolder folder(false);
    QStringList errors;
    festoon::SetErrorSink([&errors](const QString& message) { errors.append(message); });
    TFormFlower palette(PaletteContext{});
    for (int checked = 0; checked < 2; ++checked) {
        // Checking "2" reads its page, which fails; the failure is reported as the application reports it.
        festoon::RunReportingErrors([&] { palette.FlatRadioButton2->setChecked(checked == 1); });
        for (int item = 1; item <= 20; ++item) {
            EXPECT_EQ(palette.Divisor(item), expected[checked][item]) << "item " << item;
        }
    }
    festoon::SetErrorSink({});
    EXPECT_FALSE(errors.isEmpty());
}
