#include "core/trade_classification.h"
#include "core/uwp.h"
#include "sector_io/allegiances.h"
#include "sector_io/imported_world.h"
#include "sector_io/sec_rows.h"
#include "sector_io/sector_files.h"
#include "sector_io/sophonts.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>
#include <set>

using namespace velmora;
using namespace velmora::sector_io;

namespace {

std::optional<ImportedWorld> convert(SecRow row, int sectorX = 0, int sectorY = 0,
                                     const AllegianceTable& table = {}) {
    return importedWorld(row, sectorX, sectorY, table, core::systemRandomSource());
}

const core::WorldData& mainOf(const ImportedWorld& world) {
    return *core::mainWorld(world.hexData.starSystem);
}

std::string tradeCodes(const core::WorldData& world) {
    std::string text;
    for (const auto tradeClass : world.tradeClasses)
        text += (text.empty() ? "" : " ") + std::string(core::tradeClassTable.text(tradeClass));
    return text;
}

} // namespace

TEST(ImportedWorld, ConvertsOneRowIntoAHex) {
    const auto world = convert({{"Hex", "1910"},
                                {"Name", "Regina"},
                                {"UWP", "A788899-C"},
                                {"Bases", "NS"},
                                {"Remarks", "Ri Pa Ph An Cp (Amindii)2 Varg0 RsB Sa Ht"},
                                {"Zone", "a"},
                                {"PBG", "703"},
                                {"Allegiance", "ImDd"},
                                {"Stars", "F7 V BD M3 V"},
                                {"{Ix}", "{ 4 }"},
                                {"Ex", "(D7E+5)"},
                                {"[Cx]", "[9C6D]"},
                                {"Nobility", "BcCeF"},
                                {"W", "9"},
                                {"RU", "6370"}},
                               -4, 1);
    ASSERT_TRUE(world);
    EXPECT_EQ(world->coordinates, (core::GalacticCoordinates{-4, 1, 19, 10}));
    EXPECT_EQ(world->hexData.coordinates, world->coordinates);
    EXPECT_EQ(world->allegiance, "ImDd");
    EXPECT_EQ(world->hexData.notes, "Allegiance: Domain of Deneb (ImDd)");

    const core::StarSystem& system = world->hexData.starSystem;
    EXPECT_EQ(system.name, "Regina");
    ASSERT_EQ(system.stars.size(), 2u) << "the brown dwarf is left out";
    EXPECT_EQ(starsText(system.stars), "F7 V M3 V");
    EXPECT_EQ(system.stars[0].name, "A");
    EXPECT_EQ(system.stars[0].orbit, core::Orbits::starOrbit0);
    EXPECT_EQ(system.stars[1].name, "B");
    EXPECT_NE(system.stars[1].orbit, core::Orbits::starOrbit0);
    EXPECT_EQ(system.gasGiant, 3);
    EXPECT_EQ(system.planetoidBelts, 0);
    EXPECT_EQ(system.totalNumberOfWorlds, 9);
    EXPECT_TRUE(system.starfarers && system.surveyed);
    EXPECT_FALSE(system.sathar || system.other);

    ASSERT_EQ(system.stars[0].worlds.size(), 1u);
    const core::WorldData& main = mainOf(*world);
    EXPECT_EQ(main.name, "Regina");
    EXPECT_EQ(core::uwpCode(main.uwp), "A788899-C NS");
    EXPECT_EQ(main.uwp.techLevel, core::TechnologyLevel::ttl12);
    EXPECT_EQ(main.uwp.populationMultiplier, 7);
    EXPECT_EQ(main.uwp.density, 1.0);
    EXPECT_EQ(main.type, core::WorldType::planet);
    EXPECT_EQ(main.sunOrbit, core::Orbits::starOrbit5) << "the habitable zone of an F7 V";
    EXPECT_EQ(main.dayLength, 24);
    EXPECT_EQ(main.yearLength, importedYearLength(5));
    EXPECT_EQ(tradeCodes(main), "Ri Pa Ph An Cp Rs Sa Ht");
    EXPECT_EQ(main.worldTags, std::vector{core::WorldTag::amberZone});
    EXPECT_EQ(main.prevalentRace, core::Race(core::Race::Kind::human))
        << "a minority of 2 tenths is not prevalent";
    EXPECT_EQ(main.notes,
              "(Amindii)2 Varg0 RsB\nImportance: { 4 }\nEconomic: (D7E+5)\nCultural: [9C6D]\n"
              "Nobility: BcCeF\nResource Units: 6370");
    EXPECT_TRUE(main.factionIDs.empty());
}

TEST(ImportedWorld, RowsThatCannotBeReadYieldNothing) {
    const SecRow good{{"Hex", "0101"}, {"UWP", "A788899-C"}};
    EXPECT_TRUE(convert(good));
    for (const std::string hex : {"101", "01010", "0A01", "0 01", "0000", "3301", "0141", ""}) {
        SecRow row = good;
        row["Hex"] = hex;
        EXPECT_FALSE(convert(row)) << hex;
    }
    for (const std::string uwp : {"", "A78889", "A7888"}) {
        SecRow row = good;
        row["UWP"] = uwp;
        EXPECT_FALSE(convert(row)) << uwp;
    }
}

TEST(ImportedWorld, ProfileDigitsAndCounts) {
    const struct {
        std::string uwp;
        std::string pbg;
        std::string worlds;
        std::string code; // uwpCode of the main world
        int belts;
        int giants;
        int total;
        core::WorldType type;
    } cases[] = {
        {"A788899-C", "703", "", "A788899-C \u2014", 0, 3, 4, core::WorldType::planet},
        {"B000898-C", "410", "", "B000898-C \u2014", 0, 0, 1, core::WorldType::asteroidBelt},
        {"B000898-C", "422", "12", "B000898-C \u2014", 1, 2, 12, core::WorldType::asteroidBelt},
        {"Q7a8?99-Z", "", "x", "X708099-N \u2014", 0, 0, 1,
         core::WorldType::planet}, // TL clamped to 22
        {"A788899", "7", " 3", "A788899-A \u2014", 0, 0, 1,
         core::WorldType::planet}, // no dash: the first letter
        {"A788899-", "7AB", "", "A788899-0 \u2014", 10, 11, 22, core::WorldType::planet},
        {"FIO8899-3", "1", "", "F008899-3 \u2014", 0, 0, 1, core::WorldType::asteroidBelt},
    };
    for (const auto& c : cases) {
        const auto world =
            convert({{"Hex", "0101"}, {"UWP", c.uwp}, {"PBG", c.pbg}, {"W", c.worlds}});
        ASSERT_TRUE(world) << c.uwp;
        const auto& system = world->hexData.starSystem;
        EXPECT_EQ(core::uwpCode(mainOf(*world).uwp), c.code) << c.uwp;
        EXPECT_EQ(system.planetoidBelts, c.belts) << c.uwp;
        EXPECT_EQ(system.gasGiant, c.giants) << c.uwp;
        EXPECT_EQ(system.totalNumberOfWorlds, c.total) << c.uwp;
        EXPECT_EQ(mainOf(*world).type, c.type) << c.uwp;
        EXPECT_TRUE(world->hexData.notes.empty());
    }
}

TEST(ImportedWorld, StarsText) {
    const struct {
        std::string text;
        std::string stars;
    } cases[] = {
        {"G2 V", "G2 V"},
        {"M7 III M2 V", "M7 III M2 V"},
        {"F7 V BD M3 V", "F7 V M3 V"},
        {"K3V", "K0 V"},       // the subtype must be a number on its own
        {"D", "D"},            // a white dwarf
        {"G2 D", "D"},         // the class token is consumed: a white dwarf
        {"BH NS PSR", "G2 V"}, // nothing but remnants: the default star
        {"", "G2 V"},
        {"X9 V A0 Ib", "A0 Ib"}, // no spectral letter: skipped; "V" alone is no star either
        {"B", "B0 V"},
    };
    for (const auto& c : cases) {
        const auto stars = starsFromText(c.text, core::systemRandomSource());
        EXPECT_EQ(starsText(stars), c.stars) << c.text;
    }

    // Masses are drawn within the class's range; companions take distinct orbits
    // that leave the main world's habitable-zone orbit free.
    const auto five = starsFromText("G2 V D M1 V M2 V M3 V", core::systemRandomSource());
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five[4].name, "5");
    EXPECT_GE(five[1].mass, 0.6);
    EXPECT_LE(five[1].mass, 1.1);
    std::set<core::Orbits> orbits;
    for (const auto& star : five)
        orbits.insert(star.orbit);
    EXPECT_EQ(orbits.size(), 5u);
    EXPECT_FALSE(orbits.contains(core::Orbits::starOrbit3)) << "a G2 V's habitable zone";

    // The companion's orbit is the scripted draw among the free orbits 1, 2, 4, 5...
    velmora::testing::ScriptedDice dice;
    const std::uint64_t massSteps = (std::uint64_t{1} << 53) + 1;
    dice.pushBelow(0, massSteps); // primary's mass: the lightest
    dice.pushBelow(0, massSteps); // companion's mass
    dice.pushBelow(2, 19);        // the third free orbit
    const auto pair = starsFromText("G2 V K1 V", dice);
    EXPECT_EQ(pair[1].orbit, core::Orbits::starOrbit4);
    EXPECT_DOUBLE_EQ(pair[0].mass, 0.8);
}

TEST(ImportedWorld, TradeClassesZonesAndRaces) {
    const struct {
        std::string remarks;
        std::string zone;
        std::string allegiance;
        std::string codes;
        std::vector<core::WorldTag> tags;
        core::Race race;
    } cases[] = {
        {"Ri Pa", "R", "", "Ri Pa", {core::WorldTag::redZone}, core::Race::Kind::human},
        {"Ag Asla7", "", "ImDd", "Ag", {}, core::Race::Kind::aslan},
        {"Ag VargW", "r", "", "Ag", {core::WorldTag::redZone}, core::Race::Kind::vargr},
        {"Ni (Ursty)", "A", "", "Ni", {core::WorldTag::amberZone}, core::Race::custom("Ursty")},
        {"Ni (Aslan)", "", "", "Ni", {}, core::Race::Kind::aslan},
        {"Lo Dary3 Droy6", "B", "", "Lo", {}, core::Race::Kind::droyne},
        {"Lo DaryW", "", "", "Lo", {}, core::Race::custom("Darrian")},
        {"Ni", "", "NaVa", "Ni", {}, core::Race::Kind::vargr},
        {"Ni", "", "CsZh", "Ni", {}, core::Race::Kind::zhodani},
        {"Ni", "", "AsMw", "Ni", {}, core::Race::Kind::aslan},
        {"Ni", "", "Xx", "Ni", {}, core::Race::Kind::human},
    };
    for (const auto& c : cases) {
        const auto world = convert({{"Hex", "0101"},
                                    {"UWP", "A788899-C"},
                                    {"Remarks", c.remarks},
                                    {"Zone", c.zone},
                                    {"Allegiance", c.allegiance}});
        ASSERT_TRUE(world) << c.remarks;
        EXPECT_EQ(tradeCodes(mainOf(*world)), c.codes) << c.remarks;
        EXPECT_EQ(mainOf(*world).worldTags, c.tags) << c.remarks;
        EXPECT_EQ(mainOf(*world).prevalentRace, c.race) << c.remarks;
    }

    // No recognised code: the classes are derived from the profile, with the
    // climate of the main world's orbit.
    const auto derived = convert(
        {{"Hex", "0101"}, {"UWP", "A788899-C"}, {"Remarks", "O:0304 Xx"}, {"Stars", "G2 V"}});
    EXPECT_EQ(mainOf(*derived).tradeClasses,
              core::deriveTradeClasses(mainOf(*derived).uwp, 3, false));
    EXPECT_EQ(mainOf(*derived).notes, "O:0304 Xx");
    const auto twilight = convert({{"Hex", "0101"}, {"UWP", "A788899-C"}, {"Stars", "M5 V"}});
    EXPECT_EQ(mainOf(*twilight).sunOrbit, core::Orbits::starOrbit0);
    EXPECT_EQ(mainOf(*twilight).tradeClasses,
              core::deriveTradeClasses(mainOf(*twilight).uwp, 0, false));
}

TEST(Allegiances, NamesFromTheTableTheBuiltInsOrTheCode) {
    const AllegianceTable fetched{
        {"ImDd", "Domain of Deneb (fetched)"}, {"Zh", ""}, {"Xy", "Xyzzy Union"}};
    const struct {
        std::string code;
        AllegianceTable table;
        std::string name;
    } cases[] = {
        {"ImDd", fetched, "Domain of Deneb (fetched)"},
        {"Zh", fetched, "Zhodani Consulate"}, // an empty fetched name falls through
        {"Xy", fetched, "Xyzzy Union"},
        {"ImDd", {}, "Domain of Deneb"},
        {"ImZz", {}, "Third Imperium"},
        {"DaCf", {}, "Darrian Confederation"},
        {"Kk", {}, "Two Thousand Worlds (K'kree)"},
        {"Am", {}, "Amiimii League"},
        {"", {}, "Unknown Allegiance"},
        {"Q", {}, "Q"},
        {"QqRr", {}, "QqRr"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(allegianceName(c.code, c.table), c.name) << c.code;
}

TEST(ImportedWorld, RealSectorsImportEveryWorld) {
    const AllegianceTable none;
    std::vector<ImportedWorld> legacy;
    for (const auto& row : secRows(velmora::testing::legacyFixture()))
        if (auto world = importedWorld(row, 2, -1, none, core::systemRandomSource()))
            legacy.push_back(std::move(*world));
    ASSERT_EQ(legacy.size(), 666u);
    const auto findIn = [](const std::vector<ImportedWorld>& worlds, const std::string& name) {
        return *std::find_if(worlds.begin(), worlds.end(), [&](const ImportedWorld& w) {
            return w.hexData.starSystem.name == name;
        });
    };
    const ImportedWorld ferz = findIn(legacy, "FERZDLEZHDR");
    EXPECT_EQ(ferz.coordinates, (core::GalacticCoordinates{2, -1, 24, 2}));
    EXPECT_EQ(core::uwpCode(mainOf(ferz).uwp), "A200A54-D \u2014");
    EXPECT_EQ(tradeCodes(mainOf(ferz)), "Hi In Na Va Cp");
    EXPECT_EQ(mainOf(ferz).notes, "Bases (other): Z");
    EXPECT_EQ(ferz.hexData.notes, "Allegiance: Zhodani Consulate (Zh)");
    EXPECT_EQ(mainOf(ferz).prevalentRace, core::Race(core::Race::Kind::zhodani));
    EXPECT_EQ(starsText(ferz.hexData.starSystem.stars), "K0 V M0 V");
    const ImportedWorld zhet = findIn(legacy, "Zhet");
    EXPECT_EQ(mainOf(zhet).worldTags, std::vector{core::WorldTag::redZone});
    EXPECT_EQ(zhet.hexData.notes, "Allegiance: Non-Aligned (Na)");

    std::vector<ImportedWorld> spinward;
    for (const auto& row : secRows(velmora::testing::tabFixture()))
        if (auto world = importedWorld(row, -4, 1, none, core::systemRandomSource()))
            spinward.push_back(std::move(*world));
    ASSERT_EQ(spinward.size(), 439u);
    const ImportedWorld regina = findIn(spinward, "Regina");
    EXPECT_EQ(regina.coordinates, (core::GalacticCoordinates{-4, 1, 19, 10}));
    EXPECT_EQ(core::uwpCode(mainOf(regina).uwp), "A788899-C NS");
    EXPECT_EQ(tradeCodes(mainOf(regina)), "Ri Pa Ph An Cp Sa Ht");
    EXPECT_EQ(starsText(regina.hexData.starSystem.stars), "F7 V M3 V");
    EXPECT_EQ(regina.hexData.starSystem.totalNumberOfWorlds, 9);
    EXPECT_EQ(mainOf(regina).notes, "(Amindii)2 Varg0 Asla0\nImportance: { 4 }\nEconomic: (D7E+5)\n"
                                    "Cultural: [9C6D]\nNobility: BcCeF\nResource Units: 6370");
    const ImportedWorld reno = findIn(spinward, "Reno");
    EXPECT_EQ(mainOf(reno).worldTags, std::vector{core::WorldTag::amberZone});
    EXPECT_EQ(reno.hexData.notes, "Allegiance: Zhodani Consulate (ZhIN)");
}
