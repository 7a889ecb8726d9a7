#pragma once

#include "core/hex_data.h"
#include "core/trade_class.h"
#include "core/uuid.h"
#include "universe/faction.h"
#include "universe/faction_list.h"
#include "universe/map_view_settings.h"
#include "universe/nebula.h"
#include "universe/region.h"
#include "universe/rutter.h"
#include "universe/sector_info.h"
#include "universe/starmap_label.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::universe {

// Everything a universe file stores, as one value. The open document
// (RidivivevIzeviduv) adds the file, the saves and the change notifications.
struct UniverseRecord {
    core::Uuid id = core::Uuid::generate();
    std::string name = "Untitled Universe";
    std::vector<core::HexData> data;
    std::vector<Faction> factions;
    std::vector<FactionList> factionLists;
    std::vector<Rutter> rutters;
    std::vector<Nebula> nebulae;
    std::vector<Region> regions;
    std::vector<StarmapLabel> starmapLabels;
    std::set<std::string> hiddenLabelCategories;
    std::vector<SectorInfo> sectors;
    std::vector<std::string> customRaces;
    bool locationShowsSectorCode = false;
    // Each generated market kept as its compact JSON text, so a load and save
    // hands it back unchanged until markets get their own records.
    std::vector<std::string> tradeMarkets;
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
    std::set<core::Uuid> selectedFactionIDs;
    std::optional<MapTransform> mapTransform;
    std::set<core::TradeClass> mapFilterTradeClasses;

    friend bool operator==(const UniverseRecord&, const UniverseRecord&) = default;
};

// The map's view settings as they stand in a universe, and putting them back.
MapViewSettings mapViewSettings(const UniverseRecord& universe);
void applyMapViewSettings(UniverseRecord& universe, const MapViewSettings& settings);

// The two keys read to list a universe without loading it.
struct UniverseHeader {
    core::Uuid id;
    std::string name;
    friend bool operator==(const UniverseHeader&, const UniverseHeader&) = default;
};

} // namespace velmora::universe
