#include "starmap/region_borders.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <queue>
#include <unordered_map>

namespace velmora::starmap {

using core::Cube;
using core::HexCorner;
using core::PointF;

namespace {

// Cube directions in (x, z), indexed so that corner i of a hex lies between the
// neighbours in directions i and i - 1.
constexpr std::array<Cube, 6> directions{Cube{1, 0},  Cube{0, 1},  Cube{-1, 1},
                                         Cube{-1, 0}, Cube{0, -1}, Cube{1, -1}};

Cube operator+(Cube a, Cube b) {
    return Cube{a.x + b.x, a.z + b.z};
}

bool adjacent(Cube a, Cube b) {
    return core::distance(a, b) == 1;
}

// A corner during the search: its three cells, sorted.
struct CornerKey {
    std::array<Cube, 3> cells;
    friend bool operator==(const CornerKey&, const CornerKey&) = default;
};

struct CornerKeyHash {
    std::size_t operator()(const CornerKey& key) const noexcept {
        std::size_t h = 0;
        for (const Cube& cell : key.cells)
            h = h * 1000003u ^ std::hash<Cube>()(cell);
        return h;
    }
};

CornerKey makeKey(Cube a, Cube b, Cube c) {
    CornerKey key{{a, b, c}};
    std::sort(key.cells.begin(), key.cells.end());
    return key;
}

HexCorner toCorner(const CornerKey& key) {
    return HexCorner{{key.cells.begin(), key.cells.end()}};
}

PointF pointOf(const CornerKey& key) {
    return toCorner(key).unitPoint();
}

// The three corners one hex edge away: each edge runs between two of the cells,
// to the other corner those two cells share.
std::array<CornerKey, 3> neighbours(const CornerKey& key) {
    std::array<CornerKey, 3> result{};
    for (int i = 0; i < 3; ++i) {
        const Cube a = key.cells[static_cast<std::size_t>(i)];
        const Cube b = key.cells[static_cast<std::size_t>((i + 1) % 3)];
        const Cube third = key.cells[static_cast<std::size_t>((i + 2) % 3)];
        for (const Cube& direction : directions) {
            const Cube candidate = a + direction;
            if (!(candidate == third) && !(candidate == b) && adjacent(candidate, b)) {
                result[static_cast<std::size_t>(i)] = makeKey(a, b, candidate);
                break;
            }
        }
    }
    return result;
}

double distanceBetween(PointF a, PointF b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Distance of p from the straight line through a and b (from a when they coincide).
double deviation(PointF p, PointF a, PointF b) {
    const double length = distanceBetween(a, b);
    if (length == 0)
        return distanceBetween(p, a);
    return std::abs((b.x - a.x) * (a.y - p.y) - (a.x - p.x) * (b.y - a.y)) / length;
}

std::optional<CornerKey> keyOf(const HexCorner& corner) {
    if (corner.cells.size() != 3)
        return std::nullopt;
    return makeKey(corner.cells[0], corner.cells[1], corner.cells[2]);
}

constexpr std::size_t searchBound = 199'999;

} // namespace

HexCorner cornerOf(const universe::RegionAnchor& anchor) {
    const Cube c = anchor.hex.cube();
    const int i = ((anchor.corner % 6) + 6) % 6;
    const Cube next = c + directions[static_cast<std::size_t>(i)];
    const Cube previous = c + directions[static_cast<std::size_t>((i + 5) % 6)];
    return toCorner(makeKey(c, next, previous));
}

std::vector<HexCorner> edgePath(const HexCorner& from, const HexCorner& to) {
    if (from == to)
        return {from};
    const auto start = keyOf(from);
    const auto goal = keyOf(to);
    if (!start || !goal)
        return {from, to};

    const PointF a = pointOf(*start);
    const PointF b = pointOf(*goal);

    struct Record {
        int steps = 0;
        double deviationSum = 0;
        std::optional<CornerKey> previous;
    };
    struct QueueEntry {
        double priority;
        double deviationSum;
        std::uint64_t order; // earlier entries first on a full tie
        CornerKey corner;
    };
    const auto later = [](const QueueEntry& x, const QueueEntry& y) {
        if (x.priority != y.priority)
            return x.priority > y.priority;
        if (x.deviationSum != y.deviationSum)
            return x.deviationSum > y.deviationSum;
        return x.order > y.order;
    };
    std::priority_queue<QueueEntry, std::vector<QueueEntry>, decltype(later)> queue(later);
    std::unordered_map<CornerKey, Record, CornerKeyHash> records;
    std::uint64_t order = 0;

    records[*start] = Record{};
    queue.push({distanceBetween(a, b), 0, order++, *start});
    std::size_t taken = 0;
    while (!queue.empty()) {
        const QueueEntry entry = queue.top();
        queue.pop();
        if (++taken > searchBound)
            break;
        if (entry.corner == *goal) {
            std::vector<HexCorner> path;
            for (std::optional<CornerKey> at = *goal; at; at = records.at(*at).previous)
                path.push_back(toCorner(*at));
            std::reverse(path.begin(), path.end());
            return path;
        }
        const Record current = records.at(entry.corner);
        for (const CornerKey& next : neighbours(entry.corner)) {
            const PointF point = pointOf(next);
            const int steps = current.steps + 1;
            const double deviationSum = current.deviationSum + deviation(point, a, b);
            const auto known = records.find(next);
            const bool better =
                known == records.end() || steps < known->second.steps ||
                (steps == known->second.steps && deviationSum < known->second.deviationSum);
            if (!better)
                continue;
            records[next] = Record{steps, deviationSum, entry.corner};
            queue.push({steps + distanceBetween(point, b), deviationSum, order++, next});
        }
    }
    return {from, to};
}

std::vector<HexCorner> borderCorners(const universe::Region& region) {
    std::vector<HexCorner> corners;
    if (region.anchors.empty())
        return corners;
    std::vector<HexCorner> anchors;
    anchors.reserve(region.anchors.size());
    for (const auto& anchor : region.anchors)
        anchors.push_back(cornerOf(anchor));
    if (anchors.size() == 1)
        return anchors;

    const auto append = [&](const HexCorner& from, const HexCorner& to) {
        for (HexCorner& corner : edgePath(from, to)) {
            // Shared ends of consecutive stretches appear once.
            if (corners.empty() || !(corners.back() == corner))
                corners.push_back(std::move(corner));
        }
    };
    for (std::size_t i = 0; i + 1 < anchors.size(); ++i)
        append(anchors[i], anchors[i + 1]);
    if (region.closed)
        append(anchors.back(), anchors.front());
    return corners;
}

std::vector<PointF> borderPoints(const universe::Region& region, double hexRadius) {
    std::vector<PointF> points;
    for (const HexCorner& corner : borderCorners(region)) {
        const PointF unit = corner.unitPoint();
        points.push_back({unit.x * hexRadius, unit.y * hexRadius});
    }
    return points;
}

PointF regionLabelPoint(const universe::Region& region, double hexRadius) {
    if (region.labelCoordinates)
        return core::HexLayout{hexRadius}.center(*region.labelCoordinates);
    if (region.anchors.empty())
        return {};
    PointF sum;
    for (const auto& anchor : region.anchors) {
        const PointF unit = cornerOf(anchor).unitPoint();
        sum.x += unit.x;
        sum.y += unit.y;
    }
    const double count = static_cast<double>(region.anchors.size());
    return {sum.x / count * hexRadius, sum.y / count * hexRadius};
}

const std::vector<PointF>& RegionBorderCache::points(const universe::Region& region,
                                                     double hexRadius) {
    Entry& entry = m_entries[region.id];
    const bool fresh = entry.hexRadius == hexRadius && entry.closed == region.closed &&
                       entry.anchors == region.anchors &&
                       !(entry.points.empty() && !region.anchors.empty());
    if (!fresh) {
        entry.anchors = region.anchors;
        entry.closed = region.closed;
        entry.hexRadius = hexRadius;
        entry.points = borderPoints(region, hexRadius);
        ++m_traces;
    }
    return entry.points;
}

} // namespace velmora::starmap
