#include "starmap/painted_area.h"
#include "starmap/region_borders.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace velmora;
using namespace velmora::starmap;
using core::GalacticCoordinates;

namespace {

universe::Region closedRegion(std::vector<universe::RegionAnchor> anchors) {
    universe::Region region;
    region.id = core::Uuid::generate();
    region.anchors = std::move(anchors);
    region.closed = true;
    return region;
}

std::vector<GalacticCoordinates> sorted(std::vector<GalacticCoordinates> hexes) {
    std::sort(hexes.begin(), hexes.end());
    hexes.erase(std::unique(hexes.begin(), hexes.end()), hexes.end());
    return hexes;
}

// Every hex of a block of columns and rows of sector 0,0.
std::vector<GalacticCoordinates> block(int firstColumn, int lastColumn, int firstRow, int lastRow) {
    std::vector<GalacticCoordinates> hexes;
    for (int column = firstColumn; column <= lastColumn; ++column)
        for (int row = firstRow; row <= lastRow; ++row)
            hexes.push_back({0, 0, column, row});
    return hexes;
}

// The traced border as a set of corners: where it starts does not matter.
std::set<std::vector<core::Cube>> cornerSet(const universe::Region& region) {
    std::set<std::vector<core::Cube>> corners;
    for (const core::HexCorner& corner : borderCorners(region))
        corners.insert(corner.cells);
    return corners;
}

} // namespace

TEST(PaintedArea, OutlineEnclosesExactlyThePaintedHexes) {
    struct Case {
        const char* shape;
        std::vector<GalacticCoordinates> hexes;
    };
    std::vector<GalacticCoordinates> flower{{0, 0, 10, 10}, {0, 0, 10, 9}, {0, 0, 10, 11},
                                            {0, 0, 9, 10},  {0, 0, 9, 11}, {0, 0, 11, 10},
                                            {0, 0, 11, 11}};
    std::vector<GalacticCoordinates> ell = block(3, 3, 5, 12);
    for (const auto& hex : block(4, 9, 12, 12))
        ell.push_back(hex);
    // Columns 32 of sector 0 and 1 of sector 1 are neighbours across the border.
    std::vector<GalacticCoordinates> acrossSectors = block(30, 32, 20, 22);
    acrossSectors.push_back({1, 0, 1, 20});
    acrossSectors.push_back({1, 0, 1, 21});
    acrossSectors.push_back({1, 0, 2, 21});
    const Case cases[] = {
        {"one hex", {{0, 0, 19, 10}}},
        {"a column of three", block(5, 5, 1, 3)},
        {"a row of four", block(5, 8, 7, 7)},
        {"a hex and its six neighbours", flower},
        {"an L", ell},
        {"across a sector border", acrossSectors},
        {"a block of 400", block(5, 24, 10, 29)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        const universe::Region region = closedRegion(outlineAnchors(c.hexes));
        EXPECT_EQ(enclosedHexes(region), sorted(c.hexes));
        EXPECT_TRUE(outlineKeeps(region, sorted(c.hexes), {}, false));
    }
}

TEST(PaintedArea, PaintedHexesGiveTheRegionOfTheTypedAnchors) {
    // One hex typed by three of its corners, 0, 2 and 4: between two corners of a
    // hex that share a neighbour the only two-edge path runs through that
    // neighbour, so the closed border is the hexagon, as painting the hex gives.
    const universe::Region typedHex =
        closedRegion({{{0, 0, 19, 10}, 0}, {{0, 0, 19, 10}, 2}, {{0, 0, 19, 10}, 4}});
    const universe::Region paintedHex = closedRegion(outlineAnchors({{0, 0, 19, 10}}));
    EXPECT_EQ(cornerSet(paintedHex), cornerSet(typedHex));
    EXPECT_EQ(cornerSet(paintedHex).size(), 6u);
    EXPECT_EQ(enclosedHexes(typedHex), enclosedHexes(paintedHex));

    // A referee's typed region, however its anchors were chosen, painted again from
    // what it encloses keeps the same area.
    const universe::Region typedBlock =
        closedRegion({{{0, 0, 4, 4}, 4}, {{0, 0, 9, 4}, 5}, {{0, 0, 9, 8}, 1}, {{0, 0, 4, 8}, 2}});
    const std::vector<GalacticCoordinates> inside = enclosedHexes(typedBlock);
    ASSERT_FALSE(inside.empty());
    EXPECT_EQ(enclosedHexes(closedRegion(outlineAnchors(inside))), inside);
}

TEST(PaintedArea, StraightStretchesNeedOnlyTheirEnds) {
    // The border of a 20 by 20 block zigzags along its sides, a corner at every
    // hex edge; where the tracing finds the zigzag on its own no anchor is needed,
    // so far fewer anchors than corners come out.
    const std::vector<GalacticCoordinates> hexes = block(5, 24, 10, 29);
    const universe::Region region = closedRegion(outlineAnchors(hexes));
    const std::size_t corners = borderCorners(region).size();
    EXPECT_LT(region.anchors.size() * 3, corners);
}

TEST(PaintedArea, StrokesAddAndRemoveFromWhatTheBorderEncloses) {
    const universe::Region region = closedRegion(outlineAnchors(block(5, 7, 5, 7)));
    // Adding a touching hex, and removing a corner hex from the edge, are kept.
    const auto grown = paintedArea(region, {{0, 0, 8, 6}}, false);
    EXPECT_EQ(grown.size(), 10u);
    EXPECT_TRUE(outlineKeeps(closedRegion(outlineAnchors(grown)), grown, {{0, 0, 8, 6}}, false));
    const auto trimmed = paintedArea(region, {{0, 0, 5, 5}}, true);
    EXPECT_EQ(trimmed.size(), 8u);
    EXPECT_TRUE(outlineKeeps(closedRegion(outlineAnchors(trimmed)), trimmed, {{0, 0, 5, 5}}, true));

    // A separate patch cannot be outlined with the region, and a hole punched in
    // the middle would be filled again: both are refused.
    const auto apart = paintedArea(region, {{0, 0, 20, 20}}, false);
    EXPECT_FALSE(outlineKeeps(closedRegion(outlineAnchors(apart)), apart, {{0, 0, 20, 20}}, false));
    const auto holed = paintedArea(region, {{0, 0, 6, 6}}, true);
    EXPECT_FALSE(outlineKeeps(closedRegion(outlineAnchors(holed)), holed, {{0, 0, 6, 6}}, true));

    // Removing everything leaves a region without anchors.
    EXPECT_TRUE(outlineAnchors(paintedArea(region, block(5, 7, 5, 7), true)).empty());
}
