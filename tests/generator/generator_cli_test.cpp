// The real velmora-cli binary against a data folder, as a referee's script runs it.

#include "support/cli_runner.h"
#include "support/temporary_folder.h"
#include "universe/universe_codec.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>

using velmora::testing::TemporaryFolder;
using namespace velmora;

namespace {

using velmora::testing::CliRun;

CliRun cli(const TemporaryFolder& data, const std::string& arguments) {
    return velmora::testing::runCli(data, arguments);
}

// The one universe the store made, read back from its file.
universe::UniverseRecord storedUniverse(const TemporaryFolder& data) {
    for (const auto& entry : std::filesystem::directory_iterator(data / "Universes")) {
        if (entry.path().extension() == ".json")
            return universe::decodeUniverse(
                data.read(std::filesystem::relative(entry.path(), data.path())));
    }
    return {};
}

// The program's own error lines; the platform may add warnings of its own.
std::string errorLines(const std::string& err) {
    std::string lines;
    std::size_t start = 0;
    while (start < err.size()) {
        const std::size_t end = err.find('\n', start);
        const std::string line =
            err.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
        if (line.starts_with("velmora-cli: "))
            lines += line;
        start = end == std::string::npos ? err.size() : end + 1;
    }
    return lines;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(GeneratorCli, GeneratePrintsTheSystemAndSavesOnlyWhenAsked) {
    TemporaryFolder data;
    const CliRun shown = cli(data, "generate --hex 0,0,1910 --name Tessaly --binary --tl TL12");
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_TRUE(contains(shown.out, "Tessaly \u2014 00-1910\n")) << shown.out;
    EXPECT_TRUE(contains(shown.out, "Star A: ")) << shown.out;
    EXPECT_TRUE(contains(shown.out, "Star B: ")) << "--binary adds a companion";
    EXPECT_TRUE(contains(shown.out, "Tessaly *")) << shown.out;
    EXPECT_TRUE(contains(shown.out, "-C ")) << "the main world keeps TL12 when it is not rolled";
    EXPECT_TRUE(storedUniverse(data).data.empty()) << "nothing saved without --save";

    const CliRun saved =
        cli(data, "generate --hex=-1,2,0140 --name Vesta --roll-tl --tl tl9 --save");
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_TRUE(contains(saved.out, "Saved Vesta at A2-0140 in My Universe.")) << saved.out;
    auto stored = storedUniverse(data);
    ASSERT_EQ(stored.data.size(), 1u);
    const core::HexData hex = stored.data.front();
    EXPECT_EQ(hex.coordinates, (core::GalacticCoordinates{-1, 2, 1, 40}));
    EXPECT_EQ(hex.starSystem.name, "Vesta");
    ASSERT_NE(core::mainWorld(hex.starSystem), nullptr);
    EXPECT_EQ(core::mainWorld(hex.starSystem)->name, "Vesta");
    EXPECT_LE(core::mainWorld(hex.starSystem)->uwp.techLevel, core::TechnologyLevel::ttl9);
    // Every body listed in the output is in the file.
    for (const auto& star : hex.starSystem.stars) {
        for (const auto& world : star.worlds)
            EXPECT_TRUE(contains(saved.out, world.name)) << world.name;
    }

    // An occupied hex is refused unless the referee says to replace it.
    const CliRun look = cli(data, "generate --hex -1,2,0140");
    EXPECT_EQ(look.exitCode, 0);
    EXPECT_TRUE(contains(look.out, "Hex A2-0140 holds Vesta: add --save --replace")) << look.out;
    const CliRun refused = cli(data, "generate --hex -1,2,0140 --name Other --save");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(errorLines(refused.err),
              "velmora-cli: Hex A2-0140 already holds Vesta. Add --replace to overwrite it.\n");
    EXPECT_TRUE(refused.out.empty());
    EXPECT_EQ(storedUniverse(data).data.front().starSystem.name, "Vesta");

    const CliRun replaced = cli(data, "generate --hex -1,2,0140 --name Other --save --replace");
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_TRUE(contains(replaced.out, "Replaced Other at A2-0140")) << replaced.out;
    stored = storedUniverse(data);
    ASSERT_EQ(stored.data.size(), 1u);
    EXPECT_EQ(stored.data.front().starSystem.name, "Other");
    EXPECT_EQ(stored.data.front().id, hex.id) << "the hex keeps its identity";
}

TEST(GeneratorCli, BadInputIsRefusedWithAClearMessage) {
    TemporaryFolder data;
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"generate", "generate needs --hex SX,SY,CCRR, for example --hex 0,0,1910"},
        {"generate --hex 0,0,3301",
         "Column 33 of hex 3301 is out of range: columns run from 01 to 32."},
        {"generate --hex 0,0,0141", "Row 41 of hex 0141 is out of range: rows run from 01 to 40."},
        {"generate --hex 0,0,0100", "Row 00 of hex 0100 is out of range: rows run from 01 to 40."},
        {"generate --hex 0,0,191",
         "--hex \"0,0,191\": the hex must be four digits, column then row, for example "
         "--hex 0,0,1910"},
        {"generate --hex x,0,1910",
         "--hex \"x,0,1910\": the sector must be two whole numbers, for example "
         "--hex 0,0,1910"},
        {"generate --hex 1910", "--hex \"1910\" is not SX,SY,CCRR, for example --hex 0,0,1910"},
        {"generate --hex 0,0,1910 --tl TL25",
         "Unknown tech level \"TL25\": use TL0 to TL22, or 0 to 6 and 4+ on the short scale."},
        {"generate --hex 0,0,1910 --name ''", "The system name cannot be empty."},
        {"generate --hex 0,0,1910 --replace", "--replace only applies together with --save"},
        {"generate --hex 0,0,1910 --orbit 3", "generate: unknown argument \"--orbit\""},
        {"generate-area --sector 0,0 --subsector Q",
         "Unknown subsector \"Q\": subsectors are the letters A to P."},
        {"generate-area --sector 0,0 --density 150",
         "--density \"150\" must be a whole percentage from 0 to 100."},
        {"generate-area --sector 0", "--sector \"0\" is not SX,SY, for example --sector 0,0"},
    };
    for (const Case& c : cases) {
        const CliRun run = cli(data, c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.arguments;
        EXPECT_EQ(errorLines(run.err), std::string("velmora-cli: ") + c.message + "\n")
            << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments;
    }
    EXPECT_TRUE(storedUniverse(data).data.empty());
}

TEST(GeneratorCli, GenerateAreaLeavesOccupiedHexesAlone) {
    TemporaryFolder data;
    ASSERT_EQ(cli(data, "generate --hex 0,0,0203 --name Keep --save").exitCode, 0);

    const CliRun preview = cli(data, "generate-area --sector 0,0 --subsector a --density 100");
    ASSERT_EQ(preview.exitCode, 0) << preview.err;
    EXPECT_TRUE(contains(
        preview.out, "Generated 79 systems in subsector A of sector 00 at 100% density, leaving 1 "
                     "occupied hex alone.\nNot saved"))
        << preview.out;
    EXPECT_EQ(storedUniverse(data).data.size(), 1u);

    const CliRun saved = cli(data, "generate-area --sector 0,0 --subsector A --density 100 --save");
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_TRUE(contains(saved.out, "Saved 79 systems in My Universe.")) << saved.out;
    const auto stored = storedUniverse(data);
    ASSERT_EQ(stored.data.size(), 80u);
    std::set<std::string> names;
    for (const auto& hex : stored.data) {
        EXPECT_EQ(hex.coordinates.subsectorLetter(), 'A');
        names.insert(hex.starSystem.name);
        if (hex.coordinates == core::GalacticCoordinates{0, 0, 2, 3}) {
            EXPECT_EQ(hex.starSystem.name, "Keep");
        }
    }
    EXPECT_EQ(names.size(), 80u);
}
