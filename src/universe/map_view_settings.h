#pragma once

#include "core/raw_value_table.h"
#include "core/trade_class.h"
#include "core/uuid.h"

#include <optional>
#include <set>
#include <string>

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

// How the referee looks at the map: the layers, filters, highlights and the last
// pan and zoom. Changing them is not an edit of the universe: it is saved a moment
// later and never undone.
struct MapViewSettings {
    MapViewMode mapViewMode = MapViewMode::referee;
    bool mapShowRutters = true;
    bool mapShowRouteDistances = true;
    bool mapShowNebulae = true;
    bool mapShowRegions = true;
    bool mapShowLabels = true;
    bool mapShowSurveyedData = true;
    bool mapShowStarfarers = true;
    bool mapShowSathar = true;
    bool mapShowOther = true;
    bool locationShowsSectorCode = false;
    std::set<core::Uuid> selectedFactionIDs;
    std::optional<MapTransform> mapTransform;
    std::set<core::TradeClass> mapFilterTradeClasses;
    std::set<std::string> hiddenLabelCategories;
    friend bool operator==(const MapViewSettings&, const MapViewSettings&) = default;
};

} // namespace velmora::universe
