// The records a universe file holds beside its hexes: factions and their lists,
// rutters, regions, nebulae, labels and sector names, read from hand-written
// JSON the way older and newer files spell them, and written back.

#include "core/core_json.h"
#include "core/json_support.h"
#include "universe/faction.h"
#include "universe/faction_color.h"
#include "universe/faction_list.h"
#include "universe/nebula.h"
#include "universe/overlay_json.h"
#include "universe/region.h"
#include "universe/rutter.h"
#include "universe/sector_info.h"
#include "universe/starmap_label.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::universe;
using core::DecodeError;
using core::GalacticCoordinates;
using core::Json;
using core::Uuid;

namespace {

constexpr const char* factionIdText = "3F2504E0-4F89-41D3-9A0C-0305E82C3301";
constexpr const char* otherIdText = "9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D";
constexpr const char* rutterIdText = "1C6A0F3E-2B4D-4E5F-9A8B-7C6D5E4F3A2B";

Uuid uuid(const char* text) {
    return *Uuid::fromString(text);
}

template <typename T>
T decode(const std::string& text) {
    return Json::parse(text).get<T>();
}

// Through text, as a file would carry it.
template <typename T>
T roundTrip(const T& value) {
    return Json::parse(Json(value).dump(2)).template get<T>();
}

// The object with one key taken out, to show that key is required.
Json without(Json object, const std::string& key) {
    object.erase(key);
    return object;
}

// A scratch folder that is removed with everything in it when the test ends.
class TemporaryFolder {
public:
    TemporaryFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 (std::string("velmora-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(m_path); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

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
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

// ---- Factions ---------------------------------------------------------------

TEST(FactionJson, FactionWithOnlyIdLoadsAsUnnamedBlackOtherWithRatingsOne) {
    const auto faction = decode<Faction>(R"({"id": "3f2504e0-4f89-41d3-9a0c-0305e82c3301"})");

    EXPECT_EQ(faction.id, uuid(factionIdText));
    EXPECT_EQ(faction.name, "");
    EXPECT_EQ(faction.shortName, "");
    EXPECT_EQ(faction.homeworld, (GalacticCoordinates{0, 0, 0, 0}));
    EXPECT_EQ(faction.category, FactionCategory::other);
    EXPECT_EQ(faction.color, FactionColor::black);
    EXPECT_EQ(faction.description, "");
    EXPECT_EQ(faction.hp, 0);
    EXPECT_EQ(faction.force, 1);
    EXPECT_EQ(faction.cunning, 1);
    EXPECT_EQ(faction.wealth, 1);
    EXPECT_EQ(faction.credits, 0);
    EXPECT_EQ(faction.xp, 0);
    EXPECT_TRUE(faction.tags.empty());
    EXPECT_TRUE(faction.assets.empty());
    EXPECT_TRUE(faction.notes.empty());
}

TEST(FactionJson, AssetKeysMissingTakeTheirDefaults) {
    struct Case {
        const char* json;
        int hp, maxHP, ratingRequired;
    };
    const Case cases[] = {
        {R"({})", 0, 0, 1},
        {R"({"hp": 3})", 3, 3, 1},                // no "maxHP": the hp read
        {R"({"hp": 2, "maxHP": 5})", 2, 5, 1},    // a damaged asset keeps its maximum
        {R"({"maxHP": 4})", 0, 4, 1},             // destroyed, maximum known
        {R"({"hp": 6, "maxHP": null})", 6, 6, 1}, // null counts as missing
        {R"({"hp": 8, "ratingRequired": 6})", 8, 8, 6},
    };
    for (const Case& c : cases) {
        const auto asset = decode<FactionAsset>(c.json);
        EXPECT_EQ(asset.hp, c.hp) << c.json;
        EXPECT_EQ(asset.maxHP, c.maxHP) << c.json;
        EXPECT_EQ(asset.ratingRequired, c.ratingRequired) << c.json;
    }

    const auto bare = decode<FactionAsset>("{}");
    EXPECT_EQ(bare.name, "");
    EXPECT_EQ(bare.category, AssetCategory::force);
    EXPECT_EQ(bare.type, AssetType::special);
    EXPECT_EQ(bare.tl, core::TechnologyLevel::tl0);
    EXPECT_EQ(bare.location, (GalacticCoordinates{0, 0, 0, 0}));
    EXPECT_EQ(bare.cost, 0);
    EXPECT_EQ(bare.maintenance, 0);
    EXPECT_FALSE(bare.stealthed);
    EXPECT_FALSE(bare.requiresPermission);
    EXPECT_EQ(bare.attack, "");
    EXPECT_EQ(bare.counter, "");
    EXPECT_EQ(bare.note, "");
}

TEST(FactionJson, HandWrittenFactionReadsEveryKeyAndRoundTrips) {
    const std::string text = R"({
        "id": "3F2504E0-4F89-41D3-9A0C-0305E82C3301",
        "name": "Hortalez et Cie",
        "short": "HeC",
        "homeworld": {"sectorX": -1, "sectorY": 2, "column": 19, "row": 10},
        "category": "megacorporation",
        "color": "gold",
        "description": "Bankers to the Imperium.",
        "hp": 12,
        "force": 2, "cunning": 3, "wealth": 6,
        "credits": 17,
        "xp": 4,
        "tags": ["plutocratic", "deepRooted", "starfarers"],
        "assets": [
            {"name": "Bank", "category": "wealth", "hp": 5, "maxHP": 8, "cost": 12, "tl": "3",
             "type": "facility", "location": {"sectorX": -1, "sectorY": 2, "column": 19, "row": 10},
             "attack": "", "counter": "", "note": "", "maintenance": 0, "stealthed": false,
             "requiresPermission": false, "ratingRequired": 4},
            {"name": "Couriers", "category": "cunning", "hp": 3, "tl": "TL12", "type": "starship",
             "stealthed": true, "maintenance": 1}
        ],
        "notes": [
            {"id": 1, "title": "Audit", "date": {"year": 1105, "day": 200, "hour": 9, "minute": 30},
             "content": "The books do not balance."},
            {"id": 2}
        ]
    })";

    const auto faction = decode<Faction>(text);
    EXPECT_EQ(faction.name, "Hortalez et Cie");
    EXPECT_EQ(faction.shortName, "HeC");
    EXPECT_EQ(faction.homeworld, (GalacticCoordinates{-1, 2, 19, 10}));
    EXPECT_EQ(faction.category, FactionCategory::megacorporation);
    EXPECT_EQ(faction.color, FactionColor::gold);
    EXPECT_EQ(faction.hp, 12);
    EXPECT_EQ(faction.force, 2);
    EXPECT_EQ(faction.cunning, 3);
    EXPECT_EQ(faction.wealth, 6);
    EXPECT_EQ(faction.credits, 17);
    EXPECT_EQ(faction.xp, 4);
    EXPECT_EQ(faction.tags,
              (std::vector<FactionTag>{FactionTag::plutocratic, FactionTag::deepRooted,
                                       FactionTag::starfarers}));
    ASSERT_EQ(faction.assets.size(), 2u);
    EXPECT_EQ(faction.assets[0].maxHP, 8);
    EXPECT_EQ(faction.assets[0].tl, core::TechnologyLevel::tl3);
    EXPECT_EQ(faction.assets[0].ratingRequired, 4);
    EXPECT_EQ(faction.assets[1].category, AssetCategory::cunning);
    EXPECT_EQ(faction.assets[1].tl, core::TechnologyLevel::ttl12);
    EXPECT_EQ(faction.assets[1].maxHP, 3);
    EXPECT_TRUE(faction.assets[1].stealthed);
    ASSERT_EQ(faction.notes.size(), 2u);
    EXPECT_EQ(faction.notes[0].date, (Stardate{1105, 200, 9, 30}));
    EXPECT_EQ(faction.notes[0].content, "The books do not balance.");
    EXPECT_EQ(faction.notes[1].title, "");

    EXPECT_EQ(roundTrip(faction), faction);

    const Json written = faction;
    EXPECT_EQ(written.at("short"), "HeC");
    EXPECT_FALSE(written.contains("shortName"));
    EXPECT_EQ(written.at("assets").at(1).at("maxHP"), 3);
    EXPECT_EQ(written.at("tags").at(2), "starfarers");
}

TEST(FactionJson, UnreadableFactionsFailTheDocument) {
    const Json valid = {{"id", factionIdText}};
    struct Case {
        const char* what;
        Json json;
    };
    const Case cases[] = {
        {"no id", Json::object()},
        {"id not a UUID", {{"id", "not-a-uuid"}}},
        {"unknown tag", {{"id", factionIdText}, {"tags", {"colonists", "knights"}}}},
        {"unknown colour", {{"id", factionIdText}, {"color", "ochre"}}},
        {"unknown category", {{"id", factionIdText}, {"category", "guild"}}},
        {"unknown asset type", {{"id", factionIdText}, {"assets", {{{"type", "fortress"}}}}}},
        {"unknown asset category", {{"id", factionIdText}, {"assets", {{{"category", "faith"}}}}}},
        {"unknown tech level", {{"id", factionIdText}, {"assets", {{{"tl", "TL99"}}}}}},
    };
    EXPECT_NO_THROW(valid.get<Faction>());
    for (const Case& c : cases)
        EXPECT_THROW(c.json.get<Faction>(), DecodeError) << c.what;
}

// ---- Faction lists ----------------------------------------------------------

TEST(FactionListJson, KeepsTheOrderOfItsFactionsAndNeedsOnlyAnId) {
    const auto list = decode<FactionList>(
        R"({"id": "9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D", "name": "Spinward powers",
            "factionIDs": ["9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D",
                           "3F2504E0-4F89-41D3-9A0C-0305E82C3301"]})");
    EXPECT_EQ(list.name, "Spinward powers");
    EXPECT_EQ(list.factionIDs, (std::vector<Uuid>{uuid(otherIdText), uuid(factionIdText)}));
    EXPECT_EQ(roundTrip(list), list);

    const auto bare = decode<FactionList>(R"({"id": "9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D"})");
    EXPECT_EQ(bare.name, "");
    EXPECT_TRUE(bare.factionIDs.empty());

    EXPECT_THROW(decode<FactionList>(R"({"name": "x"})"), DecodeError);
}

// ---- Rutters ----------------------------------------------------------------

namespace {

Json rutterJson() {
    return Json::parse(R"({
        "id": "1C6A0F3E-2B4D-4E5F-9A8B-7C6D5E4F3A2B",
        "factionID": "9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D",
        "start": {"sectorX": 0, "sectorY": 0, "column": 1, "row": 1},
        "end": {"sectorX": 1, "sectorY": 0, "column": 2, "row": 3},
        "mainTradeRoute": true,
        "age": "oneToFive"
    })");
}

} // namespace

TEST(RutterJson, OldFileWithWholeFactionTakesThatFactionAsOwner) {
    Json old = without(rutterJson(), "factionID");
    old["faction"] = Json::parse(R"({"id": "3F2504E0-4F89-41D3-9A0C-0305E82C3301",
                                      "name": "Free Traders", "color": "teal", "force": 3})");

    const auto rutter = old.get<Rutter>();
    EXPECT_EQ(rutter.factionID, uuid(factionIdText));
    ASSERT_TRUE(rutter.legacyFaction.has_value());
    EXPECT_EQ(rutter.legacyFaction->name, "Free Traders");
    EXPECT_EQ(rutter.legacyFaction->color, FactionColor::teal);
    EXPECT_EQ(rutter.legacyFaction->force, 3);
    EXPECT_EQ(rutter.legacyFaction->cunning, 1);

    const Json written = rutter;
    EXPECT_FALSE(written.contains("faction"));
    EXPECT_EQ(written.at("factionID"), factionIdText);

    // Once written, the owner is an id and nothing more.
    const auto reread = written.get<Rutter>();
    EXPECT_EQ(reread.factionID, uuid(factionIdText));
    EXPECT_FALSE(reread.legacyFaction.has_value());
}

TEST(RutterJson, AnIdBesideAnOldFactionObjectWins) {
    Json both = rutterJson();
    both["faction"] = {{"id", factionIdText}, {"name", "Stale copy"}};
    const auto rutter = both.get<Rutter>();
    EXPECT_EQ(rutter.factionID, uuid(otherIdText));
    EXPECT_FALSE(rutter.legacyFaction.has_value());
}

TEST(RutterJson, RequiredKeys) {
    EXPECT_NO_THROW(rutterJson().get<Rutter>());
    for (const char* key : {"id", "start", "end", "mainTradeRoute", "age", "factionID"})
        EXPECT_THROW(without(rutterJson(), key).get<Rutter>(), DecodeError) << key;

    Json unknownAge = rutterJson();
    unknownAge["age"] = "ancient";
    EXPECT_THROW(unknownAge.get<Rutter>(), DecodeError);
}

TEST(RutterJson, EveryAgeRoundTripsByItsCaseName) {
    const std::pair<const char*, RutterAge> ages[] = {
        {"uncharted", RutterAge::uncharted},     {"recent", RutterAge::recent},
        {"lessThanOne", RutterAge::lessThanOne}, {"oneToFive", RutterAge::oneToFive},
        {"fivePlus", RutterAge::fivePlus},
    };
    for (const auto& [name, age] : ages) {
        Json json = rutterJson();
        json["age"] = name;
        const auto rutter = json.get<Rutter>();
        EXPECT_EQ(rutter.age, age) << name;
        EXPECT_EQ(Json(rutter).at("age"), name);
        EXPECT_EQ(roundTrip(rutter), rutter);
    }
    const auto rutter = rutterJson().get<Rutter>();
    EXPECT_EQ(rutter.id, uuid(rutterIdText));
    EXPECT_EQ(rutter.start, (GalacticCoordinates{0, 0, 1, 1}));
    EXPECT_EQ(rutter.end, (GalacticCoordinates{1, 0, 2, 3}));
    EXPECT_TRUE(rutter.mainTradeRoute);
}

// ---- Regions ----------------------------------------------------------------

namespace {

Json regionJson() {
    return Json::parse(R"({
        "id": "9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D",
        "name": "Sword Worlds Confederation",
        "color": "blueWhite",
        "closed": true,
        "anchors": [
            {"hex": {"sectorX": 0, "sectorY": 0, "column": 1, "row": 1}, "corner": 0},
            {"hex": {"sectorX": 0, "sectorY": 0, "column": 3, "row": 1}, "corner": 3},
            {"hex": {"sectorX": 0, "sectorY": 0, "column": 2, "row": 4}, "corner": 5}
        ]
    })");
}

} // namespace

TEST(RegionJson, LabelPositionIsWrittenOnlyWhenTheRegionHasOne) {
    const auto region = regionJson().get<Region>();
    EXPECT_FALSE(region.labelCoordinates.has_value());
    EXPECT_EQ(region.name, "Sword Worlds Confederation");
    EXPECT_EQ(region.color, FactionColor::blueWhite);
    EXPECT_TRUE(region.closed);
    ASSERT_EQ(region.anchors.size(), 3u);
    EXPECT_EQ(region.anchors[1], (RegionAnchor{{0, 0, 3, 1}, 3}));
    EXPECT_FALSE(Json(region).contains("labelCoordinates"));
    EXPECT_EQ(roundTrip(region), region);

    Json withNull = regionJson();
    withNull["labelCoordinates"] = nullptr;
    EXPECT_FALSE(withNull.get<Region>().labelCoordinates.has_value());

    Region labelled = region;
    labelled.labelCoordinates = GalacticCoordinates{0, 0, 2, 2};
    const Json written = labelled;
    EXPECT_EQ(written.at("labelCoordinates").at("column"), 2);
    EXPECT_EQ(roundTrip(labelled), labelled);
    EXPECT_NE(roundTrip(labelled), region);
}

TEST(RegionJson, RequiredKeys) {
    for (const char* key : {"id", "name", "color", "anchors", "closed"})
        EXPECT_THROW(without(regionJson(), key).get<Region>(), DecodeError) << key;
    for (const char* key : {"hex", "corner"}) {
        Json json = regionJson();
        json["anchors"][0].erase(key);
        EXPECT_THROW(json.get<Region>(), DecodeError) << key;
    }
}

// ---- Nebulae ----------------------------------------------------------------

TEST(NebulaJson, ReadsItsTypeByCaseNameAndNeedsEveryKey) {
    const Json json = Json::parse(R"({
        "id": "1C6A0F3E-2B4D-4E5F-9A8B-7C6D5E4F3A2B",
        "name": "The Veil",
        "type": "supernovaRemnant",
        "hexes": [{"sectorX": 0, "sectorY": 0, "column": 5, "row": 5},
                  {"sectorX": 0, "sectorY": 0, "column": 5, "row": 6}]
    })");
    const auto nebula = json.get<Nebula>();
    EXPECT_EQ(nebula.type, NebulaType::supernovaRemnant);
    EXPECT_EQ(nebula.hexes, (std::vector<GalacticCoordinates>{{0, 0, 5, 5}, {0, 0, 5, 6}}));
    EXPECT_EQ(roundTrip(nebula), nebula);

    for (const auto& [name, type] :
         {std::pair{"emission", NebulaType::emission},
          std::pair{"reflection", NebulaType::reflection}, std::pair{"dark", NebulaType::dark},
          std::pair{"planetary", NebulaType::planetary}}) {
        Json other = json;
        other["type"] = name;
        EXPECT_EQ(other.get<Nebula>().type, type) << name;
    }
    for (const char* key : {"id", "name", "type", "hexes"})
        EXPECT_THROW(without(json, key).get<Nebula>(), DecodeError) << key;
}

// ---- Labels -----------------------------------------------------------------

TEST(StarmapLabelJson, AngleReadsBackAsTheSameDouble) {
    const double angles[] = {
        0.0,
        30.0,
        -45.5,
        0.1,
        1.0 / 3.0,
        359.99999999999994,
        std::nextafter(90.0, 180.0),
        std::numeric_limits<double>::denorm_min(),
    };
    for (const double angle : angles) {
        StarmapLabel label;
        label.id = uuid(rutterIdText);
        label.text = "Spinward Marches";
        label.size = 28.0;
        label.color = FactionColor::lavender;
        label.angle = angle;
        label.position = GalacticCoordinates{-2, 1, 16, 20};
        label.category = "Sector Name";

        const Json written = label;
        EXPECT_TRUE(written.at("angle").is_number()) << angle;
        const auto reread = roundTrip(label);
        EXPECT_EQ(reread.angle, angle);
        EXPECT_EQ(reread, label);
    }
}

TEST(StarmapLabelJson, MissingCategoryIsUncategorizedButOtherKeysAreRequired) {
    const Json json = Json::parse(R"({
        "id": "1C6A0F3E-2B4D-4E5F-9A8B-7C6D5E4F3A2B", "text": "Rift", "size": 14,
        "color": "grey", "angle": -12, "position": {"sectorX": 0, "sectorY": 0, "column": 7, "row": 7}
    })");
    const auto label = json.get<StarmapLabel>();
    EXPECT_EQ(label.category, "");
    EXPECT_EQ(label.size, 14.0);
    EXPECT_EQ(label.angle, -12.0);
    EXPECT_EQ(label.color, FactionColor::grey);
    for (const char* key : {"id", "text", "size", "color", "angle", "position"})
        EXPECT_THROW(without(json, key).get<StarmapLabel>(), DecodeError) << key;
}

// ---- Sectors ----------------------------------------------------------------

TEST(SectorInfoJson, EveryKeyMayBeMissing) {
    struct Case {
        const char* json;
        SectorInfo expected;
    };
    const Case cases[] = {
        {R"({})", {0, 0, "", ""}},
        {R"({"sectorX": -3})", {-3, 0, "", ""}},
        {R"({"name": "Deneb", "abbreviation": "Dene"})", {0, 0, "Deneb", "Dene"}},
        {R"({"sectorX": 1, "sectorY": -1, "name": "Trojan Reach", "abbreviation": "Troj"})",
         {1, -1, "Trojan Reach", "Troj"}},
    };
    for (const Case& c : cases) {
        const auto sector = decode<SectorInfo>(c.json);
        EXPECT_EQ(sector, c.expected) << c.json;
        EXPECT_EQ(roundTrip(sector), sector) << c.json;
    }
}

// ---- Palette ----------------------------------------------------------------

namespace {

struct PaletteRow {
    const char* name;
    FactionColor color;
    double r, g, b;
};

// The palette as referees know it, written out here independently of the code.
constexpr PaletteRow palette[] = {
    {"red", FactionColor::red, 1.0, 0.3, 0.3},
    {"orangeRed", FactionColor::orangeRed, 1.0, 0.55, 0.38},
    {"salmon", FactionColor::salmon, 1.0, 0.63, 0.56},
    {"orange", FactionColor::orange, 1.0, 0.76, 0.43},
    {"tan", FactionColor::tan, 0.85, 0.72, 0.55},
    {"gold", FactionColor::gold, 1.0, 0.84, 0.36},
    {"yellow", FactionColor::yellow, 1.0, 0.92, 0.58},
    {"yellowWhite", FactionColor::yellowWhite, 1.0, 0.88, 0.8},
    {"lime", FactionColor::lime, 0.72, 0.98, 0.42},
    {"green", FactionColor::green, 0.2, 0.78, 0.35},
    {"mint", FactionColor::mint, 0.55, 1.0, 0.8},
    {"teal", FactionColor::teal, 0.25, 0.78, 0.72},
    {"cyan", FactionColor::cyan, 0.35, 0.88, 0.95},
    {"blue", FactionColor::blue, 0.61, 0.71, 1.0},
    {"blueWhite", FactionColor::blueWhite, 0.75, 0.83, 1.0},
    {"indigo", FactionColor::indigo, 0.52, 0.56, 0.98},
    {"violet", FactionColor::violet, 0.68, 0.48, 1.0},
    {"lavender", FactionColor::lavender, 0.8, 0.78, 1.0},
    {"purple", FactionColor::purple, 0.69, 0.32, 0.87},
    {"magenta", FactionColor::magenta, 1.0, 0.38, 0.85},
    {"pink", FactionColor::pink, 0.84, 0.5, 0.5},
    {"white", FactionColor::white, 0.94, 0.96, 1.0},
    {"grey", FactionColor::grey, 0.62, 0.66, 0.72},
    {"black", FactionColor::black, 0.04, 0.06, 0.1},
};

double squaredDistance(const PaletteRow& row, double r, double g, double b) {
    return (r - row.r) * (r - row.r) + (g - row.g) * (g - row.g) + (b - row.b) * (b - row.b);
}

} // namespace

TEST(FactionColor, PaletteOrderNamesAndComponents) {
    ASSERT_EQ(std::size(palette), factionColorCount);
    for (std::size_t i = 0; i < std::size(palette); ++i) {
        const PaletteRow& row = palette[i];
        EXPECT_EQ(paletteIndex(row.color), i) << row.name;
        EXPECT_EQ(factionColorAt(i), row.color) << row.name;
        EXPECT_EQ(rgb(row.color), (RgbColor{row.r, row.g, row.b})) << row.name;
        EXPECT_EQ(Json(row.color), row.name);
        EXPECT_EQ(Json(row.name).get<FactionColor>(), row.color);
    }
    // Handing out colours in turn starts over after the 24th.
    EXPECT_EQ(factionColorAt(24), FactionColor::red);
    EXPECT_EQ(factionColorAt(24 + 23), FactionColor::black);
    EXPECT_THROW(Json("Red").get<FactionColor>(), DecodeError);
}

TEST(FactionColor, NearestPaletteColour) {
    // Every palette colour is nearest to itself.
    for (const PaletteRow& row : palette)
        EXPECT_EQ(nearestFactionColor(row.r, row.g, row.b), row.color) << row.name;

    struct Case {
        double r, g, b;
        FactionColor nearest;
    };
    const Case cases[] = {
        {0.0, 0.0, 0.0, FactionColor::black},  {1.0, 1.0, 1.0, FactionColor::white},
        {1.0, 0.0, 0.0, FactionColor::red},    {0.0, 1.0, 0.0, FactionColor::green},
        {0.0, 0.0, 1.0, FactionColor::indigo}, {0.5, 0.5, 0.5, FactionColor::grey},
        {0.5, 0.0, 0.5, FactionColor::purple}, {0.3, 0.3, 0.3, FactionColor::black},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nearestFactionColor(c.r, c.g, c.b), c.nearest) << c.r << " " << c.g << " " << c.b;
}

TEST(FactionColor, TiesGoToTheEarlierPaletteEntry) {
    struct Case {
        double r, g, b;
        FactionColor earlier, later;
    };
    // Midpoints that are exactly equidistant, in double arithmetic, from two
    // colours and further from all others.
    const Case cases[] = {
        {1.0, 0.88, 0.47, FactionColor::gold, FactionColor::yellow},
        {0.645, 0.595, 1.0, FactionColor::blue, FactionColor::violet},
        {0.4, 0.89, 0.76, FactionColor::mint, FactionColor::teal},
        {0.87, 0.87, 1.0, FactionColor::lavender, FactionColor::white},
    };
    for (const Case& c : cases) {
        const double toEarlier = squaredDistance(palette[paletteIndex(c.earlier)], c.r, c.g, c.b);
        const double toLater = squaredDistance(palette[paletteIndex(c.later)], c.r, c.g, c.b);
        ASSERT_EQ(toEarlier, toLater) << "not a tie: " << c.r << " " << c.g << " " << c.b;
        EXPECT_EQ(nearestFactionColor(c.r, c.g, c.b), c.earlier) << c.r << " " << c.g << " " << c.b;
    }
}

// ---- All of them, through a real file ---------------------------------------

TEST(OverlayRecords, HandWrittenFileReadsWritesAndReadsBackUnchanged) {
    // An older file: one rutter still carries its whole faction, assets lack
    // "maxHP" and "ratingRequired", the sector has no abbreviation.
    const std::string handWritten = R"({
        "factions": [
            {"id": "9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D", "name": "Sword Worlds",
             "category": "political", "color": "blueWhite", "force": 5, "cunning": 2, "wealth": 3,
             "hp": 20, "assets": [{"name": "Strike Fleet", "hp": 8, "type": "starship"}]}
        ],
        "factionLists": [
            {"id": "1C6A0F3E-2B4D-4E5F-9A8B-7C6D5E4F3A2B", "name": "Border",
             "factionIDs": ["9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D"]}
        ],
        "rutters": [
            {"id": "1C6A0F3E-2B4D-4E5F-9A8B-7C6D5E4F3A2B",
             "faction": {"id": "3F2504E0-4F89-41D3-9A0C-0305E82C3301", "name": "Free Traders"},
             "start": {"sectorX": 0, "sectorY": 0, "column": 1, "row": 1},
             "end": {"sectorX": 0, "sectorY": 0, "column": 3, "row": 2},
             "mainTradeRoute": false, "age": "recent"}
        ],
        "regions": [
            {"id": "9B2D4C1A-7E3F-4A2B-8C9D-0E1F2A3B4C5D", "name": "Border", "color": "red",
             "closed": false, "anchors": [
                {"hex": {"sectorX": 0, "sectorY": 0, "column": 1, "row": 1}, "corner": 0},
                {"hex": {"sectorX": 0, "sectorY": 0, "column": 3, "row": 1}, "corner": 3}]}
        ],
        "nebulae": [
            {"id": "3F2504E0-4F89-41D3-9A0C-0305E82C3301", "name": "", "type": "dark", "hexes": []}
        ],
        "starmapLabels": [
            {"id": "3F2504E0-4F89-41D3-9A0C-0305E82C3301", "text": "Here be dragons", "size": 20,
             "color": "magenta", "angle": 22.5,
             "position": {"sectorX": 0, "sectorY": 0, "column": 9, "row": 9}, "category": "Lore"}
        ],
        "sectors": [{"sectorX": 0, "sectorY": 0, "name": "District 268"}]
    })";

    struct Overlays {
        std::vector<Faction> factions;
        std::vector<FactionList> factionLists;
        std::vector<Rutter> rutters;
        std::vector<Region> regions;
        std::vector<Nebula> nebulae;
        std::vector<StarmapLabel> starmapLabels;
        std::vector<SectorInfo> sectors;
        bool operator==(const Overlays&) const = default;
    };
    const auto read = [](const std::string& text) {
        const Json json = Json::parse(text);
        Overlays o;
        json.at("factions").get_to(o.factions);
        json.at("factionLists").get_to(o.factionLists);
        json.at("rutters").get_to(o.rutters);
        json.at("regions").get_to(o.regions);
        json.at("nebulae").get_to(o.nebulae);
        json.at("starmapLabels").get_to(o.starmapLabels);
        json.at("sectors").get_to(o.sectors);
        return o;
    };
    const auto write = [](const Overlays& o) {
        const Json json = {{"factions", o.factions}, {"factionLists", o.factionLists},
                           {"rutters", o.rutters},   {"regions", o.regions},
                           {"nebulae", o.nebulae},   {"starmapLabels", o.starmapLabels},
                           {"sectors", o.sectors}};
        return json.dump(2);
    };

    TemporaryFolder folder;
    const auto original = folder.path() / "old.json";
    const auto saved = folder.path() / "saved.json";
    writeFile(original, handWritten);

    const Overlays first = read(readFile(original));
    ASSERT_EQ(first.rutters.size(), 1u);
    EXPECT_EQ(first.rutters[0].factionID, uuid(factionIdText));
    ASSERT_EQ(first.factions.size(), 1u);
    EXPECT_EQ(first.factions[0].assets.at(0).maxHP, 8);
    EXPECT_EQ(first.factions[0].assets.at(0).ratingRequired, 1);
    EXPECT_EQ(first.sectors.at(0).abbreviation, "");

    writeFile(saved, write(first));
    const std::string savedText = readFile(saved);
    EXPECT_EQ(savedText.find("\"faction\":"), std::string::npos);
    EXPECT_EQ(savedText.find("labelCoordinates"), std::string::npos);

    Overlays second = read(savedText);
    // The old embedded faction is not written again; everything else is.
    Overlays expected = first;
    expected.rutters[0].legacyFaction.reset();
    EXPECT_EQ(second, expected);

    // And a second save changes nothing.
    writeFile(saved, write(second));
    EXPECT_EQ(readFile(saved), savedText);
}
