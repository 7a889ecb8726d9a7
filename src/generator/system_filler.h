#pragma once

#include "core/random_source.h"
#include "core/star.h"
#include "core/star_system.h"
#include "core/technology_level.h"
#include "core/world_data.h"

#include <bitset>
#include <optional>
#include <string>
#include <vector>

namespace velmora::generator {

// Where an orbit lies against its star's habitable zone h: inner up to h - 2,
// the habitable band h - 1...h + 1, outer from h + 2.
enum class Zone { inner, habitable, outer };
Zone zoneOf(int orbitNumber, int habitableZoneOrbit);
std::string_view zoneName(Zone zone);

// The orbit numbers 0-20 already taken around one star.
using OrbitSet = std::bitset<21>;

// The desired orbit clamped to 0...limit if free, else the nearest free one,
// looking inwards before outwards at each distance; nothing when 0...limit are all taken.
std::optional<int> nearestFreeOrbit(int desired, const OrbitSet& used, int limit);

// Astronomical units from the star of each orbit number 0-20.
double orbitDistanceAU(int orbitNumber);
// Hours in a year at that orbit around a star of that mass; 0 without a positive mass.
int yearLengthHours(int orbitNumber, double starMass);

// What every body but the main world is rolled with.
struct SecondaryWorldRules {
    int populationLimit = 0; // the main world's population - 1
    bool rollTechLevel = false;
    // The level given when not rolled, else the maximum; its scale is the system's.
    core::TechnologyLevel techLevel = core::TechnologyLevel::ttl12;
};

// A body of the given type with its profile rolled by the secondary-world rules.
// `maximumSize` caps the size before anything that depends on it is rolled.
core::WorldData rollSecondaryWorld(core::WorldType type, core::Orbits orbit, int hzOffset,
                                   const SecondaryWorldRules& rules, core::RandomSource& random,
                                   std::optional<int> maximumSize = std::nullopt);

// Gas giants are sized 21-31 on their own scale; the diameter in miles for each.
int gasGiantDiameterMiles(int size);
// "≈ 70,000 mi (112,654 km)".
std::string gasGiantDiameterText(int size);
// A giant of the given size and type in that orbit: an uninhabited profile with
// no spaceport, the unusual atmosphere of a gas envelope, and the density of its type.
core::WorldData buildGasGiant(int size, core::WorldType type, core::Orbits orbit, int hzOffset,
                              core::TechnologyLevel scale, core::RandomSource& random);

// The satellites of a body, each listed with the parent's orbit and hzOffset and a
// lettered satellite orbit, ready to be appended right after the parent.
std::vector<core::WorldData> rollSatellites(const core::WorldData& parent, Zone zone,
                                            bool isGasGiant, const SecondaryWorldRules& rules,
                                            core::RandomSource& random);

// Places the main world (and the body it circles), the gas giants, the planetoid
// belts and the other worlds around the stars, then sets every year and day.
// The main world's orbit is taken around the primary before anything else is placed.
std::vector<core::Star> fillSystem(std::vector<core::Star> stars, core::WorldData mainWorld,
                                   int gasGiants, int belts, int otherWorlds, int populationLimit,
                                   bool rollTechLevel, core::TechnologyLevel techLevel,
                                   core::RandomSource& random);

// Rolls every body of a system but its main world again around the system's own
// stars, with its gas-giant and belt counts and `otherWorlds` further worlds. No
// other world outgrows the main world's population − 1, and tech levels are
// rolled with the main world's level as their ceiling, so the main world stays
// the most advanced place in its system and keeps its profile and name; the new
// bodies are named after the system (or its main world). The system must have a
// star and a main world.
void fillAroundMainWorld(core::StarSystem& system, int otherWorlds, core::RandomSource& random);

} // namespace velmora::generator
