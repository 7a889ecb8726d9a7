#include "support/sample_hex.h"
#include "universe/system_disclosure.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::universe;

TEST(SystemDisclosure, RefereeSeesAllAndPlayersOnlyWhatTheSurveyFound) {
    const struct {
        MapViewMode mode;
        bool surveyed;
        bool surveyedDataShown;
        SystemDisclosure expected;
    } cases[] = {
        {MapViewMode::referee, false, false, {true, true, true, {}}},
        {MapViewMode::referee, true, true, {true, true, true, {}}},
        {MapViewMode::player, false, true, {false, false, false, "Not surveyed"}},
        {MapViewMode::player, false, false, {false, false, false, "Not surveyed"}},
        {MapViewMode::player, true, false, {false, false, false, "Survey data hidden"}},
        // A survey tells the players everything but the referee's notes.
        {MapViewMode::player, true, true, {true, true, false, {}}},
    };
    core::StarSystem system = velmora::testing::sampleHex().starSystem;
    for (const auto& c : cases) {
        MapViewSettings view;
        view.mapViewMode = c.mode;
        view.mapShowSurveyedData = c.surveyedDataShown;
        system.surveyed = c.surveyed;
        EXPECT_EQ(systemDisclosure(view, system), c.expected)
            << (c.mode == MapViewMode::player ? "player" : "referee") << " surveyed " << c.surveyed
            << " shown " << c.surveyedDataShown;
    }
}

TEST(SystemDisclosure, TravelZoneFromEitherListOfTagsRedFirst) {
    core::WorldData world;
    EXPECT_EQ(travelZone(world), std::nullopt);
    world.uwp.tags = {core::WorldTag::highport, core::WorldTag::amberZone};
    EXPECT_EQ(travelZone(world), core::WorldTag::amberZone);
    world.worldTags = {core::WorldTag::redZone};
    EXPECT_EQ(travelZone(world), core::WorldTag::redZone);
}
