#include "campaign/campaign.h"
#include "support/scripted_random.h"
#include "travel/route_maps.h"
#include "travel/route_plan_json.h"
#include "travel/route_planner.h"
#include "travel/route_texts.h"
#include "travel/travel_geometry.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace velmora;
using core::Starport;
using velmora::testing::MapSystem;
using velmora::testing::ScriptedDice;

namespace {

constexpr double hour = 3'600;

std::vector<std::string> stopNames(const std::optional<travel::RoutePlan>& plan) {
    std::vector<std::string> names;
    if (plan)
        for (const auto& stop : plan->stops)
            names.push_back(stop.systemName);
    return names;
}

// Dice for every leg's 6D6, each die showing `face`.
void pushJumpDice(ScriptedDice& dice, int legs, int face) {
    for (int i = 0; i < legs * 6; ++i)
        dice.pushFace(face);
}

// Plans with dice enough for any route of these maps; the rolls do not matter here.
std::optional<travel::RoutePlan> plan(const std::vector<core::HexData>& hexes,
                                      const travel::RouteRequest& request) {
    ScriptedDice dice;
    for (int i = 0; i < 200; ++i)
        dice.pushFace(3);
    return travel::planRoute(hexes, request, dice);
}

travel::RouteRequest request(core::GalacticCoordinates from, core::GalacticCoordinates to,
                             int jumpRating, bool canScoop = false) {
    travel::RouteRequest r;
    r.start = from;
    r.destination = to;
    r.jumpRating = jumpRating;
    r.canScoop = canScoop;
    return r;
}

// A 200-ton hull burns 20 t a parsec; 40 t in the main tanks and a 20 t drop tank.
travel::ShipProfile scout() {
    travel::ShipProfile ship;
    ship.shipName = "Far Trader";
    ship.jumpRating = 2;
    ship.thrustG = 1;
    ship.fuelCapacityTons = 40;
    ship.dropTankTons = 20;
    ship.fuelPerParsecTons = 20;
    ship.maintenancePerPeriodCredits = 1'000;
    ship.lifeSupportPerPeriodCredits = 2'000;
    return ship;
}

} // namespace

TEST(RoutePlanner, PicksFewestJumpsThenFewestParsecsThenHexOrder) {
    // Down column 5: S at row 1, T at row 7 (6 parsecs). a1 (row 2) and a2 (row 6)
    // make a three-jump road of 1 + 4 + 1 = 6 parsecs with no shortcut at jump-4
    // (S–a2 and a1–T are 5). b3 and b7 (row 4 of columns 3 and 7) are 4 from both ends:
    // two jumps, 8 parsecs. m (row 4 of column 5) is 3 from both ends: two jumps, 6.
    const MapSystem S{5, 1, "S", Starport::typeA}, T{5, 7, "T", Starport::typeA},
        a1{5, 2, "a1", Starport::typeA}, a2{5, 6, "a2", Starport::typeA},
        b3{3, 4, "b3", Starport::typeA}, b7{7, 4, "b7", Starport::typeA},
        m{5, 4, "m", Starport::typeB};
    const struct {
        const char* name;
        std::vector<MapSystem> map;
        std::vector<std::string> expected;
    } cases[] = {
        {"fewer jumps beat fewer parsecs", {S, a1, a2, T, b7}, {"S", "b7", "T"}},
        {"equal jumps: fewer parsecs", {S, T, b7, m}, {"S", "m", "T"}},
        {"a tie goes by hex order", {S, T, b7, b3}, {"S", "b7", "T"}},
        {"the other hex order", {S, T, b3, b7}, {"S", "b3", "T"}},
        {"only the long road", {S, a1, a2, T}, {"S", "a1", "a2", "T"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(stopNames(plan(velmora::testing::routeMap(c.map),
                                 request({0, 0, 5, 1}, {0, 0, 5, 7}, 4))),
                  c.expected);
    }
}

TEST(RoutePlanner, FuelDecidesWhereANotionalShipMayStop) {
    // S and T are 4 apart down column 5 and X lies halfway: jump-2 must pass X.
    auto withX = [](MapSystem x) {
        return velmora::testing::routeMap(
            {{5, 1, "S", Starport::typeA}, x, {5, 5, "T", Starport::typeE}});
    };
    const MapSystem bare{5, 3, "X", Starport::typeE};
    MapSystem giant = bare, water = bare;
    giant.gasGiants = 1;
    water.hydrographics = 3;
    auto scoutBase = velmora::testing::routeSystem(bare);
    scoutBase.starSystem.stars[0].worlds[0].uwp.bases = {core::Base::scoutBase};
    auto embassyOnly = velmora::testing::routeSystem(bare);
    embassyOnly.starSystem.stars[0].worlds[0].uwp.bases = {core::Base::embassy};
    auto refuelling = velmora::testing::routeSystem(bare);
    refuelling.starSystem.stars[0].worlds[0].worldTags = {core::WorldTag::refuellingStop};
    auto replaced = [&](core::HexData x) {
        auto map = withX(bare);
        map[1] = std::move(x);
        return map;
    };

    const struct {
        const char* name;
        std::vector<core::HexData> map;
        bool canScoop;
        std::optional<travel::FuelSource> atX; // nothing: no route
    } cases[] = {
        {"E port, no scoops", withX(bare), false, std::nullopt},
        {"E port, scoops but nothing to scoop", withX(bare), true, std::nullopt},
        {"gas giant, no scoops", withX(giant), false, std::nullopt},
        {"gas giant, scoops", withX(giant), true, travel::FuelSource::gasGiant},
        {"water, scoops", withX(water), true, travel::FuelSource::water},
        {"scout base", replaced(scoutBase), false, travel::FuelSource::installation},
        {"embassy only", replaced(embassyOnly), false, std::nullopt},
        {"refuelling stop", replaced(refuelling), false, travel::FuelSource::installation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = plan(c.map, request({0, 0, 5, 1}, {0, 0, 5, 5}, 2, c.canScoop));
        ASSERT_EQ(found.has_value(), c.atX.has_value());
        if (found) {
            EXPECT_EQ(found->stops[1].fuelSource, *c.atX);
            // T, the destination, has an E port and nothing to scoop: it may lack fuel.
            EXPECT_EQ(found->stops[2].fuelSource, travel::FuelSource::none);
        }
    }
    // The same X is fine as the destination itself.
    EXPECT_EQ(stopNames(plan(withX(bare), request({0, 0, 5, 1}, {0, 0, 5, 3}, 2))),
              (std::vector<std::string>{"S", "X"}));
    EXPECT_EQ(travel::noRouteMessage(2, false, false),
              "No fuel-feasible route within jump-2 range (try enabling fuel scooping).");
    EXPECT_EQ(travel::noRouteMessage(3, true, false),
              "No fuel-feasible route within jump-3 range.");
}

TEST(RoutePlanner, RefusesWhatCannotBePlanned) {
    const auto map =
        velmora::testing::routeMap({{5, 1, "S", Starport::typeA}, {5, 2, "T", Starport::typeA}});
    auto ok = request({0, 0, 5, 1}, {0, 0, 5, 2}, 1);
    EXPECT_TRUE(plan(map, ok));
    auto same = ok;
    same.destination = same.start;
    auto noThrust = ok;
    noThrust.thrustG = 0;
    auto noJump = ok;
    noJump.jumpRating = 0;
    auto emptyHex = ok;
    emptyHex.destination = {0, 0, 9, 9};
    for (const auto& refused : {same, noThrust, noJump, emptyHex})
        EXPECT_FALSE(plan(map, refused));
    EXPECT_FALSE(plan({}, ok));
}

TEST(RoutePlanner, NotionalShipTimesAtEachStop) {
    // S (A port) → G (E port, a gas giant) → W (E port, water) → T, each 2 apart, at 2 G
    // with scoops. G's giant, size 21 at 77.2 AU, must be cleared by 100 × 32,186.88 km
    // = 3,218,688 km: 2 × √(3,218,688,000 m / 19.62 m/s²) = 25,616.51 s each way. G has
    // nothing else with a surface, so ships also jump from there: the same flight out
    // and in. Skimming adds 6 h; scooping water takes 4 h; the destination takes none.
    auto hexes = velmora::testing::routeMap({{5, 1, "S", Starport::typeA},
                                             {5, 3, "G", Starport::typeE, 1},
                                             {5, 5, "W", Starport::typeE, 0, 4},
                                             {5, 7, "T", Starport::typeE, 0, 4}});
    core::WorldData giant;
    giant.id = core::Uuid::generate();
    giant.type = core::WorldType::smallGasGiant;
    giant.uwp.size = 21;
    giant.sunOrbit = core::Orbits::starOrbit10;
    hexes[1].starSystem.stars[0].worlds.push_back(giant);

    auto r = request({0, 0, 5, 1}, {0, 0, 5, 7}, 2, true);
    r.thrustG = 2;
    ScriptedDice dice;
    pushJumpDice(dice, 1, 1); // 148 + 6 = 154 h
    pushJumpDice(dice, 1, 6); // 184 h
    pushJumpDice(dice, 1, 2); // 160 h
    const auto found = travel::planRoute(hexes, r, dice);
    ASSERT_TRUE(found);
    EXPECT_TRUE(dice.exhausted());
    const double giantFlight = 25'616.508;
    ASSERT_EQ(found->stops.size(), 4u);
    EXPECT_EQ(found->stops[0].refuelSeconds, 0);
    EXPECT_NEAR(found->stops[1].refuelSeconds, 2 * giantFlight + 6 * hour, 1e-2);
    EXPECT_EQ(found->stops[2].refuelSeconds, 4 * hour);
    EXPECT_EQ(found->stops[3].refuelSeconds, 0);
    EXPECT_EQ(found->stops[3].fuelSource, travel::FuelSource::water);

    ASSERT_EQ(found->legs.size(), 3u);
    EXPECT_EQ(found->legs[0].jumpSeconds, 154 * hour);
    EXPECT_EQ(found->legs[1].jumpSeconds, 184 * hour);
    EXPECT_EQ(found->legs[2].jumpSeconds, 160 * hour);
    EXPECT_EQ(found->legs[0].departManeuverSeconds, 0);
    EXPECT_NEAR(found->legs[0].arriveManeuverSeconds, giantFlight, 1e-2);
    EXPECT_NEAR(found->legs[1].departManeuverSeconds, giantFlight, 1e-2);
    EXPECT_EQ(found->legs[1].arriveManeuverSeconds, 0);
    EXPECT_EQ(found->totalJumps, 3);
    EXPECT_EQ(found->totalDistanceLY, 6);
    // 498 h of jumps, four giant flights, 6 h + 4 h at the stops.
    EXPECT_NEAR(found->totalSeconds, 498 * hour + 4 * giantFlight + 10 * hour, 1e-2);
    EXPECT_EQ(found->totalFuelCostCredits, 0);
    EXPECT_EQ(found->upkeepPeriods, 0);
    EXPECT_FALSE(found->shipName);
}

TEST(RoutePlanner, ManoeuvresFlyToTheMainWorldsJumpPoint) {
    // Size-8 main worlds at 77.2 AU: 100 × 12,874.752 km = 1,287,475.2 km, flown at
    // 1 G in 2 × √(1,287,475,200 / 9.81) = 22,912.10 s.
    MapSystem from{5, 1, "S", Starport::typeA}, to{5, 2, "T", Starport::typeA};
    from.mainWorldSize = 8;
    to.mainWorldSize = 8;
    ScriptedDice dice;
    pushJumpDice(dice, 1, 1);
    const auto found = travel::planRoute(velmora::testing::routeMap({from, to}),
                                         request({0, 0, 5, 1}, {0, 0, 5, 2}, 1), dice);
    ASSERT_TRUE(found);
    EXPECT_NEAR(found->legs[0].departManeuverSeconds, 22'912.102, 1e-2);
    EXPECT_NEAR(found->legs[0].arriveManeuverSeconds, 22'912.102, 1e-2);
    EXPECT_NEAR(found->totalSeconds, 154 * hour + 2 * 22'912.102, 1e-2);
}

TEST(RoutePlanner, DropTankCarriesAShipThroughSystemsWithoutFuel) {
    // Down column 5: S (row 1, A port), N (row 3, no fuel), F (row 4), N2 (row 6, no
    // fuel), F3 (row 7, A port). S→N is 2 parsecs: 40 t, the whole main tank. N→F is 1:
    // 20 t, all from the 20 t drop tank. From N a 2-parsec jump (40 t) is beyond it.
    const MapSystem S{5, 1, "S", Starport::typeA}, N{5, 3, "N", Starport::typeX},
        F{5, 4, "F", Starport::typeC}, N2{5, 6, "N2", Starport::typeX},
        F3{5, 7, "F3", Starport::typeA}, far{5, 5, "Far", Starport::typeA};
    travel::RouteRequest r = request({0, 0, 5, 1}, {0, 0, 5, 5}, 2);
    r.ship = scout();
    const auto stranded = velmora::testing::routeMap({S, N, far});
    EXPECT_FALSE(plan(stranded, r)) << "N to Far needs 40 t beyond the 20 t budget";
    r.ship->dropTankTons = 0;
    r.destination = {0, 0, 5, 4};
    EXPECT_FALSE(plan(velmora::testing::routeMap({S, N, F}), r))
        << "without the drop tank N is a dead end";
    EXPECT_EQ(travel::noRouteMessage(2, false, true),
              "No fuel-feasible route within jump-2 range for this ship (it can't scoop fuel).");
    EXPECT_EQ(travel::noRouteMessage(2, true, true),
              "No fuel-feasible route within jump-2 range for this ship.");

    // With the tank, and the budget restored at F, the ship gets all the way to F3.
    // At F (a C port, Cr100 a ton) it tops up the 20 t it owes the drop tank and the
    // 40 t main tank: 60 t, Cr6,000, taking 60 / (20 + 40) × 1D6 hours. Two tons of
    // processor refine 40 t a day, so the 60 t take 1.5 days (129,600 s), longer than
    // the flight out (none here), so they set the departure time. F3, the destination
    // with fuel, counts as topped off without a bill.
    r.ship = scout();
    r.ship->fuelProcessorTonnage = 2;
    r.destination = {0, 0, 5, 7};
    campaign::Campaign crew;
    crew.players.resize(2);
    crew.players[0].isNPC = true;
    crew.players[0].salary = 500;
    crew.players[1].salary = 700; // a player character: not paid from the ship's upkeep
    r.campaign = &crew;
    const auto map = velmora::testing::routeMap({S, N, F, N2, F3});

    const struct {
        int refuelFace;
        int jumpFace;
        int periods;
        core::Credits upkeep;
    } cases[] = {
        // Four jumps of 154 h = 616 h, plus 1.5 d processing and 1 h refuelling:
        // 2,217,600 + 129,600 + 3,600 = 2,350,800 s, 27.2 days: no period.
        {1, 1, 0, 0},
        // 4 × 184 h = 736 h: 2,649,600 + 129,600 + 21,600 = 2,800,800 s, 32.4 days: one
        // period of maintenance 1,000 + life support 2,000 + the NPC's 500.
        {6, 6, 1, 3'500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jumpFace);
        ScriptedDice dice{c.refuelFace};
        pushJumpDice(dice, 4, c.jumpFace);
        const auto found = travel::planRoute(map, r, dice);
        ASSERT_TRUE(found);
        EXPECT_TRUE(dice.exhausted());
        EXPECT_EQ(stopNames(found), (std::vector<std::string>{"S", "N", "F", "N2", "F3"}));
        EXPECT_EQ(found->shipName, "Far Trader");
        const auto& at = found->stops[2];
        EXPECT_EQ(at.fuelCostCredits, 6'000);
        EXPECT_DOUBLE_EQ(at.refuelSeconds, c.refuelFace * hour);
        EXPECT_DOUBLE_EQ(at.processingSeconds, 129'600);
        EXPECT_DOUBLE_EQ(found->legs[2].departManeuverSeconds, 129'600);
        for (const std::size_t i : {0u, 1u, 3u, 4u}) {
            EXPECT_EQ(found->stops[i].fuelCostCredits, 0) << i;
            EXPECT_EQ(found->stops[i].refuelSeconds, 0) << i;
        }
        EXPECT_EQ(found->totalFuelCostCredits, 6'000);
        EXPECT_DOUBLE_EQ(found->totalSeconds,
                         4 * (148 + 6 * c.jumpFace) * hour + 129'600 + c.refuelFace * hour);
        EXPECT_EQ(found->upkeepPeriods, c.periods);
        EXPECT_EQ(found->upkeepCostCredits, c.upkeep);
    }
}

TEST(RoutePlanner, RefinedFuelNeedsNoProcessingAndOwesNothingAtTheDestination) {
    // S → F (B port, 2 parsecs) → T (no fuel, 2 parsecs). At F the ship buys back the
    // 40 t it burnt, refined at Cr500: Cr20,000 in 40 / 60 × 3 h = 2 h. T has no fuel
    // and nothing is bought there even though the tanks are dry.
    travel::RouteRequest r = request({0, 0, 5, 1}, {0, 0, 5, 5}, 2);
    r.ship = scout();
    r.ship->fuelProcessorTonnage = 1;
    ScriptedDice dice{3};
    pushJumpDice(dice, 2, 1);
    const auto found = travel::planRoute(velmora::testing::routeMap({{5, 1, "S", Starport::typeA},
                                                                     {5, 3, "F", Starport::typeB},
                                                                     {5, 5, "", Starport::typeX}}),
                                         r, dice);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->stops[1].fuelCostCredits, 20'000);
    EXPECT_DOUBLE_EQ(found->stops[1].refuelSeconds, 2 * hour);
    EXPECT_EQ(found->stops[1].processingSeconds, 0);
    EXPECT_EQ(found->stops[2].systemName, "Unnamed System");
    EXPECT_EQ(found->stops[2].fuelCostCredits, 0);
}

TEST(RoutePlanner, PlanAsTextAndJson) {
    travel::RouteRequest r = request({0, 0, 5, 1}, {0, 0, 5, 5}, 2);
    r.ship = scout();
    ScriptedDice dice{3};
    pushJumpDice(dice, 2, 1);
    const auto found = travel::planRoute(velmora::testing::routeMap({{5, 1, "S", Starport::typeA},
                                                                     {5, 3, "F", Starport::typeB},
                                                                     {5, 5, "T", Starport::typeX}}),
                                         r, dice);
    ASSERT_TRUE(found);
    // Two jumps of 154 h and 2 h refuelling: 310 h = 1w 5d 22h.
    EXPECT_EQ(travel::planLines(*found),
              (std::vector<std::string>{
                  "Start: S \u00b7 Refined (starport)",
                  "    2 LY \u00b7 jump 6d 10h \u00b7 maneuver \u2014",
                  "Stop 1: F \u00b7 Refined (starport) \u2014 refuel: 2h 0m \u2014 fuel: Cr20000",
                  "    2 LY \u00b7 jump 6d 10h \u00b7 maneuver \u2014",
                  "Destination: T \u00b7 No fuel",
                  "2 jumps \u00b7 4 LY \u00b7 1w 5d 22h \u00b7 Fuel: Cr20000 \u00b7 Upkeep (0 "
                  "periods): Cr0",
              }));
    EXPECT_EQ(travel::shipSummaryText(*r.ship),
              "Jump-2 \u00b7 Thrust 1G \u00b7 Fuel 40t \u00b7 No fuel scoops \u00b7 Drop tank 20t");

    const nlohmann::json json = travel::routePlanJson(*found);
    EXPECT_EQ(json["stops"][1]["hex"], "0,0,0503");
    EXPECT_EQ(json["stops"][1]["fuelSource"], "refinedStarport");
    EXPECT_EQ(json["stops"][1]["fuelCostCredits"], 20'000);
    EXPECT_EQ(json["legs"][1]["from"], "0,0,0503");
    EXPECT_EQ(json["legs"][1]["jumpSeconds"], 154 * hour);
    EXPECT_EQ(json["shipName"], "Far Trader");
    EXPECT_EQ(json["totalFuelCostCredits"], 20'000);

    EXPECT_EQ(travel::hexArgumentText({-1, 2, 3, 10}), "-1,2,0310");
    EXPECT_EQ(travel::parseHexArgument("-1,2,0310"), (core::GalacticCoordinates{-1, 2, 3, 10}));
    for (const char* bad : {"0,0,3301", "0,0,0141", "0,0,0000", "0,0,101", "0,0", "a,0,0101",
                            "0,0,0101,", "0;0;0101"})
        EXPECT_FALSE(travel::parseHexArgument(bad)) << bad;
}
