#include "ships/saved_ship_design_json.h"
#include "ships/saved_ship_designs_store.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"

#include <array>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>

namespace fs = std::filesystem;
using namespace velmora;
using ships::SavedShipDesign;
using velmora::testing::CliRun;
using velmora::testing::TemporaryFolder;

namespace {

CliRun cli(const TemporaryFolder& data, const std::string& arguments) {
    return velmora::testing::runCli(data, arguments);
}

// A 200-ton standard hull with thrust 1, a bridge and Computer/5: the ship the
// figures below are worked out for.
SavedShipDesign trader(const std::string& name) {
    SavedShipDesign saved;
    saved.id = core::Uuid::generate();
    saved.configurationName = "Type-A2";
    saved.typeLabel = "Far Trader";
    saved.shipName = name;
    saved.description = "Runs the *Spinward Main*.";
    saved.design.tonnage = 200;
    saved.createdDate = saved.modifiedDate = *core::parseIso8601("2025-01-01T00:00:00Z");
    return saved;
}

SavedShipDesign inLibrary(const TemporaryFolder& data, SavedShipDesign saved) {
    ships::SavedShipDesignsStore store(data / "ShipDesigns");
    EXPECT_TRUE(store.save(saved)) << store.lastError().value_or("");
    return saved;
}

std::string pdfText(const fs::path& pdf) {
    const std::string command = "pdftotext '" + pdf.string() + "' - 2>/dev/null";
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    while (const std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe))
        text.append(buffer.data(), got);
    pclose(pipe);
    return text;
}

} // namespace

TEST(ShipCli, ListsTheSavedShipsHeaders) {
    TemporaryFolder data;
    EXPECT_EQ(cli(data, "ships").out, "");
    const auto beowulf = inLibrary(data, trader("Beowulf"));
    const auto kestrel = inLibrary(data, trader("Kestrel"));
    data.write("ShipDesigns/" + core::Uuid::generate().toString() + "/design.json", "{broken");

    const CliRun listed = cli(data, "ships");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find(beowulf.id.toString() + "\tType-A2\tFar Trader\tBeowulf\t"),
              std::string::npos)
        << listed.out;
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 2)
        << "the broken one is skipped";

    const CliRun json = cli(data, "ships --json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto list = nlohmann::json::parse(json.out);
    ASSERT_EQ(list.size(), 2u);
    std::set<std::string> keys;
    for (const auto& [key, value] : list[0].items())
        keys.insert(key);
    EXPECT_EQ(keys, (std::set<std::string>{"configurationName", "id", "modifiedDate", "shipName",
                                           "typeLabel"}));
    std::set<std::string> ids{list[0]["id"], list[1]["id"]};
    EXPECT_EQ(ids, (std::set<std::string>{beowulf.id.toString(), kestrel.id.toString()}));
    EXPECT_TRUE(core::parseIso8601(list[0]["modifiedDate"].get<std::string>()));
}

TEST(ShipCli, SummarisesADesignFileOrItsFolder) {
    TemporaryFolder data;
    const auto saved = trader("Beowulf");
    data.write("export/design.json", ships::designFileText(saved));

    // Worked out from the rules for this 200-ton hull:
    //   hull 200 × Cr50,000 = Cr10,000,000; thrust 1 is 2% = 2 tons × Cr2,000,000 =
    //   Cr4,000,000; bridge 10 tons, 2 × Cr500,000 = Cr1,000,000; Computer/5 Cr30,000.
    //   Total Cr15,030,000; purchase × 0.9 = Cr13,527,000; maintenance / 12,000 =
    //   Cr1,127.25 a month. Tonnage used 2 + 10 = 12, cargo 188.
    //   Power: basic 0.2 × 200 = 40 + manoeuvre 0.1 × 200 × 1 = 20, so 60 against an
    //   output of 0 (no power plant tons), which the rules warn about.
    //   Crew (commercial, no jump drive): captain 1, pilot 1, engineer ceil(2/35) = 1,
    //   maintenance ceil(200/1000) = 1, administrator ceil(200/2000) = 1, sensor
    //   operator ceil(200/7500) = 1: 6; medic ceil(6/120) = 1; officers 6/20 = 0: 7.
    //   Salaries 16,000 × 2 + 4,000 + 1,000 + 1,500 + 4,000 + 4,000 = Cr46,500.
    //   Life support Cr1,000 × 7 = Cr7,000. Hardpoints floor(200/100) = 2, none used.
    const CliRun json = cli(data, "ship-summary '" + (data / "export").string() + "' --json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto figures = nlohmann::json::parse(json.out);
    const struct {
        const char* key;
        double value;
    } expected[] = {
        {"tonnage", 200},
        {"tonnageUsed", 12},
        {"cargoSpace", 188},
        {"totalCost", 15030000},
        {"purchaseCost", 13527000},
        {"maintenancePerMonth", 1127.25},
        {"salariesPerMonth", 46500},
        {"lifeSupportPerMonth", 7000},
        {"jumpFuelTonnage", 0},
        {"totalFuelTonnage", 0},
        {"powerOutput", 0},
        {"powerRequirement", 60},
        {"crewTotal", 7},
        {"hardpoints", 2},
        {"hardpointsUsed", 0},
    };
    for (const auto& item : expected) {
        ASSERT_TRUE(figures.contains(item.key)) << item.key;
        EXPECT_DOUBLE_EQ(figures[item.key].get<double>(), item.value) << item.key;
    }
    ASSERT_TRUE(figures["warnings"].is_array());
    EXPECT_NE(figures["warnings"].dump().find("Power output doesn't cover basic systems"),
              std::string::npos)
        << figures["warnings"].dump();

    // The file itself reads the same; without --json the table is text.
    const CliRun text = cli(data, "ship-summary '" + (data / "export/design.json").string() + "'");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    for (const char* expectedText :
         {"Beowulf", "Cargo", "188", "15.03", "Cr1127/month", "Total Crew"})
        EXPECT_NE(text.out.find(expectedText), std::string::npos) << expectedText << "\n"
                                                                  << text.out;

    data.write("broken/design.json", "{\"id\": 12");
    const struct {
        std::string arguments;
        int exitCode;
    } failures[] = {
        {"ship-summary", 2},
        {"ship-summary '" + (data / "broken").string() + "'", 1},
        {"ship-summary '" + (data / "nowhere").string() + "'", 1},
    };
    for (const auto& failure : failures) {
        const CliRun run = cli(data, failure.arguments);
        EXPECT_EQ(run.exitCode, failure.exitCode) << failure.arguments;
        EXPECT_TRUE(run.out.empty()) << failure.arguments;
        EXPECT_FALSE(run.err.empty()) << failure.arguments;
    }
}

TEST(ShipCli, WritesTheSheetAndExportsAndImportsFolders) {
    TemporaryFolder data;
    const auto saved = inLibrary(data, trader("Beowulf"));
    const std::string id = saved.id.toString();

    const CliRun sheet =
        cli(data, "ship-sheet " + id + " --out '" + (data / "b.pdf").string() + "' --images none");
    ASSERT_EQ(sheet.exitCode, 0) << sheet.err;
    const std::string text = pdfText(data / "b.pdf");
    EXPECT_NE(text.find("Beowulf"), std::string::npos) << text;
    EXPECT_NE(text.find("15.03"), std::string::npos) << text;
    EXPECT_EQ(cli(data, "ship-sheet " + id + " --out x.pdf --images some").exitCode, 2);
    EXPECT_EQ(
        cli(data, "ship-sheet " + core::Uuid::generate().toString() + " --out x.pdf").exitCode, 1);

    const fs::path folder = data / "exported";
    const CliRun exported = cli(data, "ship-export " + id + " --out '" + folder.string() + "'");
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_TRUE(fs::is_regular_file(folder / "design.json"));
    EXPECT_TRUE(fs::is_directory(folder / "images"));
    EXPECT_TRUE(fs::is_regular_file(folder / "Beowulf.pdf"));
    EXPECT_EQ(cli(data, "ship-export " + id + " --out '" + folder.string() + "'").exitCode, 1)
        << "an export never writes into a full folder";

    // Importing into the same library asks for --overwrite.
    const CliRun clash = cli(data, "ship-import '" + folder.string() + "'");
    EXPECT_EQ(clash.exitCode, 1);
    EXPECT_NE(clash.err.find("A ship named \"Beowulf\" already exists"), std::string::npos)
        << clash.err;
    const CliRun replaced = cli(data, "ship-import '" + folder.string() + "' --overwrite");
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_EQ(replaced.out, id + "\n");

    // Into another data folder it arrives as the same ship.
    TemporaryFolder other;
    const CliRun imported = cli(other, "ship-import '" + folder.string() + "'");
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(cli(other, "ships").out.substr(0, id.size()), id);
    const CliRun notAnExport = cli(other, "ship-import '" + (data / "ShipDesigns").string() + "'");
    EXPECT_EQ(notAnExport.exitCode, 1);
    EXPECT_NE(notAnExport.err.find("Couldn't find a design.json in the selected folder"),
              std::string::npos)
        << notAnExport.err;
}
