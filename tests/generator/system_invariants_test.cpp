// Whole systems from the secure source: whatever the dice, a generated system holds
// together the way the rest of the program expects.

#include "core/trade_classification.h"
#include "generator/secure_random_pool.h"
#include "generator/star_generation.h"
#include "generator/star_tables.h"
#include "generator/system_generator.h"
#include "generator/system_naming.h"
#include "generator/system_text.h"

#include <gtest/gtest.h>
#include <set>

using namespace velmora;
using namespace velmora::generator;
using core::TechnologyLevel;

namespace {

void expectWholeSystem(const core::StarSystem& system, TechnologyLevel techLevel, bool rolled) {
    ASSERT_GE(system.stars.size(), 1u);
    ASSERT_LE(system.stars.size(), 2u);
    EXPECT_EQ(system.stars[0].orbit, core::Orbits::starOrbitP);
    EXPECT_EQ(system.stars[0].name, "A");
    if (system.stars.size() == 2) {
        EXPECT_GE(core::rawValue(system.stars[1].orbit), 15);
        EXPECT_FALSE(isEarlier(system.stars[1].spectralType, system.stars[0].spectralType));
        EXPECT_EQ(system.stars[1].name, "B");
    }
    EXPECT_TRUE(system.starfarers);
    EXPECT_FALSE(system.sathar || system.other || system.surveyed);

    int total = 0;
    int mainWorlds = 0;
    const core::WorldData* main = core::mainWorld(system);
    ASSERT_NE(main, nullptr);
    EXPECT_GE(main->uwp.population, 2);
    EXPECT_GE(main->uwp.populationMultiplier, 1);
    EXPECT_LE(main->uwp.populationMultiplier, 9);
    EXPECT_LE(main->uwp.starport, core::Starport::typeX);

    for (const core::Star& star : system.stars) {
        const MassRange range = starMassRange(star.spectralType, star.luminosity);
        EXPECT_GE(star.mass, range.low);
        EXPECT_LE(star.mass, range.high);
        EXPECT_TRUE(isPossibleStar(star.spectralType, star.temperature, star.luminosity))
            << spectralText(star);
        total += static_cast<int>(star.worlds.size());

        std::set<int> orbits;
        const core::WorldData* parent = nullptr;
        std::set<core::PlanetOrbits> letters;
        for (const core::WorldData& world : star.worlds) {
            const core::UWP& uwp = world.uwp;
            SCOPED_TRACE(std::string(core::rawValue(world.type)) + " " + core::uwpCode(uwp));
            mainWorlds += world.mainWorld ? 1 : 0;
            const bool giant = core::isGasGiant(world.type);
            EXPECT_GE(uwp.size, giant ? 21 : 0);
            EXPECT_LE(uwp.size, giant ? 31 : 15);
            EXPECT_GE(uwp.atmosphere, 0);
            EXPECT_LE(uwp.atmosphere, 15);
            EXPECT_GE(uwp.hydrographics, 0);
            EXPECT_LE(uwp.hydrographics, 10);
            EXPECT_LE(uwp.population, 15);
            EXPECT_LE(uwp.government, 15);
            EXPECT_LE(uwp.lawLevel, 18);
            EXPECT_GE(uwp.density, 0.05);
            EXPECT_EQ(core::isTravellerScale(uwp.techLevel), core::isTravellerScale(techLevel));
            if (rolled || uwp.population == 0) {
                EXPECT_LE(uwp.techLevel, techLevel);
            } else {
                EXPECT_EQ(uwp.techLevel, techLevel);
            }
            EXPECT_EQ(world.tradeClasses,
                      core::deriveTradeClasses(uwp, core::worldClimate(world), world.tideLocked));

            if (!world.mainWorld) {
                EXPECT_LE(uwp.population, main->uwp.population - 1);
                EXPECT_FALSE(core::isSatellite(world.type));
                EXPECT_GE(uwp.starport, core::Starport::typeF);
                EXPECT_EQ(uwp.population == 0, uwp.populationMultiplier == 0);
            }
            const int orbit = core::rawValue(world.sunOrbit);
            if (world.tideLocked) {
                EXPECT_EQ(world.dayLength, world.yearLength);
            } else {
                EXPECT_TRUE(world.dayLength >= 13 && world.dayLength <= 33) << world.dayLength;
            }
            if (orbit <= 1) {
                EXPECT_TRUE(world.tideLocked);
            }

            if (!core::isSatelliteOrbit(world.satelliteOrbit)) {
                EXPECT_TRUE(orbits.insert(orbit).second) << "orbit " << orbit << " used twice";
                // Only the main world, and the body it circles, may lie beyond 12.
                if (!world.mainWorld && world.sunOrbit != main->sunOrbit) {
                    EXPECT_LE(orbit, 12);
                }
                parent = &world;
                letters.clear();
            } else {
                // A moon follows its parent and shares its orbit.
                ASSERT_NE(parent, nullptr);
                EXPECT_EQ(world.sunOrbit, parent->sunOrbit);
                EXPECT_TRUE(letters.insert(world.satelliteOrbit).second);
                // A main world keeps its own offset: its orbit may have been held at 0.
                if (!world.mainWorld) {
                    EXPECT_EQ(world.hzOffset, parent->hzOffset);
                    EXPECT_LT(uwp.size, std::max(parent->uwp.size, 1));
                }
            }
        }
    }
    EXPECT_EQ(mainWorlds, 1);
    EXPECT_EQ(system.totalNumberOfWorlds, total);
}

} // namespace

TEST(GeneratedSystems, HoldTogetherOverManyRuns) {
    auto& random = generatorRandomSource();
    struct Options {
        TechnologyLevel techLevel;
        bool rolled;
        bool companion;
    };
    const Options options[] = {
        {TechnologyLevel::ttl15, true, false}, {TechnologyLevel::ttl9, true, true},
        {TechnologyLevel::ttl12, false, true}, {TechnologyLevel::tl6, true, false},
        {TechnologyLevel::tl3, false, false},
    };
    std::set<core::WorldType> mainTypes;
    for (const Options& o : options) {
        for (int run = 0; run < 600; ++run) {
            const auto system =
                generateSystem(std::nullopt, o.companion, o.techLevel, o.rolled, random);
            expectWholeSystem(system, o.techLevel, o.rolled);
            mainTypes.insert(core::mainWorld(system)->type);
            if (HasFailure())
                return;
        }
    }
    // Every way a main world can sit shows up over this many systems.
    EXPECT_EQ(mainTypes.size(), 6u);
}

TEST(GeneratedSystems, AChosenPrimaryIsKept) {
    auto& random = generatorRandomSource();
    for (int run = 0; run < 50; ++run) {
        const auto primary =
            chosenStar(core::SpectralType::B, 3, core::LuminosityClass::III, random);
        const auto system = generateSystem(primary, false, TechnologyLevel::ttl12, false, random);
        EXPECT_EQ(spectralText(system.stars[0]), "B3 III");
        EXPECT_EQ(system.stars[0].id, primary.id);
        expectWholeSystem(system, TechnologyLevel::ttl12, false);
    }
}

TEST(SystemNames, MainWorldPlanetsAndMoons) {
    core::StarSystem system;
    system.stars.resize(2);
    auto body = [](int orbit, core::PlanetOrbits letter = core::PlanetOrbits::planetOrbit0,
                   bool main = false) {
        core::WorldData world;
        world.sunOrbit = static_cast<core::Orbits>(orbit);
        world.satelliteOrbit = letter;
        world.mainWorld = main;
        return world;
    };
    using P = core::PlanetOrbits;
    system.stars[0].worlds = {body(3, P::planetOrbit0, true),
                              body(3, P::planetOrbitC),
                              body(3, P::planetOrbitQ),
                              body(7),
                              body(7, P::planetOrbitB),
                              body(1),
                              body(9)};
    system.stars[1].worlds = {body(4), body(2), body(2, P::planetOrbitE, true)};
    nameSystem(system, "Tessaly");
    std::vector<std::string> names;
    for (const auto& star : system.stars) {
        names.push_back(star.name);
        for (const auto& world : star.worlds)
            names.push_back(world.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"A", "Tessaly", "Tessaly a", "Tessaly b", "Tessaly III",
                                        "Tessaly III a", "Tessaly I", "Tessaly IV", "B",
                                        "Tessaly B II", "Tessaly B I", "Tessaly"}));
    EXPECT_EQ(system.name, "Tessaly");
    // Read outwards, moons after their parent: I, Tessaly with its two moons, III with its moon,
    // IV.
    EXPECT_EQ(worldsInOrbitOrder(system.stars[0]), (std::vector<std::size_t>{5, 0, 1, 2, 3, 4, 6}));
    EXPECT_EQ(worldsInOrbitOrder(system.stars[1]), (std::vector<std::size_t>{1, 2, 0}));
    EXPECT_EQ(romanNumeral(14), "XIV");
    EXPECT_EQ(romanNumeral(19), "XIX");
}
