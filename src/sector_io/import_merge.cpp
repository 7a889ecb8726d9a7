#include "sector_io/import_merge.h"

#include <algorithm>
#include <map>

namespace velmora::sector_io {

void assignImportFactions(ImportedWorld& world, ImportFactionResolver& resolver,
                          bool withRaceFaction) {
    const auto allegianceID = resolver.resolveFaction(world.allegiance, world.coordinates);
    core::StarSystem& system = world.hexData.starSystem;
    if (system.stars.empty() || system.stars.front().worlds.empty())
        return;
    core::WorldData* main = core::mainWorld(system);
    if (!main)
        return;
    std::vector<core::Uuid> ids;
    if (allegianceID)
        ids.push_back(*allegianceID);
    if (withRaceFaction && main->prevalentRace.kind() != core::Race::Kind::human)
        ids.push_back(resolver.raceFaction(main->prevalentRace, world.coordinates));
    if (!ids.empty())
        main->factionIDs = std::move(ids);
}

void noteCustomRaces(const core::HexData& hex, std::vector<std::string>& customRaces) {
    for (const core::Star& star : hex.starSystem.stars) {
        for (const core::WorldData& world : star.worlds) {
            if (world.prevalentRace.isCustom() &&
                std::find(customRaces.begin(), customRaces.end(),
                          world.prevalentRace.customName()) == customRaces.end())
                customRaces.push_back(world.prevalentRace.customName());
        }
    }
}

WorldMergeCounts mergeImportedWorlds(std::vector<core::HexData>& hexes,
                                     std::vector<ImportedWorld> worlds, bool overwrite,
                                     std::vector<std::string>& customRaces) {
    std::map<core::GalacticCoordinates, std::size_t> hexIndex;
    for (std::size_t i = 0; i < hexes.size(); ++i)
        hexIndex.try_emplace(hexes[i].coordinates, i);
    WorldMergeCounts counts;
    for (ImportedWorld& world : worlds) {
        const auto existing = hexIndex.find(world.coordinates);
        if (existing != hexIndex.end() && !overwrite) {
            ++counts.skipped;
            continue;
        }
        noteCustomRaces(world.hexData, customRaces);
        if (existing != hexIndex.end()) {
            hexes[existing->second] = std::move(world.hexData);
        } else {
            hexIndex.emplace(world.coordinates, hexes.size());
            hexes.push_back(std::move(world.hexData));
        }
        ++counts.imported;
    }
    return counts;
}

} // namespace velmora::sector_io
