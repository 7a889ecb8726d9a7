#pragma once

#include "core/galactic_coordinates.h"
#include "core/uuid.h"
#include "universe/faction_color.h"
#include "universe/region_anchor.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::universe {

// A named, coloured area of the map whose border runs along hex edges from
// anchor to anchor.
struct Region {
    core::Uuid id;
    std::string name;
    FactionColor color = FactionColor::red;
    std::vector<RegionAnchor> anchors; // in border order
    bool closed = false;               // the border returns from the last anchor to the first
    // Where the name is drawn; none puts it at the centre of the anchors.
    std::optional<core::GalacticCoordinates> labelCoordinates;

    friend bool operator==(const Region&, const Region&) = default;
};

} // namespace velmora::universe
