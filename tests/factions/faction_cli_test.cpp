// velmora-cli's faction commands against a universe file in a data folder.

#include "support/cli_runner.h"
#include "support/temporary_folder.h"
#include "universe/universe_codec.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using velmora::testing::TemporaryFolder;
using namespace velmora;

namespace {

std::string runCli(const TemporaryFolder& data, const std::string& arguments, int* exitCode) {
    const velmora::testing::CliRun run = velmora::testing::runCli(data, arguments);
    *exitCode = run.exitCode;
    return run.out;
}

} // namespace

TEST(FactionCli, FactionsByGroupWithTheirFiguresAndListsSkippingMissingOnes) {
    TemporaryFolder data;
    universe::UniverseRecord record;
    record.name = "Spinward";
    universe::Faction navy;
    navy.id = core::Uuid::generate();
    navy.name = "Imperial Navy";
    navy.category = universe::FactionCategory::political;
    navy.force = 3;
    navy.cunning = 2;
    navy.wealth = 5;
    navy.hp = 12;
    navy.credits = 9;
    universe::Faction tukera;
    tukera.id = core::Uuid::generate();
    tukera.name = "Tukera Lines";
    tukera.category = universe::FactionCategory::megacorporation;
    record.factions = {navy, tukera};
    record.factionLists = {{core::Uuid::generate(), "", {core::Uuid::generate(), navy.id}}};
    data.write("Universes/" + record.id.toString() + ".json", universe::encodeUniverse(record));

    int exitCode = -1;
    const std::string factions = runCli(data, "factions " + record.id.toString(), &exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(factions,
              "Megacorps\n  " + tukera.id.toString() +
                  "\tTukera Lines\tF1 C1 W1\tHP 0/7\t0 FC\tincome 1\tupkeep 0\t0 assets\n"
                  "Polities\n  " +
                  navy.id.toString() +
                  "\tImperial Navy\tF3 C2 W5\tHP 12/19\t9 FC\tincome 4\tupkeep 0\t0 assets\n");

    const std::string lists = runCli(data, "faction-lists " + record.id.toString(), &exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(lists, record.factionLists[0].id.toString() +
                         "\tUnnamed List\t1 faction\n  Imperial Navy\n");

    runCli(data, "factions one two", &exitCode);
    EXPECT_EQ(exitCode, 2);
}
