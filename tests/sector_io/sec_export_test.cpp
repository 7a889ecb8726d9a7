#include "core/uwp.h"
#include "sector_io/imported_world.h"
#include "sector_io/sec_export.h"
#include "sector_io/sec_regions.h"
#include "sector_io/sec_rows.h"
#include "sector_io/sector_files.h"
#include "support/sample_hex.h"
#include "universe/region_json.h"

#include <gtest/gtest.h>
#include <limits>
#include <nlohmann/json.hpp>

using namespace velmora;
using namespace velmora::sector_io;

namespace {

core::HexData hexWith(core::GalacticCoordinates at, std::string name, const std::string& row) {
    SecRow fields = legacyRow(row);
    auto world = importedWorld(fields, at.sectorX, at.sectorY, {}, core::systemRandomSource());
    core::HexData hex = world->hexData;
    hex.coordinates = at;
    hex.starSystem.name = std::move(name);
    return hex;
}

universe::Region regionAround(core::GalacticCoordinates hex, std::string name) {
    universe::Region region;
    region.id = core::Uuid::generate();
    region.name = std::move(name);
    region.color = universe::FactionColor::teal;
    region.closed = true;
    for (int corner = 0; corner < 6; ++corner)
        region.anchors.push_back({hex, corner});
    region.labelCoordinates = hex;
    return region;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    EXPECT_EQ(start, text.size()) << "the text ends with a line break";
    return lines;
}

} // namespace

TEST(SecExport, LaysEachFieldInItsColumn) {
    const struct {
        std::string name;
        core::GalacticCoordinates at;
        std::string row;
        std::string line;
    } cases[] = {
        {"Regina",
         {0, 0, 19, 10},
         "X 1910 A788899-C N Ri Pa Ph An Cp A 703 ImDd G2 V",
         "Regina        1910 A788899-C  N Ri Pa Ph An Cp  A  703 Im G2 V"},
        // Column 5, row 7; a name of 20 characters keeps 13.
        {"Twentycharactername!",
         {0, 0, 5, 7},
         "X 0507 B564500-B S Ag Ni 123 Zh K2 V M1 V",
         "Twentycharact 0507 B564500-B  S Ag Ni              123 Zh K2 V M1 V"},
        // Columns count characters, not bytes.
        {"Z\u00fcrich-\u00df\u00df\u00df\u00df\u00df\u00df\u00df\u00df",
         {0, 0, 6, 6},
         "X 0606 A788899-C Ri 703 Im G2 V",
         "Z\u00fcrich-\u00df\u00df\u00df\u00df\u00df\u00df 0606 A788899-C    Ri                 "
         "703 "
         "Im G2 V"},
        // Remarks are cut to fifteen characters.
        {"Reno",
         {0, 0, 1, 2},
         "X 0102 C4207B9-A De He Na Po Pi Pz R 603 ZhIN G8 V M1 V",
         "Reno          0102 C4207B9-A    De He Na Po Pi  R  603 Zh G8 V M1 V"},
        // A white dwarf.
        {"Dwarf",
         {0, 0, 1, 1},
         "X 0101 C430698-9 De Ni 613 Na D",
         "Dwarf         0101 C430698-9    De Ni              613 Na D"},
        // A belt main world counts among the belts of the listing.
        {"Belt",
         {0, 0, 32, 40},
         "X 3240 B000898-C As Na 420 Zc K3 V",
         "Belt          3240 B000898-C    As Na              420 Zc K3 V"},
    };
    for (const auto& c : cases) {
        const auto line = secLine(hexWith(c.at, c.name, c.row));
        ASSERT_TRUE(line) << c.name;
        EXPECT_EQ(*line, c.line) << c.name;
    }

    core::HexData hex = hexWith({0, 0, 2, 2}, "Bases", "X 0202 A788899-C N Ri 703 Im G2 V");
    core::WorldData& main = *core::mainWorld(hex.starSystem);
    // Two bases take columns 30 and 31, and the remarks follow at once.
    main.uwp.bases = {core::Base::imperialNavalBase, core::Base::scoutBase};
    EXPECT_EQ(secLine(hex)->substr(28, 8), "  NSRi  ");
    // More are cut by the remarks from column 32 on, unless there are none.
    main.uwp.bases = {core::Base::corsairBase, core::Base::navalBase, core::Base::scoutBase,
                      core::Base::wayStation};
    EXPECT_EQ(secLine(hex)->substr(30, 5), "CKRi ");
    main.tradeClasses.clear();
    EXPECT_EQ(secLine(hex)->substr(30, 5), "CKSW ");

    // Without an allegiance in the notes the column reads "--".
    hex.notes = "Pirates here";
    EXPECT_EQ(secLine(hex)->substr(51, 7), "703 -- ");
    hex.notes = "Allegiance: none ()";
    EXPECT_EQ(secLine(hex)->substr(51, 7), "703 -- ");

    // A system without a main world writes no line.
    main.mainWorld = false;
    EXPECT_FALSE(secLine(hex));
}

TEST(SecExport, WritesTheHeaderTheSortedHexesAndTheRegionBlock) {
    std::vector<core::HexData> hexes{
        hexWith({1, 2, 2, 1}, "Later", "X 0201 A788899-C Ri 703 Im G2 V"),
        hexWith({1, 2, 1, 5}, "Second", "X 0105 A788899-C Ri 703 Im G2 V"),
        hexWith({1, 2, 1, 2}, "First", "X 0102 A788899-C Ri 703 Im G2 V"),
    };
    core::HexData empty;
    empty.coordinates = {1, 2, 1, 1};
    hexes.push_back(empty);
    const std::vector regions{regionAround({1, 2, 4, 4}, "Rim"),
                              regionAround({1, 2, 9, 9}, "Core\u00e9")};

    const auto lines = linesOf(secExportText(hexes, SecSector{1, 2, "Deneb", ""}, regions));
    ASSERT_EQ(lines.size(), 4u + 3u + 3u + 2u);
    EXPECT_EQ(lines[0], "# Deneb");
    EXPECT_EQ(lines[1], "# Generated by Velmora");
    EXPECT_EQ(lines[2], "# Name          Hex  UWP       B  Remarks          Z PBG  A   Stars");
    EXPECT_EQ(lines[3], "#");
    EXPECT_EQ(lines[4].substr(0, 19), "First         0102 ");
    EXPECT_EQ(lines[5].substr(0, 19), "Second        0105 ");
    EXPECT_EQ(lines[6].substr(0, 19), "Later         0201 ");
    EXPECT_EQ(lines[7], "#");
    EXPECT_EQ(lines[8], "# [Velmora region data \u2014 ignored by standard parsers]");
    EXPECT_EQ(lines[9], "# [REGION_SECTOR] 1 2");
    EXPECT_EQ(lines[10], "# [REGION] " + nlohmann::json(regions[0]).dump());

    // Without a name: "Unknown Sector", and the region block takes the first hex's sector.
    const auto unnamed = linesOf(secExportText({hexes[0]}, SecSector{}, regions));
    EXPECT_EQ(unnamed[0], "# Unknown Sector");
    EXPECT_EQ(unnamed[7], "# [REGION_SECTOR] 1 2");
    EXPECT_EQ(linesOf(secExportText({}, SecSector{}, regions))[6], "# [REGION_SECTOR] 0 0");
    // No regions, no block.
    EXPECT_EQ(linesOf(secExportText(hexes, SecSector{1, 2, "Deneb", ""}, {})).size(), 7u);
    // A region that cannot be encoded stays behind; none left, no block.
    EXPECT_EQ(linesOf(secExportText(hexes, SecSector{1, 2, "Deneb", ""},
                                    {regionAround({1, 2, 1, 1}, "Bad\xFF")}))
                  .size(),
              7u);
}

TEST(SecRegions, ComeBackShiftedToTheSectorTheyAreReadInto) {
    const universe::Region rim = regionAround({1, 2, 4, 4}, "Rim");
    universe::Region open = regionAround({1, 2, 30, 38}, "Open");
    open.labelCoordinates.reset();
    open.closed = false;
    const std::string text = secExportText({}, SecSector{1, 2, "Deneb", ""}, {rim, open}) +
                             "# [REGION] {not json}\n# [REGION] {\"name\":\"missing keys\"}\n";

    EXPECT_EQ(regionsFromSECText(text, 1, 2), (std::vector{rim, open}));
    const auto moved = regionsFromSECText(text, 0, 0);
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0].id, rim.id);
    EXPECT_EQ(moved[0].anchors[3], (universe::RegionAnchor{{0, 0, 4, 4}, 3}));
    EXPECT_EQ(moved[0].labelCoordinates, (core::GalacticCoordinates{0, 0, 4, 4}));
    EXPECT_EQ(moved[1].anchors[0].hex, (core::GalacticCoordinates{0, 0, 30, 38}));
    EXPECT_FALSE(moved[1].labelCoordinates);
    EXPECT_FALSE(moved[1].closed);

    // A missing or unreadable source sector means the target.
    const std::string line = "# [REGION] " + nlohmann::json(rim).dump() + "\r\n";
    for (const std::string header : {"", "# [REGION_SECTOR] x 2\r\n", "# [REGION_SECTOR] 7\r\n"})
        EXPECT_EQ(regionsFromSECText(header + line, 5, 5), std::vector{rim}) << header;
    EXPECT_EQ(
        regionsFromSECText("# [REGION_SECTOR] -1 -1\r\n" + line, 0, 0)[0].anchors[0].hex.sectorX,
        2);
}

TEST(SecRegions, SectorNumbersBeyondAnyMapAreNotMovedBy) {
    const universe::Region rim = regionAround({1, 2, 4, 4}, "Rim");
    const std::string line = "# [REGION] " + nlohmann::json(rim).dump() + "\n";
    // A source sector that far off is no sector: the block counts as the target's.
    EXPECT_EQ(regionsFromSECText("# [REGION_SECTOR] -2147483648 0\n" + line, 5, 5),
              std::vector{rim});
    EXPECT_EQ(regionsFromSECText("# [REGION_SECTOR] 1000001 2\n" + line, 5, 5), std::vector{rim});

    // A region that far off, or one the move would carry past what an int holds,
    // is left out; the others come.
    universe::Region far = rim;
    far.anchors[0].hex.sectorX = -2147483647;
    const std::string farLine = "# [REGION] " + nlohmann::json(far).dump() + "\n";
    EXPECT_EQ(regionsFromSECText("# [REGION_SECTOR] 1 2\n" + farLine + line, 1, 2),
              std::vector{rim});
    const auto moved = regionsFromSECText("# [REGION_SECTOR] -1000000 2\n" + line,
                                          std::numeric_limits<int>::max(), 2);
    EXPECT_TRUE(moved.empty());
    // A corner or coordinate no int can hold leaves the region unread.
    nlohmann::json hugeCorner = rim;
    hugeCorner["anchors"][0]["corner"] = 1e300;
    EXPECT_TRUE(regionsFromSECText("# [REGION] " + hugeCorner.dump(), 1, 2).empty());
}

TEST(SecExport, SuggestsAFileName) {
    const universe::SectorInfo named{0, 0, "Spinward Marches", ""};
    const universe::SectorInfo abbreviated{0, 0, "Spinward Marches", "Spin"};
    EXPECT_EQ(suggestedSecFileName(&abbreviated), "Spin.sec");
    EXPECT_EQ(suggestedSecFileName(&named), "Spinward Marches.sec");
    EXPECT_EQ(suggestedSecFileName(nullptr), "sector.sec");
}

// Export → import at another sector gives back what the fixed columns hold.
TEST(SecExport, RoundTripReproducesEveryMainWorld) {
    for (const std::string& source :
         {velmora::testing::legacyFixture(), velmora::testing::tabFixture()}) {
        std::vector<core::HexData> first;
        for (const auto& row : secRows(source))
            if (auto world = importedWorld(row, 1, 2, {}, core::systemRandomSource()))
                first.push_back(world->hexData);
        ASSERT_GT(first.size(), 400u);
        const std::vector regions{regionAround({1, 2, 10, 10}, "Home")};
        const std::string text = secExportText(first, SecSector{1, 2, "Source", ""}, regions);

        std::map<std::pair<int, int>, core::HexData> second;
        for (const auto& row : secRows(text))
            if (auto world = importedWorld(row, -3, 4, {}, core::systemRandomSource()))
                second[{world->coordinates.column, world->coordinates.row}] = world->hexData;
        ASSERT_EQ(second.size(), first.size());

        for (const core::HexData& before : first) {
            const core::HexData& after =
                second.at({before.coordinates.column, before.coordinates.row});
            const core::WorldData& was = *core::mainWorld(before.starSystem);
            const core::WorldData& is = *core::mainWorld(after.starSystem);
            const std::string where = before.starSystem.name;
            EXPECT_EQ(after.coordinates.sectorX, -3);
            EXPECT_EQ(is.uwp.starport, was.uwp.starport) << where;
            EXPECT_EQ(core::uwpCode(is.uwp).substr(0, 9), core::uwpCode(was.uwp).substr(0, 9))
                << where;
            EXPECT_EQ(is.uwp.populationMultiplier, was.uwp.populationMultiplier) << where;
            EXPECT_EQ(after.starSystem.planetoidBelts, before.starSystem.planetoidBelts) << where;
            EXPECT_EQ(after.starSystem.gasGiant, before.starSystem.gasGiant) << where;
            EXPECT_EQ(is.worldTags, was.worldTags) << where;
            EXPECT_EQ(starsText(after.starSystem.stars), starsText(before.starSystem.stars))
                << where;
            // The listing keeps two letters of the allegiance code.
            const std::string code = before.notes.substr(before.notes.rfind('(') + 1, 2);
            EXPECT_EQ(allegianceCodeFromNotes(after.notes), code) << where;
            // One base letter and fifteen characters of remarks fit the columns.
            std::string remarks;
            for (const auto tradeClass : was.tradeClasses)
                remarks += (remarks.empty() ? "" : " ") +
                           std::string(core::tradeClassTable.text(tradeClass));
            if (was.uwp.bases.size() <= 1 && remarks.size() <= 15) {
                EXPECT_EQ(is.uwp.bases, was.uwp.bases) << where;
                EXPECT_EQ(is.tradeClasses, was.tradeClasses) << where;
            }
        }
        EXPECT_EQ(regionsFromSECText(text, -3, 4)[0].anchors[0].hex,
                  (core::GalacticCoordinates{-3, 4, 10, 10}));
    }
}

// A real sector imported, exported as a tab listing and imported again comes back
// with every field the listing had; the fixed columns could not hold them all.
TEST(SecExport, TabListingRoundTripKeepsEveryField) {
    for (const std::string file : {"spinward-marches.tab", "second-survey-example.sec"}) {
        const std::string source = velmora::testing::fixture(file);
        std::vector<SecRow> original = secRows(source);
        std::vector<core::HexData> first;
        for (const auto& row : original)
            first.push_back(importedWorld(row, 1, 2, {}, core::systemRandomSource())->hexData);
        const universe::SectorInfo sector{1, 2, "Source", "Srce"};
        const std::string text = secExportTextFor(first, &sector, {}, SecExportFormat::tab);

        const SecTable table = readSecTable(text);
        ASSERT_EQ(table.rows.size(), original.size()) << file;
        EXPECT_EQ(table.unreadableLines, 0u) << file;
        // The export runs column by column; the file subsector by subsector.
        std::map<std::string, std::size_t, std::less<>> byHex;
        for (std::size_t i = 0; i < original.size(); ++i)
            byHex[original[i].at("Hex")] = i;
        for (const SecRow& is : table.rows) {
            const std::size_t i = byHex.at(is.at("Hex"));
            const SecRow& was = original[i];
            const std::string where = file + " " + is.at("Hex");
            // The listing's own text comes back for the fields that have one spelling.
            // (A PBG that counts no belt beside a belt main world, or a brown dwarf
            // among the stars, is read as the import understood it.)
            for (const char* column : {"Hex", "Name", "UWP", "Zone", "Allegiance", "{Ix}", "(Ex)",
                                       "[Cx]", "Nobility", "W", "RU"})
                EXPECT_EQ(rowValue(is, {column}), rowValue(was, {column}))
                    << where << " " << column;
            EXPECT_EQ(is.at("Sector"), "Srce");

            const auto again = importedWorld(is, 1, 2, {}, core::systemRandomSource());
            ASSERT_TRUE(again) << where;
            const core::WorldData& before = *core::mainWorld(first[i].starSystem);
            const core::WorldData& after = *core::mainWorld(again->hexData.starSystem);
            EXPECT_EQ(core::uwpCode(after.uwp), core::uwpCode(before.uwp))
                << where << ": the profile and the bases";
            EXPECT_EQ(after.uwp.populationMultiplier, before.uwp.populationMultiplier) << where;
            EXPECT_EQ(again->hexData.starSystem.planetoidBelts, first[i].starSystem.planetoidBelts)
                << where;
            EXPECT_EQ(again->hexData.starSystem.gasGiant, first[i].starSystem.gasGiant) << where;
            EXPECT_EQ(starsText(again->hexData.starSystem.stars),
                      starsText(first[i].starSystem.stars))
                << where;
            EXPECT_EQ(after.tradeClasses, before.tradeClasses) << where;
            EXPECT_EQ(after.worldTags, before.worldTags) << where;
            EXPECT_EQ(after.notes, before.notes) << where;
            EXPECT_EQ(again->hexData.notes, first[i].notes) << where;
            EXPECT_EQ(again->hexData.starSystem.totalNumberOfWorlds,
                      first[i].starSystem.totalNumberOfWorlds)
                << where;
        }
    }
}

TEST(SecExport, TheAllegianceCodeIsTheLastParenthesesOfItsLine) {
    const std::string notes =
        "Allegiance: Aslan Hierate, Tlaukhu control, Hrawoao (13), Eisohiyw (14) (AsT2)";
    EXPECT_EQ(allegianceCode(notes), "AsT2");
    EXPECT_EQ(allegianceCodeFromNotes(notes), "As") << "the fixed columns hold two characters";
    EXPECT_EQ(allegianceCode("Captured (1105)\nAllegiance: Third Imperium (Im)"), "Im");
    EXPECT_EQ(allegianceCode("A free note (Xx)"), "Xx") << "no allegiance line: the first pair";
    EXPECT_EQ(allegianceCodeFromNotes(""), "--");
}
