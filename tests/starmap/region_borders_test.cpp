#include "starmap/region_borders.h"

#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace velmora;
using namespace velmora::starmap;
using core::HexCorner;

namespace {

universe::RegionAnchor anchor(int column, int row, int corner, int sectorX = 0, int sectorY = 0) {
    return {{sectorX, sectorY, column, row}, corner};
}

universe::Region region(std::vector<universe::RegionAnchor> anchors, bool closed) {
    universe::Region r;
    r.id = core::Uuid::generate();
    r.anchors = std::move(anchors);
    r.closed = closed;
    return r;
}

int sharedCells(const HexCorner& a, const HexCorner& b) {
    int shared = 0;
    for (const auto& cell : a.cells)
        shared += static_cast<int>(std::count(b.cells.begin(), b.cells.end(), cell));
    return shared;
}

// Consecutive corners of a traced border are one hex edge apart.
void expectAlongEdges(const std::vector<HexCorner>& corners) {
    for (std::size_t i = 1; i < corners.size(); ++i)
        EXPECT_EQ(sharedCells(corners[i - 1], corners[i]), 2) << "step " << i;
}

// The fewest edges between two corners, by breadth-first search over the corners
// both ends' neighbourhoods reach.
int shortestEdgeCount(const HexCorner& from, const HexCorner& to) {
    std::map<std::vector<core::Cube>, int> seen{{from.cells, 0}};
    std::deque<HexCorner> queue{from};
    while (!queue.empty()) {
        const HexCorner corner = queue.front();
        queue.pop_front();
        if (corner == to)
            return seen[corner.cells];
        // A corner's neighbours: walk a one-edge path with edgePath itself is circular,
        // so list them from the cells: each pair of cells shares one other corner.
        for (int i = 0; i < 3; ++i) {
            const core::Cube a = corner.cells[static_cast<std::size_t>(i)];
            const core::Cube b = corner.cells[static_cast<std::size_t>((i + 1) % 3)];
            const core::Cube c = corner.cells[static_cast<std::size_t>((i + 2) % 3)];
            for (const core::Cube d : {core::Cube{a.x + 1, a.z}, core::Cube{a.x, a.z + 1},
                                       core::Cube{a.x - 1, a.z + 1}, core::Cube{a.x - 1, a.z},
                                       core::Cube{a.x, a.z - 1}, core::Cube{a.x + 1, a.z - 1}}) {
                if (d == c || d == b || core::distance(d, b) != 1)
                    continue;
                std::vector<core::Cube> cells{a, b, d};
                std::sort(cells.begin(), cells.end());
                if (!seen.count(cells)) {
                    seen[cells] = seen[corner.cells] + 1;
                    queue.push_back(HexCorner{cells});
                }
            }
        }
    }
    return -1;
}

} // namespace

TEST(RegionBorders, ACornerIsTheSameFromEachOfItsHexes) {
    // Corner 0 of 0101 is corner 4 of 0201 and corner 2 of 0201's upper neighbour.
    EXPECT_EQ(cornerOf(anchor(1, 1, 0)), cornerOf(anchor(2, 1, 4)));
    EXPECT_EQ(cornerOf(anchor(1, 1, 0)).cells.size(), 3u);
    const auto single = borderCorners(region({anchor(1, 1, 0), anchor(2, 1, 4)}, false));
    EXPECT_EQ(single.size(), 1u);
    // Corner points sit one hex radius from the centre of each of their hexes.
    const core::PointF point = cornerOf(anchor(1, 1, 0)).unitPoint();
    EXPECT_NEAR(point.x, 1.0, 1e-9);
    EXPECT_NEAR(point.y, 0.0, 1e-9);
}

TEST(RegionBorders, PathsFollowHexEdgesAndAreShortest) {
    const std::pair<universe::RegionAnchor, universe::RegionAnchor> cases[] = {
        {anchor(1, 1, 0), anchor(3, 1, 3)},
        {anchor(1, 1, 0), anchor(9, 4, 2)},
        {anchor(5, 5, 1), anchor(5, 15, 5)},
        {anchor(30, 38, 3, 0, 0), anchor(3, 2, 0, 1, -1)}, // across sector corners
        {anchor(12, 20, 4), anchor(2, 3, 1)},
    };
    for (const auto& [from, to] : cases) {
        const auto path = borderCorners(region({from, to}, false));
        ASSERT_GE(path.size(), 2u);
        EXPECT_EQ(path.front(), cornerOf(from));
        EXPECT_EQ(path.back(), cornerOf(to));
        expectAlongEdges(path);
        EXPECT_EQ(static_cast<int>(path.size()) - 1,
                  shortestEdgeCount(cornerOf(from), cornerOf(to)));
    }
}

TEST(RegionBorders, AmongShortestPathsTheStraightestIsTaken) {
    // Straight down a column: the shortest path zigzags along the column's edges
    // and never strays more than a hex radius from the line.
    const auto from = anchor(5, 2, 1);
    const auto to = anchor(5, 12, 1);
    const auto path = borderCorners(region({from, to}, false));
    const core::PointF a = cornerOf(from).unitPoint();
    for (const HexCorner& corner : path)
        EXPECT_LE(std::abs(corner.unitPoint().x - a.x), 1.0 + 1e-9);
}

TEST(RegionBorders, ClosedRegionsReturnToTheStart) {
    const std::vector anchors{anchor(2, 2, 0), anchor(8, 3, 1), anchor(4, 9, 3)};
    const auto closed = borderCorners(region(anchors, true));
    const auto open = borderCorners(region(anchors, false));
    EXPECT_EQ(closed.front(), closed.back());
    EXPECT_NE(open.front(), open.back());
    expectAlongEdges(closed);
    // The closing stretch adds the way back and nothing else.
    EXPECT_EQ(closed.size(),
              open.size() + static_cast<std::size_t>(shortestEdgeCount(cornerOf(anchors.back()),
                                                                       cornerOf(anchors.front()))));
    EXPECT_TRUE(borderCorners(region({}, true)).empty());
    EXPECT_EQ(borderCorners(region({anchor(1, 1, 2)}, true)).size(), 1u);
}

TEST(RegionBorders, FarAnchorsEndWithoutHanging) {
    const auto path = borderCorners(region({anchor(1, 1, 0), anchor(32, 40, 3, 6, -6)}, false));
    ASSERT_GE(path.size(), 2u);
    EXPECT_EQ(path.front(), cornerOf(anchor(1, 1, 0)));
    EXPECT_EQ(path.back(), cornerOf(anchor(32, 40, 3, 6, -6)));
}

TEST(RegionBorderCache, RetracesOnlyWhenTheShapeOrZoomChanges) {
    RegionBorderCache cache;
    universe::Region r = region({anchor(2, 2, 0), anchor(8, 3, 1), anchor(4, 9, 3)}, true);
    const auto first = cache.points(r, 20.0);
    EXPECT_EQ(cache.traceCount(), 1u);
    r.color = universe::FactionColor::blue;
    r.name = "Renamed";
    EXPECT_EQ(cache.points(r, 20.0), first);
    EXPECT_EQ(cache.traceCount(), 1u);
    r.anchors[1].hex.row = 5;
    cache.points(r, 20.0);
    EXPECT_EQ(cache.traceCount(), 2u);
    const auto zoomed = cache.points(r, 40.0);
    EXPECT_EQ(cache.traceCount(), 3u);
    r.closed = false;
    cache.points(r, 40.0);
    EXPECT_EQ(cache.traceCount(), 4u);
    EXPECT_NEAR(zoomed.front().x, 2 * borderPoints(r, 20.0).front().x, 1e-9);
}

TEST(RegionBorders, LabelSitsOnItsHexOrAmongTheAnchors) {
    universe::Region r = region({anchor(1, 1, 0), anchor(2, 1, 4)}, false);
    const core::PointF centre = regionLabelPoint(r, 10.0);
    EXPECT_NEAR(centre.x, 10.0, 1e-9);
    r.labelCoordinates = core::GalacticCoordinates{0, 0, 3, 3};
    const core::PointF label = regionLabelPoint(r, 10.0);
    const core::PointF expected = core::HexLayout{10.0}.center({0, 0, 3, 3});
    EXPECT_EQ(label, expected);
}
