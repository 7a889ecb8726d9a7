#include "support/sample_hex.h"
#include "systems/system_editing.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;

namespace {

std::vector<std::string> worldNames(const core::Star& star) {
    std::vector<std::string> names;
    for (const auto& world : star.worlds)
        names.push_back(world.name);
    return names;
}

} // namespace

TEST(SystemEditing, AddWorldGoesOneOrbitOut) {
    core::HexData hex = velmora::testing::sampleHex();
    const WorldPosition added = addWorld(hex.starSystem, 0);
    const core::WorldData& world = hex.starSystem.stars[0].worlds[added.world];
    EXPECT_EQ(added, (WorldPosition{0, 3}));
    // Two bodies orbit the primary directly (the moon is listed, not counted).
    EXPECT_EQ(world.name, "Tessaly III");
    EXPECT_EQ(world.sunOrbit, core::Orbits::starOrbit7);
    EXPECT_EQ(world.hzOffset, 4);
    EXPECT_FALSE(world.mainWorld);
    EXPECT_FALSE(world.tradeClasses.empty());

    // A star without worlds starts at orbit 0, on the system's tech-level scale.
    const WorldPosition first = addWorld(hex.starSystem, 1);
    EXPECT_EQ(hex.starSystem.stars[1].worlds[first.world].sunOrbit, core::Orbits::starOrbit0);
    EXPECT_EQ(hex.starSystem.stars[1].worlds[first.world].name, "Tessaly I");
    EXPECT_TRUE(core::isTravellerScale(hex.starSystem.stars[1].worlds[first.world].uwp.techLevel));
}

TEST(SystemEditing, DuplicateAndDeleteKeepSatellitesWithTheirBody) {
    core::HexData hex = velmora::testing::sampleHex();
    core::Star& star = hex.starSystem.stars[0];
    const core::Uuid main = star.worlds[0].id;
    const core::Uuid giant = star.worlds[1].id;

    const auto copy = duplicateWorld(hex.starSystem, main);
    ASSERT_TRUE(copy);
    EXPECT_EQ(worldNames(star), (std::vector<std::string>{"Tessaly", "Tessaly (copy)", "Tessaly VI",
                                                          "Tessaly VI c"}));
    const core::WorldData& duplicate = star.worlds[copy->world];
    EXPECT_NE(duplicate.id, main);
    EXPECT_FALSE(duplicate.mainWorld);
    ASSERT_EQ(duplicate.satellites.size(), 1u);
    EXPECT_NE(duplicate.satellites[0].id, star.worlds[0].satellites[0].id);

    // The copy of a body with a listed satellite goes after that satellite.
    const auto giantCopy = duplicateWorld(hex.starSystem, giant);
    EXPECT_EQ(giantCopy->world, 4u);
    EXPECT_EQ(star.worlds[4].name, "Tessaly VI (copy)");
    duplicateWorld(hex.starSystem, main);
    EXPECT_EQ(star.worlds[1].name, "Tessaly (copy 2)");

    // Deleting the giant takes its listed moon; deleting a moon takes only itself.
    EXPECT_EQ(deleteWorld(hex.starSystem, giant), 2u);
    EXPECT_EQ(worldNames(star), (std::vector<std::string>{"Tessaly", "Tessaly (copy 2)",
                                                          "Tessaly (copy)", "Tessaly VI (copy)"}));
    core::HexData again = velmora::testing::sampleHex();
    EXPECT_EQ(deleteWorld(again.starSystem, again.starSystem.stars[0].worlds[2].id), 1u);
    EXPECT_EQ(deleteWorld(again.starSystem, core::Uuid::generate()), 0u);
}

TEST(SystemEditing, MainWorldStarsAndCounts) {
    core::HexData hex = velmora::testing::sampleHex();
    const core::Uuid giant = hex.starSystem.stars[0].worlds[1].id;
    setMainWorld(hex.starSystem, giant);
    ASSERT_NE(core::mainWorld(hex.starSystem), nullptr);
    EXPECT_EQ(core::mainWorld(hex.starSystem)->id, giant);
    EXPECT_FALSE(hex.starSystem.stars[0].worlds[0].mainWorld);
    setMainWorld(hex.starSystem, std::nullopt);
    EXPECT_EQ(core::mainWorld(hex.starSystem), nullptr);

    // The companion holds orbit 11; the next star takes orbit 0, then 1.
    EXPECT_EQ(addStar(hex.starSystem), 2u);
    EXPECT_EQ(hex.starSystem.stars[2].name, "Tessaly C");
    EXPECT_EQ(hex.starSystem.stars[2].orbit, core::Orbits::starOrbit0);
    addStar(hex.starSystem);
    EXPECT_EQ(hex.starSystem.stars[3].orbit, core::Orbits::starOrbit1);
    removeStar(hex.starSystem, 0);
    EXPECT_EQ(hex.starSystem.stars.size(), 3u);
    EXPECT_EQ(hex.starSystem.stars[0].name, "Tessaly B");

    core::HexData counted = velmora::testing::sampleHex();
    EXPECT_EQ(countBodies(counted.starSystem), (BodyCounts{1, 0, 3}));
}

TEST(SystemEditing, NewSystemAndNumerals) {
    const core::HexData hex = newSystem({0, 0, 5, 6}, "Kinorb");
    ASSERT_EQ(hex.starSystem.stars.size(), 1u);
    EXPECT_EQ(hex.starSystem.stars[0].orbit, core::Orbits::starOrbitP);
    EXPECT_EQ(hex.starSystem.stars[0].name, "Kinorb A");
    const core::WorldData* main = core::mainWorld(hex.starSystem);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->name, "Kinorb");
    EXPECT_EQ(hex.coordinates, (core::GalacticCoordinates{0, 0, 5, 6}));
    const std::pair<int, const char*> numerals[] = {
        {1, "I"}, {4, "IV"}, {9, "IX"}, {14, "XIV"}, {40, "XL"}};
    for (const auto& [value, text] : numerals)
        EXPECT_EQ(romanNumeral(value), text);
}

TEST(SystemEditing, NewCustomRacesAreTheUnknownOnes) {
    core::HexData hex = velmora::testing::sampleHex(); // the giant's moon is "Grel"
    EXPECT_EQ(newCustomRaces({}, hex), (std::vector<std::string>{"Grel"}));
    EXPECT_TRUE(newCustomRaces({"Grel"}, hex).empty());
    hex.starSystem.stars[0].worlds[0].satellites[0].prevalentRace = core::Race::custom("Vless");
    hex.starSystem.stars[1].worlds.push_back(hex.starSystem.stars[0].worlds[2]); // Grel again
    EXPECT_EQ(newCustomRaces({"Kafer"}, hex), (std::vector<std::string>{"Vless", "Grel"}));
}
