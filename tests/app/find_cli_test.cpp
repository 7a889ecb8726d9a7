#include "support/cli_runner.h"
#include "support/temporary_folder.h"
#include "universe/universe_codec.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using velmora::testing::CliRun;
using velmora::testing::TemporaryFolder;
using namespace velmora;

namespace {

core::HexData hexWith(core::GalacticCoordinates at, const std::string& name, core::UWP uwp,
                      std::vector<core::Uuid> factions = {}) {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = at;
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = name;
    core::Star star;
    star.id = core::Uuid::generate();
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = name;
    world.mainWorld = true;
    world.uwp = uwp;
    world.factionIDs = std::move(factions);
    star.worlds.push_back(world);
    hex.starSystem.stars.push_back(star);
    return hex;
}

core::UWP profile(core::Starport port, std::array<int, 6> digits, int techLevel,
                  std::set<core::Base> bases = {}) {
    core::UWP uwp;
    uwp.starport = port;
    uwp.size = digits[0];
    uwp.atmosphere = digits[1];
    uwp.hydrographics = digits[2];
    uwp.population = digits[3];
    uwp.government = digits[4];
    uwp.lawLevel = digits[5];
    uwp.techLevel = core::travellerTechLevel(techLevel);
    uwp.bases = std::move(bases);
    return uwp;
}

// A universe of three systems in two sectors, stored where the program looks for it.
std::string writeUniverse(const TemporaryFolder& data) {
    universe::UniverseRecord record;
    record.name = "Marches";
    universe::Faction imperium;
    imperium.id = core::Uuid::generate();
    imperium.name = "Third Imperium";
    imperium.shortName = "ImDd";
    record.factions = {imperium};
    using core::Starport;
    record.data = {
        hexWith({0, 0, 19, 10}, "Regina",
                profile(Starport::typeA, {7, 8, 8, 8, 9, 9}, 12, {core::Base::imperialNavalBase}),
                {imperium.id}),
        hexWith({-1, 0, 32, 40}, "Far Rim", profile(Starport::typeE, {5, 5, 5, 2, 0, 0}, 4)),
        hexWith({0, 0, 21, 9}, "Efate", profile(Starport::typeA, {6, 4, 6, 9, 3, 0}, 13),
                {imperium.id}),
    };
    data.write("Universes/" + record.id.toString() + ".json", universe::encodeUniverse(record));
    return record.id.toString();
}

} // namespace

TEST(FindCli, PrintsTheMatchesOfAPattern) {
    TemporaryFolder data;
    const std::string id = writeUniverse(data);

    const CliRun text = velmora::testing::runCli(data, "find 'TL>=12' --universe " + id);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, "0,0,1910\tRegina\tA788899-C\n0,0,2109\tEfate\tA646930-D\n2 systems\n");

    // Terms given as separate words form one pattern; every one must hold.
    const CliRun json =
        velmora::testing::runCli(data, "find 'A???9?\?-*' al:imdd --json --universe " + id);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(
        nlohmann::json::parse(json.out),
        nlohmann::json::parse(R"([{"hex": "0,0,2109", "name": "Efate", "profile": "A646930-D"}])"));

    // The sector is part of the hex: the rim of the sector to the left.
    const CliRun rim = velmora::testing::runCli(data, "find rim --json --universe " + id);
    EXPECT_EQ(nlohmann::json::parse(rim.out),
              nlohmann::json::parse(
                  R"([{"hex": "-1,0,3240", "name": "Far Rim", "profile": "E555200-4"}])"));

    const CliRun none = velmora::testing::runCli(data, "find N pop=9 --json --universe " + id);
    EXPECT_EQ(none.out, "[]\n");
}

TEST(FindCli, RefusesAPatternItCannotRead) {
    TemporaryFolder data;
    const std::string id = writeUniverse(data);
    const struct {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"find 'TL>=' --universe " + id, "“TL>=” needs a number after “>=”"},
        {"find --universe " + id, "find needs a pattern"},
        {"find N --colour red", "unknown argument \"--colour\""},
    };
    for (const auto& c : cases) {
        const CliRun run = velmora::testing::runCli(data, c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
}
