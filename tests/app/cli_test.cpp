#include "support/cli_runner.h"
#include "support/temporary_folder.h"
#include "universe/universe_codec.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

using velmora::testing::TemporaryFolder;

namespace {

using velmora::testing::CliRun;

CliRun cli(const TemporaryFolder& data, const std::string& arguments) {
    return velmora::testing::runCli(data, arguments);
}

} // namespace

TEST(Cli, UniversesOpensTheStoreAsTheAppDoes) {
    TemporaryFolder data;
    const CliRun first = cli(data, "universes");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    ASSERT_EQ(first.out.size(), 36u + 1 + std::string("My Universe\n").size()) << first.out;
    EXPECT_EQ(first.out.substr(36), "\tMy Universe\n");
    // The preferences stay inside the data folder.
    EXPECT_NE(
        data.read("Velmora-preferences.ini").find("lastUniverseID=" + first.out.substr(0, 36)),
        std::string::npos);
    EXPECT_EQ(cli(data, "universes").out, first.out) << "a second run makes no other universe";
}

TEST(Cli, ShowUniverseCountsTheCurrentOrANamedOne) {
    TemporaryFolder data;
    velmora::universe::UniverseRecord other;
    other.name = "Trojan Reach";
    other.data.resize(2);
    other.customRaces = {"Aslan"};
    other.tradeMarkets = {"{\"month\":1}"};
    data.write("Universes/" + other.id.toString() + ".json",
               velmora::universe::encodeUniverse(other));

    const CliRun listed = cli(data, "universes");
    EXPECT_NE(listed.out.find(other.id.toString() + "\tTrojan Reach\n"), std::string::npos);

    const CliRun named = cli(data, "show-universe " + other.id.toString());
    ASSERT_EQ(named.exitCode, 0) << named.err;
    EXPECT_EQ(named.out,
              "Name: Trojan Reach\nID: " + other.id.toString() +
                  "\nHexes: 2\nFactions: 0\nRutters: 0\nRegions: 0\nLabels: 0\nMarkets: 1\n");
    // Naming a universe makes it the current one, as switching in the app does.
    EXPECT_EQ(cli(data, "show-universe").out, named.out);
}

TEST(Cli, ErrorsGoToStandardErrorWithAFailingExit) {
    TemporaryFolder data;
    const struct {
        std::string arguments;
        int exitCode;
        std::string message;
    } cases[] = {
        {"show-universe not-an-id", 1, "Not a universe id: not-an-id"},
        {"show-universe 0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001", 1,
         "No universe with the id 0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001."},
        {"universes extra", 2, "universes takes no arguments"},
        {"launch-missiles", 2, "unknown command \"launch-missiles\""},
        {"", 2, "Usage: velmora-cli"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(data, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
}

TEST(Cli, RenderMapWritesEachFormat) {
    TemporaryFolder data;
    velmora::universe::UniverseRecord universe;
    universe.name = "Mapped";
    universe.data.resize(1);
    universe.data[0].id = velmora::core::Uuid::generate();
    universe.data[0].coordinates = {0, 0, 5, 5};
    universe.data[0].starSystem.name = "Lonely";
    universe.data[0].starSystem.starfarers = true;
    data.write("Universes/" + universe.id.toString() + ".json",
               velmora::universe::encodeUniverse(universe));
    for (const std::string format : {"png", "svg", "pdf"}) {
        const auto out = data / ("map." + format);
        const CliRun run = cli(data, "render-map --universe " + universe.id.toString() +
                                         " --sector 0,0 --out '" + out.string() + "'");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "Wrote " + out.string() + "\n");
        EXPECT_GT(std::filesystem::file_size(out), 1000u) << format;
    }
    EXPECT_EQ(cli(data, "render-map --subsector 0,0,C --player-view --out '" +
                            (data / "p.png").string() + "'")
                  .exitCode,
              0);

    const struct {
        std::string arguments;
        std::string message;
    } refused[] = {
        {"render-map --sector 0,0", "needs --out"},
        {"render-map --sector zero --out x.png", "--sector \"zero\""},
        {"render-map --subsector 0,0,Q --out x.png", "from A to P"},
        {"render-map --out '" + (data / "map.gif").string() + "'", ".png, .svg or .pdf"},
    };
    for (const auto& c : refused) {
        const CliRun run = cli(data, c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
}

// A disk that fills up mid-write (a size limit on the command stands in for it):
// the command says so on standard error, exits 1, and the universe file is as it was.
TEST(Cli, AWriteThatFailsLeavesTheUniverseFileAsItWas) {
    TemporaryFolder data;
    velmora::universe::UniverseRecord universe;
    universe.name = "Full Disk";
    for (int row = 1; row <= 4; ++row) {
        velmora::core::HexData hex;
        hex.id = velmora::core::Uuid::generate();
        hex.coordinates = {0, 0, 1, row};
        hex.starSystem.name = "System " + std::to_string(row);
        universe.data.push_back(hex);
    }
    const std::string file = "Universes/" + universe.id.toString() + ".json";
    data.write(file, velmora::universe::encodeUniverse(universe));
    const std::string before = data.read(file);
    ASSERT_GT(before.size(), 2048u);
    ASSERT_EQ(cli(data, "show-universe " + universe.id.toString()).exitCode, 0);

    // Files may grow to 2 KiB (four 512-byte blocks): the universe no longer fits.
    const std::string limited = "sh -c \"ulimit -f 4; exec " + std::string(VELMORA_CLI) +
                                " --data-dir '" + data.path().string() +
                                "' generate-area --sector 0,0 --subsector B --save\"";
    FILE* pipe = popen((limited + " 2>'" + (data / "stderr.txt").string() + "'").c_str(), "r");
    std::string out;
    char buffer[4096];
    while (const std::size_t got = fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, got);
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status)) << "the size limit must not kill the command";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string err = data.read("stderr.txt");
    EXPECT_NE(err.find("The universe was not changed: Couldn't write"), std::string::npos) << err;
    EXPECT_NE(err.find("File too large"), std::string::npos) << err;
    EXPECT_EQ(data.read(file), before);
}

// Every command that lists or reports can answer in JSON, with keys named after the
// records' fields, so scripts need not read the tables meant for people.
TEST(Cli, ReportingCommandsAnswerInJsonWhenAsked) {
    TemporaryFolder data;
    using Json = nlohmann::json;
    CliRun run = cli(data, "generate --hex 0,0,1910 --name Regina --save --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json generated = Json::parse(run.out);
    EXPECT_EQ(generated["hex"]["starSystem"]["name"], "Regina");
    EXPECT_EQ(generated["hex"]["coordinates"]["column"], 19);
    EXPECT_EQ(generated["saved"], true);
    EXPECT_EQ(generated["replaced"], false);

    run = cli(data, "generate-area --sector 0,0 --subsector A --density 100 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json area = Json::parse(run.out);
    EXPECT_EQ(area["data"].size(), 80u) << "a subsector at full density: 8 columns of 10 rows";
    EXPECT_EQ(area["saved"], false);
    EXPECT_EQ(area["occupied"], 0);

    run = cli(data, "universes --json");
    const Json universes = Json::parse(run.out);
    ASSERT_EQ(universes.size(), 1u);
    EXPECT_EQ(universes[0]["name"], "My Universe");
    run = cli(data, "show-universe " + universes[0]["id"].get<std::string>() + " --json");
    const Json shown = Json::parse(run.out);
    EXPECT_EQ(shown["data"], 1);
    EXPECT_EQ(shown["name"], "My Universe");
    EXPECT_EQ(Json::parse(cli(data, "factions --json").out), Json::array());
    EXPECT_EQ(Json::parse(cli(data, "faction-lists --json").out), Json::array());
}

// A universe whose file was damaged between two runs stays in sight: the command
// says it could not be opened and where it is, `universes` lists it, and its last
// good save comes back on request.
TEST(Cli, ADamagedUniverseIsListedReportedAndRestored) {
    TemporaryFolder data;
    ASSERT_EQ(cli(data, "generate --hex 0,0,0101 --save").exitCode, 0);
    ASSERT_EQ(cli(data, "generate --hex 0,0,0102 --save").exitCode, 0);
    const std::string id = cli(data, "universes").out.substr(0, 36);
    const std::string file = (data / "Universes" / (id + ".json")).string();
    data.write("Universes/" + id + ".json", "{\"id\": \"" + id + "\", \"name\": \"My Un");

    const CliRun listed = cli(data, "universes --json");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.err.find("Couldn\u2019t open that universe \u2014 its file may be corrupt. "
                              "\u201cMy Universe\u201d is kept at " +
                              file),
              std::string::npos)
        << listed.err;
    const auto list = nlohmann::json::parse(listed.out);
    ASSERT_EQ(list.size(), 2u) << "a fresh universe opened in its place, and the damaged one";
    EXPECT_EQ(list[0]["unreadable"], false);
    EXPECT_EQ(list[1]["id"], id);
    EXPECT_EQ(list[1]["unreadable"], true);
    EXPECT_EQ(list[1]["file"], file);
    EXPECT_EQ(list[1]["hasPreviousVersion"], true);

    const CliRun restored = cli(data, "restore-previous-version " + id);
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(restored.out, "Restored the previous version of \u201cMy Universe\u201d.\n");
    const CliRun shown = cli(data, "show-universe --json");
    EXPECT_EQ(nlohmann::json::parse(shown.out)["data"], 1) << "the save before the last one";
    const CliRun again = cli(data, "restore-previous-version " + id);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("velmora-cli: The previous version could not be read either: "),
              std::string::npos)
        << "the damaged file, kept as the previous version, is not put back: " << again.err;
}
