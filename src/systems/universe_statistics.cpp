#include "systems/universe_statistics.h"

#include "core/hex_data.h"
#include "factions/faction_texts.h"
#include "systems/system_texts.h"
#include "universe/universe_record.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace velmora::systems {

double worldPopulation(const core::UWP& uwp) {
    if (uwp.population <= 0)
        return 0;
    const int multiplier = uwp.populationMultiplier == 0 ? 1 : uwp.populationMultiplier;
    return multiplier * std::pow(10.0, uwp.population);
}

namespace {

bool hasAny(const core::UWP& uwp, std::initializer_list<core::Base> bases) {
    return std::any_of(bases.begin(), bases.end(),
                       [&](core::Base base) { return uwp.bases.count(base) > 0; });
}

class Tally {
public:
    explicit Tally(const universe::UniverseRecord& universe) : m_universe(universe) {}

    void addSystem(const core::HexData& hex) {
        ++m_result.systems;
        bool inhabited = false;
        for (const core::Star& star : hex.starSystem.stars) {
            for (const core::WorldData& world : star.worlds)
                inhabited = addWorld(world, hex) || inhabited;
        }
        if (inhabited)
            ++m_result.inhabitedSystems;
    }

    UniverseStatistics finish() {
        for (std::size_t i = 0; i < m_tradeCounts.size(); ++i) {
            if (m_tradeCounts[i] > 0)
                m_result.tradeClasses.push_back(
                    {static_cast<core::TradeClass>(i), m_tradeCounts[i]});
        }
        for (const universe::Faction& faction : m_universe.factions) {
            const auto it = m_factions.find(faction.id);
            m_result.factions.push_back({faction.id, factions::factionDisplayName(faction),
                                         it == m_factions.end() ? Presence{} : it->second});
            if (it != m_factions.end())
                m_factions.erase(it);
        }
        for (const core::Uuid& id : m_unknownOrder) {
            if (const auto it = m_factions.find(id); it != m_factions.end())
                m_result.factions.push_back(
                    {id, factions::factionDisplayName(m_universe.factions, id), it->second});
        }
        for (const auto& [race, presence] : m_races)
            m_result.races.push_back({race, presence});
        std::stable_sort(m_result.races.begin(), m_result.races.end(),
                         [](const RacePresence& a, const RacePresence& b) {
                             if (a.presence.population != b.presence.population)
                                 return a.presence.population > b.presence.population;
                             return a.presence.worlds > b.presence.worlds;
                         });
        return std::move(m_result);
    }

private:
    // Returns whether anyone lives on the world or its nested moons.
    bool addWorld(const core::WorldData& world, const core::HexData& hex) {
        ++m_result.worlds;
        const double people = worldPopulation(world.uwp);
        const bool inhabited = people > 0;
        if (inhabited) {
            ++m_result.inhabitedWorlds;
            m_result.totalPopulation += people;
            Presence& race = m_races[world.prevalentRace];
            ++race.worlds;
            race.population += people;
        }
        for (const core::TradeClass tradeClass : world.tradeClasses)
            ++m_tradeCounts[static_cast<std::size_t>(tradeClass)];
        recordTechLevel(world, hex);
        if (hasAny(world.uwp,
                   {core::Base::imperialNavalBase, core::Base::navalBase, core::Base::navalDepot}))
            ++m_result.navalBases;
        if (hasAny(world.uwp, {core::Base::scoutBase, core::Base::wayStation}))
            ++m_result.scoutBases;
        std::vector<core::Uuid> counted;
        for (const core::Uuid& id : world.factionIDs) {
            // A faction named twice on one world is still one world.
            if (std::find(counted.begin(), counted.end(), id) != counted.end())
                continue;
            counted.push_back(id);
            if (!m_factions.count(id) && !isKnownFaction(id))
                m_unknownOrder.push_back(id);
            Presence& presence = m_factions[id];
            ++presence.worlds;
            presence.population += people;
        }
        bool anyone = inhabited;
        for (const core::WorldData& moon : world.satellites)
            anyone = addWorld(moon, hex) || anyone;
        return anyone;
    }

    void recordTechLevel(const core::WorldData& world, const core::HexData& hex) {
        // A world nobody lives on has no technology to speak of.
        if (world.uwp.population <= 0)
            return;
        const int number = core::techLevelNumber(world.uwp.techLevel);
        if (m_result.highestTechLevel &&
            number <= core::techLevelNumber(m_result.highestTechLevel->level))
            return;
        m_result.highestTechLevel = TechLevelRecord{world.uwp.techLevel, worldDisplayName(world),
                                                    systemDisplayName(hex.starSystem)};
    }

    bool isKnownFaction(const core::Uuid& id) const {
        return std::any_of(m_universe.factions.begin(), m_universe.factions.end(),
                           [&](const universe::Faction& f) { return f.id == id; });
    }

    const universe::UniverseRecord& m_universe;
    UniverseStatistics m_result;
    std::array<long long, core::tradeClassTable.size()> m_tradeCounts{};
    std::map<core::Uuid, Presence> m_factions;
    std::vector<core::Uuid> m_unknownOrder;
    std::map<core::Race, Presence> m_races;
};

} // namespace

UniverseStatistics computeStatistics(const universe::UniverseRecord& universe) {
    Tally tally(universe);
    for (const core::HexData& hex : universe.data)
        tally.addSystem(hex);
    return tally.finish();
}

} // namespace velmora::systems
