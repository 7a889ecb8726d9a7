#include "core/profile_texts.h"
#include "core/trade_classification.h"
#include "core/uwp.h"
#include "core/world_data.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora::core;
using TC = TradeClass;

namespace {

UWP profile(int size, int atmosphere, int hydrographics, int population, int government,
            TechnologyLevel techLevel) {
    UWP uwp;
    uwp.size = size;
    uwp.atmosphere = atmosphere;
    uwp.hydrographics = hydrographics;
    uwp.population = population;
    uwp.government = government;
    uwp.techLevel = techLevel;
    return uwp;
}

std::string codes(const std::vector<TradeClass>& classes) {
    std::string text;
    for (const TradeClass tradeClass : classes)
        text += std::string(code(tradeClass)) + " ";
    return text;
}

} // namespace

TEST(DeriveTradeClasses, ProfilesAtTheEdgesOfTheRules) {
    using TL = TechnologyLevel;
    struct Case {
        const char* what;
        UWP uwp;
        int climate;
        bool tideLocked;
        std::vector<TradeClass> expected;
    };
    // clang-format off
    const Case cases[] = {
        {"bare rock", profile(0, 0, 0, 0, 0, TL::ttl0), climate::temperate, false,
         {TC::asteroid, TC::vacuum, TC::barren, TC::lowTechnology}},
        {"abandoned rock", profile(0, 0, 0, 0, 0, TL::ttl3), climate::temperate, false,
         {TC::asteroid, TC::vacuum, TC::dieback, TC::lowTechnology}},
        {"garden", profile(8, 6, 7, 6, 5, TL::ttl9), climate::temperate, false,
         {TC::garden, TC::nonIndustrial, TC::agricultural, TC::rich}},
        {"hellworld skips the water classes", profile(5, 4, 1, 9, 0, TL::ttl12), climate::hot,
         false,
         {TC::hellworld, TC::highPopulation, TC::industrial, TC::poor, TC::highTechnology,
          TC::hot}},
        {"frozen needs size 2 or more", profile(1, 0, 2, 3, 0, TL::ttl8), climate::frozen, false,
         {TC::iceCapped, TC::vacuum, TC::lowPopulation}},
        {"frozen on a small wet world", profile(4, 0, 2, 3, 0, TL::ttl8), climate::frozen, false,
         {TC::iceCapped, TC::vacuum, TC::lowPopulation, TC::frozen}},
        {"frozen needs liquid", profile(4, 1, 0, 0, 0, TL::ttl8), climate::frozen, false,
         {TC::dieback}},
        {"tide-locked ends with Lk", profile(6, 3, 10, 7, 0, TL::ttl5), climate::twilightZone,
         true, {TC::water, TC::lowTechnology, TC::twilightZone, TC::locked}},
        {"fluid oceans and industry", profile(9, 11, 4, 10, 0, TL::ttl14), climate::none, false,
         {TC::fluidOceans, TC::highPopulation, TC::industrial, TC::highTechnology}},
        {"desert, non-agricultural and poor", profile(5, 3, 0, 6, 0, TL::ttl7), climate::cold,
         false, {TC::desert, TC::nonIndustrial, TC::nonAgricultural, TC::poor, TC::cold}},
        {"a vast ocean", profile(10, 6, 10, 8, 2, TL::ttl11), climate::tropic, false,
         {TC::ocean, TC::preHighPopulation, TC::tropic}},
        {"pre-agricultural and pre-rich", profile(7, 8, 4, 4, 0, TL::ttl10), climate::tundra,
         false, {TC::nonIndustrial, TC::preAgricultural, TC::tundra}},
        {"pre-industrial pre-rich", profile(7, 6, 9, 9, 0, TL::ttl10), climate::temperate, false,
         {TC::highPopulation, TC::preRich}},
        {"pre-industrial", profile(7, 7, 3, 8, 0, TL::ttl10), climate::temperate, false,
         {TC::preHighPopulation, TC::preIndustrial}},
        {"rich needs a middling government", profile(7, 8, 5, 7, 10, TL::ttl10),
         climate::temperate, false, {TC::garden, TC::agricultural}},
        {"short scale: only 0 is low", profile(7, 6, 9, 3, 0, TL::tl0), climate::temperate,
         false, {TC::lowPopulation, TC::lowTechnology}},
        {"short scale: 5 is not low", profile(7, 6, 9, 3, 0, TL::tl5), climate::temperate, false,
         {TC::lowPopulation}},
        {"short scale: only 6 is high", profile(7, 6, 9, 3, 0, TL::tl6), climate::temperate,
         false, {TC::lowPopulation, TC::highTechnology}},
        {"short scale: 4+ empties a world by dieback", profile(7, 6, 9, 0, 0, TL::tl4Plus),
         climate::temperate, false, {TC::dieback}},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(codes(deriveTradeClasses(c.uwp, c.climate, c.tideLocked)), codes(c.expected))
            << c.what;
    }
}

TEST(WorldClimate, OrbitsHabitableZoneAndProfile) {
    struct Case {
        const char* what;
        Orbits sunOrbit;
        PlanetOrbits satelliteOrbit;
        int size, atmosphere, hydrographics, hzOffset;
        int expected;
    };
    // clang-format off
    const Case cases[] = {
        {"innermost orbit", Orbits::starOrbit0, PlanetOrbits::planetOrbit0, 7, 6, 5, 3,
         climate::twilightZone},
        {"second orbit", Orbits::starOrbit1, PlanetOrbits::planetOrbit0, 7, 6, 5, 0,
         climate::twilightZone},
        {"a moon in orbit 1", Orbits::starOrbit1, PlanetOrbits::planetOrbitB, 7, 6, 5, 0,
         climate::temperate},
        {"banded, far inside", Orbits::starOrbit2, PlanetOrbits::planetOrbit0, 7, 6, 5, -2,
         climate::hot},
        {"banded, just inside", Orbits::starOrbit2, PlanetOrbits::planetOrbit0, 7, 6, 7, -1,
         climate::tropic},
        {"banded, just inside, oceanic", Orbits::starOrbit2, PlanetOrbits::planetOrbit0, 7, 6, 8,
         -1, climate::hot},
        {"banded, in the zone", Orbits::starOrbit3, PlanetOrbits::planetOrbit0, 9, 9, 3, 0,
         climate::temperate},
        {"banded, just outside", Orbits::starOrbit4, PlanetOrbits::planetOrbit0, 6, 4, 7, 1,
         climate::tundra},
        {"banded, just outside, oceanic", Orbits::starOrbit4, PlanetOrbits::planetOrbit0, 6, 4,
         8, 1, climate::cold},
        {"banded, far outside", Orbits::starOrbit6, PlanetOrbits::planetOrbit0, 6, 4, 8, 2,
         climate::frozen},
        {"too small for bands, inside", Orbits::starOrbit2, PlanetOrbits::planetOrbit0, 5, 6, 5,
         -1, climate::hot},
        {"too dry for bands, in the zone", Orbits::starOrbit3, PlanetOrbits::planetOrbit0, 7, 6,
         2, 0, climate::temperate},
        {"thin air, just outside", Orbits::starOrbit4, PlanetOrbits::planetOrbit0, 7, 3, 5, 1,
         climate::cold},
        {"large, far outside", Orbits::starOrbit9, PlanetOrbits::planetOrbit0, 10, 6, 5, 5,
         climate::frozen},
    };
    // clang-format on
    for (const auto& c : cases) {
        WorldData world;
        world.sunOrbit = c.sunOrbit;
        world.satelliteOrbit = c.satelliteOrbit;
        world.uwp.size = c.size;
        world.uwp.atmosphere = c.atmosphere;
        world.uwp.hydrographics = c.hydrographics;
        world.hzOffset = c.hzOffset;
        EXPECT_EQ(worldClimate(world), c.expected) << c.what;
    }
}

TEST(DeriveTradeClasses, RederivingKeepsTheRefereesClasses) {
    WorldData world;
    world.sunOrbit = Orbits::starOrbit3;
    world.uwp = profile(8, 6, 7, 6, 5, TechnologyLevel::ttl9);
    world.tradeClasses = {TC::desert, TC::farming, TC::capital, TC::ancientSite, TC::hot};
    world.tideLocked = true;
    EXPECT_EQ(codes(rederiveTradeClasses(world)),
              codes({TC::garden, TC::nonIndustrial, TC::agricultural, TC::rich, TC::locked,
                     TC::farming, TC::capital, TC::ancientSite}));
}

TEST(HydrographicsRange, NarrowsOutsideTheBreathableAtmospheres) {
    struct Case {
        int size, atmosphere;
        HydrographicsRange expected;
    };
    const Case cases[] = {
        {7, 1, {0, 2}}, {7, 8, {3, 10}}, {1, 8, {0, 0}},   {0, 15, {0, 0}},
        {2, 2, {0, 7}}, {7, 9, {4, 10}}, {7, 10, {1, 10}}, {7, 15, {6, 10}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hydrographicsRange(c.size, c.atmosphere), c.expected)
            << c.size << " " << c.atmosphere;
    }
}

TEST(ProfileTexts, EdgesOfEachTable) {
    struct Case {
        std::string_view (*text)(int);
        int value;
        std::string_view expected;
    };
    const Case cases[] = {
        {sizeText, 0, "800 km (Asteroid)"},
        {sizeText, 8, "12,800 km (Earth)"},
        {sizeText, 16, "25,600 km"},
        {sizeText, 17, "Undefined"},
        {sizeText, 35, "Megastructure"},
        {sizeText, -1, "Undefined"},
        {atmosphereText, 12, "Insiduous (C2, P1)"},
        {atmosphereText, 15, "Unusual (varies)"},
        {atmosphereText, 16, "Undefined"},
        {hydrographicsText, 0, "Desert world (0%-5%)"},
        {hydrographicsText, 10, "Water world (96%-100%)"},
        {hydrographicsText, 11, "Undefined"},
        {populationText, 5, "Hundred of thousands"},
        {populationText, 15, "Quadrillions"},
        {populationText, 16, "Undefined"},
        {governmentText, 0, "No Government Structure"},
        {governmentText, 15, "Totalitarian Oligarchy"},
        {governmentText, 16, "Undefined"},
        {lawLevelText, 0, "No Law. No prohibitions."},
        {lawLevelText, 2, "Low Law. Prohibition of \u201CPortable\u201D Weapons."},
        {lawLevelText, 18, "Extreme Law. Routine oppression."},
        {lawLevelText, 19, "Extreme"},
        {lawLevelText, 40, "Extreme"},
        {lawLevelText, -1, "Undefined"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text(c.value), c.expected) << c.value;
}

TEST(ProfileTexts, GovernmentDescriptionsStartWithTheName) {
    for (int government = 0; government <= 15; ++government) {
        const std::string_view name = governmentText(government);
        const std::string_view line = governmentDescription(government);
        ASSERT_TRUE(line.starts_with(std::string(name) + ". ")) << line;
        const std::string_view sentence = line.substr(name.size() + 2);
        // One sentence: it ends with the only full stop.
        EXPECT_EQ(sentence.find('.'), sentence.size() - 1) << line;
    }
    EXPECT_EQ(governmentDescription(16), "Undefined");
}
