#include "core/trade_classification.h"
#include "generator/forced_dice.h"
#include "generator/system_filler.h"
#include "support/scripted_random.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace velmora;
using namespace velmora::generator;
using core::Orbits;
using core::PlanetOrbits;
using core::TechnologyLevel;
using core::WorldType;
using velmora::testing::ForcedDice;
using velmora::testing::ScriptedDice;

namespace {

core::Star sunlike() {
    core::Star star;
    star.name = "A";
    star.spectralType = core::SpectralType::G;
    star.temperature = 2;
    star.luminosity = core::LuminosityClass::V; // habitable zone at orbit 3
    star.mass = 1.0;
    return star;
}

core::WorldData mainWorld(WorldType type, Orbits orbit, int size, int population = 8) {
    core::WorldData world;
    world.mainWorld = true;
    world.type = type;
    world.sunOrbit = orbit;
    world.uwp.size = size;
    world.uwp.population = population;
    if (core::isSatellite(type))
        world.satelliteOrbit = PlanetOrbits::planetOrbitD;
    return world;
}

OrbitSet orbitsTaken(std::initializer_list<int> orbits) {
    OrbitSet set;
    for (int orbit : orbits)
        set.set(static_cast<std::size_t>(orbit));
    return set;
}

} // namespace

TEST(NearestFreeOrbit, InwardsFirstThenOutwards) {
    struct Case {
        int desired;
        OrbitSet used;
        std::optional<int> orbit;
    };
    const Case cases[] = {
        {5, {}, 5},
        {5, orbitsTaken({5}), 4},
        {5, orbitsTaken({4, 5}), 6},
        {5, orbitsTaken({3, 4, 5, 6}), 7},
        {5, orbitsTaken({4, 5, 6, 7}), 3},
        {0, orbitsTaken({0}), 1},
        {-3, {}, 0},
        {17, {}, 12},
        {15, orbitsTaken({12, 11}), 10},
        {6, orbitsTaken({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), std::nullopt},
        {6, orbitsTaken({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nearestFreeOrbit(c.desired, c.used, 12), c.orbit)
            << c.desired << " " << c.used.to_string();
}

TEST(OrbitGeometry, ZonesDistancesAndYears) {
    EXPECT_EQ(zoneOf(1, 3), Zone::inner);
    EXPECT_EQ(zoneOf(2, 3), Zone::habitable);
    EXPECT_EQ(zoneOf(4, 3), Zone::habitable);
    EXPECT_EQ(zoneOf(5, 3), Zone::outer);
    EXPECT_EQ(zoneOf(0, 0), Zone::habitable);
    EXPECT_DOUBLE_EQ(orbitDistanceAU(0), 0.2);
    EXPECT_DOUBLE_EQ(orbitDistanceAU(20), 78643.6);
    struct Case {
        int orbit;
        double mass;
        int hours;
    };
    const Case cases[] = {
        {0, 1.0, 784}, {3, 1.0, 8766}, {5, 0.5, 58084}, {12, 2.0, 33439977}, {4, 0.0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(yearLengthHours(c.orbit, c.mass), c.hours) << c.orbit;
}

TEST(FillSystem, TwoGiantsWishingForOneOrbitEndUpSideBySide) {
    ScriptedDice dice{1, 1, // first giant: size 21, a small giant
                      3, 4, // 7 on its table: hzOrbit + 3 = orbit 6
                      3, 3, // density
                      1,    // no moons
                      1, 1, // second giant: size 21, the second of its kind: an ice giant
                      2, 2, // 4 on its table: hzOrbit + 3 = 6 again
                      3, 3, // density
                      1};   // no moons
    for (int i = 0; i < 3; ++i) {
        for (int face : {3, 3, 3, 3}) // every body's day: 6 + 0 + 16 hours
            dice.pushFace(face);
    }
    const auto stars =
        fillSystem({sunlike()}, mainWorld(WorldType::asteroidBelt, Orbits::starOrbit10, 0), 2, 0, 0,
                   7, false, TechnologyLevel::ttl10, dice);
    EXPECT_TRUE(dice.exhausted());
    ASSERT_EQ(stars.size(), 1u);
    const auto& worlds = stars[0].worlds;
    ASSERT_EQ(worlds.size(), 3u);
    EXPECT_TRUE(worlds[0].mainWorld);
    EXPECT_EQ(worlds[1].type, WorldType::smallGasGiant);
    EXPECT_EQ(worlds[1].sunOrbit, Orbits::starOrbit6);
    EXPECT_EQ(worlds[1].hzOffset, 3);
    EXPECT_EQ(worlds[2].type, WorldType::iceGiant);
    EXPECT_EQ(worlds[2].sunOrbit, Orbits::starOrbit5) << "the inner neighbour was free";
    EXPECT_EQ(worlds[2].hzOffset, 2);
    EXPECT_EQ(worlds[2].uwp.size, 21);
    for (const auto& world : worlds) {
        EXPECT_EQ(world.dayLength, 22);
        EXPECT_FALSE(world.tideLocked);
    }
    EXPECT_EQ(worlds[0].yearLength, 5946034);
    EXPECT_EQ(worlds[1].uwp.techLevel, TechnologyLevel::ttl0)
        << "giants are uninhabited on the system's scale";
}

TEST(FillSystem, OrbitsBeyondTwelveStayEmptyAndSurplusBodiesAreDropped) {
    auto& random = core::systemRandomSource();
    for (int run = 0; run < 200; ++run) {
        const auto stars =
            fillSystem({sunlike()}, mainWorld(WorldType::planet, Orbits::starOrbit3, 6), 4, 4, 12,
                       7, true, TechnologyLevel::ttl14, random);
        std::set<int> orbits;
        for (const auto& world : stars[0].worlds) {
            if (core::isSatelliteOrbit(world.satelliteOrbit))
                continue;
            const int orbit = core::rawValue(world.sunOrbit);
            EXPECT_LE(orbit, 12);
            EXPECT_TRUE(orbits.insert(orbit).second) << "two bodies in orbit " << orbit;
        }
        // 21 bodies wanted a place around one star: 0-12 are full, the rest were dropped.
        ASSERT_EQ(orbits.size(), 13u);
    }
}

TEST(FillSystem, NoOtherWorldOutgrowsTheMainWorld) {
    auto& random = core::systemRandomSource();
    std::set<int> populations;
    for (int run = 0; run < 300; ++run) {
        const auto stars =
            fillSystem({sunlike()}, mainWorld(WorldType::planet, Orbits::starOrbit3, 7, 2), 3, 3, 8,
                       1, true, TechnologyLevel::ttl12, random);
        for (const auto& world : stars[0].worlds) {
            if (world.mainWorld)
                continue;
            populations.insert(world.uwp.population);
            EXPECT_LE(world.uwp.population, 1) << world.uwp.population;
            if (world.uwp.population == 0) {
                EXPECT_EQ(world.uwp.starport, core::Starport::typeY);
                EXPECT_EQ(world.uwp.techLevel, TechnologyLevel::ttl0);
                EXPECT_EQ(world.uwp.populationMultiplier, 0);
            }
        }
    }
    EXPECT_EQ(populations, (std::set<int>{0, 1}));
}

TEST(FillSystem, TheBodyAMainWorldCircles) {
    struct Case {
        WorldType mainType;
        std::initializer_list<int> faces;
        WorldType parentType;
        int parentSize;
    };
    const Case cases[] = {
        {WorldType::closeSatelliteGG, {6, 6}, WorldType::largeGasGiant, 31},
        {WorldType::farSatelliteGG, {4, 5}, WorldType::largeGasGiant, 28},
        {WorldType::farSatelliteGG, {4, 4}, WorldType::smallGasGiant, 27},
        {WorldType::closeSatelliteP, {1, 1}, WorldType::planetoidBelt, 0},
        {WorldType::closeSatelliteP, {2, 3}, WorldType::worldlet, 3},
        {WorldType::farSatelliteP, {3, 3}, WorldType::planet, 4},
        {WorldType::farSatelliteP, {6, 6, 2}, WorldType::bigWorld, 11},
    };
    for (const Case& c : cases) {
        ForcedDice dice(c.faces);
        const auto stars = fillSystem({sunlike()}, mainWorld(c.mainType, Orbits::starOrbit4, 5), 0,
                                      0, 0, 7, false, TechnologyLevel::ttl11, dice);
        const auto& worlds = stars[0].worlds;
        ASSERT_EQ(worlds.size(), 2u);
        EXPECT_EQ(worlds[0].type, c.parentType);
        EXPECT_EQ(worlds[0].uwp.size, c.parentSize);
        EXPECT_EQ(worlds[0].sunOrbit, Orbits::starOrbit4);
        EXPECT_EQ(worlds[0].satelliteOrbit, PlanetOrbits::planetOrbit0);
        EXPECT_EQ(worlds[0].hzOffset, 1);
        EXPECT_FALSE(worlds[0].mainWorld);
        EXPECT_EQ(worlds[0].tradeClasses,
                  core::deriveTradeClasses(worlds[0].uwp, core::worldClimate(worlds[0]),
                                           worlds[0].tideLocked));
        EXPECT_TRUE(worlds[1].mainWorld);
        EXPECT_EQ(worlds[1].type, c.mainType);
    }
}

TEST(RollSatellites, CountLettersAndTypes) {
    const SecondaryWorldRules rules{9, false, TechnologyLevel::ttl10};
    core::WorldData parent;
    parent.sunOrbit = Orbits::starOrbit3;
    parent.hzOffset = 0;
    parent.uwp.size = 5;

    // Habitable band: 1D6 - 4. The first moon takes G; the rest rolls 4s, so the
    // second wants far orbit T; a big world capped at size 4 becomes a planet.
    ForcedDice dice{6, 3, 3, 4, 4, 3};
    const auto moons = rollSatellites(parent, Zone::habitable, false, rules, dice);
    ASSERT_EQ(moons.size(), 2u);
    EXPECT_EQ(moons[0].satelliteOrbit, PlanetOrbits::planetOrbitG);
    EXPECT_EQ(moons[0].type, WorldType::planet);
    EXPECT_EQ(moons[0].uwp.size, 4);
    EXPECT_EQ(moons[1].satelliteOrbit, PlanetOrbits::planetOrbitT);
    EXPECT_EQ(moons[1].type, WorldType::stormWorld);
    for (const auto& moon : moons) {
        EXPECT_EQ(moon.sunOrbit, parent.sunOrbit);
        EXPECT_EQ(moon.hzOffset, parent.hzOffset);
        EXPECT_FALSE(moon.mainWorld);
        EXPECT_LE(moon.uwp.size, parent.uwp.size - 1);
    }

    // Outer zone, three moons: G, then far T twice; the taken T passes to O, the
    // first free letter of the far list. Moons are listed by letter.
    ForcedDice three{6, 3, 3, 4, 4, 1};
    core::WorldData bigParent = parent;
    bigParent.uwp.size = 9;
    const auto trio = rollSatellites(bigParent, Zone::outer, false, rules, three);
    ASSERT_EQ(trio.size(), 3u);
    EXPECT_EQ(trio[0].satelliteOrbit, PlanetOrbits::planetOrbitG);
    EXPECT_EQ(trio[0].type, WorldType::worldlet);
    EXPECT_EQ(trio[1].satelliteOrbit, PlanetOrbits::planetOrbitO);
    EXPECT_EQ(trio[2].satelliteOrbit, PlanetOrbits::planetOrbitT);

    // A moon that cannot be bigger than 0 is rubble.
    core::WorldData tiny = parent;
    tiny.uwp.size = 1;
    ForcedDice one{4};
    const auto rubble = rollSatellites(tiny, Zone::outer, false, rules, one);
    ASSERT_EQ(rubble.size(), 1u);
    EXPECT_EQ(rubble[0].type, WorldType::planetoidBelt);
    EXPECT_EQ(rubble[0].uwp.atmosphere, 0);
    EXPECT_EQ(rubble[0].uwp.hydrographics, 0);

    // Counts: a giant rolls 1D6 - 1, the inner band 1D6 - 5; nothing circles a size-0 body.
    ScriptedDice none{1};
    EXPECT_TRUE(rollSatellites(parent, Zone::outer, true, rules, none).empty());
    ScriptedDice inner{5};
    EXPECT_TRUE(rollSatellites(parent, Zone::inner, false, rules, inner).empty());
    ScriptedDice nothing;
    core::WorldData belt = parent;
    belt.uwp.size = 0;
    EXPECT_TRUE(rollSatellites(belt, Zone::outer, true, rules, nothing).empty());
}

TEST(SecondaryWorlds, TypesShapeTheirProfiles) {
    const SecondaryWorldRules rules{9, false, TechnologyLevel::tl4};
    struct Case {
        WorldType type;
        std::function<void(const core::UWP&)> check;
    };
    const Case cases[] = {
        {WorldType::inferno,
         [](const core::UWP& uwp) {
             EXPECT_EQ(uwp.size, 10); // 1D6 + 6
             EXPECT_EQ(uwp.atmosphere, 11);
             EXPECT_EQ(uwp.hydrographics, 0);
             EXPECT_EQ(uwp.population, 0);
             EXPECT_EQ(uwp.techLevel, TechnologyLevel::tl0);
             EXPECT_EQ(uwp.starport, core::Starport::typeY);
         }},
        {WorldType::radWorld, [](const core::UWP& uwp) { EXPECT_EQ(uwp.population, 0); }},
        {WorldType::stormWorld,
         [](const core::UWP& uwp) {
             EXPECT_EQ(uwp.size, 6);
             EXPECT_EQ(uwp.atmosphere, 10);   // 4 + Flux 0 + size 6
             EXPECT_EQ(uwp.hydrographics, 2); // 0 + 10 - 4, then 4 less
             EXPECT_EQ(uwp.population, 2);    // 8 - 2, then 4 less
         }},
        {WorldType::iceworld, [](const core::UWP& uwp) { EXPECT_EQ(uwp.population, 0); }},
        {WorldType::planet,
         [](const core::UWP& uwp) { EXPECT_EQ(core::uwpCode(uwp), "H666666-4 \u2014"); }},
        {WorldType::bigWorld, [](const core::UWP& uwp) { EXPECT_EQ(uwp.size, 13); }},
        {WorldType::worldlet, [](const core::UWP& uwp) { EXPECT_EQ(uwp.size, 2); }},
        {WorldType::planetoidBelt,
         [](const core::UWP& uwp) {
             EXPECT_EQ(uwp.size, 0);
             EXPECT_EQ(uwp.population, 5); // 8 - 2, 1 less for no liquid
         }},
    };
    for (const Case& c : cases) {
        ForcedDice dice; // 4s throughout
        SCOPED_TRACE(std::string(core::rawValue(c.type)));
        const auto world = rollSecondaryWorld(c.type, Orbits::starOrbit5, 2, rules, dice);
        EXPECT_EQ(world.type, c.type);
        c.check(world.uwp);
        EXPECT_EQ(world.tradeClasses,
                  core::deriveTradeClasses(world.uwp, core::worldClimate(world), false));
    }
}

TEST(GasGiants, BuilderAndDiameters) {
    ScriptedDice dice{6, 1};
    const auto giant = buildGasGiant(29, WorldType::largeGasGiant, Orbits::starOrbit7, 4,
                                     TechnologyLevel::tl6, dice);
    EXPECT_EQ(giant.uwp.size, 29);
    EXPECT_NEAR(giant.uwp.density, 0.3, 1e-12);
    EXPECT_EQ(core::uwpCode(giant.uwp), "YVF0000-0 \u2014");
    EXPECT_EQ(giant.sunOrbit, Orbits::starOrbit7);
    EXPECT_EQ(giant.hzOffset, 4);
    EXPECT_FALSE(giant.mainWorld);
    EXPECT_EQ(gasGiantDiameterMiles(21), 20000);
    EXPECT_EQ(gasGiantDiameterMiles(31), 100000);
    EXPECT_EQ(gasGiantDiameterText(28), "\u2248 70,000 mi (112,654 km)");
}

// A main world close in to a red dwarf locks to it when the system is filled: it
// gains Lk, keeps its profile and keeps the classes no profile derives (an imported
// world's Cp, Fa and Sa), whatever the dice give the other bodies.
TEST(FillSystem, ALockedMainWorldKeepsItsProfileAndTheClassesNeverDerived) {
    for (int run = 0; run < 40; ++run) {
        core::StarSystem system;
        core::Star dwarf;
        dwarf.spectralType = core::SpectralType::M;
        dwarf.temperature = 5;
        dwarf.luminosity = core::LuminosityClass::V;
        dwarf.mass = 0.3;
        core::WorldData world = mainWorld(WorldType::planet, Orbits::starOrbit0, 6, 7);
        world.uwp.atmosphere = 6;
        world.uwp.hydrographics = 6;
        world.uwp.techLevel = TechnologyLevel::ttl12;
        world.tradeClasses = {core::TradeClass::agricultural, core::TradeClass::farming,
                              core::TradeClass::capital, core::TradeClass::satellite};
        dwarf.worlds.push_back(world);
        system.stars.push_back(dwarf);
        system.gasGiant = 1;

        fillAroundMainWorld(system, 3, core::systemRandomSource());
        const core::WorldData* main = core::mainWorld(system);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(main->uwp, world.uwp);
        EXPECT_TRUE(main->tideLocked);
        const auto has = [&](core::TradeClass c) {
            return std::find(main->tradeClasses.begin(), main->tradeClasses.end(), c) !=
                   main->tradeClasses.end();
        };
        for (core::TradeClass kept :
             {core::TradeClass::farming, core::TradeClass::capital, core::TradeClass::satellite})
            EXPECT_TRUE(has(kept)) << core::code(kept);
        EXPECT_TRUE(has(core::TradeClass::locked));
    }
}
