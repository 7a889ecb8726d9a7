#pragma once

#include "core/race.h"
#include "core/technology_level.h"
#include "core/trade_class.h"
#include "core/uuid.h"
#include "core/uwp.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::universe {
struct UniverseRecord;
}

namespace velmora::systems {

// The head count a profile stands for: multiplier × 10^population, a multiplier of
// 0 (not given) counting as 1. Population 0 means nobody lives there.
double worldPopulation(const core::UWP& uwp);

// How far a faction or a race has spread: on how many worlds, and how many people
// those worlds hold.
struct Presence {
    long long worlds = 0;
    double population = 0;
    friend bool operator==(const Presence&, const Presence&) = default;
};

struct FactionPresence {
    core::Uuid factionID;
    std::string name; // the faction's name, or "Unknown Faction" for an id no faction has
    Presence presence;
};

struct RacePresence {
    core::Race race;
    Presence presence;
};

struct TradeClassCount {
    core::TradeClass tradeClass;
    long long worlds = 0;
};

// The highest tech level of an inhabited world, and the first world that has it.
struct TechLevelRecord {
    core::TechnologyLevel level = core::TechnologyLevel::ttl0;
    std::string worldName;
    std::string systemName;
};

// Figures over every system, star and world of a universe, nested satellites
// included.
struct UniverseStatistics {
    long long systems = 0;
    long long inhabitedSystems = 0; // at least one world with people on it
    long long worlds = 0;
    long long inhabitedWorlds = 0;
    double totalPopulation = 0;
    // Each trade class carried by any world, in case order, with how many worlds carry it.
    std::vector<TradeClassCount> tradeClasses;
    std::optional<TechLevelRecord> highestTechLevel;
    // Worlds with a naval base (N, K) or depot (D); worlds with a scout base (S) or
    // way station (W).
    long long navalBases = 0;
    long long scoutBases = 0;
    // Every faction of the universe in its order, present or not, then ids worlds
    // name that no faction has.
    std::vector<FactionPresence> factions;
    // Races of the inhabited worlds only, so uninhabited rocks do not count as human;
    // the most populous first.
    std::vector<RacePresence> races;
};

UniverseStatistics computeStatistics(const universe::UniverseRecord& universe);

} // namespace velmora::systems
