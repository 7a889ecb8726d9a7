#include "core/file_io.h"
#include "sector_io/sec_export.h"
#include "sector_io/sec_import.h"
#include "sector_io/sector_files.h"
#include "support/sample_hex.h"
#include "support/universe_changes.h"

#include <gtest/gtest.h>
#include <random>

using namespace velmora;
using namespace velmora::sector_io;
using velmora::testing::SectorStore;

namespace {

SecImportOutcome importText(SectorStore& store, const std::string& text, SecImportRequest request,
                            const std::string& stem = "sector") {
    return importSecText(text, stem, request, *store.manager, core::systemRandomSource());
}

SecImportRequest into(int x, int y, bool overwrite = false) {
    SecImportRequest request;
    request.sectorX = x;
    request.sectorY = y;
    request.overwrite = overwrite;
    return request;
}

universe::Region regionAt(core::GalacticCoordinates hex, std::string name) {
    universe::Region region;
    region.id = core::Uuid::generate();
    region.name = std::move(name);
    region.closed = true;
    for (int corner = 0; corner < 6; ++corner)
        region.anchors.push_back({hex, corner});
    return region;
}

const std::string reginaLine = "Regina        1910 A788899-C  N Ri Pa Ph An Cp   A  703 Im G2 V";

} // namespace

TEST(SecImport, ANewUniverseFromTheLegacyFile) {
    SectorStore store;
    const auto before = store.manager->current().id();
    SecImportRequest request = into(3, -2);
    request.destination = ImportDestination::newUniverse;
    request.sectorName = "  ";
    const auto outcome =
        importText(store, velmora::testing::legacyFixture(), request, "Stiatlchepr");
    ASSERT_TRUE(outcome.succeeded) << outcome.message;
    EXPECT_EQ(outcome.message, "Created universe \"Stiatlchepr\" with 666 worlds.");

    EXPECT_NE(store.manager->current().id(), before) << "the new universe is the current one";
    EXPECT_FALSE(store.manager->current().canUndo())
        << "its history starts with it; deleting it undoes it";
    EXPECT_EQ(store.manager->headers().size(), 2u);
    const universe::UniverseRecord stored = store.onDisk();
    EXPECT_EQ(stored.name, "Stiatlchepr");
    ASSERT_EQ(stored.data.size(), 666u);
    EXPECT_EQ(stored.sectors, (std::vector<universe::SectorInfo>{{3, -2, "Stiatlchepr", ""}}));
    // One faction per allegiance, coloured in palette order, each world in its own.
    std::map<std::string, universe::Faction> byCode;
    for (const auto& faction : stored.factions)
        byCode[faction.shortName] = faction;
    ASSERT_EQ(byCode.size(), stored.factions.size());
    EXPECT_EQ(stored.factions[0].shortName, "Zc");
    EXPECT_EQ(stored.factions[0].color, universe::FactionColor::red);
    EXPECT_EQ(stored.factions[1].color, universe::FactionColor::orangeRed);
    const universe::Faction& zhodani = byCode.at("Zh");
    EXPECT_EQ(zhodani.name, "Zhodani Consulate");
    EXPECT_EQ(zhodani.category, universe::FactionCategory::political);
    EXPECT_EQ(zhodani.description, "Imported from Traveller Map (allegiance code Zh).");
    EXPECT_EQ(zhodani.homeworld.sectorX, 3);
    for (const auto& hex : stored.data) {
        const auto* main = core::mainWorld(hex.starSystem);
        ASSERT_TRUE(main);
        const std::string code = hex.notes.substr(hex.notes.rfind('(') + 1, 2);
        EXPECT_EQ(main->factionIDs, std::vector{byCode.at(code).id}) << hex.starSystem.name;
        EXPECT_EQ(hex.coordinates.sectorY, -2);
    }
}

TEST(SecImport, IntoTheCurrentUniverseSkipsOrOverwritesCollisions) {
    SectorStore store;
    universe::Faction own;
    own.id = core::Uuid::generate();
    own.name = "Our Imperium";
    own.shortName = "ImDd";
    velmora::testing::change(store.manager->current(), [&](universe::UniverseEdit& edit) {
        edit.factions().push_back(own);
        edit.sectors().push_back({-4, 1, "Old name", "Spin"});
    });

    const std::string tab = velmora::testing::tabFixture();
    SecImportRequest request = into(-4, 1);
    request.sectorName = " Spinward Marches ";
    auto outcome = importText(store, tab, request);
    EXPECT_EQ(outcome.message, "Imported 439 worlds into \"My Universe\".");
    universe::UniverseRecord first = store.onDisk();
    ASSERT_EQ(first.data.size(), 439u);
    EXPECT_EQ(first.sectors, (std::vector<universe::SectorInfo>{{-4, 1, "Spinward Marches", ""}}));
    // The existing faction of a code is used; seven more codes make seven factions.
    EXPECT_EQ(first.factions.size(), 8u);
    EXPECT_EQ(first.factions[1].color, universe::FactionColor::orangeRed)
        << "colours start after the first faction";
    const auto& regina =
        *std::find_if(first.data.begin(), first.data.end(),
                      [](const core::HexData& h) { return h.starSystem.name == "Regina"; });
    EXPECT_EQ(core::mainWorld(regina.starSystem)->factionIDs, std::vector{own.id});

    // Again without overwriting: every hex is left as it was.
    outcome = importText(store, tab, request);
    EXPECT_EQ(outcome.message, "Imported 0 worlds into \"My Universe\" (439 existing skipped).");
    universe::UniverseRecord second = store.onDisk();
    EXPECT_EQ(second.data, first.data);
    EXPECT_EQ(second.factions.size(), 8u);

    // With overwriting every hex is replaced in its place.
    request.overwrite = true;
    outcome = importText(store, tab, request);
    EXPECT_EQ(outcome.message, "Imported 439 worlds into \"My Universe\".");
    universe::UniverseRecord third = store.onDisk();
    ASSERT_EQ(third.data.size(), 439u);
    EXPECT_NE(third.data[0].id, first.data[0].id);
    EXPECT_EQ(third.data[0].coordinates, first.data[0].coordinates);

    // A single world, and another sector: singular nouns.
    const std::string beforeRegina = core::readWholeFile(store.manager->current().file()).value();
    outcome = importText(store, reginaLine + "\n", into(0, 0));
    EXPECT_EQ(outcome.message, "Imported 1 world into \"My Universe\".");
    EXPECT_EQ(store.onDisk().data.size(), 440u);

    // Each import is one step back.
    auto& universe = store.manager->current();
    EXPECT_EQ(universe.undoName(), "Import sector");
    ASSERT_TRUE(universe.undo().ok());
    EXPECT_EQ(core::readWholeFile(universe.file()).value(), beforeRegina);
    EXPECT_EQ(universe.undoName(), "Import Spinward Marches");
}

TEST(SecImport, RegionsTravelWithTheFileAndComeBackShifted) {
    SectorStore store;
    std::vector<core::HexData> hexes;
    core::HexData hex = velmora::testing::sampleHex();
    hex.coordinates = {1, 2, 19, 10};
    hex.notes = "Allegiance: Third Imperium (Im)";
    const std::vector regions{regionAt({1, 2, 19, 10}, "Core"), regionAt({1, 2, 3, 3}, "Rim")};
    const std::string text = secExportText({hex}, SecSector{1, 2, "Deneb", ""}, regions);

    SecImportRequest request = into(0, 0);
    request.destination = ImportDestination::newUniverse;
    request.sectorName = "Deneb Again";
    auto outcome = importText(store, text, request);
    EXPECT_EQ(outcome.message, "Created universe \"Deneb Again\" with 1 world and 2 regions.");
    const auto stored = store.onDisk();
    ASSERT_EQ(stored.regions.size(), 2u);
    EXPECT_EQ(stored.regions[0].id, regions[0].id);
    EXPECT_EQ(stored.regions[0].anchors[0].hex, (core::GalacticCoordinates{0, 0, 19, 10}));
    EXPECT_EQ(stored.data[0].coordinates, (core::GalacticCoordinates{0, 0, 19, 10}));

    // Into the same universe: the regions with the same ids are skipped unless overwriting.
    outcome = importText(store, text, into(0, 0));
    EXPECT_EQ(outcome.message, "Imported 0 worlds into \"Deneb Again\" (1 existing skipped).");
    outcome = importText(store, text, into(0, 0, true));
    EXPECT_EQ(outcome.message, "Imported 1 world into \"Deneb Again\", 2 regions.");
    outcome = importText(store, text, into(5, 5));
    EXPECT_EQ(outcome.message, "Imported 1 world into \"Deneb Again\".");
    EXPECT_EQ(store.onDisk().regions.size(), 2u);
}

TEST(SecImport, BadInputImportsWhatItCanAndNothingWhenNothingReads) {
    std::string tenThousand;
    for (int i = 0; i < 10000; ++i) {
        const int column = i % 32 + 1;
        const int row = i / 32 % 40 + 1;
        char hex[24]; // room for any two ints: the format check cannot see these are small
        std::snprintf(hex, sizeof hex, "%02d%02d", column, row);
        // Names without digits, which could be taken for the hex.
        const std::string name{'W', static_cast<char>('a' + i % 26),
                               static_cast<char>('a' + i / 26 % 26),
                               static_cast<char>('a' + i / 676 % 26)};
        tenThousand += name + "  " + hex + " B564500-B  S Ag Ni 123 Zh K2 V\n";
    }
    std::mt19937 bytes(7);
    std::string garbage;
    for (int i = 0; i < 20000; ++i)
        garbage += static_cast<char>(bytes() % 256);
    const struct {
        std::string what;
        std::string text;
        std::size_t worlds; // 0: the "No valid worlds" error
        std::string firstName;
    } cases[] = {
        {"CRLF line ends",
         "# header\r\n" + reginaLine +
             "\r\nMora          3124 AA99AC7-F    Hi In Cp        A  614 Im F0 V\r\n",
         2, "Regina"},
        {"byte-order mark", "\xEF\xBB\xBF" + reginaLine + "\n", 1, "Regina"},
        {"byte-order mark before a tab header",
         "\xEF\xBB\xBFHex\tName\tUWP\n1910\tRegina\tA788899-C\n", 1, "Regina"},
        {"tabs in a legacy file", "Regina\t1910\tA788899-C\tN\tRi Pa\tA\t703\tIm\tG2 V\n", 1,
         "Regina"},
        {"truncated lines",
         reginaLine + "\nMora          3124 AA99AC7-F    Hi In\nJewell        1\n", 1, "Regina"},
        {"non-ASCII names",
         "Z\u00fcrich        0101 A788899-C    Ri              703 Im G2 V\n"
         "\u6771\u4eac          0102 A788899-C    Ri              703 Im G2 V\n",
         2, "Z\u00fcrich"},
        {"invalid UTF-8 in a name",
         "Bad\xFF\xFEName    0101 A788899-C    Ri              703 Im G2 V\n", 1,
         "Bad\uFFFD\uFFFDName"},
        {"10,000 lines", tenThousand, 1280, "Waaa"},
        {"binary garbage around good lines", garbage + "\n" + reginaLine + "\n" + garbage, 1,
         "Regina"},
        {"binary garbage alone", garbage, 0, ""},
        {"an empty file", "", 0, ""},
        {"only comments", "# Name Hex UWP\n#\n", 0, ""},
        {"a tab header and no rows", "Hex\tName\tUWP\r\n", 0, ""},
    };
    for (const auto& c : cases) {
        SectorStore store;
        const std::string before =
            core::readWholeFile(store.manager->current().file()).value_or("");
        const auto outcome = importText(store, c.text, into(0, 0));
        const auto stored = store.onDisk();
        if (c.worlds == 0) {
            EXPECT_FALSE(outcome.succeeded) << c.what;
            EXPECT_EQ(outcome.message,
                      "No valid worlds found. Check that this is a Traveller SEC file.")
                << c.what;
            EXPECT_EQ(core::readWholeFile(store.manager->current().file()).value_or(""), before)
                << c.what << ": nothing is written";
            EXPECT_TRUE(store.manager->current().data().empty()) << c.what;
            continue;
        }
        EXPECT_TRUE(outcome.succeeded) << c.what << ": " << outcome.message;
        ASSERT_EQ(stored.data.size(), c.worlds) << c.what;
        EXPECT_EQ(stored.data[0].starSystem.name, c.firstName) << c.what;
    }
}

TEST(SecImport, FileProblemsAreReportedAsTheyHappen) {
    velmora::testing::TemporaryFolder folder;
    folder.write("ok.sec", reginaLine + "\n");
    SectorStore store;
    const auto fromFile = [&](const std::filesystem::path& file) {
        return importSecFile(file, into(0, 0), *store.manager, core::systemRandomSource());
    };
    auto outcome = fromFile(folder / "ok.sec");
    EXPECT_EQ(outcome.message, "Imported 1 world into \"My Universe\".");
    EXPECT_EQ(store.onDisk().sectors[0].name, "ok")
        << "the file's name stands in for the sector name";

    EXPECT_EQ(fromFile(folder / "missing.sec").message,
              "Couldn't read \u201cmissing.sec\u201d: No such file or directory");
    EXPECT_EQ(fromFile(folder.path()).message, "Couldn't read \u201c" +
                                                   folder.path().filename().string() +
                                                   "\u201d: Is a directory");

    EXPECT_EQ(writeSecFile(folder / "exported.sec", "text\n"), std::nullopt);
    EXPECT_EQ(folder.read("exported.sec"), "text\n");
    const auto failed = writeSecFile(folder / "no-such-folder" / "x.sec", "text\n");
    ASSERT_TRUE(failed);
    EXPECT_TRUE(failed->starts_with("SEC export write failed: ")) << *failed;
}

// Without a name from the referee the sector takes the file's own: a "# Name:" line,
// else the first comment that reads as a name, and only then the file's name.
TEST(SecImport, TheSectorIsNamedByTheRefereeThenTheFileThenTheFileName) {
    const struct {
        std::string text;
        std::string given;
        std::string expected;
    } cases[] = {
        {"# Generated by https://travellermap.com\n# 2021-11-28T10:37:26-08:00\n\n# Trojan "
         "Reach\n# -1,-1\n" +
             reginaLine + "\n",
         "", "Trojan Reach"},
        {"# Generated by https://travellermap.com\n# Zaru\n# Name: Zarushagar\n" + reginaLine +
             "\n",
         "", "Zarushagar"},
        {"# Trojan Reach\n" + reginaLine + "\n", "Reft", "Reft"},
        {"# 2021-11-28\n" + reginaLine + "\n# Later Comment\n", "", "stem"},
    };
    for (const auto& c : cases) {
        SectorStore store;
        SecImportRequest request = into(0, 0);
        request.sectorName = c.given;
        ASSERT_TRUE(importText(store, c.text, request, "stem").succeeded);
        ASSERT_EQ(store.onDisk().sectors.size(), 1u);
        EXPECT_EQ(store.onDisk().sectors[0].name, c.expected) << c.text;
    }
}

TEST(SecImport, TheSecondSurveyColumnLayoutImportsEveryWorld) {
    SectorStore store;
    SecImportRequest request = into(-1, 1);
    request.destination = ImportDestination::newUniverse;
    const auto outcome =
        importText(store, velmora::testing::fixture("second-survey-example.sec"), request, "zaru");
    ASSERT_TRUE(outcome.succeeded) << outcome.message;
    EXPECT_EQ(outcome.message, "Created universe \"Zarushagar\" with 496 worlds.");

    // 0101 Didraga C1008BC-8 Na Va Ph Pi Pz {-1} (D77+2) [B78B] BDe S A 603 10 ImDi K0 V
    const universe::UniverseRecord stored = store.onDisk();
    ASSERT_EQ(stored.data.size(), 496u);
    const core::HexData& didraga = stored.data.front();
    EXPECT_EQ(didraga.coordinates, (core::GalacticCoordinates{-1, 1, 1, 1}));
    EXPECT_EQ(didraga.starSystem.name, "Didraga");
    EXPECT_EQ(didraga.notes, "Allegiance: Domain of Ilelish (ImDi)");
    const core::WorldData* main = core::mainWorld(didraga.starSystem);
    ASSERT_TRUE(main);
    EXPECT_EQ(core::uwpCode(main->uwp), "C1008BC-8 S") << "the profile, then the bases";
    EXPECT_EQ(main->uwp.bases, std::set{core::Base::scoutBase});
    EXPECT_EQ(main->worldTags, std::vector{core::WorldTag::amberZone});
    EXPECT_EQ(main->uwp.populationMultiplier, 6);
    EXPECT_EQ(didraga.starSystem.gasGiant, 3);
    EXPECT_EQ(didraga.starSystem.totalNumberOfWorlds, 10);
    EXPECT_EQ(starsText(didraga.starSystem.stars), "K0 V");
    EXPECT_EQ(main->notes, "Importance: { -1 }\nEconomic: (D77+2)\nCultural: [B78B]\nNobility: BDe")
        << "Na Va Ph Pi Pz are all trade codes, so no remark is left over";
}

TEST(SecImport, UnnamedWorldsWrittenByTheirHexAllImport) {
    std::string text = "# Sector with hex-number names\n";
    for (int row = 1; row <= 40; ++row) {
        char hex[24]; // room for any two ints: the format check cannot see these are small
        std::snprintf(hex, sizeof hex, "%02d%02d", 1, row);
        text += std::string(hex) + "          " + hex + " X110000-6    Ba Lo Ni           004 Na\n";
    }
    SectorStore store;
    const auto outcome = importText(store, text, into(0, 0));
    ASSERT_TRUE(outcome.succeeded) << outcome.message;
    const auto stored = store.onDisk();
    ASSERT_EQ(stored.data.size(), 40u);
    for (const auto& hex : stored.data)
        EXPECT_EQ(hex.starSystem.name, "") << "a name that repeats the hex is no name";
}

TEST(SecImport, LinesThatCouldNotBeReadAreCountedInTheMessage) {
    const std::string text = "# A listing with two broken lines\n" + reginaLine +
                             "\nMora          3124 AA99AC7-F    Hi In\n"
                             "Jewell        3341 A788899-C    Ri              703 Im G2 V\n"
                             "Not a world at all\n";
    SectorStore store;
    const auto outcome = importText(store, text, into(0, 0));
    ASSERT_TRUE(outcome.succeeded) << outcome.message;
    EXPECT_EQ(outcome.message, "Imported 1 world into \"" + store.manager->current().name() +
                                   "\". 2 lines could not be read.")
        << "a line cut short, and a hex outside the sector's 32 by 40";

    SectorStore fresh;
    SecImportRequest request = into(0, 0);
    request.destination = ImportDestination::newUniverse;
    request.universeName = "Broken";
    EXPECT_EQ(importText(fresh, reginaLine + "\nMora 3124 AA99\n", request).message,
              "Created universe \"Broken\" with 1 world. 1 line could not be read.");
}
