// The placement rule of a flat button's glyph and caption, over the sizes the windows use.
#include "controls/FlatButtonLayout.h"

#include <gtest/gtest.h>

namespace {

struct PlacementCase {
    const char* name;
    QSize client, glyph, caption;
    TButtonLayout layout;
    int margin;
    QPoint glyphAt, captionAt;
};

class FlatButtonLayoutTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(FlatButtonLayoutTest, PlacesGlyphAndCaption) {
    const PlacementCase& c = GetParam();
    const FlatButtonPlacement placed =
        PlaceGlyphAndCaption(c.client, c.glyph, c.caption, c.layout, c.margin, 4);
    if (!c.glyph.isEmpty()) {
        EXPECT_EQ(placed.glyph, c.glyphAt);
    }
    if (!c.caption.isEmpty()) {
        EXPECT_EQ(placed.caption, c.captionAt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FlatButtonLayoutTest,
    ::testing::Values(
        // A 16 x 16 glyph on the palettes' 12 x 12 hide buttons starts above and left of the button.
        PlacementCase{
            "GlyphLargerThanButton", {12, 12}, {16, 16}, {}, TButtonLayout::GlyphTop, -1, {-1, -1}, {}},
        PlacementCase{"GlyphFillsButton", {16, 16}, {16, 16}, {}, TButtonLayout::GlyphTop, -1, {0, 0}, {}},
        PlacementCase{"GlyphOnDefaultSize", {25, 25}, {16, 16}, {}, TButtonLayout::GlyphTop, -1, {5, 5}, {}},
        PlacementCase{"CaptionOnly", {80, 23}, {}, {13, 13}, TButtonLayout::GlyphTop, -1, {}, {34, 5}},
        PlacementCase{
            "OddRemainderRoundsUp", {80, 23}, {}, {14, 12}, TButtonLayout::GlyphTop, -1, {}, {33, 6}},
        PlacementCase{"GlyphAboveCaption",
                      {80, 40},
                      {16, 16},
                      {20, 13},
                      TButtonLayout::GlyphTop,
                      -1,
                      {32, 4},
                      {30, 24}},
        PlacementCase{"GlyphBelowCaption",
                      {80, 40},
                      {16, 16},
                      {20, 13},
                      TButtonLayout::GlyphBottom,
                      -1,
                      {32, 21},
                      {30, 4}},
        PlacementCase{
            "GlyphLeftAtMargin", {80, 23}, {16, 16}, {20, 13}, TButtonLayout::GlyphLeft, 2, {2, 4}, {22, 5}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

} // namespace
