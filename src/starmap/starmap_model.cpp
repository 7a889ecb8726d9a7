#include "starmap/starmap_model.h"

#include "starmap/map_filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::starmap {

namespace {

constexpr int subsectorColumns = 8;
constexpr int subsectorRows = 10;
const double rowHeight = std::numbers::sqrt3 * mapHexRadius;
constexpr double columnWidth = 1.5 * mapHexRadius;

} // namespace

StarMapModel::Bucket StarMapModel::bucketOf(int globalColumn, int globalRow) {
    return {core::floorDiv(globalColumn, subsectorColumns),
            core::floorDiv(globalRow, subsectorRows)};
}

StarMapModel::StarMapModel(const universe::UniverseRecord& universe)
    : m_systems(systemsShown(universe)) {
    for (const core::HexData* hex : m_systems) {
        const auto& c = hex->coordinates;
        m_buckets[bucketOf(c.globalColumn(), c.globalRow())].push_back(hex);
    }
    bool first = true;
    for (const core::HexData& hex : universe.data) {
        const int q = hex.coordinates.globalColumn();
        const int r = hex.coordinates.globalRow();
        if (first) {
            m_grid = {q, q, r, r};
            first = false;
        } else {
            m_grid.firstColumn = std::min(m_grid.firstColumn, q);
            m_grid.lastColumn = std::max(m_grid.lastColumn, q);
            m_grid.firstRow = std::min(m_grid.firstRow, r);
            m_grid.lastRow = std::max(m_grid.lastRow, r);
        }
    }
    if (!first) {
        m_grid.firstColumn -= gridPadding;
        m_grid.lastColumn += gridPadding;
        m_grid.firstRow -= gridPadding;
        m_grid.lastRow += gridPadding;
    }
}

// Ranges side by side give rectangles that meet exactly: the edges run halfway
// through the zigzag of the hex borders between them.
MapRect StarMapModel::boundsOf(const HexRange& range) {
    if (range.isEmpty())
        return {};
    return {columnWidth * range.firstColumn - columnWidth / 2,
            rowHeight * range.firstRow - rowHeight / 4,
            columnWidth * range.lastColumn + columnWidth / 2,
            rowHeight * (range.lastRow + 1) - rowHeight / 4};
}

MapRect StarMapModel::boundsOfSector(int sectorX, int sectorY) {
    const core::GalacticCoordinates first{sectorX, sectorY, 1, 1};
    return boundsOf({first.globalColumn(), first.globalColumn() + core::sectorColumns - 1,
                     first.globalRow(), first.globalRow() + core::sectorRows - 1});
}

MapRect StarMapModel::boundsOfSubsector(int sectorX, int sectorY, char letter) {
    const int index = std::clamp(letter - 'A', 0, 15);
    const core::GalacticCoordinates first{sectorX, sectorY, 1 + (index % 4) * subsectorColumns,
                                          1 + (index / 4) * subsectorRows};
    return boundsOf({first.globalColumn(), first.globalColumn() + subsectorColumns - 1,
                     first.globalRow(), first.globalRow() + subsectorRows - 1});
}

HexRange StarMapModel::hexRangeOf(const MapRect& area) {
    return {static_cast<int>(std::floor((area.left - mapHexRadius) / columnWidth)),
            static_cast<int>(std::ceil((area.right + mapHexRadius) / columnWidth)),
            static_cast<int>(std::floor(area.top / rowHeight)) - 1,
            static_cast<int>(std::ceil(area.bottom / rowHeight))};
}

HexRange StarMapModel::gridRangeIn(const MapRect& area) const {
    const HexRange touched = hexRangeOf(area);
    return {std::max(m_grid.firstColumn, touched.firstColumn),
            std::min(m_grid.lastColumn, touched.lastColumn),
            std::max(m_grid.firstRow, touched.firstRow), std::min(m_grid.lastRow, touched.lastRow)};
}

std::vector<const core::HexData*> StarMapModel::systemsIn(const MapRect& area) const {
    std::vector<const core::HexData*> found;
    const HexRange touched = hexRangeOf(area);
    const Bucket low = bucketOf(touched.firstColumn, touched.firstRow);
    const Bucket high = bucketOf(touched.lastColumn, touched.lastRow);
    // A bucket per subsector: only the ones the rectangle touches are visited.
    if (static_cast<long long>(high.first - low.first + 1) * (high.second - low.second + 1) >
        static_cast<long long>(m_buckets.size())) {
        for (const auto& [bucket, hexes] : m_buckets) {
            if (bucket.first < low.first || bucket.first > high.first ||
                bucket.second < low.second || bucket.second > high.second)
                continue;
            found.insert(found.end(), hexes.begin(), hexes.end());
        }
    } else {
        for (int bx = low.first; bx <= high.first; ++bx) {
            for (int by = low.second; by <= high.second; ++by) {
                if (const auto it = m_buckets.find({bx, by}); it != m_buckets.end())
                    found.insert(found.end(), it->second.begin(), it->second.end());
            }
        }
    }
    return found;
}

const core::HexData* StarMapModel::systemAt(const core::GalacticCoordinates& hex) const {
    const auto it = m_buckets.find(bucketOf(hex.globalColumn(), hex.globalRow()));
    if (it == m_buckets.end())
        return nullptr;
    for (const core::HexData* candidate : it->second) {
        if (candidate->coordinates == hex)
            return candidate;
    }
    return nullptr;
}

} // namespace velmora::starmap
