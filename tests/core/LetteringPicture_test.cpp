// Lettering drawn as a picture and a mask: plain lettering as the text mask always was, several lines,
// the outline and shadow around the letters, and colour emoji in their own colours.
#include "core/LetteringPicture.h"
#include "core/TextMask.h"

#include <QFontDatabase>
#include <gtest/gtest.h>

namespace festoon {
namespace {

QFont Sans(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

int Count(const QImage& image, const std::function<bool(QRgb)>& which) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += which(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

TEST(LetteringPicture, PlainLetteringIsItsColourThroughTheTextMask) {
    const Lettering plain{
        .text = QStringLiteral("Hello there"), .font = Sans(28), .colour = QColor(200, 30, 60)};
    const LetteringPicture drawn = DrawLettering(plain);
    EXPECT_EQ(drawn.mask, RenderTextMask(plain.text, plain.font));
    EXPECT_EQ(Count(drawn.picture, [](QRgb p) { return p != qRgb(200, 30, 60); }), 0);
}

TEST(LetteringPicture, LinesStackAndTheWidestSetsTheWidth) {
    const Lettering one{.text = QStringLiteral("a much longer line"), .font = Sans(20), .colour = Qt::white};
    Lettering two = one;
    two.text = QStringLiteral("short\na much longer line");
    const QSize single = LetteringExtent(one), both = LetteringExtent(two);
    EXPECT_EQ(both.width(), single.width());
    EXPECT_GT(both.height(), single.height() * 3 / 2);
    const QImage mask = DrawLettering(two).mask;
    // Both lines are drawn: letters in the top and in the bottom half.
    EXPECT_GT(Count(mask.copy(0, 0, mask.width(), mask.height() / 2), [](QRgb p) { return qGray(p) > 128; }),
              20);
    EXPECT_GT(Count(mask.copy(0, mask.height() / 2, mask.width(), mask.height() / 2),
                    [](QRgb p) { return qGray(p) > 128; }),
              20);
}

TEST(LetteringPicture, OutlineAndShadowSurroundTheLetters) {
    Lettering outlined{QStringLiteral("Hi"), Sans(40), QColor(255, 255, 0), QColor(0, 0, 255), 4, false};
    const LetteringPicture drawn = DrawLettering(outlined);
    EXPECT_EQ(LetteringExtent(outlined), RenderTextMask("Hi", outlined.font).size() + QSize(8, 8));
    const auto blue = [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 40 && qGreen(p) < 40; };
    const auto yellow = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 40; };
    // Blue shows where the mask does, around the yellow letters.
    int blueShown = 0;
    for (int y = 0; y < drawn.picture.height(); ++y) {
        for (int x = 0; x < drawn.picture.width(); ++x) {
            blueShown += blue(drawn.picture.pixel(x, y)) && qGray(drawn.mask.pixel(x, y)) > 200 ? 1 : 0;
        }
    }
    EXPECT_GT(blueShown, 50);
    EXPECT_GT(Count(drawn.picture, yellow), 50);
    EXPECT_EQ(qGray(drawn.mask.pixel(0, 0)), 0);

    Lettering shadowed = outlined;
    shadowed.outlineWidth = 0;
    shadowed.shadow = true;
    const LetteringPicture withShadow = DrawLettering(shadowed);
    const LetteringPicture without =
        DrawLettering(Lettering{.text = shadowed.text, .font = shadowed.font, .colour = shadowed.colour});
    const auto shown = [](QRgb p) { return qGray(p) > 0; };
    EXPECT_GT(Count(withShadow.mask, shown), Count(without.mask, shown) + 30);
    const auto dark = [](QRgb p) { return qGray(p) < 60; };
    EXPECT_GT(Count(withShadow.picture, dark), 30);
}

TEST(LetteringPicture, ColourEmojiKeepTheirOwnColours) {
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji"))) {
        GTEST_SKIP() << "no colour emoji font";
    }
    const Lettering emoji{
        .text = QString::fromUtf8("\xF0\x9F\x8D\x8E"), .font = Sans(48), .colour = Qt::white}; // an apple
    const LetteringPicture drawn = DrawLettering(emoji);
    const auto red = [](QRgb p) { return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90; };
    EXPECT_GT(Count(drawn.picture, red), 100);
}

} // namespace
} // namespace festoon
