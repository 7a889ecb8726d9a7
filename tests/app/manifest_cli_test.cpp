#include "campaign/campaign.h"
#include "campaign/campaigns_codec.h"
#include "campaign/gamemastering.h"
#include "ships/saved_ship_designs_store.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace velmora;
using velmora::testing::CliRun;
using velmora::testing::TemporaryFolder;

namespace {

CliRun cli(const TemporaryFolder& data, const std::string& arguments) {
    return velmora::testing::runCli(data, arguments);
}

const core::GalacticCoordinates reginaAt{0, 0, 19, 10};
const core::GalacticCoordinates efateAt{0, 0, 21, 10};

trade::ManifestEntry entry(trade::ManifestEntry::Kind kind) {
    trade::ManifestEntry made;
    made.id = core::Uuid::generate();
    made.kind = kind;
    made.origin = reginaAt;
    made.originName = "Regina";
    return made;
}

// Bound for Efate: 4 middle passengers and 20 tons of freight at Cr1,600; bound
// nowhere: 3 mail containers and 10 tons of Wood bought at Cr800.
campaign::Campaign campaignAboard(const std::optional<core::Uuid>& ship) {
    campaign::Campaign c;
    c.id = core::Uuid::generate();
    c.name = "Spinward Run";
    c.code = "SPIN";
    c.commonCredits = -2'500;
    c.shipDesignID = ship;
    core::HexData here;
    here.coordinates = efateAt;
    c.hex = here;
    auto passengers = entry(trade::ManifestEntry::Kind::passengers);
    passengers.destination = efateAt;
    passengers.destinationName = "Efate";
    passengers.passageClass = trade::PassageClass::middle;
    passengers.count = 4;
    passengers.creditsPerUnit = 6'500;
    passengers.revenueCollected = true;
    auto freight = entry(trade::ManifestEntry::Kind::freight);
    freight.destination = efateAt;
    freight.destinationName = "Efate";
    freight.tons = 20;
    freight.creditsPerUnit = 1'600;
    auto mail = entry(trade::ManifestEntry::Kind::mail);
    mail.destinationName = "Unspecified Destination";
    mail.containers = 3;
    mail.tons = 15;
    mail.creditsPerUnit = 25'000;
    auto wood = entry(trade::ManifestEntry::Kind::cargo);
    wood.goodD66 = 55;
    wood.tons = 10;
    wood.creditsPerUnit = 800;
    wood.revenueCollected = true;
    c.manifest.shipDesignID = ship;
    c.manifest.entries = {passengers, freight, mail, wood};
    c.manifest.refinedFuelTons = 40;
    return c;
}

void storeCampaign(const TemporaryFolder& data, const campaign::Campaign& c) {
    data.write(campaign::Gamemastering::campaignsFileName,
               campaign::encodeCampaignsFile({core::Uuid::generate(), {c}}));
}

TEST(ManifestCli, PrintsWhatIsAboardByDestination) {
    TemporaryFolder data;
    storeCampaign(data, campaignAboard(std::nullopt));
    const CliRun run = cli(data, "manifest spin");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Campaign: Spinward Run (SPIN)\n"
                       "Common Credits: Cr-2500\n"
                       "No ship selected \u2014 capacity can't be checked.\n"
                       "Manifest / Aboard:\n"
                       "  Efate  HERE\n"
                       "    4 \u00d7 Middle Passage \u2014 paid at booking\n"
                       "    20 tons freight \u2014 Due on delivery Cr32000\n"
                       "  Unspecified Destination\n"
                       "    3 mail containers \u2014 Due on delivery Cr75000\n"
                       "    10 tons Wood \u2014 bought at Cr800/ton\n"
                       "Main tanks: 40t refined, 0t unrefined\n");

    const CliRun json = cli(data, "manifest SPIN --json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto manifest = nlohmann::json::parse(json.out);
    EXPECT_EQ(manifest["commonCredits"], -2500);
    EXPECT_TRUE(manifest["capacity"].is_null());
    ASSERT_EQ(manifest["entries"].size(), 4u);
    EXPECT_EQ(manifest["entries"][3]["goodD66"], 55);
    EXPECT_EQ(manifest["entries"][2]["kind"], "mail");
    EXPECT_EQ(manifest["refinedFuelTons"], 40.0);
}

TEST(ManifestCli, CountsBerthsAndHoldAgainstTheCampaignsShip) {
    TemporaryFolder data;
    ships::SavedShipDesign saved;
    saved.id = core::Uuid::generate();
    saved.configurationName = "Type-A2";
    saved.shipName = "Beowulf";
    saved.design.tonnage = 200;
    saved.design.stateroomCount = 10;
    saved.design.overrideActualCrewCount = true;
    saved.design.actualCrewCount = 5;
    saved.design.lowBerthCount = 6;
    ships::SavedShipDesignsStore store(data / "ShipDesigns");
    ASSERT_TRUE(store.save(saved)) << store.lastError().value_or("");
    storeCampaign(data, campaignAboard(saved.id));

    const CliRun json = cli(data, "manifest SPIN --json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto capacity = nlohmann::json::parse(json.out)["capacity"];
    // Ten staterooms less a crew of five leave five middle/basic berths, four taken.
    EXPECT_EQ(capacity["berths"]["middleBasic"],
              (nlohmann::json{{"berths", 5}, {"aboard", 4}, {"free", 1}}));
    EXPECT_EQ(capacity["berths"]["low"],
              (nlohmann::json{{"berths", 6}, {"aboard", 0}, {"free", 6}}));
    EXPECT_EQ(capacity["berths"]["high"]["berths"], 0);
    // Freight 20, mail 15 and Wood 10 tons take 45 tons of the hold.
    EXPECT_EQ(capacity["cargoTonsAboard"], 45);
    EXPECT_EQ(capacity["freeCargoTons"], std::max(capacity["cargoTons"].get<int>() - 45, 0));

    const CliRun text = cli(data, "manifest SPIN");
    EXPECT_NE(text.out.find("Ship: Beowulf\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Middle/Basic berths: 4 / 5 (1 free)\n"), std::string::npos);
}

TEST(ManifestCli, RefusesWhatItCannotShow) {
    TemporaryFolder data;
    // The ship is not in the library: said, not shown as an empty ship.
    storeCampaign(data, campaignAboard(core::Uuid::generate()));
    struct Case {
        std::string arguments;
        int exitCode;
        std::string error;
    };
    for (const Case& c : {Case{"manifest", 2, "manifest needs a campaign code"},
                          Case{"manifest TROJ", 1, "No campaign with the code TROJ."},
                          Case{"manifest SPIN", 1, "is not in the ship library."}}) {
        const CliRun run = cli(data, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
