#include "starmap/map_filter.h"
#include "support/sample_hex.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::starmap;

namespace {

core::HexData system(const std::string& name, bool starfarers, bool sathar, bool other) {
    core::HexData hex = velmora::testing::sampleHex();
    hex.starSystem.name = name;
    hex.starSystem.starfarers = starfarers;
    hex.starSystem.sathar = sathar;
    hex.starSystem.other = other;
    return hex;
}

std::vector<std::string> shownNames(const universe::UniverseRecord& universe) {
    std::vector<std::string> names;
    for (const core::HexData* hex : systemsShown(universe))
        names.push_back(hex->starSystem.name);
    return names;
}

using Names = std::vector<std::string>;

} // namespace

TEST(MapFilter, ViewModeAndAwarenessGroups) {
    universe::UniverseRecord universe;
    universe.data = {system("Regina", true, false, false), system("Zhodane", false, true, false),
                     system("Hiver", false, false, true), system("Border", true, true, false)};
    EXPECT_EQ(shownNames(universe), (Names{"Regina", "Zhodane", "Hiver", "Border"}))
        << "all switches on";

    universe.mapShowSathar = false;
    EXPECT_EQ(shownNames(universe), (Names{"Regina", "Hiver", "Border"}));
    universe.mapShowStarfarers = false;
    universe.mapShowOther = false;
    EXPECT_EQ(shownNames(universe), Names{});

    // Players see only what their side knows, whatever the switches say.
    universe.mapShowStarfarers = false;
    universe.mapShowSathar = true;
    universe.mapShowOther = true;
    universe.mapViewMode = universe::MapViewMode::player;
    EXPECT_EQ(shownNames(universe), (Names{"Border"}));
}

TEST(MapFilter, FactionsByHomeworldOrPresence) {
    universe::UniverseRecord universe;
    universe.data = {system("Regina", true, false, false), system("Efate", true, false, false),
                     system("Jewell", true, false, false)};
    universe.data[0].coordinates = {0, 0, 19, 10};
    universe.data[1].coordinates = {0, 0, 17, 5};
    universe.data[2].coordinates = {0, 0, 6, 9};
    universe::Faction navy;
    navy.id = core::Uuid::generate();
    navy.homeworld = {0, 0, 19, 10};
    universe::Faction guild;
    guild.id = core::Uuid::generate();
    universe.factions = {navy, guild};
    universe.data[2].starSystem.stars[0].worlds[0].satellites[0].factionIDs = {guild.id};
    for (auto& hex : universe.data)
        hex.starSystem.stars[0].worlds[0].factionIDs.clear();

    EXPECT_EQ(shownNames(universe).size(), 3u) << "no faction chosen: all";
    universe.selectedFactionIDs = {navy.id};
    EXPECT_EQ(shownNames(universe), Names{"Regina"});
    universe.selectedFactionIDs = {guild.id};
    EXPECT_EQ(shownNames(universe), Names{"Jewell"}) << "a moon's factions count";
    universe.selectedFactionIDs = {navy.id, guild.id};
    EXPECT_EQ(shownNames(universe), (Names{"Regina", "Jewell"}));
}

TEST(MapFilter, TradeCodesKeepMainWorldsWithAnyChosenCode) {
    universe::UniverseRecord universe;
    universe.data = {system("Farm", true, false, false), system("Mine", true, false, false),
                     system("Empty", true, false, false)};
    universe.data[0].starSystem.stars[0].worlds[0].tradeClasses = {core::TradeClass::agricultural};
    universe.data[1].starSystem.stars[0].worlds[0].tradeClasses = {core::TradeClass::industrial,
                                                                   core::TradeClass::rich};
    universe.data[2].starSystem.stars[0].worlds[0].mainWorld = false;
    universe.mapFilterTradeClasses = {core::TradeClass::agricultural, core::TradeClass::rich};
    EXPECT_EQ(shownNames(universe), (Names{"Farm", "Mine"}));
    universe.mapFilterTradeClasses = {core::TradeClass::desert};
    EXPECT_EQ(shownNames(universe), Names{});
}

TEST(MapFilter, EmptyStates) {
    universe::UniverseRecord universe;
    for (auto mode : {universe::MapViewMode::referee, universe::MapViewMode::player}) {
        universe.mapViewMode = mode;
        const auto state = emptyMapState(universe, false);
        ASSERT_TRUE(state);
        EXPECT_EQ(state->title, "No Systems Saved");
        EXPECT_EQ(state->message, "Generate a system and tap Save to see it on the map.");
    }
    universe.data = {system("Zhodane", false, true, false)};
    const auto player = emptyMapState(universe, true);
    ASSERT_TRUE(player);
    EXPECT_EQ(player->title, "No Systems in Player View");
    EXPECT_EQ(player->message,
              "No systems have Imperium awareness. Switch to Referee view to see all systems.");
    universe.mapViewMode = universe::MapViewMode::referee;
    EXPECT_FALSE(emptyMapState(universe, true));
    EXPECT_EQ(awarenessLabel(AwarenessGroup::sathar, false), "Sathar");
    EXPECT_EQ(awarenessLabel(AwarenessGroup::sathar, true), "Zhodani");
}

// Filtering the player map by trade codes or factions would tell the players what
// an unsurveyed world is by whether it stays.
TEST(MapFilter, PlayerFiltersPassOnlySystemsWhoseDetailsThePlayersKnow) {
    universe::UniverseRecord universe;
    universe.data = {system("Surveyed", true, false, false), system("Unknown", true, false, false)};
    universe.data[1].starSystem.surveyed = false;
    universe::Faction guild;
    guild.id = core::Uuid::generate();
    guild.homeworld = universe.data[1].coordinates;
    universe.factions = {guild};
    for (auto& hex : universe.data) {
        hex.starSystem.stars[0].worlds[0].factionIDs = {guild.id};
        hex.starSystem.stars[0].worlds[0].tradeClasses = {core::TradeClass::rich};
    }
    universe.mapViewMode = universe::MapViewMode::player;
    EXPECT_EQ(shownNames(universe), (Names{"Surveyed", "Unknown"})) << "no filter: both";

    universe.mapFilterTradeClasses = {core::TradeClass::rich};
    EXPECT_EQ(shownNames(universe), Names{"Surveyed"});
    universe.mapFilterTradeClasses.clear();
    universe.selectedFactionIDs = {guild.id};
    EXPECT_EQ(shownNames(universe), Names{"Surveyed"}) << "neither membership nor homeworld";
    universe.mapShowSurveyedData = false;
    EXPECT_EQ(shownNames(universe), Names{});

    universe.mapViewMode = universe::MapViewMode::referee;
    EXPECT_EQ(shownNames(universe), (Names{"Surveyed", "Unknown"}));
}
