#pragma once

#include "core/galactic_coordinates.h"
#include "core/uuid.h"
#include "universe/faction_color.h"

#include <string>
#include <string_view>

namespace velmora::universe {

// Free text drawn on the map, centred on a hex.
// The category of the labels that name subsectors (an import makes one for each
// named subsector). The map moves them off the worlds they would cover.
inline constexpr std::string_view subsectorNameCategory = "Subsector Name";

struct StarmapLabel {
    core::Uuid id;
    std::string text;
    double size = 18.0; // font size in map points
    FactionColor color = FactionColor::white;
    // Degrees, as the editor shows them; files keep the same number so an angle
    // typed as 30 reads back as exactly 30.
    double angle = 0.0;
    core::GalacticCoordinates position;
    std::string category; // empty: uncategorized

    friend bool operator==(const StarmapLabel&, const StarmapLabel&) = default;
};

} // namespace velmora::universe
