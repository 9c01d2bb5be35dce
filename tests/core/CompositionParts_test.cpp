// Rebuilding a card from its parts: a card the operations could make comes back whole; parts that break
// one of the card's rules are refused, each with the rule named.
#include "core/Bitmap.h"
#include "core/Composition.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using festoon::Composition;
using festoon::CompositionParts;
using festoon::SolidBitmap;

constexpr QSize kCanvas(64, 48);

// Two objects in slots 3 and 1, slot 3 on top, selected and marked, slot 2 renamed.
CompositionParts GoodParts() {
    CompositionParts parts;
    parts.canvasSize = kCanvas;
    parts.backdrop = SolidBitmap(64, 48, qRgb(1, 2, 3));
    parts.cleanBackdrop = SolidBitmap(64, 48, qRgb(4, 5, 6));
    parts.frame = festoon::Frame{SolidBitmap(8, 8, qRgb(7, 8, 9)), SolidBitmap(8, 8, qRgb(128, 128, 128))};
    for (int slot = 1; slot <= Composition::kSlotCount; ++slot) {
        parts.slotNames[static_cast<size_t>(slot - 1)] = QStringLiteral("d%1").arg(slot);
    }
    parts.slotNames[1] = QStringLiteral("x2");
    parts.slotNames[2] = QStringLiteral("man3");
    const QImage white = SolidBitmap(2, 2, qRgb(255, 255, 255));
    parts.layers = {
        festoon::Layer{1, QStringLiteral("d1"), QRect(0, 0, 10, 10), SolidBitmap(4, 4, 0), white, 1},
        festoon::Layer{3, QStringLiteral("man3"), QRect(5, 5, 20, 10), QImage(), white, 2}};
    parts.selectedSlot = 3;
    parts.selectionMarked = true;
    return parts;
}

TEST(CompositionPartsTest, PartsOfACardComeBackAsThatCard) {
    const Composition card = Composition::FromParts(GoodParts());
    EXPECT_EQ(card.CanvasSize(), kCanvas);
    EXPECT_EQ(card.Backdrop().pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(card.CleanBackdrop().pixel(0, 0), qRgb(4, 5, 6));
    ASSERT_TRUE(card.LaidFrame().has_value());
    EXPECT_EQ(card.TopLayer()->slot, 3);
    EXPECT_EQ(card.SlotName(2), QStringLiteral("x2"));
    EXPECT_EQ(card.FirstFreeSlot(), 2);
    EXPECT_EQ(card.SelectedSlot(), 3);
    EXPECT_TRUE(card.SelectionMarked());
    EXPECT_TRUE(Composition::FromParts(GoodParts()) == card);
}

TEST(CompositionPartsTest, PartsThatBreakARuleOfTheCardAreRefused) {
    const struct {
        const char* rule;
        std::function<void(CompositionParts&)> breakIt;
    } cases[] = {
        {"no canvas", [](CompositionParts& p) { p.canvasSize = QSize(); }},
        {"backdrop smaller than the canvas",
         [](CompositionParts& p) { p.backdrop = SolidBitmap(63, 48, 0); }},
        {"clean backdrop of 32 bits",
         [](CompositionParts& p) {
             p.cleanBackdrop = p.cleanBackdrop.convertToFormat(QImage::Format_RGB32);
         }},
        {"frame of 32 bits",
         [](CompositionParts& p) { p.frame->mask = p.frame->mask.convertToFormat(QImage::Format_RGB32); }},
        {"unnamed slot", [](CompositionParts& p) { p.slotNames[40] = QString(); }},
        {"slot 0", [](CompositionParts& p) { p.layers[0].slot = 0; }},
        {"slot 51", [](CompositionParts& p) { p.layers[0].slot = 51; }},
        {"two objects in one slot", [](CompositionParts& p) { p.layers[0].slot = 3; }},
        {"object not named after its slot",
         [](CompositionParts& p) { p.layers[0].name = QStringLiteral("man1"); }},
        {"three blends", [](CompositionParts& p) { p.layers[1].blendPasses = 3; }},
        {"picture with alpha",
         [](CompositionParts& p) {
             p.layers[0].picture = p.layers[0].picture.convertToFormat(QImage::Format_ARGB32);
         }},
        {"selection in a free slot", [](CompositionParts& p) { p.selectedSlot = 2; }},
        {"marks without a selection", [](CompositionParts& p) { p.selectedSlot = 0; }},
        {"51 objects", [](CompositionParts& p) { p.layers.resize(51); }},
    };
    for (const auto& broken : cases) {
        CompositionParts parts = GoodParts();
        broken.breakIt(parts);
        EXPECT_THROW((void)Composition::FromParts(parts), std::invalid_argument) << broken.rule;
    }
}

TEST(CompositionPartsTest, PicturesPlacedInAnyFormatAreKeptAs24BitBitmaps) {
    Composition card(kCanvas, SolidBitmap(8, 8, 0));
    QImage withAlpha(4, 4, QImage::Format_ARGB32);
    withAlpha.fill(qRgba(10, 20, 30, 255));
    card.PlaceObject(QRect(0, 0, 4, 4), withAlpha, withAlpha.convertToFormat(QImage::Format_RGB32));
    card.LayFrame(withAlpha, withAlpha);
    EXPECT_EQ(card.TopLayer()->picture.format(), festoon::kBitmapFormat);
    EXPECT_EQ(card.TopLayer()->mask.format(), festoon::kBitmapFormat);
    EXPECT_EQ(card.LaidFrame()->picture.format(), festoon::kBitmapFormat);
    EXPECT_EQ(card.TopLayer()->picture.pixel(1, 1), qRgb(10, 20, 30));
}

} // namespace
