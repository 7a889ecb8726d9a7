#include "travel/route_search.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace velmora::travel {

namespace {

// A grid is worth its memory while it has no more than a few cells a node.
constexpr std::size_t gridCellsPerNode = 8;
constexpr std::size_t gridCellsAlways = 1 << 16;

} // namespace

namespace {

std::vector<std::uint32_t> everyNode(std::size_t count) {
    std::vector<std::uint32_t> all(count);
    for (std::size_t i = 0; i < count; ++i)
        all[i] = static_cast<std::uint32_t>(i);
    return all;
}

} // namespace

HexRangeIndex::HexRangeIndex(const std::vector<RouteNode>& nodes)
    : HexRangeIndex(nodes, everyNode(nodes.size())) {}

HexRangeIndex::HexRangeIndex(const std::vector<RouteNode>& nodes,
                             const std::vector<std::uint32_t>& members) {
    if (members.empty())
        return;
    int maxX = nodes[members.front()].cube.x, maxZ = nodes[members.front()].cube.z;
    m_minX = maxX;
    m_minZ = maxZ;
    for (const std::uint32_t i : members) {
        m_minX = std::min(m_minX, nodes[i].cube.x);
        maxX = std::max(maxX, nodes[i].cube.x);
        m_minZ = std::min(m_minZ, nodes[i].cube.z);
        maxZ = std::max(maxZ, nodes[i].cube.z);
    }
    const auto width = static_cast<std::size_t>(static_cast<long long>(maxX) - m_minX + 1);
    const auto height = static_cast<std::size_t>(static_cast<long long>(maxZ) - m_minZ + 1);
    const std::size_t affordable = gridCellsPerNode * members.size() + gridCellsAlways;
    m_filed.resize(members.size());
    if (width <= affordable && height <= affordable && width * height <= affordable) {
        // A counting sort into cells: nodes of one cell keep their hex order.
        m_width = static_cast<int>(width);
        m_height = static_cast<int>(height);
        m_cellStart.assign(width * height + 1, 0);
        const auto cellOf = [&](const core::Cube& cube) {
            return static_cast<std::size_t>(cube.x - m_minX) * height +
                   static_cast<std::size_t>(cube.z - m_minZ);
        };
        for (const std::uint32_t i : members)
            ++m_cellStart[cellOf(nodes[i].cube) + 1];
        for (std::size_t cell = 1; cell < m_cellStart.size(); ++cell)
            m_cellStart[cell] += m_cellStart[cell - 1];
        std::vector<std::uint32_t> next(m_cellStart.begin(), m_cellStart.end() - 1);
        for (const std::uint32_t i : members)
            m_filed[next[cellOf(nodes[i].cube)]++] = {nodes[i].cube.x, nodes[i].cube.z, i};
        return;
    }
    for (std::size_t k = 0; k < members.size(); ++k)
        m_filed[k] = {nodes[members[k]].cube.x, nodes[members[k]].cube.z, members[k]};
    std::sort(m_filed.begin(), m_filed.end(), [](const Filed& a, const Filed& b) {
        return std::tie(a.x, a.z, a.node) < std::tie(b.x, b.z, b.node);
    });
}

std::size_t HexRangeIndex::firstAtOrAfter(int x, int z) const {
    const auto it =
        std::lower_bound(m_filed.begin(), m_filed.end(), std::pair{x, z},
                         [](const Filed& filed, const std::pair<int, int>& key) {
                             return std::tie(filed.x, filed.z) < std::tie(key.first, key.second);
                         });
    return static_cast<std::size_t>(it - m_filed.begin());
}

namespace {

// Jumps and parsecs as one number that orders as the search does: jumps in the high
// half, parsecs in the low. Unreached nodes hold the largest key.
constexpr std::uint64_t unreached = std::numeric_limits<std::uint64_t>::max();
constexpr std::uint64_t lowHalf = 0xFFFF'FFFFu;
constexpr std::uint32_t noNode = std::numeric_limits<std::uint32_t>::max();

constexpr std::uint64_t searchKey(std::uint64_t jumps, std::uint64_t parsecs) {
    return jumps << 32 | parsecs;
}

// Jump ratings up to this are searched on a grid of every hex in the map's extent;
// beyond it the neighbourhoods grow too large to walk hex by hex.
constexpr int gridReachAtMost = 8;

// What a ship holds on arrival: fuel in the main tanks and how much of the range-
// extension budget it has used since it last took on fuel.
struct Tanks {
    double fuelTons = 0;
    double budgetUsedTons = 0;
};

// The tanks after a jump of `parsecs` from a node where the ship held `from`, if
// the main tanks and what is left of the budget cover it. Where the ship lands on
// fuel it tops both up again, which the caller decides.
std::optional<Tanks> afterJump(const SearchRules& rules, const Tanks& from, int parsecs) {
    const double needed = rules.fuelPerParsecTons * parsecs;
    const double fromTanks = std::min(needed, from.fuelTons);
    const double shortfall = needed - fromTanks;
    if (shortfall > rules.rangeExtensionTons - from.budgetUsedTons)
        return std::nullopt;
    return Tanks{from.fuelTons - fromTanks, from.budgetUsedTons + shortfall};
}

std::vector<std::size_t> routeBack(std::size_t destination,
                                   const std::vector<std::uint32_t>& predecessor) {
    std::vector<std::size_t> route;
    for (std::uint32_t at = static_cast<std::uint32_t>(destination); at != noNode;
         at = predecessor[at])
        route.push_back(at);
    std::reverse(route.begin(), route.end());
    return route;
}

// Every hex of the map's extent as one cell, with a margin a jump wide all round:
// the cells within a jump of any occupied cell then lie at fixed offsets from it,
// with no bounds to check. Cells run column by column, as in HexRangeIndex.
struct HexGrid {
    int originX = 0; // the cube of cell 0
    int originZ = 0;
    std::size_t height = 0;
    std::vector<std::uint32_t> nodeInCell; // the node count where empty
    // Offsets to the cells `parsecs` away, for parsecs from 1 to the reach, nearest
    // first: those p parsecs away run from firstAt[p] to firstAt[p + 1].
    std::vector<std::ptrdiff_t> offsets;
    std::vector<std::size_t> firstAt;

    std::size_t cellOf(core::Cube cube) const {
        return static_cast<std::size_t>(cube.x - originX) * height +
               static_cast<std::size_t>(cube.z - originZ);
    }
};

// A grid of the nodes that pass `isMember`, or nothing when the map is too sparse
// for one or two of them share a hex (the grid has room for one node a cell).
template <typename IsMember>
std::optional<HexGrid> hexGrid(const std::vector<RouteNode>& nodes, int reach, IsMember isMember) {
    if (reach > gridReachAtMost)
        return std::nullopt;
    int minX = std::numeric_limits<int>::max(), maxX = std::numeric_limits<int>::min();
    int minZ = minX, maxZ = maxX;
    std::size_t members = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (!isMember(i))
            continue;
        minX = std::min(minX, nodes[i].cube.x);
        maxX = std::max(maxX, nodes[i].cube.x);
        minZ = std::min(minZ, nodes[i].cube.z);
        maxZ = std::max(maxZ, nodes[i].cube.z);
        ++members;
    }
    const long long margin = 2LL * reach;
    const auto width = static_cast<std::size_t>(static_cast<long long>(maxX) - minX + 1 + margin);
    const auto height = static_cast<std::size_t>(static_cast<long long>(maxZ) - minZ + 1 + margin);
    const std::size_t affordable = gridCellsPerNode * members + gridCellsAlways;
    if (members == 0 || width > affordable || height > affordable || width * height > affordable)
        return std::nullopt;

    HexGrid grid;
    grid.originX = minX - reach;
    grid.originZ = minZ - reach;
    grid.height = height;
    const auto empty = static_cast<std::uint32_t>(nodes.size());
    grid.nodeInCell.assign(width * height, empty);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (!isMember(i))
            continue;
        std::uint32_t& cell = grid.nodeInCell[grid.cellOf(nodes[i].cube)];
        if (cell != empty)
            return std::nullopt;
        cell = static_cast<std::uint32_t>(i);
    }
    const auto rowStride = static_cast<std::ptrdiff_t>(height);
    grid.firstAt.assign(2, 0);
    for (int parsecs = 1; parsecs <= reach; ++parsecs) {
        for (int dx = -parsecs; dx <= parsecs; ++dx)
            for (int dz = -parsecs; dz <= parsecs; ++dz)
                if (core::distance(core::Cube{0, 0}, core::Cube{dx, dz}) == parsecs)
                    grid.offsets.push_back(dx * rowStride + dz);
        grid.firstAt.push_back(grid.offsets.size());
    }
    return grid;
}

// Every jump adds one to the count, so the nodes are settled a jump count at a time:
// all those reached in k jumps, fewest parsecs first and then in hex order, before
// any reached in k + 1. Settling one of them never changes the others' keys (their
// candidates have one jump more), so each layer is sorted once. A settled node, or
// one waiting in the layer, holds a key no candidate can beat, which is all the
// bookkeeping of visits the scan needs.
//
// On the grid, empty cells name a node past the last whose key is the smallest,
// so a neighbourhood is a load and a comparison a cell with no test for holes.
// Whether a ship can make a jump depends only on where it leaves from and how far
// it goes, so that is worked out once for each distance, not for each hex.
template <bool withShip>
std::optional<std::vector<std::size_t>>
searchOnGrid(const std::vector<RouteNode>& nodes, const HexGrid& grid, std::size_t start,
             std::size_t destination, const SearchRules& rules, std::vector<std::size_t>* settled) {
    std::vector<std::uint64_t> keys(nodes.size() + 1, unreached);
    keys[nodes.size()] = 0;
    keys[start] = searchKey(0, 0);
    std::vector<std::uint32_t> predecessor(nodes.size(), noNode);
    std::vector<Tanks> tanks(withShip ? nodes.size() : 0);
    const Tanks topped{rules.fuelCapacityTons, 0.0};
    if constexpr (withShip)
        tanks[start] = topped;

    std::uint64_t* const key = keys.data();
    const std::uint32_t* const nodeInCell = grid.nodeInCell.data();
    const std::ptrdiff_t* const offsets = grid.offsets.data();
    const int reach = rules.jumpRating;
    std::vector<std::uint64_t> layer{searchKey(0, start)}; // parsecs and node
    // The nodes first reached for the next layer: each node is first reached once.
    std::vector<std::uint64_t> nextLayer(nodes.size());
    for (std::uint64_t jumps = 0; !layer.empty(); ++jumps) {
        std::sort(layer.begin(), layer.end());
        const std::uint64_t nextJumps = jumps + 1;
        std::uint64_t* reached = nextLayer.data();
        for (const std::uint64_t entry : layer) {
            const auto current = static_cast<std::uint32_t>(entry & lowHalf);
            if (settled)
                settled->push_back(current);
            if (current == destination)
                return routeBack(destination, predecessor);
            const std::uint32_t* const around = nodeInCell + grid.cellOf(nodes[current].cube);
            const std::uint64_t leaving = searchKey(nextJumps, entry >> 32);
            for (int parsecs = 1; parsecs <= reach; ++parsecs) {
                Tanks landed;
                if constexpr (withShip) {
                    const auto after = afterJump(rules, tanks[current], parsecs);
                    if (!after)
                        continue;
                    landed = *after;
                }
                const std::uint64_t candidate = leaving + static_cast<std::uint64_t>(parsecs);
                const std::size_t last = grid.firstAt[static_cast<std::size_t>(parsecs) + 1];
                for (std::size_t o = grid.firstAt[static_cast<std::size_t>(parsecs)]; o < last;
                     ++o) {
                    const std::uint32_t next = around[offsets[o]];
                    std::uint64_t& nextKey = key[next];
                    if (candidate >= nextKey)
                        continue;
                    if (nextKey >> 32 != nextJumps)
                        *reached++ = next;
                    nextKey = candidate;
                    predecessor[next] = current;
                    if constexpr (withShip)
                        tanks[next] = nodes[next].hasFuel ? topped : landed;
                }
            }
        }
        // The next layer's entries in order: parsecs, then hex order.
        layer.clear();
        for (const std::uint64_t* node = nextLayer.data(); node != reached; ++node)
            layer.push_back(searchKey(key[*node] & lowHalf, *node));
    }
    return std::nullopt;
}

// The same search over a range index, for maps too sparse for a grid and for
// reaches too long to walk hex by hex.
std::optional<std::vector<std::size_t>> searchOnIndex(const std::vector<RouteNode>& nodes,
                                                      const HexRangeIndex& index, std::size_t start,
                                                      std::size_t destination,
                                                      const SearchRules& rules,
                                                      std::vector<std::size_t>* settled) {
    std::vector<std::uint64_t> keys(nodes.size(), unreached);
    keys[start] = searchKey(0, 0);
    std::vector<std::uint32_t> predecessor(nodes.size(), noNode);
    std::vector<Tanks> tanks(rules.withShip ? nodes.size() : 0);
    const Tanks topped{rules.fuelCapacityTons, 0.0};
    if (rules.withShip)
        tanks[start] = topped;

    std::uint64_t* const key = keys.data();
    std::vector<std::uint64_t> layer{searchKey(0, start)}; // parsecs and node
    std::vector<std::uint32_t> reached;
    for (std::uint64_t jumps = 0; !layer.empty(); ++jumps) {
        std::sort(layer.begin(), layer.end());
        const std::uint64_t nextJumps = jumps + 1;
        for (const std::uint64_t entry : layer) {
            const auto current = static_cast<std::uint32_t>(entry & lowHalf);
            if (settled)
                settled->push_back(current);
            if (current == destination)
                return routeBack(destination, predecessor);
            const core::Cube from = nodes[current].cube;
            const std::uint64_t leaving = searchKey(nextJumps, entry >> 32);
            const Tanks onBoard = rules.withShip ? tanks[current] : Tanks{};
            index.forEachWithin(from, rules.jumpRating, [&](std::size_t next, core::Cube cube) {
                const int parsecs = core::distance(from, cube);
                const std::uint64_t candidate = leaving + static_cast<std::uint64_t>(parsecs);
                if (candidate >= key[next] || parsecs == 0)
                    return;
                if (rules.withShip) {
                    const auto after = afterJump(rules, onBoard, parsecs);
                    if (!after)
                        return;
                    tanks[next] = nodes[next].hasFuel ? topped : *after;
                }
                if (key[next] >> 32 != nextJumps)
                    reached.push_back(static_cast<std::uint32_t>(next));
                key[next] = candidate;
                predecessor[next] = current;
            });
        }
        layer.clear();
        for (const std::uint32_t node : reached)
            layer.push_back(searchKey(key[node] & lowHalf, node));
        reached.clear();
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::size_t>> searchRoute(const std::vector<RouteNode>& nodes,
                                                    std::size_t start, std::size_t destination,
                                                    const SearchRules& rules,
                                                    std::vector<std::size_t>* settled) {
    if (start >= nodes.size() || destination >= nodes.size() || rules.jumpRating < 1)
        return std::nullopt;
    // A notional ship only ever stops where there is fuel, or at the destination, so
    // the other systems need not be looked at.
    const auto reachable = [&](std::size_t i) {
        return rules.withShip || nodes[i].hasFuel || i == destination || i == start;
    };
    if (const auto grid = hexGrid(nodes, rules.jumpRating, reachable))
        return rules.withShip
                   ? searchOnGrid<true>(nodes, *grid, start, destination, rules, settled)
                   : searchOnGrid<false>(nodes, *grid, start, destination, rules, settled);
    std::vector<std::uint32_t> members;
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (reachable(i))
            members.push_back(static_cast<std::uint32_t>(i));
    return searchOnIndex(nodes, HexRangeIndex(nodes, members), start, destination, rules, settled);
}

} // namespace velmora::travel
