#include "support/sample_hex.h"
#include "systems/system_validation.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;

namespace {

core::WorldData planet(int size, int atmosphere, int hydrographics) {
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = "Tessaly";
    world.uwp.size = size;
    world.uwp.atmosphere = atmosphere;
    world.uwp.hydrographics = hydrographics;
    return world;
}

std::vector<std::string> messages(const std::vector<EditIssue>& issues) {
    std::vector<std::string> result;
    for (const auto& issue : issues)
        result.push_back(issue.message);
    return result;
}

} // namespace

TEST(WorldChecks, ProfileDigitsAtTheirEdges) {
    struct Case {
        const char* what;
        core::WorldType type;
        void (*edit)(core::UWP&);
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"size 16 planet", core::WorldType::planet, [](core::UWP& u) { u.size = 16; }, {}},
        {"size 20 planet",
         core::WorldType::planet,
         [](core::UWP& u) { u.size = 20; },
         {"Size 20 is out of range (0–16 for a planet)."}},
        {"megastructure", core::WorldType::planet, [](core::UWP& u) { u.size = 35; }, {}},
        {"size 20 gas giant",
         core::WorldType::largeGasGiant,
         [](core::UWP& u) { u.size = 20; },
         {}},
        {"size 100 gas giant",
         core::WorldType::smallGasGiant,
         [](core::UWP& u) { u.size = 100; },
         {"Size 100 is out of range (0–99 for a gas giant)."}},
        {"negative size",
         core::WorldType::asteroidBelt,
         [](core::UWP& u) { u.size = -1; },
         {"Size -1 is out of range (0–16 for a belt)."}},
        {"atmosphere 15",
         core::WorldType::planet,
         [](core::UWP& u) {
             u.atmosphere = 15;
             u.hydrographics = 6;
         },
         {}},
        {"atmosphere 16",
         core::WorldType::planet,
         [](core::UWP& u) { u.atmosphere = 16; },
         {"Atmosphere 16 is out of range (0–15)."}},
        {"population 15", core::WorldType::planet, [](core::UWP& u) { u.population = 15; }, {}},
        {"population 16",
         core::WorldType::planet,
         [](core::UWP& u) { u.population = 16; },
         {"Population 16 is out of range (0–15)."}},
        {"government 16",
         core::WorldType::planet,
         [](core::UWP& u) { u.government = 16; },
         {"Government 16 is out of range (0–15)."}},
        {"law 20", core::WorldType::planet, [](core::UWP& u) { u.lawLevel = 20; }, {}},
        {"law 21",
         core::WorldType::planet,
         [](core::UWP& u) { u.lawLevel = 21; },
         {"Law level 21 is out of range (0–20)."}},
        {"multiplier 10",
         core::WorldType::planet,
         [](core::UWP& u) { u.populationMultiplier = 10; },
         {"Population multiplier 10 is out of range (0–9)."}},
        {"density 0",
         core::WorldType::planet,
         [](core::UWP& u) { u.density = 0; },
         {"Density must be above 0."}},
        // Hydrographics follow size and atmosphere: 3-10 for atmosphere 8, 0-2 for atmosphere 1.
        {"seas of a dense world",
         core::WorldType::planet,
         [](core::UWP& u) { u.hydrographics = 3; },
         {}},
        {"too dry for dense air",
         core::WorldType::planet,
         [](core::UWP& u) { u.hydrographics = 2; },
         {"Hydrographics 2 is out of range (3–10 for size 7 and atmosphere 8)."}},
        {"seas on trace air",
         core::WorldType::planet,
         [](core::UWP& u) {
             u.atmosphere = 1;
             u.hydrographics = 3;
         },
         {"Hydrographics 3 is out of range (0–2 for size 7 and atmosphere 1)."}},
        {"seas on a tiny world",
         core::WorldType::planet,
         [](core::UWP& u) {
             u.size = 1;
             u.hydrographics = 1;
         },
         {"Hydrographics 1 is out of range (0–0 for size 1 and atmosphere 8)."}},
        {"gas giants have no seas to judge",
         core::WorldType::iceGiant,
         [](core::UWP& u) {
             u.size = 30;
             u.atmosphere = 1;
             u.hydrographics = 9;
         },
         {}},
    };
    for (const Case& c : cases) {
        core::WorldData world = planet(7, 8, 5);
        world.type = c.type;
        c.edit(world.uwp);
        EXPECT_EQ(messages(checkWorld(world)), c.expected) << c.what;
    }
}

TEST(WorldChecks, ClampPullsEachValueIntoRange) {
    core::WorldData world = planet(20, 16, 3);
    world.uwp.population = 16;
    world.uwp.government = -2;
    world.uwp.lawLevel = 25;
    world.uwp.techLevel = core::TechnologyLevel::ttl9;
    world.tradeClasses = {core::TradeClass::farming};
    const core::WorldData clamped = clampWorld(world);
    EXPECT_EQ(clamped.uwp.size, 16);
    EXPECT_EQ(clamped.uwp.atmosphere, 15);
    // Atmosphere 15 allows 6 at most: the seas follow the clamped air.
    EXPECT_EQ(clamped.uwp.hydrographics, 6);
    EXPECT_EQ(clamped.uwp.population, 15);
    EXPECT_EQ(clamped.uwp.government, 0);
    EXPECT_EQ(clamped.uwp.lawLevel, 20);
    EXPECT_TRUE(checkWorld(clamped).empty());
    // Classes are derived again for the new profile; the referee's own class stays.
    EXPECT_EQ(clamped.tradeClasses.back(), core::TradeClass::farming);
    EXPECT_NE(std::find(clamped.tradeClasses.begin(), clamped.tradeClasses.end(),
                        core::TradeClass::highPopulation),
              clamped.tradeClasses.end());
}

TEST(SystemEditChecks, OnlyWhatWasEditedIsJudged) {
    core::HexData original = velmora::testing::sampleHex();
    // Stored data that bends a rule: an imported world drier than its air allows.
    original.starSystem.stars[0].worlds[0].uwp.hydrographics = 1;
    original.starSystem.stars[1].name = "";

    core::HexData edited = original;
    edited.notes = "Visited in 1106";
    EXPECT_TRUE(checkSystemEdit(original, edited).empty());

    edited.starSystem.stars[0].worlds[1].uwp.population = 16; // the gas giant
    edited.starSystem.stars[1].temperature = 10;
    const auto issues = checkSystemEdit(original, edited);
    ASSERT_EQ(issues.size(), 2u);
    EXPECT_EQ(issues[0].text(), "Tessaly VI: Population 16 is out of range (0–15).");
    EXPECT_EQ(issues[1].text(), "Unnamed star: Spectral subclass 10 is out of range (0–9).");

    const core::HexData fixed = clampSystemEdit(original, edited);
    EXPECT_TRUE(checkSystemEdit(original, fixed).empty());
    EXPECT_EQ(fixed.starSystem.stars[0].worlds[1].uwp.population, 15);
    EXPECT_EQ(fixed.starSystem.stars[1].temperature, 9);
    // The untouched world keeps its stored profile.
    EXPECT_EQ(fixed.starSystem.stars[0].worlds[0], original.starSystem.stars[0].worlds[0]);
}

TEST(SystemEditChecks, NamesThatWereClearedCannotBeClamped) {
    const core::HexData original = velmora::testing::sampleHex();
    core::HexData edited = original;
    edited.starSystem.name = "  ";
    edited.starSystem.stars[0].worlds[0].name = "";
    edited.coordinates.row = 41;
    const auto issues = checkSystemEdit(original, edited);
    ASSERT_EQ(issues.size(), 3u);
    EXPECT_EQ(issues[0].text(), "System: The system needs a name.");
    EXPECT_FALSE(issues[0].clampable);
    EXPECT_EQ(issues[1].text(), "System: Row 41 is out of range (1–40).");
    EXPECT_TRUE(issues[1].clampable);
    EXPECT_EQ(issues[2].text(), "Unnamed World: Every world needs a name.");
    EXPECT_FALSE(issues[2].clampable);
    EXPECT_EQ(issuesText(issues).find("System: The system needs a name.\nSystem: Row 41"), 0u);
    EXPECT_EQ(clampSystemEdit(original, edited).coordinates.row, 40);
}
