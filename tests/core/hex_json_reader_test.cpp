#include "core/hex_data.h"
#include "core/hex_json_reader.h"
#include "core/json_support.h"
#include "core/world_json.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora::core;
using velmora::testing::TemporaryFolder;

namespace {

// Everything a reader can trip over in one hex: escapes of every kind, text in many
// scripts, an emoji both raw and as an escaped surrogate pair, a repeated key, keys
// of older files (base flags, embedded factions, the old tag spelling), optional
// keys missing or null, numbers as reals, as huge integers and near the limits of a
// double, and a boolean where a number is expected.
constexpr const char* trickyHexText = R"json({
  "id": "0f8e2d2c-1b7a-4c55-9b0e-7a3d9c1e5f10",
  "coordinates": {"sectorX": -3, "sectorY": 2147483647, "column": 19.9, "row": null},
  "notes": "first notes",
  "notes": "Quote \" backslash \\ slash \/ tab \t nl \n cr \r ff \f bs \b ctl \u0001\u001f del \u007f",
  "starSystem": {
    "id": "6B1C0E8A-3D2F-4E7B-8A91-2C4D5E6F7A8B",
    "name": "R\u00e9gina \u65e5\u672c \ud83d\ude80 🚀 Æsir",
    "gasGiant": 1, "planetoidBelts": 0, "totalNumberOfWorlds": 6,
    "starfarers": false, "sathar": true, "other": false, "surveyed": null,
    "stars": [{
      "id": "1A2B3C4D-5E6F-4A1B-8C2D-3E4F5A6B7C8D",
      "name": "Halvard A",
      "properName": null,
      "spectralType": "G", "temperature": 2, "luminosity": "V",
      "mass": 1.7976931348623157e308,
      "orbit": -1,
      "worlds": [{
        "id": "9C8B7A6F-5E4D-4C3B-8A2F-1E0D9C8B7A6F",
        "name": "Halvard",
        "mainWorld": true, "type": "planet", "sunOrbit": 3, "satelliteOrbit": "0",
        "hzOffset": -0, "dayLength": true, "yearLength": 4294967297,
        "notes": "", "image": "",
        "satellites": null,
        "prevalentRace": null,
        "worldTags": ["refueling-stop", "tomb-world"],
        "factions": [
          {"name": "Free Traders \u00e9", "id": "2B3C4D5E-6F7A-4B8C-9D0E-1F2A3B4C5D6E", "hp": 7, "ratio": 1.0,
           "tiny": 1e-7, "nested": {"b": [1, 2.5, "x"], "a": null}},
          {"id": "3C4D5E6F-7A8B-4C9D-8E1F-2A3B4C5D6E7F", "name": "Old Guard"}
        ],
        "uwp": {
          "starport": "Good", "size": 8, "atmosphere": 6, "hydrographics": 7,
          "population": 6, "government": 5, "lawLevel": 4, "techLevel": "TL9",
          "density": 0.95, "populationMultiplier": 7.9,
          "navalBase": true, "scoutBase": 1
        }
      }, {
        "id": "8D7C6B5A-4F3E-4D2C-9B1A-0F9E8D7C6B5A",
        "name": "Halvard II",
        "mainWorld": false, "type": "iceworld", "sunOrbit": 5, "satelliteOrbit": "0",
        "hzOffset": 2, "dayLength": 0, "notes": "", "image": "",
        "worldTags": [],
        "prevalentRace": "custom:Gr\u00e9l",
        "factionIDs": ["2B3C4D5E-6F7A-4B8C-9D0E-1F2A3B4C5D6E"],
        "factions": [{"id": "3C4D5E6F-7A8B-4C9D-8E1F-2A3B4C5D6E7F"}],
        "tradeClasses": ["Ic", "Ba"],
        "uwp": {
          "starport": "None (Sp)", "size": 3, "atmosphere": 1, "hydrographics": 2,
          "population": 0, "government": 0, "lawLevel": 0, "techLevel": "TL0",
          "bases": ["N", "Q", 7, "NS"], "navalBase": false, "scoutBase": true,
          "tags": ["highport"], "density": 5e-324
        }
      }]
    }]
  }
})json";

HexData readFast(const std::string& text) {
    HexJsonReader reader;
    HexData hex;
    reader.read(text, hex);
    return hex;
}

// The message each reader fails with, or "read" when it does not fail.
std::string treeOutcome(const std::string& text) {
    try {
        (void)Json::parse(text).get<HexData>();
        return "read";
    } catch (const DecodeError& error) {
        return error.what();
    } catch (const Json::exception&) {
        return "tree error";
    }
}

std::string fastOutcome(const std::string& text) {
    try {
        (void)readFast(text);
        return "read";
    } catch (const DecodeError& error) {
        return error.what();
    }
}

} // namespace

TEST(HexJsonReader, ReadsATrickyHexFromAFileExactlyAsTheTreeDoes) {
    const TemporaryFolder folder;
    folder.write("tricky.json", trickyHexText);
    const std::string text = folder.read("tricky.json");

    const HexData tree = Json::parse(text).get<HexData>();
    const HexData fast = readFast(text);
    EXPECT_EQ(fast, tree);

    // What the two agree on is what the file says.
    EXPECT_EQ(fast.notes,
              "Quote \" backslash \\ slash / tab \t nl \n cr \r ff \f bs \b ctl \x01\x1f del \x7f");
    EXPECT_EQ(fast.starSystem.name, "Régina 日本 \xF0\x9F\x9A\x80 \xF0\x9F\x9A\x80 Æsir");
    EXPECT_EQ(fast.coordinates, (GalacticCoordinates{-3, 2147483647, 19, 0}));
    const Star& star = fast.starSystem.stars.at(0);
    EXPECT_FALSE(star.properName);
    EXPECT_EQ(star.mass, 1.7976931348623157e308);
    const WorldData& main = star.worlds.at(0);
    EXPECT_EQ(main.dayLength, 1);
    EXPECT_EQ(main.yearLength, 1); // 2^32 + 1, cut to an int alike by both
    EXPECT_EQ(main.uwp.density, 0.95);
    EXPECT_EQ(main.uwp.populationMultiplier, 7);
    EXPECT_EQ(main.uwp.bases, std::set<Base>{Base::imperialNavalBase}); // only a true flag counts
    EXPECT_EQ(main.worldTags,
              (std::vector<WorldTag>{WorldTag::refuellingStop, WorldTag::tombWorld}));
    EXPECT_FALSE(main.tradeClasses.empty()); // derived
    EXPECT_EQ(main.prevalentRace, Race(Race::Kind::human));
    ASSERT_EQ(main.legacyFactionsJson.size(), 2u);
    EXPECT_EQ(Json::parse(main.legacyFactionsJson[0]).at("nested").at("b").at(1), 2.5);
    EXPECT_EQ(main.legacyFactionsJson[0], tree.starSystem.stars[0].worlds[0].legacyFactionsJson[0]);
    const WorldData& outer = star.worlds.at(1);
    EXPECT_TRUE(outer.legacyFactionsJson.empty()); // factionIDs win over embedded records
    EXPECT_EQ(outer.prevalentRace, Race::custom("Grél"));
    EXPECT_EQ(outer.uwp.bases, std::set<Base>{Base::imperialNavalBase});
    EXPECT_EQ(outer.uwp.density, 5e-324);
}

TEST(HexJsonReader, ObjectsWithManyKeysReadAlikeToo) {
    // Keys this program does not know, enough to pass the reader's quick index, and a
    // name given twice on either side of them.
    for (const int extras : {5, 40}) {
        std::string text = trickyHexText;
        std::string filler = "\"name\": \"First name\", ";
        for (int i = 0; i < extras; ++i)
            filler += "\"extra" + std::to_string(i) + "\": [" + std::to_string(i) +
                      ", {\"name\": \"x\"}], ";
        const std::string worldStart = "\"name\": \"Halvard\",";
        text.replace(text.find(worldStart), worldStart.size(), filler + "\"name\": \"Last name\",");
        const HexData fast = readFast(text);
        EXPECT_EQ(fast, Json::parse(text).get<HexData>()) << extras;
        EXPECT_EQ(fast.starSystem.stars[0].worlds[0].name, "Last name") << extras;
    }
}

TEST(HexJsonReader, WrittenHexesReadBackTheSame) {
    const TemporaryFolder folder;
    HexData hex = velmora::testing::sampleHex();
    hex.notes = "Line one\nline \"two\" \\ \x01 Ærø 🚀";
    folder.write("hex.json", Json(hex).dump(2));
    EXPECT_EQ(readFast(folder.read("hex.json")), hex);
}

TEST(HexJsonReader, BothReadersRefuseTheSameDocumentsTheSameWay) {
    const Json complete = Json::parse(trickyHexText);
    const std::string world = "/starSystem/stars/0/worlds/0";
    struct Case {
        std::string pointer;
        Json value; // null: the key is removed
        std::string message;
    };
    const Case cases[] = {
        {"/id", nullptr, "Missing key \"id\""},
        {"/starSystem", nullptr, "Missing key \"starSystem\""},
        {"/starSystem/sathar", nullptr, "Missing key \"sathar\""},
        {"/starSystem/stars/0/worlds", nullptr, "Missing key \"worlds\""},
        {world + "/worldTags", nullptr, "Missing key \"worldTags\""},
        {world + "/factions/1/id", nullptr, "Missing key \"id\""},
        {world + "/uwp/techLevel", nullptr, "Missing key \"techLevel\""},
        {world + "/worldTags/1", "space-whales", "Unknown WorldTag raw value: space-whales"},
        {world + "/worldTags/0", "Refueling-Stop", "Unknown WorldTag raw value: Refueling-Stop"},
        {world + "/sunOrbit", 21, "Unknown Orbits raw value: 21"},
        {world + "/uwp/starport", "A", "Unknown Starport raw value: A"},
        {world + "/prevalentRace", "custom", "Unknown Race raw value: custom"},
        {"/starSystem/id", "not-a-uuid", "Invalid UUID: not-a-uuid"},
        {world + "/worldTags", "tomb-world", "\"worldTags\" is not a list"},
        {world + "/uwp/bases", 3, "\"bases\" is not a list"},
    };
    for (const Case& c : cases) {
        Json broken = complete;
        const Json::json_pointer pointer(c.pointer);
        if (c.value.is_null())
            broken.at(pointer.parent_pointer()).erase(pointer.back());
        else
            broken[pointer] = c.value;
        const std::string text = broken.dump();
        EXPECT_EQ(treeOutcome(text), c.message) << c.pointer;
        EXPECT_EQ(fastOutcome(text), c.message) << c.pointer;
    }
}

TEST(HexJsonReader, TextThatIsNotAHexFailsWithADescription) {
    const std::string valid = Json(velmora::testing::sampleHex()).dump(2);
    std::string notUtf8 = valid;
    notUtf8.replace(notUtf8.find("Tessaly"), 2, "\xff\xfe");
    const std::string cases[] = {
        "",
        valid.substr(0, valid.size() / 2), // cut short
        notUtf8,                           // not UTF-8
        valid + " {}",                     // two values
        R"({"id": 5})",                    // a number for a text
        "[1, 2]",                          // not an object
        std::string(valid).replace(valid.find("\"mass\": "), 8, "\"mass\": \"heavy\", \"x\": "),
        std::string(valid).replace(valid.find("\"mainWorld\": true"), 17, "\"mainWorld\": 1"),
    };
    for (const std::string& text : cases) {
        const std::string outcome = fastOutcome(text);
        EXPECT_NE(outcome, "read") << text;
        EXPECT_FALSE(outcome.empty()) << text;
        EXPECT_NE(treeOutcome(text), "read") << text;
    }
}
