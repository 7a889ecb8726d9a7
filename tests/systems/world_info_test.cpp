#include "support/sample_hex.h"
#include "systems/open_universe.h"
#include "systems/system_texts.h"
#include "systems/world_info.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;
using velmora::testing::OpenUniverse;

TEST(WorldInfo, ProfileExplainedDigitByDigit) {
    const core::WorldData world = velmora::testing::sampleMainWorld();
    const std::vector<ProfileLine> expected{
        {"Starport", "A", "Excellent"},
        {"Size", "7", "11,200 km"},
        {"Atmosphere", "8", "Dense"},
        {"Hydrographics", "8", "Water world (76%-85%)"},
        {"Population", "8", "Hundreds of millions (about 700 million)"},
        {"Government", "9", "Impersonal Bureaucracy"},
        {"Law Level", "9", "High Law. No weapons outside the home."},
        {"Tech Level", "C", "TL12"},
        {"Bases", "NS", "Imperial Naval Base, Scout Base"},
    };
    EXPECT_EQ(profileExplanation(world.uwp), expected);

    core::UWP bare;
    bare.size = 20;
    const auto lines = profileExplanation(bare);
    EXPECT_EQ(lines[1].meaning, "Undefined");
    EXPECT_EQ(lines[4].meaning, "None");
    EXPECT_EQ(lines[8], (ProfileLine{"Bases", "—", "None"}));
}

TEST(WorldInfo, TradeClassesByCategory) {
    const auto groups =
        tradeClassesByCategory({core::TradeClass::subsectorCapital, core::TradeClass::rich,
                                core::TradeClass::garden, core::TradeClass::agricultural});
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].category, core::TradeClassCategory::planetary);
    EXPECT_EQ(groups[1].category, core::TradeClassCategory::economic);
    EXPECT_EQ(groups[1].classes,
              (std::vector{core::TradeClass::rich, core::TradeClass::agricultural}));
    EXPECT_EQ(groups[2].category, core::TradeClassCategory::political);
}

TEST(WorldInfo, FindsTheWorldOfATarget) {
    universe::UniverseRecord record;
    record.data.push_back(velmora::testing::sampleHex());
    const core::HexData& hex = record.data[0];
    const core::Uuid moon = hex.starSystem.stars[0].worlds[0].satellites[0].id;
    const core::Uuid giant = hex.starSystem.stars[0].worlds[1].id;
    OpenUniverse open(record);

    const auto main = findWorldInfoSubject(*open.universe, {hex.coordinates, std::nullopt});
    ASSERT_TRUE(main);
    EXPECT_EQ(main->world->name, "Tessaly");
    EXPECT_EQ(main->star->name, "Tessaly A");
    EXPECT_EQ(findWorldInfoSubject(*open.universe, {hex.coordinates, moon})->world->name, "Mirren");
    EXPECT_EQ(findWorldInfoSubject(*open.universe, {hex.coordinates, giant})->world->name,
              "Tessaly VI");
    EXPECT_FALSE(findWorldInfoSubject(*open.universe, {hex.coordinates, core::Uuid::generate()}));
    EXPECT_FALSE(findWorldInfoSubject(*open.universe, {{0, 0, 1, 1}, std::nullopt}));

    EXPECT_EQ((WorldInfoTarget{hex.coordinates, std::nullopt}).key(), "A2-1910/main");
    EXPECT_EQ((WorldInfoTarget{hex.coordinates, giant}).key(), "A2-1910/" + giant.toString());
}

TEST(WorldInfo, HeaderAndOrbitTexts) {
    universe::UniverseRecord record;
    record.data.push_back(velmora::testing::sampleHex());
    record.sectors.push_back({-1, 2, "Spinward Marches", "Spin"});
    OpenUniverse open(record);
    // A Traveller universe writes the sector's abbreviation; the grid code follows.
    EXPECT_EQ(worldHexHeader(*open.universe, {-1, 2, 19, 10}), "HEX: SPIN 1910 [A2-C]");
    EXPECT_EQ(worldHexHeader(*open.universe, {0, 0, 1, 1}), "HEX: 00-0101 [00-A]");

    const core::HexData& hex = open.universe->data()[0];
    EXPECT_EQ(spectrumText(hex.starSystem.stars[0]), "F7 V");
    EXPECT_EQ(starOrbitText(hex.starSystem.stars[0], true), "Primary");
    EXPECT_EQ(starOrbitText(hex.starSystem.stars[1], false), "Orbit 11");
    EXPECT_EQ(worldOrbitText(hex.starSystem.stars[0].worlds[2]), "Orbit 6, satellite orbit Z");
    EXPECT_EQ(habitableZoneText(0), "In the habitable zone");
    EXPECT_EQ(habitableZoneText(-1), "1 orbit inside the habitable zone (hotter)");
    EXPECT_EQ(habitableZoneText(3), "3 orbits outside the habitable zone (colder)");
    EXPECT_EQ(hoursText(0), "Not set");
    EXPECT_EQ(hoursText(21), "21 hours");
    EXPECT_EQ(climateText(hex.starSystem.stars[0].worlds[0]), "Hot");
}
