#include "starmap/painted_area.h"

#include "starmap/region_borders.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <unordered_set>

namespace velmora::starmap {

using core::Cube;
using core::GalacticCoordinates;
using core::HexCorner;

namespace {

// Corner i of a hex lies between its neighbours in directions i - 1 and i, so the
// edge from corner i to corner i + 1 is the one shared with the neighbour in
// direction i. Corners are numbered clockwise on screen.
constexpr std::array<Cube, 6> directions{Cube{1, 0},  Cube{0, 1},  Cube{-1, 1},
                                         Cube{-1, 0}, Cube{0, -1}, Cube{1, -1}};

Cube plus(Cube a, Cube b) {
    return Cube{a.x + b.x, a.z + b.z};
}

using CornerCells = std::array<Cube, 3>;

CornerCells cornerCells(Cube hex, int corner) {
    CornerCells cells{hex, plus(hex, directions[static_cast<std::size_t>(corner)]),
                      plus(hex, directions[static_cast<std::size_t>((corner + 5) % 6)])};
    std::sort(cells.begin(), cells.end());
    return cells;
}

GalacticCoordinates hexOf(Cube cube) {
    return GalacticCoordinates::fromGlobal(cube.x, cube.z + core::floorDiv(cube.x, 2));
}

struct Boundary {
    std::vector<CornerCells> corners;          // one closed loop, the first not repeated
    std::vector<universe::RegionAnchor> names; // each corner named from a painted hex
    double area = 0;                           // positive for a loop around painted hexes
};

// The boundary loops of a set of hexes. Every corner on the boundary has exactly
// one boundary edge leaving it with the painted side on the right, so following
// those edges walks each loop once.
std::vector<Boundary> boundaryLoops(const std::unordered_set<Cube>& painted) {
    struct Step {
        CornerCells to;
        universe::RegionAnchor name; // the start corner, named from its painted hex
    };
    std::map<CornerCells, Step> next;
    for (const Cube& hex : painted) {
        for (int i = 0; i < 6; ++i) {
            if (painted.count(plus(hex, directions[static_cast<std::size_t>(i)])))
                continue;
            next.emplace(cornerCells(hex, i), Step{cornerCells(hex, (i + 1) % 6), {hexOf(hex), i}});
        }
    }
    std::vector<Boundary> loops;
    while (!next.empty()) {
        Boundary loop;
        CornerCells at = next.begin()->first;
        while (true) {
            const auto it = next.find(at);
            if (it == next.end())
                break;
            loop.corners.push_back(at);
            loop.names.push_back(it->second.name);
            at = it->second.to;
            next.erase(it);
        }
        // Shoelace sum over the loop's points; with y growing downwards a loop that
        // keeps the painted side on its right comes out positive.
        const std::size_t n = loop.corners.size();
        for (std::size_t i = 0; i < n; ++i) {
            const core::PointF a =
                HexCorner{{loop.corners[i].begin(), loop.corners[i].end()}}.unitPoint();
            const auto& c = loop.corners[(i + 1) % n];
            const core::PointF b = HexCorner{{c.begin(), c.end()}}.unitPoint();
            loop.area += a.x * b.y - b.x * a.y;
        }
        loop.area /= 2;
        loops.push_back(std::move(loop));
    }
    return loops;
}

HexCorner toCorner(const CornerCells& cells) {
    return HexCorner{{cells.begin(), cells.end()}};
}

// Whether the traced path from corner `from` to corner `to` of the loop runs
// along the loop itself.
bool tracesAlong(const Boundary& loop, std::size_t from, std::size_t to) {
    const std::size_t n = loop.corners.size();
    const std::vector<HexCorner> path =
        edgePath(toCorner(loop.corners[from % n]), toCorner(loop.corners[to % n]));
    if (path.size() != to - from + 1)
        return false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (!(path[i] == toCorner(loop.corners[(from + i) % n])))
            return false;
    }
    return true;
}

// Longest stretch of border left between two anchors: keeps each check short.
constexpr std::size_t longestStretch = 16;

} // namespace

std::vector<universe::RegionAnchor> outlineAnchors(const std::vector<GalacticCoordinates>& hexes) {
    std::unordered_set<Cube> painted;
    for (const GalacticCoordinates& hex : hexes)
        painted.insert(hex.cube());
    const std::vector<Boundary> loops = boundaryLoops(painted);
    const Boundary* outer = nullptr;
    for (const Boundary& loop : loops) {
        if (loop.area > 0 && (!outer || loop.area > outer->area))
            outer = &loop;
    }
    if (!outer)
        return {};
    // Greedily keep an anchor only where the tracing would leave the outline.
    const std::size_t n = outer->corners.size();
    std::vector<universe::RegionAnchor> anchors;
    std::size_t at = 0;
    while (at < n) {
        anchors.push_back(outer->names[at]);
        std::size_t reach = at + 1;
        while (reach + 1 <= n && reach + 1 - at <= longestStretch &&
               tracesAlong(*outer, at, reach + 1))
            ++reach;
        at = reach;
    }
    return anchors;
}

std::vector<GalacticCoordinates> enclosedHexes(const universe::Region& region) {
    const std::vector<HexCorner> corners = borderCorners(region);
    if (corners.size() < 3)
        return {};
    std::vector<core::PointF> polygon;
    polygon.reserve(corners.size());
    int minX = 0, maxX = 0, minZ = 0, maxZ = 0;
    bool first = true;
    for (const HexCorner& corner : corners) {
        polygon.push_back(corner.unitPoint());
        for (const Cube& cell : corner.cells) {
            minX = first ? cell.x : std::min(minX, cell.x);
            maxX = first ? cell.x : std::max(maxX, cell.x);
            minZ = first ? cell.z : std::min(minZ, cell.z);
            maxZ = first ? cell.z : std::max(maxZ, cell.z);
            first = false;
        }
    }
    std::vector<GalacticCoordinates> inside;
    const std::size_t n = polygon.size();
    for (int x = minX; x <= maxX; ++x) {
        for (int z = minZ; z <= maxZ; ++z) {
            const core::PointF p = core::HexLayout::unitCenter(Cube{x, z});
            // Even-odd rule: count the border's crossings of a ray to the right.
            bool in = false;
            for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                const core::PointF& a = polygon[i];
                const core::PointF& b = polygon[j];
                if ((a.y > p.y) != (b.y > p.y) &&
                    p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
                    in = !in;
            }
            if (in)
                inside.push_back(hexOf(Cube{x, z}));
        }
    }
    std::sort(inside.begin(), inside.end());
    return inside;
}

std::vector<GalacticCoordinates> paintedArea(const universe::Region& region,
                                             const std::vector<GalacticCoordinates>& stroke,
                                             bool removing) {
    std::set<GalacticCoordinates> area;
    for (const GalacticCoordinates& hex : enclosedHexes(region))
        area.insert(hex);
    for (const GalacticCoordinates& hex : stroke) {
        if (removing)
            area.erase(hex);
        else
            area.insert(hex);
    }
    return {area.begin(), area.end()};
}

bool outlineKeeps(const universe::Region& outlined, const std::vector<GalacticCoordinates>& area,
                  const std::vector<GalacticCoordinates>& stroke, bool removing) {
    const std::vector<GalacticCoordinates> enclosed = enclosedHexes(outlined);
    const auto inside = [&enclosed](const GalacticCoordinates& hex) {
        return std::binary_search(enclosed.begin(), enclosed.end(), hex);
    };
    if (!std::all_of(area.begin(), area.end(), inside))
        return false;
    return !removing || std::none_of(stroke.begin(), stroke.end(), inside);
}

} // namespace velmora::starmap
