#pragma once

#include "core/hex_layout.h"
#include "universe/region.h"

#include <unordered_map>
#include <vector>

namespace velmora::starmap {

// The corner an anchor names, as the same HexCorner whichever of its three hexes
// names it.
core::HexCorner cornerOf(const universe::RegionAnchor& anchor);

// The traced border: from anchor to anchor (and back to the first when closed),
// along hex edges, each stretch a shortest edge path that stays closest to the
// straight line between its ends.
std::vector<core::HexCorner> borderCorners(const universe::Region& region);

// The border's points for hexes of the given radius.
std::vector<core::PointF> borderPoints(const universe::Region& region, double hexRadius);

// Where the region's name goes: its label hex's centre, or the centre of its anchors.
core::PointF regionLabelPoint(const universe::Region& region, double hexRadius);

// The edge path between two corners. A search that takes more than 199,999
// corners gives up and answers the straight chord (a, b).
std::vector<core::HexCorner> edgePath(const core::HexCorner& from, const core::HexCorner& to);

// Traced points per region, kept while the anchors, the closed flag and the hex
// radius stay the same, so drawing a frame never traces.
class RegionBorderCache {
public:
    const std::vector<core::PointF>& points(const universe::Region& region, double hexRadius);
    std::size_t size() const { return m_entries.size(); }
    std::size_t traceCount() const { return m_traces; }

private:
    struct Entry {
        std::vector<universe::RegionAnchor> anchors;
        bool closed = false;
        double hexRadius = 0;
        std::vector<core::PointF> points;
    };
    std::unordered_map<core::Uuid, Entry> m_entries;
    std::size_t m_traces = 0;
};

} // namespace velmora::starmap
