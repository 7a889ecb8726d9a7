#include "campaign/campaigns_codec.h"
#include "core/decode_error.h"
#include "core/file_io.h"
#include "core/json_support.h"
#include "sample_campaign.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::campaign;
using core::Json;
using velmora::testing::fixedNow;

namespace {

std::string olderFile() {
    const auto bytes = core::readWholeFile(std::filesystem::path(VELMORA_FIXTURES_DIR) /
                                           "campaigns" / "older-campaigns.json");
    EXPECT_TRUE(bytes);
    return bytes.value_or("");
}

Json minimalCampaign() {
    return Json::parse(R"json({
      "id": "1B2C3D4E-5F60-4A1B-8C2D-3E4F5A6B7C8D", "name": "Spinward Run", "code": "SPIN",
      "date": {"id": "2C3D4E5F-6071-4B2C-9D3E-4F5A6B7C8D9E",
               "day": 100, "year": 1105, "hour": 14, "minute": 30}})json");
}

Campaign decodedAlone(const Json& campaign) {
    Json file;
    file["id"] = core::Uuid::generate().toString();
    file["campaigns"] = Json::array({campaign});
    return decodeCampaignsFile(file.dump(), fixedNow()).campaigns.at(0);
}

} // namespace

TEST(CampaignsFile, ReadsAnOlderFileThroughItsLegacyKeys) {
    const CampaignsFile file = decodeCampaignsFile(olderFile(), fixedNow());
    ASSERT_EQ(file.campaigns.size(), 2u);
    EXPECT_EQ(file.id.toString(), "0A4F6C2E-8B1D-4E3A-9C5B-7D2E1F0A3B4C");

    const Campaign& spin = file.campaigns[0];
    // "daysToLocation": 1.5 days is 36 hours; "hyperspace": true is in hyperspace.
    EXPECT_DOUBLE_EQ(spin.hoursToLocation, 36.0);
    EXPECT_EQ(spin.travelState, TravelState::hyperspace);
    // Keys that were not yet written read as their defaults.
    EXPECT_EQ(spin.created, fixedNow());
    EXPECT_TRUE(spin.isActive);
    EXPECT_EQ(spin.tradeSupplierBrokerSkill, 2);
    EXPECT_EQ(spin.maintenanceAccruedMonth, -1);
    EXPECT_EQ(spin.lifeSupportAccruedMonth, -1);
    EXPECT_EQ(spin.description, "");
    EXPECT_EQ(spin.commonCredits, 0);
    EXPECT_EQ(spin.manifest, trade::ShipManifest{});
    EXPECT_EQ(spin.tradeNegotiator, trade::TradeSkillSource{});
    EXPECT_FALSE(spin.universeID);
    EXPECT_FALSE(spin.departureLocationDescription);
    EXPECT_TRUE(spin.feedbackHistory.empty());

    ASSERT_EQ(spin.players.size(), 1u);
    const PlayerInfo& kell = spin.players[0];
    EXPECT_EQ(kell.characterName, "Captain Kell");
    EXPECT_EQ(kell.trainingSkillLevel, -1);
    EXPECT_EQ(kell.socialStanding, 7);
    EXPECT_EQ(kell.salaryAccruedMonth, -1);
    EXPECT_EQ(kell.cash, 0);

    ASSERT_EQ(spin.notes.size(), 1u);
    EXPECT_EQ(spin.notes[0].number, 3);
    EXPECT_EQ(spin.notes[0].content, "");
    EXPECT_FALSE(spin.notes[0].showOnCalendar);

    // The location is a copy of the hex; faction records older worlds carried are
    // a universe's to adopt, not the campaign's.
    ASSERT_TRUE(spin.hex);
    EXPECT_EQ(spin.hex->starSystem.name, "Regina");
    EXPECT_TRUE(spin.hex->starSystem.stars[0].worlds[0].legacyFactionsJson.empty());
    EXPECT_EQ(spin.orbit, core::Orbits::starOrbit3);
    EXPECT_EQ(spin.planetOrbit, core::PlanetOrbits::planetOrbit0);

    const Campaign& quiet = file.campaigns[1];
    EXPECT_EQ(quiet.travelState, TravelState::landed); // "hyperspace": false
    EXPECT_DOUBLE_EQ(quiet.hoursToLocation, 0.0);
    EXPECT_FALSE(quiet.isActive);
    EXPECT_EQ(quiet.tradeSupplierBrokerSkill, 4);
    EXPECT_EQ(quiet.commonCredits, 12'500'000'000);
    EXPECT_EQ(core::iso8601Text(quiet.created), "2023-11-05T18:00:00Z");
    EXPECT_EQ(quiet.maintenanceAccruedMonth, 14'377);
}

TEST(CampaignsFile, WritesOnlyCurrentKeysAndReadsBackTheSame) {
    const CampaignsFile file = decodeCampaignsFile(olderFile(), fixedNow());
    const std::string saved = encodeCampaignsFile(file);
    EXPECT_EQ(decodeCampaignsFile(saved, fixedNow()), file);
    EXPECT_EQ(encodeCampaignsFile(decodeCampaignsFile(saved, fixedNow())), saved);

    const Json written = Json::parse(saved);
    const Json& spin = written.at("campaigns").at(0);
    EXPECT_FALSE(spin.contains("hyperspace"));
    EXPECT_FALSE(spin.contains("daysToLocation"));
    EXPECT_EQ(spin.at("travelState"), "hyperspace");
    EXPECT_EQ(spin.at("hoursToLocation"), 36.0);
    EXPECT_EQ(spin.at("created"), "2024-05-01T09:30:00Z");
    // Absent optionals stay absent.
    EXPECT_FALSE(spin.contains("universeID"));
    EXPECT_FALSE(spin.contains("departureLocationDescription"));
    // Files are written with their keys in order, indented by two.
    EXPECT_EQ(saved.rfind("{\n  \"campaigns\": [\n", 0), 0u) << saved.substr(0, 40);
}

TEST(CampaignsFile, NewKeysWinOverLegacyOnes) {
    Json campaign = minimalCampaign();
    campaign["hyperspace"] = true;
    campaign["travelState"] = "docked";
    campaign["daysToLocation"] = 2;
    campaign["hoursToLocation"] = 5.5;
    const Campaign read = decodedAlone(campaign);
    EXPECT_EQ(read.travelState, TravelState::docked);
    EXPECT_DOUBLE_EQ(read.hoursToLocation, 5.5);
}

TEST(CampaignsFile, RefusesWhatItCannotReadWithAReason) {
    const auto refuses = [](const std::string& text, const std::string& reason) {
        try {
            (void)decodeCampaignsFile(text, fixedNow());
            ADD_FAILURE() << text;
        } catch (const core::DecodeError& error) {
            EXPECT_NE(std::string(error.what()).find(reason), std::string::npos)
                << error.what() << " does not say " << reason;
        }
    };
    refuses("{\"id\": \"0A4F6C2E-8B1D-4E3A-9C5B-7D2E1F0A3B4C\"", "Invalid JSON");
    refuses("[]", "not an object");
    refuses(R"({"campaigns": []})", "Missing key \"id\"");
    refuses(R"({"id": "0A4F6C2E-8B1D-4E3A-9C5B-7D2E1F0A3B4C"})", "Missing key \"campaigns\"");

    const auto refusesCampaign = [&](Json campaign, const std::string& reason) {
        Json file;
        file["id"] = core::Uuid::generate().toString();
        file["campaigns"] = Json::array({std::move(campaign)});
        refuses(file.dump(), reason);
    };
    for (const char* key : {"id", "name", "code", "date"}) {
        Json campaign = minimalCampaign();
        campaign.erase(key);
        refusesCampaign(campaign, std::string("Missing key \"") + key + "\"");
    }
    Json fractional = minimalCampaign();
    fractional["commonCredits"] = 1.5;
    refusesCampaign(fractional, "\"commonCredits\" is not a whole number");
    Json badDate = minimalCampaign();
    badDate["created"] = "yesterday";
    refusesCampaign(badDate, "not an ISO-8601 date");
    Json badState = minimalCampaign();
    badState["travelState"] = "adrift";
    refusesCampaign(badState, "Unknown TravelState raw value: adrift");
    Json wrongType = minimalCampaign();
    wrongType["players"] = Json::array(
        {{{"id", core::Uuid::generate().toString()}, {"name", 7}, {"characterName", "X"}}});
    refusesCampaign(wrongType, "\"name\" is not a text");
    // A day count so large that its hours are no number.
    Json endless = minimalCampaign();
    endless["daysToLocation"] = 1e308;
    refusesCampaign(endless, "out of range");
}

TEST(CampaignsFile, EveryFieldOfACampaignRoundTrips) {
    Campaign c = velmora::testing::sampleCampaign();
    c.description = "Smuggling along the Spinward Main";
    c.isActive = false;
    c.commonCredits = -3'000'000'000;
    c.orbit = core::Orbits::starOrbitP;
    c.planetOrbit = core::PlanetOrbits::planetOrbitC;
    c.starIndex = 1;
    c.travelState = TravelState::transit;
    c.hoursToLocation = 12.75;
    c.departureLocationDescription = "Regina Highport";
    c.universeID = core::Uuid::generate();
    c.shipDesignID = core::Uuid::generate();
    c.manifest.refinedFuelTons = 40;
    c.tradeNegotiator = trade::TradeSkillSource::player(core::Uuid::generate());
    c.tradeSteward = trade::TradeSkillSource::outside({1, 2, 3, 4, 5, 6, 7, 8});
    c.tradeSupplierBrokerSkill = 0;
    c.maintenanceAccruedMonth = 14'368;
    c.lifeSupportAccruedMonth = 14'367;
    c.feedbackHistory = {"Time advanced by 4h", "Day set to 1 (Holiday)."};
    c.lastFeedback = "Day set to 1 (Holiday).";
    PlayerInfo& npc = velmora::testing::addSamplePlayer(c, "Mora", true);
    npc.salary = 2'500;
    npc.debt = 4'000'000'000;
    npc.training = "Pilot";
    npc.pendingEDUCheck = true;
    npc.salaryAccruedMonth = 14'368;
    CampaignNote note;
    note.id = core::Uuid::generate();
    note.campaignCode = c.code;
    note.number = 7;
    note.date = c.date;
    note.showOnCalendar = true;
    note.title = "Jumped to Efate";
    note.content = "Misjump risk: none.\n\u00c9fate's \"port\" is closed.";
    c.notes.push_back(note);

    const CampaignsFile file{core::Uuid::generate(), {c}};
    EXPECT_EQ(decodeCampaignsFile(encodeCampaignsFile(file), fixedNow()), file);

    const CampaignDocument backup{c};
    EXPECT_EQ(decodeCampaignDocument(encodeCampaignDocument(backup), fixedNow()), backup);
    EXPECT_EQ(decodeCampaignDocument("null", fixedNow()), CampaignDocument{});
}
