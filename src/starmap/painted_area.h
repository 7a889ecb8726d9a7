#pragma once

#include "core/galactic_coordinates.h"
#include "universe/region.h"

#include <vector>

namespace velmora::starmap {

// Regions drawn with the brush: a set of hexes turned into anchors whose traced
// border is exactly the outline of the set, and a region's border turned back
// into the hexes it encloses, so that a region can be painted further.

// The anchors of the outline of the painted hexes, in clockwise order, for a
// closed region. Corners the tracing finds again on its own between two anchors
// are left out, so a straight stretch of border needs only its ends. A region has
// one border: of separate patches only the largest is outlined, and holes are
// filled. No hexes give no anchors.
std::vector<universe::RegionAnchor>
outlineAnchors(const std::vector<core::GalacticCoordinates>& hexes);

// The hexes whose centres lie inside the region's traced border, taken as a
// closed line (an open border is closed from its last point to its first), sorted.
std::vector<core::GalacticCoordinates> enclosedHexes(const universe::Region& region);

// The painted area of a region after a stroke: its enclosed hexes with the
// stroke's hexes added, or taken away.
std::vector<core::GalacticCoordinates>
paintedArea(const universe::Region& region, const std::vector<core::GalacticCoordinates>& stroke,
            bool removing);

// Whether a region outlined from `area` covers exactly what a stroke meant: every
// hex of the area, and (for a removing stroke) none of the removed hexes. Not so
// when the area falls into separate patches or has a hole.
bool outlineKeeps(const universe::Region& outlined,
                  const std::vector<core::GalacticCoordinates>& area,
                  const std::vector<core::GalacticCoordinates>& stroke, bool removing);

} // namespace velmora::starmap
