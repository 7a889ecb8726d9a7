#include "ships/saved_ship_designs_store.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"
#include "travel/route_maps.h"
#include "universe/universe_codec.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using velmora::testing::CliRun;
using velmora::testing::TemporaryFolder;
using namespace velmora;

namespace {

constexpr double hour = 3'600;

// A universe of three systems down column 5 of sector (0, 0), two parsecs apart:
// Sol (A port), Mid (C port) and End (E port, nothing to scoop), and Far, a jump-4
// hop beyond End that no one can refuel on the way to.
std::string writeUniverse(const TemporaryFolder& data) {
    universe::UniverseRecord record;
    record.name = "Route Test";
    record.data = velmora::testing::routeMap({{5, 1, "Sol", core::Starport::typeA},
                                              {5, 3, "Mid", core::Starport::typeC},
                                              {5, 5, "End", core::Starport::typeE},
                                              {5, 9, "Far", core::Starport::typeA}});
    data.write("Universes/" + record.id.toString() + ".json", universe::encodeUniverse(record));
    return record.id.toString();
}

CliRun route(const TemporaryFolder& data, const std::string& universe, const std::string& rest) {
    return velmora::testing::runCli(data, "route --universe " + universe + " " + rest);
}

} // namespace

TEST(RouteCli, PrintsThePlanAsJson) {
    TemporaryFolder data;
    const std::string id = writeUniverse(data);
    const CliRun run = route(data, id, "--from 0,0,0501 --to 0,0,0505 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto plan = nlohmann::json::parse(run.out);
    ASSERT_EQ(plan["stops"].size(), 3u);
    EXPECT_EQ(plan["stops"][0]["hex"], "0,0,0501");
    EXPECT_EQ(plan["stops"][1]["systemName"], "Mid");
    EXPECT_EQ(plan["stops"][1]["fuelSource"], "unrefinedStarport");
    // A notional ship spends six hours at a port, and nothing is costed.
    EXPECT_EQ(plan["stops"][1]["refuelSeconds"], 6 * hour);
    EXPECT_EQ(plan["stops"][1]["fuelCostCredits"], 0);
    EXPECT_EQ(plan["stops"][2]["fuelSource"], "none");
    ASSERT_EQ(plan["legs"].size(), 2u);
    EXPECT_EQ(plan["legs"][1]["from"], "0,0,0503");
    EXPECT_EQ(plan["legs"][1]["to"], "0,0,0505");
    EXPECT_EQ(plan["legs"][1]["distanceLY"], 2);
    double total = 6 * hour;
    for (const auto& leg : plan["legs"]) {
        // 148 + 6D6 hours, in whole hours.
        const double jump = leg["jumpSeconds"];
        EXPECT_GE(jump, 154 * hour);
        EXPECT_LE(jump, 184 * hour);
        EXPECT_EQ(std::fmod(jump, hour), 0);
        EXPECT_EQ(leg["departManeuverSeconds"], 0);
        total += jump;
    }
    EXPECT_DOUBLE_EQ(plan["totalSeconds"].get<double>(), total);
    EXPECT_EQ(plan["totalJumps"], 2);
    EXPECT_EQ(plan["totalDistanceLY"], 4);
    EXPECT_EQ(plan["jumpRating"], 2);
    EXPECT_EQ(plan["canScoop"], false);
    EXPECT_EQ(plan["thrustG"], 1.0);
    EXPECT_EQ(plan["upkeepPeriods"], 0);
    EXPECT_FALSE(plan.contains("shipName"));
}

TEST(RouteCli, PrintsThePlanAsText) {
    TemporaryFolder data;
    const std::string id = writeUniverse(data);
    const CliRun run = route(data, id, "--from 0,0,0501 --to 0,0,0505 --thrust 2.5");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Start: Sol \u00b7 Refined (starport)\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\nStop 1: Mid \u00b7 Unrefined (starport) \u2014 refuel: 6h 0m\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nDestination: End \u00b7 No fuel\n2 jumps \u00b7 4 LY \u00b7 "),
              std::string::npos)
        << run.out;
}

TEST(RouteCli, FailuresAndMisuse) {
    TemporaryFolder data;
    const std::string id = writeUniverse(data);
    const struct {
        const char* arguments;
        int exitCode;
        const char* error;
    } cases[] = {
        {"--from 0,0,0501 --to 0,0,0501", 1, "Start and destination are the same system."},
        {"--from 0,0,0501 --to 0,0,0505 --jump 1", 1,
         "No fuel-feasible route within jump-1 range (try enabling fuel scooping)."},
        {"--from 0,0,0501 --to 0,0,0909 --scoop", 1, "No system at 0,0,0909"},
        {"--from 0,0,0501 --to 0,0,0909 --jump 4 --scoop", 1, "No system at 0,0,0909"},
        {"--from 0,0,0501 --to 0,0,0509 --jump 2 --scoop", 1,
         "No fuel-feasible route within jump-2 range."},
        {"--from 0,0,0501 --to 0,0,0505 --campaign NOPE", 1, "No campaign with the code NOPE."},
        {"--from 0,0,0501", 2, "route needs --to"},
        {"--from 0,0,501 --to 0,0,0505", 2, "--from takes a hex as SX,SY,CCRR"},
        {"--from 0,0,0501 --to 0,0,0505 --jump 7", 2, "--jump takes a jump rating from 1 to 6"},
        {"--from 0,0,0501 --to 0,0,0505 --thrust fast", 2, "--thrust takes a thrust in G"},
        {"--from 0,0,0501 --to 0,0,0505 --ship 00000000-0000-0000-0000-000000000001 --jump 3", 2,
         "with --ship the ship decides"},
        {"--from 0,0,0501 --to 0,0,0505 --ship 00000000-0000-0000-0000-000000000001 --scoop", 2,
         "with --ship the ship decides"},
        {"--from 0,0,0501 --to 0,0,0505 --ship 00000000-0000-0000-0000-000000000001", 1,
         "No saved ship with the id 00000000-0000-0000-0000-000000000001."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = route(data, id, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

TEST(RouteCli, ASavedShipDecidesItsOwnDrives) {
    TemporaryFolder data;
    const std::string id = writeUniverse(data);
    ships::SavedShipDesignsStore store(data.path() / ships::SavedShipDesignsStore::rootFolderName);
    ships::SavedShipDesign saved;
    saved.id = core::Uuid::generate();
    saved.configurationName = "Type A2";
    saved.design.tonnage = 200;
    saved.design.hasJumpDrive = true;
    saved.design.jumpDriveRating = 2;
    saved.design.manoeuvreDriveRating = 3;
    saved.design.hasFuelScoop = true;
    ASSERT_TRUE(store.save(saved)) << store.lastError().value_or("");

    const CliRun run =
        route(data, id, "--from 0,0,0501 --to 0,0,0505 --json --ship " + saved.id.toString());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto plan = nlohmann::json::parse(run.out);
    // No ship name: the class name stands in for it.
    EXPECT_EQ(plan["shipName"], "Type A2");
    EXPECT_EQ(plan["jumpRating"], 2);
    EXPECT_EQ(plan["thrustG"], 3.0);
    EXPECT_EQ(plan["canScoop"], true);
}
