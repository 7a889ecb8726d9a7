#include "starmap/map_filter.h"

#include "core/star_system.h"
#include "universe/system_disclosure.h"

#include <algorithm>

namespace velmora::starmap {

std::string awarenessLabel(AwarenessGroup group, bool travellerUniverse) {
    switch (group) {
    case AwarenessGroup::starfarers:
        return travellerUniverse ? "Imperium" : "Starfarers";
    case AwarenessGroup::sathar:
        return travellerUniverse ? "Zhodani" : "Sathar";
    case AwarenessGroup::other:
        return "Other";
    }
    return {};
}

namespace {

bool worldHasFaction(const core::WorldData& world, const std::set<core::Uuid>& factions) {
    for (const core::Uuid& id : world.factionIDs) {
        if (factions.count(id))
            return true;
    }
    return std::any_of(
        world.satellites.begin(), world.satellites.end(),
        [&](const core::WorldData& moon) { return worldHasFaction(moon, factions); });
}

bool passesFactionFilter(const core::HexData& hex, const universe::UniverseRecord& universe) {
    const auto& selected = universe.selectedFactionIDs;
    if (selected.empty())
        return true;
    // A filter on what the players may not know would give it away by what it keeps.
    if (!universe::systemDisclosure(universe, hex.starSystem).factions)
        return false;
    for (const universe::Faction& faction : universe.factions) {
        if (selected.count(faction.id) && faction.homeworld == hex.coordinates)
            return true;
    }
    for (const core::Star& star : hex.starSystem.stars) {
        for (const core::WorldData& world : star.worlds) {
            if (worldHasFaction(world, selected))
                return true;
        }
    }
    return false;
}

bool passesTradeFilter(const core::HexData& hex, const universe::UniverseRecord& universe) {
    const auto& chosen = universe.mapFilterTradeClasses;
    if (chosen.empty())
        return true;
    if (!universe::systemDisclosure(universe, hex.starSystem).profile)
        return false;
    const core::WorldData* main = core::mainWorld(hex.starSystem);
    if (!main)
        return false;
    return std::any_of(main->tradeClasses.begin(), main->tradeClasses.end(),
                       [&](core::TradeClass tradeClass) { return chosen.count(tradeClass) > 0; });
}

} // namespace

bool isShownOnMap(const core::HexData& hex, const universe::UniverseRecord& universe) {
    const core::StarSystem& system = hex.starSystem;
    if (universe.mapViewMode == universe::MapViewMode::player && !system.starfarers)
        return false;
    const bool allGroups =
        universe.mapShowStarfarers && universe.mapShowSathar && universe.mapShowOther;
    if (!allGroups &&
        !((universe.mapShowStarfarers && system.starfarers) ||
          (universe.mapShowSathar && system.sathar) || (universe.mapShowOther && system.other)))
        return false;
    return passesFactionFilter(hex, universe) && passesTradeFilter(hex, universe);
}

std::vector<const core::HexData*> systemsShown(const universe::UniverseRecord& universe) {
    std::vector<const core::HexData*> shown;
    for (const core::HexData& hex : universe.data) {
        if (isShownOnMap(hex, universe))
            shown.push_back(&hex);
    }
    return shown;
}

std::optional<EmptyMapState> emptyMapState(const universe::UniverseRecord& universe,
                                           bool travellerUniverse) {
    if (universe.data.empty())
        return EmptyMapState{"No Systems Saved",
                             "Generate a system and tap Save to see it on the map."};
    if (universe.mapViewMode == universe::MapViewMode::player &&
        std::none_of(universe.data.begin(), universe.data.end(),
                     [](const core::HexData& hex) { return hex.starSystem.starfarers; })) {
        return EmptyMapState{"No Systems in Player View",
                             "No systems have " +
                                 awarenessLabel(AwarenessGroup::starfarers, travellerUniverse) +
                                 " awareness. Switch to Referee view to see all systems."};
    }
    return std::nullopt;
}

} // namespace velmora::starmap
