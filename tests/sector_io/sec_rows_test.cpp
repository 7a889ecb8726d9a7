#include "sector_io/sec_rows.h"
#include "sector_io/sector_files.h"

#include <gtest/gtest.h>

using namespace velmora::sector_io;

namespace {

SecRow legacy(std::string name, std::string hex, std::string uwp, std::string bases,
              std::string remarks, std::string zone, std::string pbg, std::string allegiance,
              std::string stars) {
    return SecRow{{"Name", name},       {"Hex", hex},   {"UWP", uwp}, {"Bases", bases},
                  {"Remarks", remarks}, {"Zone", zone}, {"PBG", pbg}, {"Allegiance", allegiance},
                  {"Stars", stars}};
}

} // namespace

TEST(LegacyRows, ReadsTokensWhereverTheColumnsFall) {
    const struct {
        const char* line;
        SecRow row; // empty: the line holds no world
    } cases[] = {
        {"Regina        1910 A788899-C  N Ri Pa Ph An Cp   A  703 Im G2 V",
         legacy("Regina", "1910", "A788899-C", "N", "Ri Pa Ph An Cp", "A", "703", "Im", "G2 V")},
        // Two base letters run into the remarks: they read as the first remark.
        {"Mora          3124 AA99AC7-F  NSHi In Cp         A  614 Im F0 V",
         legacy("Mora", "3124", "AA99AC7-F", "", "NSHi In Cp", "A", "614", "Im", "F0 V")},
        // The hex first, as some listings write it; the name is then empty.
        {"1910 A788899-C 703 Im", legacy("", "1910", "A788899-C", "", "", "", "703", "Im", "")},
        // Names with digits: the hex is the first run of exactly four.
        {"Station 12345 0304 B000000-0 100",
         legacy("Station 12345", "0304", "B000000-0", "", "", "", "100", "", "")},
        // An unnamed world written with its hex in the name column: the line reads
        // from the second hex, and a name that only repeats the hex is no name.
        {"0104          0104 X110000-6    Ba Lo Ni           004 Na",
         legacy("", "0104", "X110000-6", "", "Ba Lo Ni", "", "004", "Na", "")},
        {"0104          0105 X110000-6    Ba Lo Ni           004 Na",
         legacy("0104", "0105", "X110000-6", "", "Ba Lo Ni", "", "004", "Na", "")},
        // Tabs where spaces belong.
        {"Ezh'Qriedle\t0101\tB000898-C\tJ\tAs Na\t410\tZc\tK3V",
         legacy("Ezh'Qriedle", "0101", "B000898-C", "J", "As Na", "", "410", "Zc", "K3V")},
        {"Ezh'Qriedle   0101 B000898-C  J As Na", {}}, // truncated before the PBG
        {"Ezh'Qriedle   0101", {}},                    // nothing after the hex
        {"Ezh'Qriedle   0101 B0008   J 410 Zc", {}},   // profile too short
        {"Ezh'Qriedle   0101 B00\xC3\xA9"
         "89-C 410 Zc",
         {}},                                                 // profile with a non-ASCII letter
        {"@SUB-SECTOR A: Ekrelemba SECTOR: Stiatlchepr", {}}, // no hex at all
        {"#PlanetName   Loc. UPP Code   B   Notes", {}},
        {"$ 0101 A788899-C 703", {}},
        {"123", {}},
        {"Sector 19100 A788899-C 703", {}}, // five digits are no hex
    };
    for (const auto& c : cases)
        EXPECT_EQ(legacyRow(c.line), c.row) << c.line;
}

TEST(SecRows, ChoosesTheFlavourFromTheFirstDataLine) {
    const struct {
        std::string text;
        bool tabDelimited;
    } cases[] = {
        {"# comment\n\nHex\tName\tUWP\n0101\tA\tA788899-C\n", true},
        {"sector\thex\tname\n", true},
        {"Name\tUWP\tPBG\nRegina\tA788899-C\t703\n", false}, // a tab, but no Hex column
        {"Regina        1910 A788899-C  N Ri            A  703 Im G2 V\n", false},
        {"# only comments\n#\n", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isTabDelimited(c.text), c.tabDelimited) << c.text;

    // The file with a tab but no Hex column is read by tokens.
    const auto rows = secRows("Name\tUWP\tPBG\nRegina 1910 A788899-C 703 Im\n");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("Name"), "Regina");
}

TEST(SecRows, TabDelimitedRowsMapHeaderNamesUntrimmed) {
    const std::string crlf = "\xEF\xBB\xBF# from the web\r\nHex\tName\tUWP\tRemarks\tHex\r\n"
                             "0101\t Alpha \tA788899-C\tRi Ag\t0202\r\n"
                             "0303\tShort\r\n"
                             "\r\n"
                             "0404\tExtra\tB000000-0\tAs\t0405\tspare\r\n";
    const auto rows = secRows(crlf);
    ASSERT_EQ(rows.size(), 3u);
    // A later column of the same name wins; fields are kept as written.
    EXPECT_EQ(
        rows[0],
        (SecRow{{"Hex", "0202"}, {"Name", " Alpha "}, {"UWP", "A788899-C"}, {"Remarks", "Ri Ag"}}));
    EXPECT_EQ(rows[1], (SecRow{{"Hex", "0303"}, {"Name", "Short"}}));
    EXPECT_EQ(rows[2].size(), 4u) << "fields past the header are dropped";

    // The map service can answer with the text inside a JSON string.
    const auto wrapped = tabDelimitedRows("  \"Hex\\tName\\n0101\\tQuoted\\n\"  ");
    ASSERT_EQ(wrapped.size(), 1u);
    EXPECT_EQ(wrapped[0].at("Name"), "Quoted");
    EXPECT_EQ(rowValue(wrapped[0], {"Allegiance", "A"}), "");
    EXPECT_EQ(rowValue(SecRow{{"Allegiance", ""}, {"A", "Im"}}, {"Allegiance", "A"}), "Im");
}

TEST(SecRows, ReadsTheRealFilesOfBothFlavours) {
    const std::string legacyText = velmora::testing::legacyFixture();
    const std::string tab = velmora::testing::tabFixture();
    ASSERT_FALSE(legacyText.empty());
    ASSERT_NE(tab.find("\r\n"), std::string::npos) << "the fixture keeps its CRLF line ends";

    const auto legacyRows = secRows(legacyText);
    EXPECT_EQ(legacyRows.size(), 666u) << "the subsector lines and the header notes hold no world";
    EXPECT_EQ(legacyRows.front(),
              legacy("Ezh'Qriedle", "0101", "B000898-C", "J", "As Na", "", "410", "Zc", "K3V"));

    const auto tabRows = secRows(tab);
    ASSERT_EQ(tabRows.size(), 439u);
    EXPECT_EQ(tabRows[1].at("Name"), "Reno");
    EXPECT_EQ(tabRows[1].at("RU"), "1440") << "no carriage return is left on the last column";
    EXPECT_EQ(tabRows[1].size(), 17u);
}

TEST(SecRows, CountsLinesThatLookLikeWorldsAndDoNotRead) {
    // Preamble, subsector headings and allegiance keys hold no hex and are not
    // counted; a world line cut short before its PBG, or with a broken profile, is.
    const std::string legacyText = "Stiatlchepr Sector Data\n"
                                   "A: Ekrelemba                 sub_a.dat\n"
                                   "11 Zh = Zhodani\n"
                                   "@SUB-SECTOR A: Ekrelemba SECTOR: Stiatlchepr\n"
                                   "# 0101 a comment\n"
                                   "Ieda          0105 X8A3000-0    Ba Fl Ni        R  313 Zh G4V\n"
                                   "Ieda          0106 X8A3000-0    Ba Fl Ni\n"
                                   "Ieda          0107 X8A30\n";
    const SecTable legacyTable = readSecTable(legacyText);
    EXPECT_EQ(legacyTable.rows.size(), 1u);
    EXPECT_EQ(legacyTable.unreadableLines, 2u);

    EXPECT_EQ(readSecTable(velmora::testing::legacyFixture()).unreadableLines, 0u);
    EXPECT_EQ(readSecTable(velmora::testing::tabFixture()).unreadableLines, 0u);
}

TEST(ColumnDelimitedRows, ReadTheSecondSurveyLayoutByTheRulersSpans) {
    const SecTable file = readSecTable(velmora::testing::fixture("second-survey-example.sec"));
    ASSERT_EQ(file.rows.size(), 496u);
    EXPECT_EQ(file.unreadableLines, 0u);
    // 0101 Didraga C1008BC-8 Na Va Ph Pi Pz { -1 } (D77+2) [B78B] BDe S A 603 10 ImDi K0 V
    const SecRow& didraga = file.rows.front();
    EXPECT_EQ(didraga.at("Hex"), "0101");
    EXPECT_EQ(didraga.at("Name"), "Didraga");
    EXPECT_EQ(didraga.at("UWP"), "C1008BC-8");
    EXPECT_EQ(didraga.at("Remarks"), "Na Va Ph Pi Pz");
    EXPECT_EQ(didraga.at("{Ix}"), "{ -1 }");
    EXPECT_EQ(didraga.at("Nobility"), "BDe");
    EXPECT_EQ(didraga.at("Bases"), "S");
    EXPECT_EQ(didraga.at("Zone"), "A");
    EXPECT_EQ(didraga.at("PBG"), "603");
    EXPECT_EQ(didraga.at("W"), "10");
    EXPECT_EQ(didraga.at("Allegiance"), "ImDi");
    EXPECT_EQ(didraga.at("Stars"), "K0 V");
    // "-" marks an empty column; a name with spaces stays whole.
    const SecRow& sanNuska = file.rows[2];
    EXPECT_EQ(sanNuska.at("Name"), "San Nuska Kilna");
    EXPECT_EQ(sanNuska.at("Bases"), "");
    EXPECT_EQ(sanNuska.at("Routes"), "");

    // Spans count characters, not bytes; the last column runs past its ruler.
    const std::string text = "Hex  Name       UWP       B  Z PBG A    Stellar\n"
                             "---- ---------- --------- -- - --- ---- -------\n"
                             "0101 Z\u00fcrich     A788899-C N  - 703 ImDd G2 V M4 V\n"
                             "0102 Unknown    X??????"
                             "-? -  - ??? ImDd\n"
                             "0103\n";
    const SecTable table = readSecTable(text);
    ASSERT_EQ(table.rows.size(), 3u) << "the bare hex line is read, and refused by the import";
    EXPECT_EQ(table.rows[0].at("Name"), "Z\u00fcrich");
    EXPECT_EQ(table.rows[0].at("UWP"), "A788899-C");
    EXPECT_EQ(table.rows[0].at("Stars"), "G2 V M4 V");
    EXPECT_EQ(table.rows[1].at("UWP"), "X??????"
                                       "-?");
    EXPECT_EQ(table.rows[1].at("PBG"), "???");
    EXPECT_EQ(table.rows[2].at("UWP"), "");
}
