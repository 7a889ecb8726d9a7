#include "systems/open_universe.h"
#include "systems/system_texts.h"
#include "systems/universe_statistics.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;
using velmora::testing::systemAt;

namespace {

core::WorldData& mainOf(core::HexData& hex) {
    return hex.starSystem.stars.front().worlds.front();
}

core::WorldData rock(std::string name, int population, int multiplier = 0) {
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = std::move(name);
    world.uwp.population = population;
    world.uwp.populationMultiplier = multiplier;
    return world;
}

} // namespace

TEST(WorldPopulation, MultiplierTimesPowerOfTen) {
    struct Case {
        int population, multiplier;
        double expected;
    };
    const Case cases[] = {
        {0, 0, 0},    {0, 5, 0},    // nobody lives on a population-0 world
        {1, 0, 10},   {3, 0, 1000}, // no multiplier counts as 1
        {3, 4, 4000}, {9, 7, 7e9},  {15, 9, 9e15},
    };
    for (const Case& c : cases) {
        core::UWP uwp;
        uwp.population = c.population;
        uwp.populationMultiplier = c.multiplier;
        EXPECT_DOUBLE_EQ(worldPopulation(uwp), c.expected) << c.population << "/" << c.multiplier;
    }
}

TEST(UniverseStatistics, FiguresOfAHandBuiltUniverse) {
    universe::UniverseRecord record;
    universe::Faction guild;
    guild.id = core::Uuid::generate();
    guild.name = "Merchant Guild";
    universe::Faction idle;
    idle.id = core::Uuid::generate();
    idle.name = "";
    record.factions = {guild, idle};
    const core::Uuid vanished = core::Uuid::generate();

    // Regina: 700 million Vilani, naval and scout base, TL12, the guild and a deleted faction.
    core::HexData regina = systemAt({0, 0, 19, 10}, "Regina", "Regina", "A788899-C");
    mainOf(regina).uwp.populationMultiplier = 7;
    mainOf(regina).uwp.bases = {core::Base::imperialNavalBase, core::Base::scoutBase};
    mainOf(regina).prevalentRace = core::Race::Kind::vilani;
    mainOf(regina).factionIDs = {guild.id, vanished, guild.id};
    mainOf(regina).tradeClasses = {core::TradeClass::rich, core::TradeClass::subsectorCapital};
    // An empty gas giant with a nested moon of 300 people.
    core::WorldData giant = rock("Regina VI", 0);
    giant.type = core::WorldType::largeGasGiant;
    giant.uwp.techLevel = core::TechnologyLevel::ttl15; // nobody there: does not count
    core::WorldData moon = rock("Regina VI a", 2, 3);
    moon.uwp.techLevel = core::TechnologyLevel::ttl9;
    moon.factionIDs = {guild.id};
    moon.tradeClasses = {core::TradeClass::lowPopulation};
    giant.satellites = {moon};
    regina.starSystem.stars.front().worlds.push_back(giant);

    // Outpost: a way station, a depot and a TL12 custom-race colony of 50,000.
    core::HexData outpost = systemAt({0, 0, 20, 10}, "Outpost", "Outpost", "E200000-0");
    core::WorldData colony = rock("Grel Hold", 4, 5);
    colony.uwp.techLevel = core::TechnologyLevel::ttl12;
    colony.prevalentRace = core::Race::custom("Grel");
    colony.uwp.bases = {core::Base::wayStation, core::Base::navalDepot};
    colony.tradeClasses = {core::TradeClass::rich};
    outpost.starSystem.stars.front().worlds.push_back(colony);

    // Empty: a system with nothing but a star.
    core::HexData empty = systemAt({0, 0, 21, 10}, "Empty");

    record.data = {regina, outpost, empty};
    const UniverseStatistics stats = computeStatistics(record);

    EXPECT_EQ(stats.systems, 3);
    EXPECT_EQ(stats.inhabitedSystems, 2);
    EXPECT_EQ(stats.worlds, 5);
    EXPECT_EQ(stats.inhabitedWorlds, 3);
    EXPECT_DOUBLE_EQ(stats.totalPopulation, 7e8 + 300 + 50000);
    EXPECT_EQ(stats.navalBases, 2);
    EXPECT_EQ(stats.scoutBases, 2);

    ASSERT_TRUE(stats.highestTechLevel);
    EXPECT_EQ(stats.highestTechLevel->level, core::TechnologyLevel::ttl12);
    EXPECT_EQ(stats.highestTechLevel->worldName, "Regina"); // the first of the two TL12 worlds
    EXPECT_EQ(stats.highestTechLevel->systemName, "Regina");

    ASSERT_EQ(stats.tradeClasses.size(), 3u);
    EXPECT_EQ(stats.tradeClasses[0].tradeClass, core::TradeClass::lowPopulation);
    EXPECT_EQ(stats.tradeClasses[0].worlds, 1);
    EXPECT_EQ(stats.tradeClasses[1].tradeClass, core::TradeClass::rich);
    EXPECT_EQ(stats.tradeClasses[1].worlds, 2);
    EXPECT_EQ(stats.tradeClasses[2].tradeClass, core::TradeClass::subsectorCapital);

    ASSERT_EQ(stats.factions.size(), 3u);
    EXPECT_EQ(stats.factions[0].name, "Merchant Guild");
    EXPECT_EQ(stats.factions[0].presence,
              (Presence{2, 7e8 + 300})); // named twice on Regina, once on the moon
    EXPECT_EQ(stats.factions[1].name, "Unnamed Faction");
    EXPECT_EQ(stats.factions[1].presence, Presence{});
    EXPECT_EQ(stats.factions[2].name, "Unknown Faction");
    EXPECT_EQ(stats.factions[2].factionID, vanished);
    EXPECT_EQ(stats.factions[2].presence, (Presence{1, 7e8}));

    // Inhabited worlds only, the most populous first.
    ASSERT_EQ(stats.races.size(), 3u);
    EXPECT_EQ(stats.races[0].race, core::Race(core::Race::Kind::vilani));
    EXPECT_EQ(stats.races[1].race, core::Race::custom("Grel"));
    EXPECT_EQ(stats.races[1].presence, (Presence{1, 50000}));
    EXPECT_EQ(stats.races[2].race, core::Race(core::Race::Kind::human));
    EXPECT_EQ(stats.races[2].presence, (Presence{1, 300}));
}

TEST(UniverseStatistics, EmptyUniverse) {
    const UniverseStatistics stats = computeStatistics(universe::UniverseRecord{});
    EXPECT_EQ(stats.systems, 0);
    EXPECT_EQ(stats.totalPopulation, 0);
    EXPECT_FALSE(stats.highestTechLevel);
    EXPECT_TRUE(stats.factions.empty());
    EXPECT_TRUE(stats.races.empty());
}

TEST(SystemTexts, FiguresAndCounts) {
    const std::pair<double, const char*> figures[] = {
        {0, "0"},
        {300, "300"},
        {50300, "50,300"},
        {999999, "999,999"},
        {1e6, "1 million"},
        {7.05e9, "7.05 billion"},
        {12.5e9, "12.5 billion"},
        {700e12, "700 trillion"},
        {9e15, "9 quadrillion"},
        {2.5e18, "2,500 quadrillion"},
    };
    for (const auto& [people, text] : figures)
        EXPECT_EQ(populationFigureText(people), text) << people;
    EXPECT_EQ(countText(0, "world"), "0 worlds");
    EXPECT_EQ(countText(1, "world"), "1 world");
    EXPECT_EQ(countText(2, "system"), "2 systems");
    EXPECT_EQ(worldTagDisplayName(core::WorldTag::abandonedColony), "Abandoned Colony");
    EXPECT_EQ(worldTagDisplayName(core::WorldTag::tasFacility), "TAS Facility");
    EXPECT_EQ(worldTagDisplayName(core::WorldTag::gov1), "Governed by corporation");
    core::StarSystem unnamed;
    EXPECT_EQ(systemDisplayName(unnamed), "Unnamed System");
    unnamed.name = "Regina";
    EXPECT_EQ(systemDisplayName(unnamed), "Regina");
    EXPECT_EQ(awarenessLabels(true).starfarers, "Imperium");
    EXPECT_EQ(awarenessLabels(true).sathar, "Zhodani");
    EXPECT_EQ(awarenessLabels(false).starfarers, "Starfarers");
    EXPECT_EQ(awarenessLabels(false).sathar, "Sathar");
}
