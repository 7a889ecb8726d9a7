#include "core/hex_data.h"
#include "core/json_support.h"
#include "core/star_system.h"
#include "core/uwp.h"
#include "core/world_json.h"
#include "support/sample_hex.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

using namespace velmora::core;
using velmora::testing::sampleHex;

namespace {

// A hex as an older version of the program wrote it: base flags instead of a base
// list, faction records inside the world, the old tag spelling, and none of the keys
// added since (yearLength, tideLocked, satellites, tradeClasses, prevalentRace,
// density, populationMultiplier, tags, surveyed, properName).
constexpr const char* legacyHexText = R"json({
  "id": "0F8E2D2C-1B7A-4C55-9B0E-7A3D9C1E5F10",
  "coordinates": {"sectorX": 0, "sectorY": -1, "column": 19, "row": 10},
  "notes": "",
  "starSystem": {
    "id": "6B1C0E8A-3D2F-4E7B-8A91-2C4D5E6F7A8B",
    "name": "Halvard",
    "gasGiant": 1,
    "planetoidBelts": 0,
    "totalNumberOfWorlds": 6,
    "starfarers": false,
    "sathar": true,
    "other": false,
    "stars": [{
      "id": "1A2B3C4D-5E6F-4A1B-8C2D-3E4F5A6B7C8D",
      "name": "Halvard A",
      "spectralType": "G",
      "temperature": 2,
      "luminosity": "V",
      "mass": 1,
      "orbit": -1,
      "worlds": [{
        "id": "9C8B7A6F-5E4D-4C3B-8A2F-1E0D9C8B7A6F",
        "name": "Halvard",
        "mainWorld": true,
        "type": "planet",
        "sunOrbit": 3,
        "satelliteOrbit": "0",
        "hzOffset": 0,
        "dayLength": 26,
        "notes": "Old notes",
        "image": "",
        "worldTags": ["refueling-stop", "tomb-world"],
        "factions": [
          {"id": "2B3C4D5E-6F7A-4B8C-9D0E-1F2A3B4C5D6E", "name": "Free Traders", "hp": 7},
          {"id": "3C4D5E6F-7A8B-4C9D-8E1F-2A3B4C5D6E7F", "name": "Old Guard"}
        ],
        "uwp": {
          "starport": "Good", "size": 8, "atmosphere": 6, "hydrographics": 7,
          "population": 6, "government": 5, "lawLevel": 4, "techLevel": "TL9",
          "navalBase": true, "scoutBase": true
        }
      }, {
        "id": "8D7C6B5A-4F3E-4D2C-9B1A-0F9E8D7C6B5A",
        "name": "Halvard II",
        "mainWorld": false,
        "type": "iceworld",
        "sunOrbit": 5,
        "satelliteOrbit": "0",
        "hzOffset": 2,
        "dayLength": 0,
        "notes": "",
        "image": "",
        "worldTags": [],
        "prevalentRace": "custom:Grel",
        "factionIDs": ["2B3C4D5E-6F7A-4B8C-9D0E-1F2A3B4C5D6E"],
        "tradeClasses": ["Ic", "Ba", "Fr", "Re"],
        "uwp": {
          "starport": "None (Sp)", "size": 3, "atmosphere": 1, "hydrographics": 2,
          "population": 0, "government": 0, "lawLevel": 0, "techLevel": "TL0",
          "bases": ["N", "Q", "NS"], "navalBase": false, "scoutBase": true
        }
      }]
    }]
  }
})json";

// A real file in a folder of its own, removed afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 (std::string("velmora-") + test->test_suite_name() + "-" + test->name() + "-" +
                  Uuid::generate().toString());
        std::filesystem::create_directories(m_path);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

HexData decodeHex(const std::string& text) {
    return Json::parse(text).get<HexData>();
}

} // namespace

TEST(HexJson, OlderFileLoadsWithDefaultsAndMigratedKeys) {
    const HexData hex = decodeHex(legacyHexText);
    ASSERT_EQ(hex.starSystem.stars.size(), 1u);
    const Star& star = hex.starSystem.stars.front();
    EXPECT_FALSE(hex.starSystem.surveyed);
    EXPECT_FALSE(star.properName.has_value());
    EXPECT_DOUBLE_EQ(star.mass, 1.0);
    ASSERT_EQ(star.worlds.size(), 2u);

    const WorldData& main = star.worlds[0];
    EXPECT_EQ(main.yearLength, 0);
    EXPECT_FALSE(main.tideLocked);
    EXPECT_TRUE(main.satellites.empty());
    EXPECT_EQ(main.prevalentRace, Race(Race::Kind::human));
    EXPECT_DOUBLE_EQ(main.uwp.density, 1.0);
    EXPECT_EQ(main.uwp.populationMultiplier, 0);
    EXPECT_TRUE(main.uwp.tags.empty());
    EXPECT_EQ(main.uwp.bases, (std::set<Base>{Base::imperialNavalBase, Base::scoutBase}));
    EXPECT_EQ(main.worldTags,
              (std::vector<WorldTag>{WorldTag::refuellingStop, WorldTag::tombWorld}));
    // Derived from the temperate garden profile when the file has no list.
    EXPECT_EQ(main.tradeClasses,
              (std::vector<TradeClass>{TradeClass::garden, TradeClass::nonIndustrial,
                                       TradeClass::agricultural, TradeClass::rich}));
    // The embedded faction records become ids, in order, and are kept for migration.
    ASSERT_EQ(main.factionIDs.size(), 2u);
    EXPECT_EQ(main.factionIDs[0].toString(), "2B3C4D5E-6F7A-4B8C-9D0E-1F2A3B4C5D6E");
    EXPECT_EQ(main.factionIDs[1].toString(), "3C4D5E6F-7A8B-4C9D-8E1F-2A3B4C5D6E7F");
    ASSERT_EQ(main.legacyFactionsJson.size(), 2u);
    const Json firstFaction = Json::parse(main.legacyFactionsJson[0]);
    EXPECT_EQ(firstFaction.at("name"), "Free Traders");
    EXPECT_EQ(firstFaction.at("hp"), 7);

    const WorldData& outer = star.worlds[1];
    // With "bases" present the flags are ignored and unknown letters skipped.
    EXPECT_EQ(outer.uwp.bases, std::set<Base>{Base::imperialNavalBase});
    EXPECT_EQ(outer.prevalentRace, Race::custom("Grel"));
    EXPECT_TRUE(outer.legacyFactionsJson.empty());
    EXPECT_EQ(outer.factionIDs.size(), 1u);
    // A stored list is kept as it is, referee's classes included, never re-derived.
    EXPECT_EQ(outer.tradeClasses,
              (std::vector<TradeClass>{TradeClass::iceCapped, TradeClass::barren,
                                       TradeClass::frozen, TradeClass::reserve}));
}

TEST(HexJson, OlderFileIsWrittenInTheCurrentLayoutAndReadsBackTheSame) {
    const TemporaryFolder folder;
    const auto legacyPath = folder.path() / "legacy.json";
    const auto currentPath = folder.path() / "current.json";
    writeFile(legacyPath, legacyHexText);

    const HexData loaded = decodeHex(readFile(legacyPath));
    writeFile(currentPath, Json(loaded).dump(2));
    const Json written = Json::parse(readFile(currentPath));

    const Json& mainJson = written.at("starSystem").at("stars").at(0).at("worlds").at(0);
    const Json& uwpJson = mainJson.at("uwp");
    EXPECT_EQ(uwpJson.at("bases"), Json::parse(R"(["N", "S"])"));
    EXPECT_FALSE(uwpJson.contains("navalBase"));
    EXPECT_FALSE(uwpJson.contains("scoutBase"));
    EXPECT_FALSE(mainJson.contains("factions"));
    EXPECT_EQ(mainJson.at("factionIDs").size(), 2u);
    EXPECT_EQ(mainJson.at("worldTags").at(0), "refuelling-stop");
    EXPECT_EQ(mainJson.at("prevalentRace"), "human");
    EXPECT_EQ(mainJson.at("tradeClasses"), Json::parse(R"(["Ga", "Ni", "Ag", "Ri"])"));
    const Json& outerJson = written.at("starSystem").at("stars").at(0).at("worlds").at(1);
    EXPECT_EQ(outerJson.at("prevalentRace"), "custom:Grel");
    EXPECT_EQ(outerJson.at("satelliteOrbit"), "0");
    EXPECT_EQ(written.at("starSystem").at("stars").at(0).at("orbit"), -1);
    EXPECT_FALSE(written.at("starSystem").at("stars").at(0).contains("properName"));

    // Everything but the faction records (which only a migration consumes) survives.
    HexData expected = loaded;
    expected.starSystem.stars[0].worlds[0].legacyFactionsJson.clear();
    EXPECT_EQ(written.get<HexData>(), expected);
}

TEST(HexJson, WholeHexRoundTripsThroughAFile) {
    const TemporaryFolder folder;
    const HexData hex = sampleHex();
    const auto path = folder.path() / "hex.json";
    writeFile(path, Json(hex).dump(2));

    const HexData back = decodeHex(readFile(path));
    EXPECT_EQ(back, hex);
    // Writing again gives the same text: sorted keys, nothing lost or added.
    EXPECT_EQ(Json(back).dump(2), readFile(path));
    EXPECT_EQ(back.starSystem.stars[1].properName, "Lesser Light");
    EXPECT_EQ(back.starSystem.stars[0].worlds[0].satellites.size(), 1u);
}

TEST(HexJson, EveryRequiredKeyFailsTheDocumentWhenMissing) {
    const Json complete = Json::parse(legacyHexText);
    const char* const required[] = {
        "/id",
        "/coordinates",
        "/starSystem",
        "/notes",
        "/starSystem/id",
        "/starSystem/name",
        "/starSystem/stars",
        "/starSystem/gasGiant",
        "/starSystem/planetoidBelts",
        "/starSystem/totalNumberOfWorlds",
        "/starSystem/starfarers",
        "/starSystem/sathar",
        "/starSystem/other",
        "/starSystem/stars/0/id",
        "/starSystem/stars/0/name",
        "/starSystem/stars/0/spectralType",
        "/starSystem/stars/0/temperature",
        "/starSystem/stars/0/luminosity",
        "/starSystem/stars/0/mass",
        "/starSystem/stars/0/orbit",
        "/starSystem/stars/0/worlds",
        "/starSystem/stars/0/worlds/0/id",
        "/starSystem/stars/0/worlds/0/name",
        "/starSystem/stars/0/worlds/0/mainWorld",
        "/starSystem/stars/0/worlds/0/type",
        "/starSystem/stars/0/worlds/0/sunOrbit",
        "/starSystem/stars/0/worlds/0/satelliteOrbit",
        "/starSystem/stars/0/worlds/0/hzOffset",
        "/starSystem/stars/0/worlds/0/uwp",
        "/starSystem/stars/0/worlds/0/dayLength",
        "/starSystem/stars/0/worlds/0/worldTags",
        "/starSystem/stars/0/worlds/0/notes",
        "/starSystem/stars/0/worlds/0/image",
        "/starSystem/stars/0/worlds/0/factions/1/id",
        "/starSystem/stars/0/worlds/0/uwp/starport",
        "/starSystem/stars/0/worlds/0/uwp/size",
        "/starSystem/stars/0/worlds/0/uwp/atmosphere",
        "/starSystem/stars/0/worlds/0/uwp/hydrographics",
        "/starSystem/stars/0/worlds/0/uwp/population",
        "/starSystem/stars/0/worlds/0/uwp/government",
        "/starSystem/stars/0/worlds/0/uwp/lawLevel",
        "/starSystem/stars/0/worlds/0/uwp/techLevel",
    };
    for (const char* key : required) {
        const Json::json_pointer pointer(key);
        Json broken = complete;
        broken.at(pointer.parent_pointer()).erase(pointer.back());
        try {
            broken.get<HexData>();
            ADD_FAILURE() << "read without " << key;
        } catch (const DecodeError& error) {
            EXPECT_EQ(std::string(error.what()), "Missing key \"" + pointer.back() + "\"") << key;
        }
    }
}

TEST(HexJson, UnknownCodesFailTheDocumentNamingTheValue) {
    struct Case {
        const char* pointer;
        Json value;
        const char* message;
    };
    const std::string world = "/starSystem/stars/0/worlds/0";
    const Case cases[] = {
        {"/worldTags/1", "tomb", "Unknown WorldTag raw value: tomb"},
        {"/worldTags/0", "Refueling-Stop", "Unknown WorldTag raw value: Refueling-Stop"},
        {"/uwp/starport", "A", "Unknown Starport raw value: A"},
        {"/sunOrbit", 21, "Unknown Orbits raw value: 21"},
        {"/satelliteOrbit", "a", "Unknown PlanetOrbits raw value: a"},
        {"/type", "Planet", "Unknown WorldType raw value: Planet"},
        {"/prevalentRace", "Human", "Unknown Race raw value: Human"},
        {"/prevalentRace", "custom", "Unknown Race raw value: custom"},
        {"/uwp/techLevel", "TL23", "Unknown TechnologyLevel raw value: TL23"},
    };
    for (const auto& c : cases) {
        Json broken = Json::parse(legacyHexText);
        broken[Json::json_pointer(world + c.pointer)] = c.value;
        try {
            broken.get<HexData>();
            ADD_FAILURE() << "read with " << c.pointer << " = " << c.value;
        } catch (const DecodeError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(HexJson, MainWorldIsTheFirstMarkedWorldOfTheStarsInOrder) {
    HexData hex = sampleHex();
    StarSystem& system = hex.starSystem;
    EXPECT_EQ(mainWorld(system), &system.stars[0].worlds[0]);

    // A marked nested satellite does not count.
    system.stars[0].worlds[0].mainWorld = false;
    system.stars[0].worlds[0].satellites[0].mainWorld = true;
    EXPECT_EQ(mainWorld(system), nullptr);

    // The companion's world comes after every world of the primary.
    system.stars[1].worlds.push_back(system.stars[0].worlds[1]);
    system.stars[1].worlds[0].mainWorld = true;
    EXPECT_EQ(mainWorld(system), &system.stars[1].worlds[0]);
    system.stars[0].worlds[2].mainWorld = true;
    EXPECT_EQ(mainWorld(std::as_const(system)), &system.stars[0].worlds[2]);
}
