#include "generator/system_generator.h"

#include "core/dice.h"
#include "core/trade_classification.h"
#include "generator/secure_random_pool.h"
#include "generator/star_generation.h"
#include "generator/star_tables.h"
#include "generator/system_filler.h"
#include "generator/world_rolls.h"

#include <algorithm>
#include <array>

namespace velmora::generator {

using core::PlanetOrbits;
using core::SpectralType;
using core::WorldType;

namespace {

constexpr std::array<int, 13> habitableZoneVariance{-2, -1, -1, -1, 0, 0, 0, 0, 0, 1, 1, 1, 2};

constexpr std::array<PlanetOrbits, 11> farMainWorldOrbits{
    PlanetOrbits::planetOrbitO, PlanetOrbits::planetOrbitP, PlanetOrbits::planetOrbitQ,
    PlanetOrbits::planetOrbitR, PlanetOrbits::planetOrbitS, PlanetOrbits::planetOrbitT,
    PlanetOrbits::planetOrbitU, PlanetOrbits::planetOrbitV, PlanetOrbits::planetOrbitW,
    PlanetOrbits::planetOrbitX, PlanetOrbits::planetOrbitY};
constexpr std::array<PlanetOrbits, 11> closeMainWorldOrbits{
    PlanetOrbits::planetOrbitB, PlanetOrbits::planetOrbitC, PlanetOrbits::planetOrbitD,
    PlanetOrbits::planetOrbitE, PlanetOrbits::planetOrbitF, PlanetOrbits::planetOrbitG,
    PlanetOrbits::planetOrbitH, PlanetOrbits::planetOrbitI, PlanetOrbits::planetOrbitJ,
    PlanetOrbits::planetOrbitK, PlanetOrbits::planetOrbitL};

// Red dwarfs pull the main world outwards, hot giants push it inwards.
int rollHabitableZoneVariance(SpectralType primaryType, core::RandomSource& random) {
    int roll = flux(random) + 7;
    if (primaryType == SpectralType::M)
        roll = std::min(roll + 2, 12);
    else if (primaryType == SpectralType::O || primaryType == SpectralType::B)
        roll = std::max(roll - 2, 0);
    return habitableZoneVariance[static_cast<std::size_t>(roll)];
}

} // namespace

MainWorldRoll rollMainWorld(const core::Star& primary, core::TechnologyLevel techLevel,
                            bool rollTechLevel, core::RandomSource& random) {
    MainWorldRoll result;
    core::WorldData& world = result.world;
    world.id = core::Uuid::generate();
    world.mainWorld = true;

    const int variance = rollHabitableZoneVariance(primary.spectralType, random);
    const int orbit =
        std::clamp(hzOrbit(primary.spectralType, primary.luminosity) + variance, 0, 20);
    world.sunOrbit = static_cast<core::Orbits>(orbit);
    world.hzOffset = variance;

    const int placement = flux(random);
    if (placement <= -3) {
        const bool aroundGiant = flux(random) < 1;
        const bool far = placement <= -4;
        if (far)
            world.type = aroundGiant ? WorldType::farSatelliteGG : WorldType::farSatelliteP;
        else
            world.type = aroundGiant ? WorldType::closeSatelliteGG : WorldType::closeSatelliteP;
        const auto& letters = far ? farMainWorldOrbits : closeMainWorldOrbits;
        world.satelliteOrbit = letters[static_cast<std::size_t>(flux(random) + 5)];
    } else {
        world.type = WorldType::planet;
        world.satelliteOrbit = PlanetOrbits::planetOrbit0;
    }

    result.gasGiants = std::max(roll2D6(random) / 2 - 2, 0);
    result.planetoidBelts = std::max(core::Dice::d6(random) - 3, 0);

    core::UWP& uwp = world.uwp;
    uwp.starport = rollStarport(random);
    uwp.bases = rollBases(uwp.starport, random);
    uwp.size = rollSize(random);
    uwp.atmosphere = rollAtmosphere(uwp.size, random);
    uwp.hydrographics = rollHydrographics(uwp.size, uwp.atmosphere, random);
    uwp.population = rollMainWorldPopulation(random);
    uwp.populationMultiplier = uwp.population >= 1 ? rollD9(random) : 0;
    uwp.government = rollGovernment(uwp.population, random);
    uwp.lawLevel = rollLawLevel(uwp.government, random);
    uwp.techLevel = rollTechLevel ? generator::rollTechLevel(uwp, techLevel, random) : techLevel;
    uwp.density = rollDensity(world.type, random);

    if (world.type == WorldType::planet && uwp.size == 0)
        world.type = WorldType::asteroidBelt;
    world.tradeClasses = core::deriveTradeClasses(uwp, core::worldClimate(world), false);
    return result;
}

core::StarSystem generateSystem(std::optional<core::Star> primary, bool addCompanion,
                                core::TechnologyLevel techLevel, bool rollTechLevel,
                                core::RandomSource& random) {
    std::vector<core::Star> stars = generateStars(std::move(primary), addCompanion, random);
    MainWorldRoll main = rollMainWorld(stars.front(), techLevel, rollTechLevel, random);
    const int otherWorlds = roll2D6(random);
    const int populationLimit = main.world.uwp.population - 1;

    core::StarSystem system;
    system.id = core::Uuid::generate();
    system.stars =
        fillSystem(std::move(stars), std::move(main.world), main.gasGiants, main.planetoidBelts,
                   otherWorlds, populationLimit, rollTechLevel, techLevel, random);
    system.gasGiant = main.gasGiants;
    system.planetoidBelts = main.planetoidBelts;
    for (const core::Star& star : system.stars)
        system.totalNumberOfWorlds += static_cast<int>(star.worlds.size());
    system.starfarers = true;
    return system;
}

} // namespace velmora::generator
