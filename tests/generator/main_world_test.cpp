#include "generator/forced_dice.h"
#include "generator/star_generation.h"
#include "generator/system_generator.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::generator;
using core::LuminosityClass;
using core::SpectralType;
using core::TechnologyLevel;
using core::WorldType;
using velmora::testing::ForcedDice;
using velmora::testing::ScriptedDice;

namespace {

core::Star star(SpectralType type, LuminosityClass luminosity) {
    core::Star star;
    star.spectralType = type;
    star.temperature = 2;
    star.luminosity = luminosity;
    return star;
}

} // namespace

TEST(MainWorld, EveryRollInOrderForASizeZeroWorld) {
    ScriptedDice dice{4, 4,  // habitable-zone variance 0
                      4, 4,  // a planet
                      1, 1,  // no gas giants
                      1,     // no belts
                      6, 6,  // starport X: no base rolls
                      1, 1,  // size 0: no atmosphere or hydrographics rolls
                      3, 3}; // population 6
    dice.pushBelow(4, 9);    // multiplier 5
    for (int face : {4, 4,   // government 6
                     4, 4,   // law level 6
                     1,      // tech level 1 - 4 + 2 + 1 = 0
                     4, 4})  // density
        dice.pushFace(face);

    const MainWorldRoll roll = rollMainWorld(star(SpectralType::G, LuminosityClass::V),
                                             TechnologyLevel::ttl15, true, dice);
    EXPECT_TRUE(dice.exhausted());
    const core::WorldData& world = roll.world;
    EXPECT_TRUE(world.mainWorld);
    EXPECT_EQ(world.type, WorldType::asteroidBelt);
    EXPECT_EQ(world.sunOrbit, core::Orbits::starOrbit3);
    EXPECT_EQ(world.satelliteOrbit, core::PlanetOrbits::planetOrbit0);
    EXPECT_EQ(world.hzOffset, 0);
    EXPECT_EQ(roll.gasGiants, 0);
    EXPECT_EQ(roll.planetoidBelts, 0);
    EXPECT_EQ(core::uwpCode(world.uwp), "X000666-0 \u2014");
    EXPECT_EQ(world.uwp.populationMultiplier, 5);
    EXPECT_EQ(world.uwp.techLevel, TechnologyLevel::ttl0);
    EXPECT_DOUBLE_EQ(world.uwp.density, 0.95);
    EXPECT_EQ(world.dayLength, 0);
    EXPECT_EQ(world.yearLength, 0);
    EXPECT_FALSE(world.tideLocked);
    EXPECT_EQ(world.prevalentRace, core::Race(core::Race::Kind::human));
    using core::TradeClass;
    EXPECT_EQ(world.tradeClasses,
              (std::vector{TradeClass::asteroid, TradeClass::vacuum, TradeClass::nonIndustrial,
                           TradeClass::nonAgricultural, TradeClass::lowTechnology}));
}

TEST(MainWorld, PlanetOrMoon) {
    using core::PlanetOrbits;
    struct Case {
        std::initializer_list<int> faces; // after the variance
        WorldType type;
        PlanetOrbits orbit;
    };
    const Case cases[] = {
        {{1, 5, 1, 1, 1, 6}, WorldType::farSatelliteGG, PlanetOrbits::planetOrbitO},
        {{1, 6, 1, 2, 6, 1}, WorldType::farSatelliteGG, PlanetOrbits::planetOrbitY},
        {{1, 5, 2, 1, 3, 3}, WorldType::farSatelliteP, PlanetOrbits::planetOrbitT},
        {{1, 4, 1, 1, 1, 6}, WorldType::closeSatelliteGG, PlanetOrbits::planetOrbitB},
        {{1, 4, 2, 1, 6, 1}, WorldType::closeSatelliteP, PlanetOrbits::planetOrbitL},
        {{1, 3}, WorldType::planet, PlanetOrbits::planetOrbit0},
        {{6, 1}, WorldType::planet, PlanetOrbits::planetOrbit0},
    };
    for (const Case& c : cases) {
        ForcedDice dice{4, 4};
        for (int face : c.faces)
            dice.pushFace(face);
        // The rest rolls 4s: size 6, never an asteroid.
        const auto world = rollMainWorld(star(SpectralType::G, LuminosityClass::V),
                                         TechnologyLevel::ttl12, false, dice)
                               .world;
        EXPECT_EQ(world.type, c.type);
        EXPECT_EQ(world.satelliteOrbit, c.orbit);
        EXPECT_EQ(world.sunOrbit, core::Orbits::starOrbit3)
            << "a moon keeps the orbit of its parent";
        EXPECT_EQ(world.uwp.techLevel, TechnologyLevel::ttl12)
            << "a level that is not rolled is used as it is";
    }
}

TEST(MainWorld, OrbitAroundTheHabitableZone) {
    struct Case {
        SpectralType type;
        LuminosityClass luminosity;
        std::pair<int, int> flux;
        core::Orbits orbit;
        int hzOffset;
    };
    const Case cases[] = {
        // Flux + 7 never reaches the -2 at index 0 unless a hot star lowers it.
        {SpectralType::G, LuminosityClass::V, {1, 6}, core::Orbits::starOrbit2, -1},
        {SpectralType::G, LuminosityClass::V, {6, 1}, core::Orbits::starOrbit5, 2},
        {SpectralType::G, LuminosityClass::V, {2, 5}, core::Orbits::starOrbit3, 0},
        {SpectralType::G, LuminosityClass::V, {5, 3}, core::Orbits::starOrbit4, 1},
        // Red dwarfs pull outwards: hzOrbit 0 and never below it.
        {SpectralType::M, LuminosityClass::V, {1, 6}, core::Orbits::starOrbit0, 0},
        {SpectralType::M, LuminosityClass::V, {4, 4}, core::Orbits::starOrbit1, 1},
        {SpectralType::M, LuminosityClass::V, {6, 3}, core::Orbits::starOrbit2, 2},
        // Hot stars push inwards; an inner limit of 0 holds even at -2.
        {SpectralType::O, LuminosityClass::VI, {1, 6}, core::Orbits::starOrbit0, -2},
        {SpectralType::B, LuminosityClass::V, {6, 1}, core::Orbits::starOrbit10, 1},
        {SpectralType::O, LuminosityClass::Ia, {6, 1}, core::Orbits::starOrbit16, 1},
    };
    for (const Case& c : cases) {
        ForcedDice dice{c.flux.first, c.flux.second, 4, 4};
        const auto world =
            rollMainWorld(star(c.type, c.luminosity), TechnologyLevel::ttl12, false, dice).world;
        EXPECT_EQ(world.sunOrbit, c.orbit)
            << core::rawValue(c.type) << core::rawValue(c.luminosity);
        EXPECT_EQ(world.hzOffset, c.hzOffset)
            << core::rawValue(c.type) << core::rawValue(c.luminosity);
    }
}

TEST(MainWorld, CrowdedWorldsStillGetAMultiplier) {
    ForcedDice dice{4, 4, 4, 4, 4, 4, 4, // variance, planet, giants, belts
                    4, 4, 4, 4,          // starport C and its scout roll
                    4, 4, 4, 4, 4, 4,    // size 6, atmosphere 6, hydrographics 6
                    6, 6};               // population 12: 11 + 1D4
    dice.pushBelow(3, 4);
    dice.pushBelow(0, 9);
    const auto roll = rollMainWorld(star(SpectralType::G, LuminosityClass::V),
                                    TechnologyLevel::ttl12, false, dice);
    EXPECT_EQ(roll.world.uwp.population, 15);
    EXPECT_EQ(roll.world.uwp.populationMultiplier, 1);
    EXPECT_EQ(roll.gasGiants, 2);
    EXPECT_EQ(roll.planetoidBelts, 1);
    EXPECT_EQ(roll.world.uwp.starport, core::Starport::typeC);
}
