#include "core/world_json.h"
#include "support/manual_delayed_call.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_codec.h"

#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <nlohmann/json.hpp>

using namespace velmora;
using namespace velmora::universe;
using velmora::testing::ManualClock;
using velmora::testing::TemporaryFolder;
using Json = nlohmann::json;
using namespace std::chrono_literals;

namespace {

struct OpenUniverse {
    TemporaryFolder folder;
    ManualClock clock;
    std::vector<std::string> log;
    std::unique_ptr<RidivivevIzeviduv> universe;

    explicit OpenUniverse(UniverseRecord record = {}) {
        const auto file = folder / (record.id.toString() + ".json");
        universe = std::make_unique<RidivivevIzeviduv>(
            std::move(record), file, clock.factory()(),
            [this](const std::string& line) { log.push_back(line); });
    }
    Json fileJson() const { return Json::parse(folder.read(universe->file().filename())); }
};

UniverseRecord universeWithHexes(int count) {
    UniverseRecord record;
    record.name = "Spinward";
    for (int i = 0; i < count; ++i) {
        auto hex = velmora::testing::sampleHex();
        hex.coordinates = {0, 0, 1 + i % 32, 1 + i / 32};
        record.data.push_back(hex);
    }
    return record;
}

} // namespace

TEST(UniverseDecoding, EmptyObjectTakesEveryDefault) {
    const UniverseRecord universe = decodeUniverse("{}");
    EXPECT_EQ(universe.name, "Untitled Universe");
    EXPECT_FALSE(universe.id.isNull());
    EXPECT_NE(decodeUniverse("{}").id, universe.id);
    EXPECT_EQ(universe.mapViewMode, MapViewMode::referee);
    for (bool layer :
         {universe.mapShowRutters, universe.mapShowRouteDistances, universe.mapShowNebulae,
          universe.mapShowRegions, universe.mapShowLabels, universe.mapShowSurveyedData,
          universe.mapShowStarfarers, universe.mapShowSathar, universe.mapShowOther})
        EXPECT_TRUE(layer);
    EXPECT_TRUE(universe.tradeMarkets.empty());
    EXPECT_TRUE(universe.data.empty());
    EXPECT_FALSE(universe.mapTransform);
    EXPECT_FALSE(universe.locationShowsSectorCode);
}

TEST(UniverseDecoding, MalformedMarketDropsOnlyTheMarkets) {
    const Json file = {{"name", "Reft"},
                       {"customRaces", {"Geonee"}},
                       {"tradeMarkets", {Json{{"coordinates", {{"column", 1}}}}, 42}}};
    const UniverseRecord universe = decodeUniverse(file.dump());
    EXPECT_TRUE(universe.tradeMarkets.empty());
    EXPECT_EQ(universe.name, "Reft");
    EXPECT_EQ(universe.customRaces, std::vector<std::string>{"Geonee"});

    const Json good = {{"tradeMarkets", {Json{{"coordinates", {{"column", 1}}}, {"month", 3}}}}};
    const UniverseRecord kept = decodeUniverse(good.dump());
    ASSERT_EQ(kept.tradeMarkets.size(), 1u);
    EXPECT_EQ(Json::parse(encodeUniverse(kept))["tradeMarkets"], good["tradeMarkets"]);
}

TEST(UniverseDecoding, BadDocumentsFailWithADescription) {
    const std::string hexWithoutSystem = R"({"data": [{"id": "E621E1F8-C36C-495A-93FC-0C247A3E6E5F",
        "coordinates": {}, "notes": ""}]})";
    const std::string cases[] = {
        "",                         // empty
        "{\"name\": \"Half",        // truncated
        "not json at all",          // corrupt
        "{\"name\": \"\xff\xfe\"}", // not UTF-8
        "{\"name\": 12}",           // wrong type
        "[1, 2, 3]",                // not an object
        "{\"data\": [7]}",          // a hex that is not an object
        "{\"id\": \"not-a-uuid\"}", // bad identity
        hexWithoutSystem,           // required key missing
    };
    for (const std::string& text : cases) {
        try {
            decodeUniverse(text);
            ADD_FAILURE() << "decoded: " << text;
        } catch (const core::DecodeError& error) {
            EXPECT_FALSE(std::string(error.what()).empty()) << text;
        }
    }
}

// Counts, ratings and coordinates are ints: a number no int holds is damage, and
// the old faction records inside worlds are read as strictly as the new ones.
TEST(UniverseDecoding, NumbersBeyondAnIntAndBrokenOldFactionsFailTheDocument) {
    const Json file = Json::parse(encodeUniverse(universeWithHexes(1)));
    const auto world = [](Json& document) -> Json& {
        return document["data"][0]["starSystem"]["stars"][0]["worlds"][0];
    };
    Json hexNumber = file;
    hexNumber["data"][0]["starSystem"]["gasGiant"] = 1e300;
    Json factionNumber = file;
    factionNumber["factions"] = {{{"id", "0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001"}, {"hp", -3e9}}};
    Json oldFaction = file;
    world(oldFaction).erase("factionIDs");
    world(oldFaction)["factions"] = {{{"id", "0A6B2E44-5F55-4C8A-9A51-43D7A0C1E002"}, {"name", 5}}};
    Json oldFactionNumber = oldFaction;
    world(oldFactionNumber)["factions"][0] = {{"id", "0A6B2E44-5F55-4C8A-9A51-43D7A0C1E003"},
                                              {"hp", -1e12}};
    // The tree reads 1e400 as infinity, which no file can hold.
    Json scale = file;
    scale["mapTransform"] = {{"scale", 1.5}, {"offset", {0, 0}}};
    std::string infiniteScale = scale.dump();
    infiniteScale.replace(infiniteScale.find("1.5"), 3, "1e400");

    for (const std::string& text : {hexNumber.dump(), factionNumber.dump(), oldFaction.dump(),
                                    oldFactionNumber.dump(), infiniteScale}) {
        EXPECT_THROW(decodeUniverse(text), core::DecodeError) << text;
    }
    // Up to the edge of an int a number reads, as before.
    hexNumber["data"][0]["starSystem"]["gasGiant"] = 2147483647.0;
    EXPECT_EQ(decodeUniverse(hexNumber.dump()).data.at(0).starSystem.gasGiant, 2147483647);
}

TEST(UniverseDecoding, UnknownWorldTagFailsTheDocument) {
    UniverseRecord record = universeWithHexes(1);
    Json file = Json::parse(encodeUniverse(record));
    file["data"][0]["starSystem"]["stars"][0]["worlds"][0]["worldTags"] = {"trade-hub",
                                                                           "space-whales"};
    try {
        decodeUniverse(file.dump());
        FAIL();
    } catch (const core::DecodeError& error) {
        EXPECT_EQ(std::string(error.what()), "Unknown WorldTag raw value: space-whales");
    }
}

TEST(UniverseDecoding, LegacyFactionsMoveIntoTheUniverse) {
    const std::string known = "0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001";
    const std::string fresh = "0A6B2E44-5F55-4C8A-9A51-43D7A0C1E002";
    const std::string fromRutter = "0A6B2E44-5F55-4C8A-9A51-43D7A0C1E003";
    UniverseRecord record = universeWithHexes(1);
    Json file = Json::parse(encodeUniverse(record));
    file["factions"] = {{{"id", known}, {"name", "Imperium"}}};
    Json& world = file["data"][0]["starSystem"]["stars"][0]["worlds"][0];
    world.erase("factionIDs");
    world["factions"] = {{{"id", known}, {"name", "Imperium (old copy)"}},
                         {{"id", fresh}, {"name", "Sword Worlds"}}};
    file["rutters"] = {{{"id", "0A6B2E44-5F55-4C8A-9A51-43D7A0C1E0F0"},
                        {"faction", {{"id", fromRutter}, {"name", "Traders"}}},
                        {"start", {{"column", 1}, {"row", 1}}},
                        {"end", {{"column", 2}, {"row", 1}}},
                        {"mainTradeRoute", true},
                        {"age", "recent"}}};

    const UniverseRecord universe = decodeUniverse(file.dump());
    ASSERT_EQ(universe.factions.size(), 3u);
    EXPECT_EQ(universe.factions[0].name, "Imperium");
    EXPECT_EQ(universe.factions[1].id.toString(), fromRutter);
    EXPECT_EQ(universe.factions[2].name, "Sword Worlds");
    EXPECT_EQ(universe.rutters.at(0).factionID.toString(), fromRutter);

    const Json saved = Json::parse(encodeUniverse(universe));
    const Json& savedWorld = saved["data"][0]["starSystem"]["stars"][0]["worlds"][0];
    EXPECT_EQ(savedWorld["factionIDs"], Json({known, fresh}));
    EXPECT_FALSE(savedWorld.contains("factions"));
    EXPECT_FALSE(saved["rutters"][0].contains("faction"));
    EXPECT_EQ(saved["rutters"][0]["factionID"], fromRutter);
}

TEST(UniverseEncoding, TheMapOffsetIsAWidthHeightPairAndTheOlderObjectStillReads) {
    UniverseRecord record;
    record.mapTransform = MapTransform{2.0, -120.5, 48.0};
    const Json written = Json::parse(encodeUniverse(record));
    EXPECT_EQ(written["mapTransform"]["offset"], Json::array({-120.5, 48.0}));
    const UniverseRecord older = decodeUniverse(
        R"({"mapTransform": {"scale": 2.0, "offset": {"width": -120.5, "height": 48.0}}})");
    EXPECT_EQ(older.mapTransform, record.mapTransform);
    EXPECT_EQ(decodeUniverse(written.dump()).mapTransform, record.mapTransform);
}

TEST(UniverseEncoding, WritesSortedIndentedJsonThatReadsBack) {
    UniverseRecord record = universeWithHexes(3);
    record.mapTransform = MapTransform{2.5, -120.0, 48.5};
    record.selectedFactionIDs = {core::Uuid::generate()};
    record.mapFilterTradeClasses = {core::TradeClass::agricultural, core::TradeClass::rich};
    record.hiddenLabelCategories = {"Borders"};
    record.sectors = {SectorInfo{0, 0, "Spinward Marches", "Spin"}};
    const std::string text = encodeUniverse(record);
    EXPECT_EQ(text, Json::parse(text).dump(2)) << "keys sorted, two-space indentation";
    EXPECT_EQ(decodeUniverse(text), record);
}

namespace {

// Enough hexes that opening and saving share the work between threads.
UniverseRecord largeUniverseWithTrickyTexts() {
    UniverseRecord record = universeWithHexes(700);
    record.name = "Gr\xC3\xA9l \"Reach\"\n\\ \xF0\x9F\x9A\x80";
    for (std::size_t i = 0; i < record.data.size(); i += 7) {
        auto& world = record.data[i].starSystem.stars[0].worlds[0];
        world.notes = "note " + std::to_string(i) + ": \t\x01\x1f \xE6\x97\xA5 \"q\" \\";
        world.uwp.density = 1e-7 * static_cast<double>(i);
        record.data[i].starSystem.stars[1].mass = 1.0 + static_cast<double>(i);
    }
    return record;
}

std::string hexText(const Json& hex) {
    return hex.dump();
}

} // namespace

TEST(UniverseDecoding, LargeFileReadsBackExactlyFromDisk) {
    const TemporaryFolder folder;
    const UniverseRecord record = largeUniverseWithTrickyTexts();
    const std::string text = encodeUniverse(record);
    folder.write("universe.json", text);
    EXPECT_EQ(decodeUniverse(folder.read("universe.json")), record);
    // The same document laid out differently: compact, with "data" first.
    Json tree = Json::parse(text);
    EXPECT_EQ(decodeUniverse(tree.dump()), record);
    std::string dataFirst = "{\"data\": " + tree["data"].dump() + ",";
    tree.erase("data");
    dataFirst += tree.dump().substr(1);
    EXPECT_EQ(decodeUniverse(dataFirst), record);
}

TEST(UniverseDecoding, OnlyTheTopLevelDataKeyHoldsHexes) {
    const UniverseRecord record = universeWithHexes(2);
    const std::string hexes = Json::parse(encodeUniverse(record))["data"].dump();
    struct Case {
        std::string text;
        std::size_t hexCount;
    };
    const Case cases[] = {
        {"{\"d\\u0061ta\": " + hexes + "}", 2},         // an escaped key
        {"{\"data\": [], \"data\": " + hexes + "}", 2}, // the last one counts
        {"{\"data\": " + hexes + ", \"data\": []}", 0},
        {"{\"name\": \"data\", \"sectors\": [], \"data\": null}", 0}, // "data" as a value
        {"{\"customRaces\": [\"data\"], \"data\" : [ ]}", 0},
        {"{\"hiddenLabelCategories\": [\"\\\"data\\\":[\"], \"data\": " + hexes + "}", 2},
    };
    for (const Case& c : cases) {
        const UniverseRecord universe = decodeUniverse(c.text);
        EXPECT_EQ(universe.data.size(), c.hexCount) << c.text;
        if (c.hexCount == 2) {
            EXPECT_EQ(universe.data, record.data) << c.text;
        }
    }
}

TEST(UniverseDecoding, BrokenHexesFailTheDocumentWithTheFirstFault) {
    const UniverseRecord record = largeUniverseWithTrickyTexts();
    const Json good = Json::parse(encodeUniverse(record));
    const std::string whole = good.dump(2);
    struct Case {
        const char* what;
        std::string text;
        std::string message; // empty: any description
    };
    auto breakHexes = [&](const std::function<void(Json&)>& early,
                          const std::function<void(Json&)>& late) {
        Json file = good;
        early(file["data"][100]);
        late(file["data"][650]);
        return file.dump();
    };
    const Case cases[] = {
        {"two faults far apart",
         breakHexes([](Json& hex) { hex.erase("notes"); },
                    [](Json& hex) {
                        hex["starSystem"]["stars"][0]["worlds"][0]["worldTags"] = {"space-whales"};
                    }),
         "Missing key \"notes\""},
        {"a late fault",
         breakHexes([](Json&) {},
                    [](Json& hex) {
                        hex["starSystem"]["stars"][0]["worlds"][0]["worldTags"] = {"space-whales"};
                    }),
         "Unknown WorldTag raw value: space-whales"},
        {"a wrong type",
         breakHexes([](Json& hex) { hex["starSystem"]["gasGiant"] = "two"; }, [](Json&) {}), ""},
        {"cut inside the hexes", whole.substr(0, whole.size() / 2), ""},
        {"not UTF-8 inside a hex",
         std::string(whole).replace(whole.find("Tessaly VI"), 2, "\xC3\x28"), ""},
        {"a trailing comma", "{\"data\": [" + hexText(good["data"][0]) + ",]}", ""},
        {"an empty element", "{\"data\": [,]}", ""},
        {"mismatched brackets", "{\"data\": [" + hexText(good["data"][0]) + "}}", ""},
        {"a hex that is a list", "{\"data\": [[]]}", ""},
        {"text after the document", whole + " {}", ""},
        {"a broken field after the hexes",
         std::string(whole).replace(whole.rfind("\"selectedFactionIDs\""), 1, ""), ""},
    };
    for (const Case& c : cases) {
        try {
            decodeUniverse(c.text);
            ADD_FAILURE() << "decoded: " << c.what;
        } catch (const core::DecodeError& error) {
            EXPECT_FALSE(std::string(error.what()).empty()) << c.what;
            if (!c.message.empty()) {
                EXPECT_EQ(std::string(error.what()), c.message) << c.what;
            }
        }
    }
}

TEST(UniverseDecoding, CutShortFileSaysWhereItEnds) {
    const std::string whole = encodeUniverse(largeUniverseWithTrickyTexts());
    for (const std::size_t length : {whole.size() / 3, whole.size() - 2}) {
        try {
            decodeUniverse(whole.substr(0, length));
            ADD_FAILURE() << length;
        } catch (const core::DecodeError& error) {
            EXPECT_NE(std::string(error.what()).find("unexpected end of input"), std::string::npos)
                << error.what();
        }
    }
}

TEST(UniverseEncoding, LargeUniverseIsWrittenAsTheTreeWouldWriteIt) {
    UniverseRecord record = largeUniverseWithTrickyTexts();
    const std::string text = encodeUniverse(record);
    EXPECT_EQ(text, Json::parse(text).dump(2));
    // Every hex as the tree itself writes it, and the frame around them.
    Json expected = Json::parse(text);
    for (std::size_t i = 0; i < record.data.size(); ++i)
        expected["data"][i] = Json(record.data[i]);
    EXPECT_EQ(text, expected.dump(2));
}

TEST(UniverseHeaderReading, ReadsIdAndNameOnly) {
    UniverseRecord record = universeWithHexes(2);
    record.name = "Trojan Reach";
    const UniverseHeader header = decodeUniverseHeader(encodeUniverse(record));
    EXPECT_EQ(header.id, record.id);
    EXPECT_EQ(header.name, "Trojan Reach");
    EXPECT_THROW(decodeUniverseHeader("{\"name\": \"no id\"}"), core::DecodeError);
    EXPECT_THROW(decodeUniverseHeader("{\"id\": "), core::DecodeError);
}

TEST(UniverseHeaderReading, FilesThatAreNotWholeJsonAreNotListed) {
    UniverseRecord record = universeWithHexes(300);
    record.name = "Reft \xC3\x89";
    const TemporaryFolder folder;
    folder.write("universe.json", encodeUniverse(record));
    const std::string text = folder.read("universe.json");
    EXPECT_EQ(decodeUniverseHeader(text).name, record.name);

    const std::string id = record.id.toString();
    const std::string cases[] = {
        text.substr(0, text.size() / 2),                             // cut inside the hexes
        std::string(text).replace(text.rfind("Tessaly"), 1, "\xFF"), // not UTF-8 in the last hex
        std::string(text).replace(text.find("\"mass\": "), 8, "\"mass\": ,"), // a broken hex
        std::string(text).replace(text.find("\"id\": \"" + id), 7 + id.size(),
                                  "\"id\": 7"), // an id that is no text
        "{\"data\": [], \"name\": \"No id\"}",
    };
    for (const std::string& broken : cases)
        EXPECT_THROW(decodeUniverseHeader(broken), core::DecodeError) << broken.substr(0, 80);
}

TEST(UniverseDocument, LooksUpHexesSectorsAndLocations) {
    UniverseRecord record = universeWithHexes(2);
    record.sectors = {SectorInfo{0, 0, "Spinward Marches", "spin"}, SectorInfo{1, 0, "Deneb", ""}};
    OpenUniverse open(record);
    RidivivevIzeviduv& universe = *open.universe;

    ASSERT_NE(universe.hexAt({0, 0, 2, 1}), nullptr);
    EXPECT_EQ(universe.hexAt({0, 0, 2, 1})->id, record.data[1].id);
    EXPECT_EQ(universe.hexAt({0, 0, 3, 1}), nullptr);
    EXPECT_EQ(universe.hexAt({1, 0, 2, 1}), nullptr);
    ASSERT_NE(universe.sector(1, 0), nullptr);
    EXPECT_EQ(universe.sector(1, 0)->name, "Deneb");
    EXPECT_EQ(universe.sector(2, 0), nullptr);

    // The sample main world is on the Traveller scale.
    EXPECT_TRUE(universe.usesTravellerTechLevels());
    EXPECT_EQ(universe.locationText({0, 0, 19, 10}), "SPIN 1910");
    EXPECT_EQ(universe.locationText({1, 0, 19, 10}), "Deneb 1910");
    EXPECT_EQ(universe.locationText({2, 0, 19, 10}), "20-1910");
    MapViewSettings view = universe.mapView();
    view.locationShowsSectorCode = true;
    universe.setMapView(view);
    EXPECT_EQ(universe.locationText({0, 0, 19, 10}), "SPIN 1910 (00)");

    core::HexData first = universe.data().front();
    first.starSystem.stars.front().worlds.front().uwp.techLevel = core::TechnologyLevel::tl4;
    ASSERT_TRUE(universe.replaceHex(first, "Edit System").ok());
    EXPECT_FALSE(universe.usesTravellerTechLevels());
    EXPECT_EQ(universe.locationText({0, 0, 19, 10}), "00-1910");
}

TEST(UniverseDocument, EditsSaveAtOnce) {
    OpenUniverse open;
    RidivivevIzeviduv& universe = *open.universe;
    int notices = 0;
    auto subscription = universe.changed().subscribe([&] { ++notices; });

    auto hex = velmora::testing::sampleHex();
    EXPECT_TRUE(universe.addHex(hex, "Generate System").ok());
    EXPECT_EQ(open.fileJson()["data"].size(), 1u);
    hex.notes = "Changed";
    EXPECT_TRUE(universe.replaceHex(hex, "Edit System").ok());
    EXPECT_EQ(open.fileJson()["data"][0]["notes"], "Changed");
    EXPECT_TRUE(universe.removeHex(hex.id, "Delete System").ok());
    EXPECT_FALSE(universe.removeHex(hex.id, "Delete System").ok());
    EXPECT_EQ(open.fileJson()["data"].size(), 0u);
    EXPECT_EQ(notices, 3);
}

TEST(UniverseDocument, BurstOfMapChangesWritesOnceAfterTheLast) {
    OpenUniverse open;
    RidivivevIzeviduv& universe = *open.universe;
    const auto file = universe.file();
    for (int pan = 0; pan < 10; ++pan) {
        MapViewSettings view = universe.mapView();
        view.mapTransform = MapTransform{1.0 + pan, 0, 0};
        universe.setMapView(view);
        open.clock.advance(30ms);
    }
    EXPECT_FALSE(std::filesystem::exists(file)) << "nothing written during the burst";
    open.clock.advance(369ms);
    EXPECT_FALSE(std::filesystem::exists(file));
    open.clock.advance(1ms);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(open.fileJson()["mapTransform"]["scale"], 10.0);
    EXPECT_FALSE(universe.hasPendingSave());
}

TEST(UniverseDocument, ImmediateSaveCancelsTheDelayedOne) {
    OpenUniverse open;
    RidivivevIzeviduv& universe = *open.universe;
    universe.scheduleSave();
    EXPECT_TRUE(universe.hasPendingSave());
    ASSERT_TRUE(universe.rename("Saved now").ok());
    EXPECT_FALSE(universe.hasPendingSave());
    std::filesystem::remove(universe.file());
    open.clock.advance(1s);
    EXPECT_FALSE(std::filesystem::exists(universe.file())) << "the cancelled save wrote nothing";
}

TEST(UniverseDocument, ABackgroundSaveTakesThePendingMapSaveAlong) {
    OpenUniverse open;
    RidivivevIzeviduv& universe = *open.universe;
    std::vector<std::function<void()>> posted;
    std::mutex postedMutex;
    universe.writeSavesInBackground([&](std::function<void()> task) {
        std::lock_guard lock(postedMutex);
        posted.push_back(std::move(task));
    });
    MapViewSettings view = universe.mapView();
    view.mapTransform = MapTransform{2.0, 0, 0};
    universe.setMapView(view);
    ASSERT_TRUE(universe.rename("Imported").ok());
    universe.abandonPendingSave(); // waits for the write under way
    EXPECT_EQ(open.fileJson()["name"], "Imported");
    EXPECT_EQ(open.fileJson()["mapTransform"]["scale"], 2.0);
    std::filesystem::remove(universe.file());
    open.clock.advance(1s);
    EXPECT_FALSE(std::filesystem::exists(universe.file())) << "the delayed save was folded in";
    for (const auto& task : posted)
        task();
    EXPECT_EQ(universe.saveStatus(), RidivivevIzeviduv::SaveStatus::saved);
}

TEST(UniverseDocument, FailedSaveIsLoggedAndKeepsTheUniverse) {
    OpenUniverse open(universeWithHexes(1));
    RidivivevIzeviduv& universe = *open.universe;
    ASSERT_TRUE(universe.save());
    const std::string before = open.folder.read(universe.file().filename());
    // A folder standing where the temporary file would go makes the write fail.
    std::filesystem::create_directory(universe.file().string() + ".saving");
    EXPECT_FALSE(universe.rename("Unsaved").ok());
    EXPECT_EQ(universe.name(), "Spinward") << "a rename that cannot be written is not made";
    EXPECT_FALSE(universe.save());
    EXPECT_EQ(universe.saveStatus(), RidivivevIzeviduv::SaveStatus::failed);
    ASSERT_EQ(open.log.size(), 2u);
    EXPECT_EQ(
        open.log[0].rfind("Failed to save RidivivevIzeviduv to " + universe.file().string(), 0),
        0u);
    EXPECT_EQ(open.folder.read(universe.file().filename()), before);
}
