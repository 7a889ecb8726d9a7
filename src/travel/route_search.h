#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_layout.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::travel {

// One occupied hex as the route search sees it: where it is and whether a ship can
// take on fuel there. Nodes are in the universe's hex order, which breaks ties.
struct RouteNode {
    core::Cube cube;
    bool hasFuel = false;
};

// How far a ship reaches and what fuel it carries. Without a ship, every system
// passed through must have fuel; with one, the main tanks and the range-extension
// budget decide, and every fuel stop tops both up.
struct SearchRules {
    int jumpRating = 0;
    bool withShip = false;
    double fuelPerParsecTons = 0;
    double fuelCapacityTons = 0;
    double rangeExtensionTons = 0;
};

// The hexes within a few parsecs of a hex, found without looking at the others.
// Nodes are filed by cube column, then cube z, then hex order, so each column of a
// neighbourhood is one contiguous run: found directly in a grid of cells over the
// map's extent or, for a map too sparse for a grid, by binary search.
class HexRangeIndex {
public:
    explicit HexRangeIndex(const std::vector<RouteNode>& nodes);
    // Only the given nodes (indexes into `nodes`, ascending).
    HexRangeIndex(const std::vector<RouteNode>& nodes, const std::vector<std::uint32_t>& members);

    // Calls visit(node index, its cube) for every node at most `range` parsecs from
    // `centre`, the centre's own hex included.
    template <typename Visit>
    void forEachWithin(core::Cube centre, int range, Visit&& visit) const;

    bool usesGrid() const { return !m_cellStart.empty(); }

private:
    struct Filed {
        int x = 0;
        int z = 0;
        std::uint32_t node = 0;
    };
    // The run of filed nodes in column x with z from zLow to zHigh.
    std::pair<std::size_t, std::size_t> run(int x, int zLow, int zHigh) const {
        if (m_cellStart.empty())
            return {firstAtOrAfter(x, zLow), firstAtOrAfter(x, zHigh + 1)};
        if (x < m_minX || x >= m_minX + m_width)
            return {0, 0};
        const int low = std::max(zLow - m_minZ, 0);
        const int high = std::min(zHigh - m_minZ, m_height - 1);
        if (low > high)
            return {0, 0};
        const std::size_t column =
            static_cast<std::size_t>(x - m_minX) * static_cast<std::size_t>(m_height);
        return {m_cellStart[column + static_cast<std::size_t>(low)],
                m_cellStart[column + static_cast<std::size_t>(high) + 1]};
    }
    std::size_t firstAtOrAfter(int x, int z) const;

    std::vector<Filed> m_filed;
    // With a grid: where each cell's nodes start in m_filed, with one past the last
    // cell at the end. Cells run column by column.
    std::vector<std::uint32_t> m_cellStart;
    int m_minX = 0;
    int m_minZ = 0;
    int m_width = 0;
    int m_height = 0;
};

// The fewest jumps, then the fewest parsecs; among equals the node earliest in hex
// order is settled first and keeps the first predecessor that reached it. Returns the
// node indexes from start to destination, or nothing when the destination is out
// of reach. `settled`, when given, receives the nodes in the order they were settled.
std::optional<std::vector<std::size_t>> searchRoute(const std::vector<RouteNode>& nodes,
                                                    std::size_t start, std::size_t destination,
                                                    const SearchRules& rules,
                                                    std::vector<std::size_t>* settled = nullptr);

template <typename Visit>
void HexRangeIndex::forEachWithin(core::Cube centre, int range, Visit&& visit) const {
    // A column dx away keeps the hexes whose z and y offsets both stay within range.
    for (int dx = -range; dx <= range; ++dx) {
        const int x = centre.x + dx;
        const int zLow = centre.z + (dx < 0 ? -range - dx : -range);
        const int zHigh = centre.z + (dx < 0 ? range : range - dx);
        const auto [begin, end] = run(x, zLow, zHigh);
        for (std::size_t i = begin; i < end; ++i)
            visit(static_cast<std::size_t>(m_filed[i].node),
                  core::Cube{m_filed[i].x, m_filed[i].z});
    }
}

} // namespace velmora::travel
