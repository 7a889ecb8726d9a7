#include "starmap/label_placement.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::starmap;

namespace {

// A glyph 10 across centred on (x, y).
LabelBox glyphAt(double x, double y) {
    return LabelBox::centredOn({x, y}, 10, 10);
}

bool coversAny(core::PointF centre, double width, double height,
               const std::vector<LabelBox>& obstacles) {
    const LabelBox box = LabelBox::centredOn(centre, width, height);
    for (const LabelBox& obstacle : obstacles)
        if (box.intersects(obstacle))
            return true;
    return false;
}

} // namespace

TEST(LabelPlacement, MovesOffGlyphsToTheNearestFreePlace) {
    // A name 40 by 10 that belongs at (100, 100), moving in steps of 20 across and
    // 12 down, at most two steps.
    const PlacementReach reach{20, 12, 2};
    struct Case {
        const char* what;
        std::vector<LabelBox> glyphs;
        core::PointF expected;
    };
    const Case cases[] = {
        {"nothing in the way", {glyphAt(200, 200)}, {100, 100}},
        // A glyph under the middle: one step up (y 88) clears it, the box spans 83..93
        // and the glyph 95..105.
        {"a glyph where it belongs", {glyphAt(100, 100)}, {100, 88}},
        // Blocked above as well: one step left or right (boxes 60..100 and 100..140)
        // still touches the glyph's 95..105; one step down (y 112, box 107..117) is free.
        {"glyphs there and above", {glyphAt(100, 100), glyphAt(100, 88)}, {100, 112}},
        // A wall of glyphs, x 55 to 145 and y 71 to 117 with gaps of 2: every place
        // across is still in the wall, one step up or down is too, two steps up
        // (y 76, box 71..81) is in its top row; two steps down (y 124, box 119..129)
        // is the first free place.
        {"a wall of glyphs",
         [] {
             std::vector<LabelBox> wall;
             for (double x = 60; x <= 140; x += 10)
                 for (double y = 76; y <= 112; y += 12)
                     wall.push_back(glyphAt(x, y));
             return wall;
         }(),
         {100, 124}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const core::PointF placed = placeLabel({100, 100}, 40, 10, c.glyphs, reach);
        EXPECT_DOUBLE_EQ(placed.x, c.expected.x);
        EXPECT_DOUBLE_EQ(placed.y, c.expected.y);
        EXPECT_FALSE(coversAny(placed, 40, 10, c.glyphs));
    }
}

TEST(LabelPlacement, CoversAsFewWorldsAsItCanWhenNothingNearIsFree) {
    // Covered everywhere alike: it stays where it belongs.
    const std::vector<LabelBox> everywhere{LabelBox{-1000, -1000, 1000, 1000}};
    core::PointF placed = placeLabel({100, 100}, 40, 10, everywhere, {20, 12, 3});
    EXPECT_DOUBLE_EQ(placed.x, 100);
    EXPECT_DOUBLE_EQ(placed.y, 100);

    // Covered everywhere, and by a tall glyph at x 95..105, y 83..117: where it
    // belongs and one step away in any direction the name's box (40 by 10) touches
    // both; the first place in the search's order touching only the blanket is two
    // steps up (y 76, box 71..81).
    const std::vector<LabelBox> crowded{everywhere.front(), LabelBox{95, 83, 105, 117}};
    placed = placeLabel({100, 100}, 40, 10, crowded, {20, 12, 3});
    EXPECT_DOUBLE_EQ(placed.x, 100);
    EXPECT_DOUBLE_EQ(placed.y, 76);
}

TEST(LabelPlacement, NeverCoversAGlyphWhenAFreePlaceIsWithinReach) {
    // Dense fields of glyphs on a 14-pixel lattice with every k-th one missing: for
    // names placed all over them, either the placed name covers nothing or no
    // place within reach was free.
    const PlacementReach reach{16, 12, 3};
    for (int gap = 2; gap <= 6; ++gap) {
        std::vector<LabelBox> glyphs;
        int index = 0;
        for (double x = 0; x <= 300; x += 14)
            for (double y = 0; y <= 300; y += 14)
                if (++index % gap != 0)
                    glyphs.push_back(glyphAt(x, y));
        for (double x = 40; x <= 260; x += 37) {
            for (double y = 40; y <= 260; y += 29) {
                const core::PointF placed = placeLabel({x, y}, 24, 8, glyphs, reach);
                if (!coversAny(placed, 24, 8, glyphs))
                    continue;
                // Covering: then every place within reach was taken.
                for (int dx = -reach.rings; dx <= reach.rings; ++dx)
                    for (int dy = -reach.rings; dy <= reach.rings; ++dy)
                        EXPECT_TRUE(
                            coversAny({x + dx * reach.stepX, y + dy * reach.stepY}, 24, 8, glyphs));
            }
        }
    }
}
