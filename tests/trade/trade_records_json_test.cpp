#include "core/decode_error.h"
#include "core/json_support.h"
#include "trade/manifest_json.h"
#include "trade/ship_manifest.h"
#include "trade/trade_skill_json.h"
#include "trade/trade_skill_source.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::trade;
using core::Json;

namespace {

// Only the four keys an entry cannot do without.
constexpr const char* bareEntryText = R"json({
  "id": "5A1C0E8A-3D2F-4E7B-8A91-2C4D5E6F7A8B",
  "kind": "cargo",
  "origin": {"sectorX": -1, "sectorY": 2, "column": 19, "row": 10},
  "acceptedOn": {"id": "6B1C0E8A-3D2F-4E7B-8A91-2C4D5E6F7A8B",
                 "day": 29, "year": 1105, "hour": 8, "minute": 0}
})json";

ManifestEntry fullEntry() {
    ManifestEntry entry;
    entry.id = core::Uuid::generate();
    entry.kind = ManifestEntry::Kind::passengers;
    entry.origin = {0, 0, 19, 10};
    entry.originName = "Regina";
    entry.destination = core::GalacticCoordinates{0, 0, 18, 9};
    entry.destinationName = "Efate";
    entry.acceptedOn.id = core::Uuid::generate();
    entry.acceptedOn.day = 120;
    entry.passageClass = PassageClass::middle;
    entry.count = 4;
    entry.tons = 0;
    // More than an int holds: a fare schedule of a liner's whole season.
    entry.creditsPerUnit = 3'000'000'000;
    entry.goodD66 = 35;
    entry.illegal = true;
    entry.revenueCollected = true;
    entry.buyerAttempts = 2;
    entry.buyerAttemptsMonth = 14'369;
    return entry;
}

} // namespace

TEST(ManifestEntryJson, MissingKeysTakeNaturalDefaults) {
    const auto entry = Json::parse(bareEntryText).get<ManifestEntry>();
    EXPECT_EQ(entry.kind, ManifestEntry::Kind::cargo);
    EXPECT_EQ(entry.origin, (core::GalacticCoordinates{-1, 2, 19, 10}));
    EXPECT_EQ(entry.acceptedOn.day, 29);
    EXPECT_EQ(entry.originName, "");
    EXPECT_FALSE(entry.destination);
    EXPECT_FALSE(entry.passageClass);
    EXPECT_FALSE(entry.goodD66);
    EXPECT_EQ(entry.count + entry.containers + entry.tons + entry.buyerAttempts, 0);
    EXPECT_EQ(entry.creditsPerUnit, 0);
    EXPECT_FALSE(entry.illegal);
    EXPECT_FALSE(entry.revenueCollected);
}

TEST(ManifestEntryJson, RequiredKeysAndKnownKindsOnly) {
    for (const char* key : {"id", "kind", "origin", "acceptedOn"}) {
        Json missing = Json::parse(bareEntryText);
        missing.erase(key);
        EXPECT_THROW(missing.get<ManifestEntry>(), core::DecodeError) << key;
    }
    Json unknown = Json::parse(bareEntryText);
    unknown["kind"] = "livestock";
    EXPECT_THROW(unknown.get<ManifestEntry>(), core::DecodeError);

    // A class of passage this program does not know is no class, not a broken file.
    Json passage = Json::parse(bareEntryText);
    passage["passageClass"] = "steerage";
    EXPECT_FALSE(passage.get<ManifestEntry>().passageClass);
    passage["passageClass"] = "low";
    EXPECT_EQ(passage.get<ManifestEntry>().passageClass, PassageClass::low);

    // A coordinate beyond an int would be read as some other hex.
    Json far = Json::parse(bareEntryText);
    far["origin"]["column"] = 1e12;
    EXPECT_THROW(far.get<ManifestEntry>(), core::DecodeError);
}

TEST(ManifestEntryJson, RoundTripsEveryFieldAndLeavesAbsentOnesOut) {
    const ManifestEntry entry = fullEntry();
    const Json written = entry;
    EXPECT_EQ(written.at("kind"), "passengers");
    EXPECT_EQ(written.at("passageClass"), "middle");
    EXPECT_EQ(written.at("creditsPerUnit").get<std::int64_t>(), 3'000'000'000);
    EXPECT_EQ(Json::parse(written.dump()).get<ManifestEntry>(), entry);

    ManifestEntry bare = entry;
    bare.destination.reset();
    bare.passageClass.reset();
    bare.goodD66.reset();
    const Json bareWritten = bare;
    EXPECT_FALSE(bareWritten.contains("destination"));
    EXPECT_FALSE(bareWritten.contains("passageClass"));
    EXPECT_FALSE(bareWritten.contains("goodD66"));
    EXPECT_EQ(bareWritten.get<ManifestEntry>(), bare);
}

TEST(ShipManifestJson, AnEmptyObjectIsAnEmptyManifestAndEveryFieldRoundTrips) {
    EXPECT_EQ(Json::object().get<ShipManifest>(), ShipManifest{});

    ShipManifest manifest;
    manifest.shipDesignID = core::Uuid::generate();
    manifest.entries = {fullEntry(), fullEntry()};
    manifest.refinedFuelTons = 40.5;
    manifest.unrefinedFuelTons = 2;
    manifest.dropTankRefinedFuelTons = 0.25;
    manifest.dropTankUnrefinedFuelTons = 1;
    manifest.dropTankJettisoned = true;
    manifest.collapsibleTankRefinedFuelTons = 3;
    manifest.collapsibleTankUnrefinedFuelTons = 4;
    manifest.containerRefinedFuelTons = 5;
    manifest.containerUnrefinedFuelTons = 6.125;
    EXPECT_EQ(Json::parse(Json(manifest).dump()).get<ShipManifest>(), manifest);
    EXPECT_FALSE(Json(ShipManifest{}).contains("shipDesignID"));
}

TEST(TradeSkillJson, SourcesAreOneKeyedCases) {
    const core::Uuid player = core::Uuid::generate();
    const Json playerJson = TradeSkillSource::player(player);
    EXPECT_EQ(playerJson, (Json{{"player", {{"_0", player.toString()}}}}));
    EXPECT_EQ(playerJson.get<TradeSkillSource>().playerID(), player);

    TradeSkillSet skills;
    skills.broker = 3;
    skills.socialStanding = 10;
    const auto outside = Json(TradeSkillSource::outside(skills)).get<TradeSkillSource>();
    EXPECT_FALSE(outside.isPlayer());
    EXPECT_EQ(outside.outsideSkills(), skills);

    // The default source is an outsider with Social Standing 7 and no skills.
    const TradeSkillSource unset;
    EXPECT_EQ(unset.outsideSkills(), TradeSkillSet{});
    EXPECT_EQ(TradeSkillSet{}.socialStanding, 7);

    for (const Json& wrong : {Json::object(), Json{{"player", {{"_0", player.toString()}}},
                                                   {"outside", {{"_0", Json::object()}}}}}) {
        try {
            (void)wrong.get<TradeSkillSource>();
            ADD_FAILURE() << wrong.dump();
        } catch (const core::DecodeError& error) {
            EXPECT_STREQ(error.what(), "Invalid number of keys found, expected one.");
        }
    }
    EXPECT_THROW((Json{{"crew", {{"_0", 1}}}}.get<TradeSkillSource>()), core::DecodeError);
}

TEST(TradeSkillJson, AMissingSkillReadsAsTheDefault) {
    const auto skills = Json{{"broker", 2}, {"navalRank", 4}}.get<TradeSkillSet>();
    TradeSkillSet expected;
    expected.broker = 2;
    expected.navalRank = 4;
    EXPECT_EQ(skills, expected);
    EXPECT_EQ(Json(expected).get<TradeSkillSet>(), expected);
}
