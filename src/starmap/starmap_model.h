#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "universe/universe_record.h"

#include <map>
#include <utility>
#include <vector>

namespace velmora::starmap {

// Map units: a hex's radius is this many points at scale 1.
inline constexpr double mapHexRadius = 24.0;
// Empty hexes drawn around the occupied area.
inline constexpr int gridPadding = 2;

struct MapRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool isEmpty() const { return right <= left || bottom <= top; }
    bool intersects(const MapRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool contains(core::PointF p) const {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
};

// A range of global columns and rows, inclusive.
struct HexRange {
    int firstColumn = 0;
    int lastColumn = -1;
    int firstRow = 0;
    int lastRow = -1;
    bool isEmpty() const { return lastColumn < firstColumn || lastRow < firstRow; }
    friend bool operator==(const HexRange&, const HexRange&) = default;
};

// What the map shows of a universe, computed once per change: the systems that
// pass the filters, filed by subsector so a frame only visits what is on screen,
// and the area the grid covers.
class StarMapModel {
public:
    explicit StarMapModel(const universe::UniverseRecord& universe);

    const std::vector<const core::HexData*>& systems() const { return m_systems; }
    // The shown systems whose hexes touch the rectangle (map units).
    std::vector<const core::HexData*> systemsIn(const MapRect& area) const;
    const core::HexData* systemAt(const core::GalacticCoordinates& hex) const;

    // The occupied area of the whole universe plus the padding; empty without hexes.
    const HexRange& gridRange() const { return m_grid; }
    // The part of the grid inside a rectangle.
    HexRange gridRangeIn(const MapRect& area) const;
    // Every hex a rectangle touches, whether or not the grid reaches it.
    static HexRange hexRangeOf(const MapRect& area);
    // The map rectangle covering a range of hexes.
    static MapRect boundsOf(const HexRange& range);
    static MapRect boundsOfSector(int sectorX, int sectorY);
    static MapRect boundsOfSubsector(int sectorX, int sectorY, char letter);
    MapRect bounds() const { return boundsOf(m_grid); }

private:
    using Bucket = std::pair<int, int>; // subsector column and row of the global grid
    static Bucket bucketOf(int globalColumn, int globalRow);

    std::vector<const core::HexData*> m_systems;
    std::map<Bucket, std::vector<const core::HexData*>> m_buckets;
    HexRange m_grid;
};

} // namespace velmora::starmap
