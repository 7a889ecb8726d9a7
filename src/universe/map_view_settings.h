#pragma once

#include "core/raw_value_table.h"

namespace velmora::universe {

// Who the map is drawn for: the referee sees every system, the players only
// the systems their side knows of.
enum class MapViewMode { referee, player };

inline constexpr auto mapViewModeTable = core::makeRawValueTable<MapViewMode>(
    std::pair{MapViewMode::referee, "referee"}, std::pair{MapViewMode::player, "player"});

// A map point p is shown at p * scale + offset.
struct MapTransform {
    double scale = 1.0;
    double offsetWidth = 0.0;
    double offsetHeight = 0.0;
    friend bool operator==(const MapTransform&, const MapTransform&) = default;
};

} // namespace velmora::universe
