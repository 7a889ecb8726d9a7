#include "generator/world_rolls.h"
#include "support/scripted_random.h"

#include <functional>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::generator;
using core::Starport;
using core::TechnologyLevel;
using velmora::testing::ScriptedDice;

TEST(WorldRolls, StarportsAndTheirBases) {
    using core::Base;
    struct Case {
        std::vector<int> faces;
        Starport starport;
        std::set<Base> bases;
    };
    const Case cases[] = {
        {{1, 1, 3, 3, 2, 2},
         Starport::typeA,
         {Base::imperialNavalBase, Base::scoutBase}}, // 6 and 4
        {{2, 2, 3, 4, 2, 3}, Starport::typeA, {}},    // 7 and 5
        {{3, 2, 1, 4, 4, 1},
         Starport::typeB,
         {Base::imperialNavalBase, Base::scoutBase}}, // 5 and 5
        {{3, 3, 3, 3, 3, 3}, Starport::typeB, {}},
        {{4, 3, 3, 3}, Starport::typeC, {Base::scoutBase}},
        {{4, 4, 4, 3}, Starport::typeC, {}},
        {{4, 5, 4, 3}, Starport::typeD, {Base::scoutBase}},
        {{4, 5, 4, 4}, Starport::typeD, {}},
        {{5, 5}, Starport::typeE, {}}, // no base rolls at all
        {{6, 5}, Starport::typeE, {}},
        {{6, 6}, Starport::typeX, {}},
    };
    for (const Case& c : cases) {
        ScriptedDice dice;
        for (int face : c.faces)
            dice.pushFace(face);
        const Starport starport = rollStarport(dice);
        EXPECT_EQ(starport, c.starport);
        EXPECT_EQ(rollBases(starport, dice), c.bases);
        EXPECT_TRUE(dice.exhausted()) << core::letter(c.starport);
    }
}

TEST(WorldRolls, PhysicalDigits) {
    struct Case {
        const char* what;
        std::vector<int> faces;
        std::function<int(core::RandomSource&)> roll;
        int expected;
    };
    const Case cases[] = {
        {"size 2D6-2", {1, 1}, [](auto& r) { return rollSize(r); }, 0},
        {"size 9", {5, 6}, [](auto& r) { return rollSize(r); }, 9},
        {"size 10 rerolled", {6, 6, 1}, [](auto& r) { return rollSize(r); }, 10},
        {"size 10 rerolled high", {6, 6, 6}, [](auto& r) { return rollSize(r); }, 15},
        {"no air on size 0", {}, [](auto& r) { return rollAtmosphere(0, r); }, 0},
        {"air floor", {1, 6}, [](auto& r) { return rollAtmosphere(3, r); }, 0},
        {"air cap", {6, 1}, [](auto& r) { return rollAtmosphere(13, r); }, 15},
        {"air flux + size", {4, 2}, [](auto& r) { return rollAtmosphere(7, r); }, 9},
        {"no seas below size 2", {}, [](auto& r) { return rollHydrographics(1, 6, r); }, 0},
        {"seas in air 2-9", {4, 3}, [](auto& r) { return rollHydrographics(5, 9, r); }, 10},
        {"seas -4 on thin air", {4, 3}, [](auto& r) { return rollHydrographics(5, 1, r); }, 0},
        {"seas -4 on exotic air", {6, 3}, [](auto& r) { return rollHydrographics(5, 10, r); }, 9},
        {"main population never below 2",
         {1, 1},
         [](auto& r) { return rollMainWorldPopulation(r); },
         2},
        {"main population 11", {5, 6}, [](auto& r) { return rollMainWorldPopulation(r); }, 11},
        {"government floor", {1, 6}, [](auto& r) { return rollGovernment(2, r); }, 0},
        {"government cap", {6, 1}, [](auto& r) { return rollGovernment(15, r); }, 15},
        {"law cap 18", {6, 1}, [](auto& r) { return rollLawLevel(15, r); }, 18},
        {"secondary population",
         {6, 6},
         [](auto& r) { return rollSecondaryPopulation(6, 5, r); },
         10},
        {"secondary, tainted air",
         {6, 6},
         [](auto& r) { return rollSecondaryPopulation(7, 5, r); },
         8},
        {"secondary, tainted and dry",
         {6, 6},
         [](auto& r) { return rollSecondaryPopulation(12, 0, r); },
         7},
        {"secondary never negative",
         {1, 2},
         [](auto& r) { return rollSecondaryPopulation(4, 0, r); },
         0},
    };
    for (const Case& c : cases) {
        ScriptedDice dice;
        for (int face : c.faces)
            dice.pushFace(face);
        EXPECT_EQ(c.roll(dice), c.expected) << c.what;
        EXPECT_TRUE(dice.exhausted()) << c.what;
    }

    ScriptedDice nine;
    nine.pushBelow(8, 9);
    EXPECT_EQ(rollD9(nine), 9);

    // A 12 becomes 11 + 1D4.
    for (std::uint64_t d4 = 0; d4 < 4; ++d4) {
        ScriptedDice dice{6, 6};
        dice.pushBelow(d4, 4);
        EXPECT_EQ(rollMainWorldPopulation(dice), 12 + static_cast<int>(d4));
    }
}

TEST(WorldRolls, SpaceportsFollowThePopulation) {
    // Population 3 can never reach a class F spaceport.
    const Starport fromThree[] = {Starport::typeH, Starport::typeH, Starport::typeY,
                                  Starport::typeY, Starport::typeY, Starport::typeY};
    for (int face = 1; face <= 6; ++face) {
        ScriptedDice dice{face};
        EXPECT_EQ(rollSpaceport(3, dice), fromThree[face - 1]) << face;
    }
    ScriptedDice dice{1, 4, 6};
    EXPECT_EQ(rollSpaceport(5, dice), Starport::typeF);
    EXPECT_EQ(rollSpaceport(7, dice), Starport::typeG);
    EXPECT_EQ(rollSpaceport(9, dice), Starport::typeG);
}

TEST(WorldRolls, TechLevelTotalsOnBothScales) {
    struct Case {
        int total;
        TechnologyLevel maximum;
        TechnologyLevel level;
    };
    const Case cases[] = {
        {14, TechnologyLevel::ttl9, TechnologyLevel::ttl9},
        {14, TechnologyLevel::ttl15, TechnologyLevel::ttl14},
        {-3, TechnologyLevel::ttl15, TechnologyLevel::ttl0},
        {30, TechnologyLevel::ttl22, TechnologyLevel::ttl22},
        {0, TechnologyLevel::tl6, TechnologyLevel::tl0},
        {1, TechnologyLevel::tl6, TechnologyLevel::tl1},
        {2, TechnologyLevel::tl6, TechnologyLevel::tl1},
        {3, TechnologyLevel::tl6, TechnologyLevel::tl2},
        {9, TechnologyLevel::tl6, TechnologyLevel::tl2},
        {10, TechnologyLevel::tl6, TechnologyLevel::tl3},
        {11, TechnologyLevel::tl6, TechnologyLevel::tl4},
        {15, TechnologyLevel::tl6, TechnologyLevel::tl4},
        {16, TechnologyLevel::tl6, TechnologyLevel::tl5},
        {18, TechnologyLevel::tl6, TechnologyLevel::tl5},
        {19, TechnologyLevel::tl6, TechnologyLevel::tl6},
        {19, TechnologyLevel::tl4Plus, TechnologyLevel::tl4Plus},
        {12, TechnologyLevel::tl4Plus, TechnologyLevel::tl4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(techLevelFromTotal(c.total, c.maximum), c.level)
            << c.total << " up to " << core::rawValue(c.maximum);
}

TEST(WorldRolls, TechLevelModifiers) {
    struct Case {
        Starport starport;
        int size, atmosphere, hydrographics, population, government;
        int modifier;
    };
    const Case cases[] = {
        {Starport::typeA, 0, 0, 0, 2, 0, 6 + 2 + 1 + 1 + 1},
        {Starport::typeB, 4, 10, 9, 9, 5, 4 + 1 + 1 + 1 + 2 + 1},
        {Starport::typeC, 7, 6, 10, 10, 13, 2 + 2 + 4 - 2},
        {Starport::typeD, 5, 5, 5, 6, 6, 0},
        {Starport::typeE, 8, 8, 5, 8, 8, 0},
        {Starport::typeX, 2, 3, 8, 5, 1, -4 + 1 + 1 + 1},
        {Starport::typeF, 8, 6, 6, 7, 7, 0}, // a spaceport adds nothing
        {Starport::typeY, 8, 6, 6, 7, 7, 0},
    };
    for (const Case& c : cases) {
        core::UWP uwp;
        uwp.starport = c.starport;
        uwp.size = c.size;
        uwp.atmosphere = c.atmosphere;
        uwp.hydrographics = c.hydrographics;
        uwp.population = c.population;
        uwp.government = c.government;
        EXPECT_EQ(techLevelModifier(uwp), c.modifier) << core::letter(c.starport);
    }
    core::UWP uwp;
    uwp.starport = Starport::typeA;
    uwp.size = 8;
    uwp.atmosphere = 6;
    uwp.hydrographics = 6;
    uwp.population = 7;
    uwp.government = 7;
    ScriptedDice dice{6};
    EXPECT_EQ(rollTechLevel(uwp, TechnologyLevel::ttl15, dice), TechnologyLevel::ttl12);
}

TEST(WorldRolls, DensityByType) {
    using core::WorldType;
    struct Case {
        WorldType type;
        std::pair<int, int> flux;
        double density;
    };
    const Case cases[] = {
        {WorldType::planet, {6, 1}, 1.05},        {WorldType::planet, {1, 6}, 0.85},
        {WorldType::farSatelliteP, {3, 3}, 0.9},  {WorldType::asteroidBelt, {6, 1}, 0.5},
        {WorldType::bigWorld, {6, 1}, 1.25},      {WorldType::smallGasGiant, {1, 6}, 0.15},
        {WorldType::largeGasGiant, {4, 3}, 0.26}, {WorldType::iceGiant, {3, 4}, 0.29},
        {WorldType::worldlet, {1, 6}, 0.5},       {WorldType::radWorld, {3, 3}, 1.05},
    };
    for (const Case& c : cases) {
        ScriptedDice dice{c.flux.first, c.flux.second};
        EXPECT_NEAR(rollDensity(c.type, dice), c.density, 1e-12) << core::rawValue(c.type);
    }
}
