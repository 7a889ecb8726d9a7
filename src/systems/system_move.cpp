#include "systems/system_move.h"

#include <algorithm>

namespace velmora::systems {

RutterMove moveRutterEnds(std::vector<universe::Rutter>& rutters,
                          const core::GalacticCoordinates& from,
                          const core::GalacticCoordinates& to) {
    RutterMove result;
    if (from == to)
        return result;
    std::vector<universe::Rutter> kept;
    kept.reserve(rutters.size());
    for (universe::Rutter& rutter : rutters) {
        const bool starts = rutter.start == from;
        const bool ends = rutter.end == from;
        if (starts)
            rutter.start = to;
        if (ends)
            rutter.end = to;
        if ((starts || ends) && rutter.start == rutter.end) {
            // It ran between the two hexes: a route from a hex to itself goes nowhere.
            ++result.removed;
            continue;
        }
        if (starts || ends)
            ++result.moved;
        kept.push_back(std::move(rutter));
    }
    rutters = std::move(kept);
    return result;
}

std::size_t moveFactionLocations(std::vector<universe::Faction>& factions,
                                 const core::GalacticCoordinates& from,
                                 const core::GalacticCoordinates& to) {
    if (from == to)
        return 0;
    std::size_t moved = 0;
    for (universe::Faction& faction : factions) {
        if (faction.homeworld == from) {
            faction.homeworld = to;
            ++moved;
        }
        for (universe::FactionAsset& asset : faction.assets) {
            if (asset.location == from) {
                asset.location = to;
                ++moved;
            }
        }
    }
    return moved;
}

std::size_t ruttersAt(const std::vector<universe::Rutter>& rutters,
                      const core::GalacticCoordinates& hex) {
    return static_cast<std::size_t>(
        std::count_if(rutters.begin(), rutters.end(),
                      [&](const universe::Rutter& r) { return r.start == hex || r.end == hex; }));
}

std::size_t removeRuttersAt(std::vector<universe::Rutter>& rutters,
                            const core::GalacticCoordinates& hex) {
    return static_cast<std::size_t>(std::erase_if(
        rutters, [&](const universe::Rutter& r) { return r.start == hex || r.end == hex; }));
}

void followMovedSystem(universe::UniverseEdit& edit, const core::GalacticCoordinates& from,
                       const core::GalacticCoordinates& to) {
    if (from == to)
        return;
    moveRutterEnds(edit.rutters(), from, to);
    moveFactionLocations(edit.factions(), from, to);
}

} // namespace velmora::systems
