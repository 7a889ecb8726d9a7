#include "campaign/campaign.h"
#include "systems/open_universe.h"
#include "travel/route_actions.h"
#include "travel/route_maps.h"
#include "travel/travel_durations.h"
#include "universe/universe_codec.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// A three-stop route over two legs, costed as a ship's plan would be.
travel::RoutePlan twoLegPlan() {
    travel::RoutePlan plan;
    const core::GalacticCoordinates a{0, 0, 5, 1}, b{0, 0, 5, 3}, c{1, -1, 2, 40};
    plan.stops = {{a, "Alpha"}, {b, "Beta"}, {c, "Gamma"}};
    plan.legs = {{a, b, 2}, {b, c, 2}};
    plan.totalJumps = 2;
    plan.totalDistanceLY = 4;
    plan.totalSeconds = 1'000'000; // 277.8 h: 1w 4d 14h; 16,666.7 minutes
    plan.totalFuelCostCredits = 6'000;
    plan.upkeepPeriods = 1;
    plan.upkeepCostCredits = 3'500;
    return plan;
}

} // namespace

TEST(RouteActions, RuttersFromARouteAreOneEdit) {
    universe::UniverseRecord record;
    record.data = velmora::testing::routeMap({{5, 1, "Alpha"}, {5, 3, "Beta"}});
    universe::Faction guild;
    guild.id = core::Uuid::generate();
    guild.name = "Guild";
    record.factions = {guild};
    universe::Rutter old;
    old.id = core::Uuid::generate();
    old.factionID = guild.id;
    record.rutters = {old};
    velmora::testing::OpenUniverse open(record);
    auto& universe = *open.universe;

    const auto plan = twoLegPlan();
    ASSERT_TRUE(
        travel::createRuttersFromRoute(universe, plan, guild.id, universe::RutterAge::recent));
    ASSERT_EQ(universe.rutters().size(), 3u);
    for (std::size_t i = 0; i < plan.legs.size(); ++i) {
        const auto& made = universe.rutters()[i + 1];
        EXPECT_EQ(made.factionID, guild.id);
        EXPECT_EQ(made.start, plan.legs[i].from);
        EXPECT_EQ(made.end, plan.legs[i].to);
        EXPECT_FALSE(made.mainTradeRoute);
        EXPECT_EQ(made.age, universe::RutterAge::recent);
        EXPECT_NE(made.id, old.id);
    }
    EXPECT_NE(universe.rutters()[1].id, universe.rutters()[2].id);
    // Saved with the edit, and named for the Edit menu as the button reads.
    EXPECT_EQ(universe::decodeUniverse(open.folder.read(universe.file().filename().string()))
                  .rutters.size(),
              3u);
    EXPECT_EQ(universe.undoName(), "Create Routes from Route");
    ASSERT_TRUE(universe.undo());
    EXPECT_EQ(universe.rutters(), record.rutters) << "one undo takes back every leg";

    // A faction deleted meanwhile: nothing happens.
    const auto refused = travel::createRuttersFromRoute(universe, plan, core::Uuid::generate(),
                                                        universe::RutterAge::recent);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(universe.rutters(), record.rutters);
}

TEST(RouteActions, RutterWordsFollowTheRuleSet) {
    EXPECT_EQ(travel::createRuttersTitle(false), "Create Rutters from Route");
    EXPECT_EQ(travel::createRuttersTitle(true), "Create Routes from Route");
    EXPECT_EQ(travel::createdRuttersText(3, false), "Created 3 Rutters");
    EXPECT_EQ(travel::createdRuttersText(1, true), "Created 1 Route");
}

TEST(RouteActions, ApplyingAPlanToTheCampaign) {
    auto plan = twoLegPlan();
    campaign::Campaign campaign;
    campaign.commonCredits = 5'000;
    campaign.date = {{}, 364, 1105, 23, 0};

    // 1,000,000 s is 16,666.67 minutes, booked as 16,667: 11 d 13 h 47 min on from
    // 23:00 of day 364 is 12:47 on day 11 of the next year.
    EXPECT_EQ(travel::addRouteTime(campaign, plan), "Added 1w 4d 14h to the campaign clock.");
    EXPECT_EQ(campaign.date.timeText(), "12:47-011-1106");
    EXPECT_EQ(travel::formatVoyage(plan.totalSeconds), "1w 4d 14h");

    EXPECT_EQ(travel::payFuelTitle(plan), "Pay Fuel (Cr6000)");
    EXPECT_EQ(travel::payFuel(campaign, plan), "Paid Cr6000 in fuel costs from Common Credits.");
    EXPECT_EQ(campaign.commonCredits, -1'000) << "payments may overdraw";
    EXPECT_EQ(travel::payUpkeepTitle(plan), "Pay Salaries & Upkeep (Cr3500)");
    EXPECT_EQ(travel::payUpkeep(campaign, plan),
              "Paid Cr3500 in upkeep (maintenance, life support, and salaries) from Common "
              "Credits.");
    EXPECT_EQ(campaign.commonCredits, -4'500);
    EXPECT_EQ(campaign.lastFeedback,
              "Paid Cr3500 in upkeep (maintenance, life support, and salaries) from Common "
              "Credits.");
    EXPECT_EQ(campaign.feedbackHistory.size(), 3u);

    plan.totalFuelCostCredits = 0;
    plan.upkeepCostCredits = 0;
    EXPECT_FALSE(travel::payFuelTitle(plan));
    EXPECT_FALSE(travel::payUpkeepTitle(plan));
}

TEST(RouteActions, SettingTheLocationToTheDestination) {
    // Gamma's main world is the B satellite at orbit 4 of its second star.
    core::HexData gamma = velmora::testing::routeSystem({2, 40, "Gamma", core::Starport::typeC});
    gamma.starSystem.stars[0].worlds[0].mainWorld = false;
    core::Star second;
    second.id = core::Uuid::generate();
    core::WorldData moon;
    moon.id = core::Uuid::generate();
    moon.mainWorld = true;
    moon.sunOrbit = core::Orbits::starOrbit4;
    moon.satelliteOrbit = core::PlanetOrbits::planetOrbitB;
    second.worlds = {moon};
    gamma.starSystem.stars.push_back(second);
    core::HexData empty = velmora::testing::routeSystem({3, 1, "Empty"});
    empty.starSystem.stars[0].worlds.clear();

    campaign::Campaign campaign;
    EXPECT_EQ(travel::setLocationToDestination(campaign, gamma, "Gamma"),
              "Set campaign location to Gamma.");
    EXPECT_EQ(campaign.hex, gamma);
    EXPECT_EQ(campaign.starIndex, 1);
    EXPECT_EQ(campaign.orbit, core::Orbits::starOrbit4);
    EXPECT_EQ(campaign.planetOrbit, core::PlanetOrbits::planetOrbitB);

    const core::HexData alpha = velmora::testing::routeSystem({5, 1, "Alpha"});
    travel::setLocationToDestination(campaign, alpha, "Alpha");
    EXPECT_EQ(campaign.orbit, core::Orbits::starOrbit10);
    EXPECT_EQ(campaign.planetOrbit, std::nullopt) << "a planet has no satellite orbit";
    EXPECT_EQ(campaign.starIndex, 0);

    travel::setLocationToDestination(campaign, empty, "Empty");
    EXPECT_EQ(campaign.hex, empty);
    EXPECT_EQ(campaign.orbit, std::nullopt);
    EXPECT_EQ(campaign.planetOrbit, std::nullopt);
    EXPECT_EQ(campaign.lastFeedback, "Set campaign location to Empty.");
}
