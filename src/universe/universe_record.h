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

// Everything a universe file stores, as one value: its contents, and how the
// referee looks at its map (the base). The open document (RidivivevIzeviduv) adds
// the file, the saves, the undo history and the change notifications.
struct UniverseRecord : MapViewSettings {
    core::Uuid id = core::Uuid::generate();
    std::string name = "Untitled Universe";
    std::vector<core::HexData> data;
    std::vector<Faction> factions;
    std::vector<FactionList> factionLists;
    std::vector<Rutter> rutters;
    std::vector<Nebula> nebulae;
    std::vector<Region> regions;
    std::vector<StarmapLabel> starmapLabels;
    std::vector<SectorInfo> sectors;
    std::vector<std::string> customRaces;
    // Each generated market kept as its compact JSON text, so a load and save
    // hands it back unchanged until markets get their own records.
    std::vector<std::string> tradeMarkets;

    friend bool operator==(const UniverseRecord&, const UniverseRecord&) = default;
};

// The two keys read to list a universe without loading it.
struct UniverseHeader {
    core::Uuid id;
    std::string name;
    friend bool operator==(const UniverseHeader&, const UniverseHeader&) = default;
};

} // namespace velmora::universe
