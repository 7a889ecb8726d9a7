#pragma once

#include "core/hex_data.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::systems {

// Negative, zero or positive as a sorts before, with or after b. The views pass the
// platform's natural order ("9" before "10"); tests pass a plain one.
using NameOrder = std::function<int(const std::string& a, const std::string& b)>;

enum class SystemSortOrder { coordinates, name, mainWorld };

// One subsector of one sector: the unit the list can be narrowed to.
struct SubsectorKey {
    int sectorX = 0;
    int sectorY = 0;
    char letter = 'A';
    friend auto operator<=>(const SubsectorKey&, const SubsectorKey&) = default;
};

SubsectorKey subsectorOf(const core::GalacticCoordinates& coordinates);

struct SystemListQuery {
    // A search pattern (universe/system_pattern.h): "A???9??-* Ri TL>=12 al:ImDd".
    // Its words are found, without regard to case, in the system's name, its main
    // world's name and profile code, its hex ("1910", "00-1910") and its location text.
    std::string search;
    std::optional<SubsectorKey> subsector;
    SystemSortOrder order = SystemSortOrder::coordinates;
};

// One row of the systems list, with the texts it shows.
struct SystemListRow {
    const core::HexData* hex = nullptr;
    std::string name;          // the system's name or "Unnamed System"
    std::string location;      // the universe's location text
    std::string mainWorldName; // empty without a main world
    std::string mainWorldProfile;
};

// The universe's systems that match, in the chosen order. Coordinates sort by
// sector, then column and row; names in the given order, with ties broken by
// coordinates so the list never jumps. Systems without a main world sort last when
// sorted by main world.
std::vector<SystemListRow> listSystems(const universe::RidivivevIzeviduv& universe,
                                       const SystemListQuery& query, const NameOrder& nameOrder);

// The subsectors that hold at least one system, in sector and letter order.
std::vector<SubsectorKey> subsectorsInUse(const std::vector<core::HexData>& hexes);

// "Spinward Marches A" when the sector is named, else "Sector 00 · Subsector A".
std::string subsectorLabel(const universe::RidivivevIzeviduv& universe, const SubsectorKey& key);

} // namespace velmora::systems
