#include "campaign/campaigns_codec.h"
#include "ships/saved_ship_designs_store.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"
#include "trade/trade_market_json.h"
#include "trade/trade_test_support.h"
#include "trade/universe_markets.h"
#include "universe/universe_codec.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace velmora;
using nlohmann::json;
using velmora::testing::CliRun;
using velmora::testing::runCli;
using velmora::testing::TemporaryFolder;
using velmora::testing::worldHex;
using velmora::testing::WorldPlan;

namespace {

// A small universe on disk: an In Ht world at 0,0,1910, a poor backwater with no
// starport next to it, and an empty hex.
struct TradeData {
    TemporaryFolder folder;
    universe::UniverseRecord record;

    TradeData() {
        WorldPlan hub{
            {0, 0, 19, 10}, "Regina", core::Starport::typeA, 8, core::TechnologyLevel::ttl12};
        hub.tradeClasses = {core::TradeClass::industrial, core::TradeClass::highTechnology};
        WorldPlan backwater{
            {0, 0, 19, 11}, "Mire", core::Starport::typeX, 3, core::TechnologyLevel::ttl8};
        backwater.tradeClasses = {core::TradeClass::nonIndustrial, core::TradeClass::poor};
        record.name = "Spinward";
        WorldPlan far{
            {0, 0, 19, 13}, "Tarsus", core::Starport::typeA, 9, core::TechnologyLevel::ttl12};
        record.data = {worldHex(hub), worldHex(backwater),
                       velmora::testing::emptyHex({0, 0, 20, 10}), worldHex(far)};
        write();
    }
    void write() const {
        folder.write("Universes/" + record.id.toString() + ".json",
                     universe::encodeUniverse(record));
    }
    CliRun run(const std::string& arguments) const {
        return runCli(folder, arguments + " --universe " + record.id.toString());
    }
    trade::UniverseMarkets markets() const {
        return trade::readUniverseMarkets(
            universe::decodeUniverse(folder.read("Universes/" + record.id.toString() + ".json")));
    }
};

} // namespace

TEST(TradeCli, QuotesWorkedByHand) {
    TradeData data;
    // Common Electronics (Cr20,000) bought at Regina (In Ht): Broker 1 + purchase DM
    // 3 (Ht) - sale DM 0 - supplier's Broker 2 = 2; 10 + 2 = 12: 80%, Cr16,000.
    const CliRun bought = data.run(
        "quote --hex 0,0,1910 --good 11 --buy --roll 10 --broker 1 --other-broker 2 --json");
    ASSERT_EQ(bought.exitCode, 0) << bought.err;
    const json expected = {
        {"dice", 10},
        {"modifier", 2},
        {"percent", 80},
        {"pricePerTon", 16000},
        {"components", json::array({{{"label", "Broker"}, {"value", 1}},
                                    {{"label", "Purchase DM (Common Electronics)"}, {"value", 3}},
                                    {{"label", "Sale DM (here)"}, {"value", 0}},
                                    {{"label", "Supplier's Broker"}, {"value", -2}}})}};
    EXPECT_EQ(json::parse(bought.out), expected);

    // Sold at Mire (Ni Po): sale DM max(Ni +2, Po +1) = 2, no purchase DM; the
    // buyer's Broker defaults to 2 without a market: 0 + 2 - 0 - 2 = 0. A roll of 11
    // stays 11: 100%, Cr20,000.
    const CliRun sold = data.run("quote --hex 0,0,1911 --good 11 --sell --roll 11");
    ASSERT_EQ(sold.exitCode, 0) << sold.err;
    EXPECT_EQ(sold.out, "Sale of Common Electronics at Mire (00-1911)\n"
                        "3D roll: 11\n"
                        "  Broker +0\n"
                        "  Sale DM (Common Electronics) +2\n"
                        "  Purchase DM (there) +0\n"
                        "  Buyer's Broker -2\n"
                        "Modifier +0, result 11: 100% of Cr20,000 = Cr20,000/ton\n");
}

TEST(TradeCli, MarketRecordsEveryCheckAndSavesThroughTheEdit) {
    TradeData data;
    // Mail at Regina: freight DM A +2, population 8 +4, TL12 +2 = 8, so mail DM +1;
    // Social Standing 9 +1, naval rank 2: 1 + 2 + 1 = 4; an entered 8 makes 12.
    const CliRun mail = data.run("market --hex 0,0,1910 --categories mail --roll mail=8 "
                                 "--negotiator navalRank=2,socialStanding=9 --json");
    ASSERT_EQ(mail.exitCode, 0) << mail.err;
    const trade::TradeMarket market = json::parse(mail.out).get<trade::TradeMarket>();
    ASSERT_EQ(market.checks.size(), 1u);
    const trade::TradeCheck& check = market.checks[0];
    EXPECT_EQ(check.step, trade::TradeCheck::Step::mail);
    EXPECT_EQ(check.source, trade::TradeCheck::Source::entered);
    EXPECT_EQ(check.dice, 8);
    EXPECT_EQ(check.modifier, 4);
    EXPECT_EQ(check.target, 12);
    EXPECT_GE(market.mailContainers, 1);
    EXPECT_LE(market.mailContainers, 6);
    EXPECT_EQ(market.generatedOn.timeText(), "12:00-001-1105");
    EXPECT_EQ(market.inputs.negotiator.outsideSkills()->navalRank, 2);
    EXPECT_TRUE(data.markets().markets.empty()) << "nothing saved without --save";

    // Mire has no starport and the outsider no skills: the supplier's modifier is
    // 0, and an entered 2 fails against 8. The failure counts this month: the next
    // search takes -1 and fails again.
    const std::string search = "market --hex 0,0,1911 --categories cargo --roll supplier=2 --save";
    const CliRun first = data.run(search);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("Supplier \u2014 Mire, 001-1105: 2D 2 +0 = 2 against 8, failure"),
              std::string::npos)
        << first.out;
    EXPECT_NE(first.out.find("No goods available from this supplier."), std::string::npos);
    EXPECT_NE(first.out.find("No supplier found this attempt"), std::string::npos);
    EXPECT_NE(first.out.find("Saved as \"Generate Market at Mire\"."), std::string::npos);
    const CliRun second = data.run(search + " --json");
    ASSERT_EQ(second.exitCode, 0) << second.err;
    const auto saved = data.markets();
    ASSERT_EQ(saved.markets.size(), 1u);
    EXPECT_EQ(saved.markets[0], json::parse(second.out).get<trade::TradeMarket>());
    EXPECT_EQ(saved.markets[0].checks.at(0).modifier, -1);
    EXPECT_EQ(saved.markets[0].supplierAttempts, 2);
}

TEST(TradeCli, TheShipSetsTheRangeAndArmsTheMail) {
    TradeData data;
    ships::SavedShipDesign saved;
    saved.id = core::Uuid::generate();
    saved.shipName = "Beowulf";
    saved.design.tonnage = 200;
    saved.design.hasJumpDrive = true;
    saved.design.jumpDriveRating = 3;
    saved.design.weaponMounts = {ships::WeaponMount{}};
    ships::SavedShipDesignsStore library(data.folder / "ShipDesigns");
    ASSERT_TRUE(library.save(saved)) << library.lastError().value_or("");

    // Tarsus lies 3 parsecs from Regina, with starport A (+2) and population 9
    // (+3). High passage at Regina: 0 skills - 4 + (2 + 3) = +1, so an entered 12
    // makes 13, and Tarsus 13 + 5 - 2 = 16: six dice of passengers, never none.
    // Mail: mail DM +1 (freight DM 8) and +2 for an armed ship.
    const std::string asked = "market --hex 0,0,1910 --categories passengers,mail --roll "
                              "passengerHigh=12 --roll mail=2 --json";
    const auto highToTarsus = [](const trade::TradeMarket& market) {
        return std::count_if(market.passengerOffers.begin(), market.passengerOffers.end(),
                             [](const trade::PassengerOffer& offer) {
                                 return offer.passageClass == trade::PassageClass::high &&
                                        offer.destination ==
                                            core::GalacticCoordinates{0, 0, 19, 13};
                             });
    };
    const CliRun withShip = data.run(asked + " --ship " + saved.id.toString());
    ASSERT_EQ(withShip.exitCode, 0) << withShip.err;
    const auto jumpThree = json::parse(withShip.out).get<trade::TradeMarket>();
    EXPECT_EQ(jumpThree.inputs.shipDesignID, saved.id);
    EXPECT_EQ(highToTarsus(jumpThree), 1);
    EXPECT_EQ(jumpThree.checks.back().modifier, 1 + 2);

    // Without a ship the range is 2 parsecs and the ship is taken as unarmed.
    const CliRun withoutShip = data.run(asked);
    ASSERT_EQ(withoutShip.exitCode, 0) << withoutShip.err;
    const auto jumpTwo = json::parse(withoutShip.out).get<trade::TradeMarket>();
    EXPECT_EQ(highToTarsus(jumpTwo), 0);
    EXPECT_EQ(jumpTwo.checks.back().modifier, 1);

    const CliRun unknown = data.run(asked + " --ship " + core::Uuid::generate().toString());
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("No saved ship with the id"), std::string::npos) << unknown.err;
}

TEST(TradeCli, ACampaignGivesItsTradersItsClockAndItsUniverse) {
    TradeData data;
    campaign::PlayerInfo jamison;
    jamison.id = core::Uuid::generate();
    jamison.name = "Jamison";
    jamison.broker = 3;
    campaign::Campaign spin;
    spin.id = core::Uuid::generate();
    spin.name = "Spinward Run";
    spin.code = "SPIN";
    spin.players = {jamison};
    spin.date.day = 100;
    spin.date.year = 1106;
    spin.universeID = data.record.id;
    spin.tradeNegotiator = trade::TradeSkillSource::player(jamison.id);
    spin.tradeSupplierBrokerSkill = 4;
    campaign::CampaignsFile file;
    file.id = core::Uuid::generate();
    file.campaigns = {spin};
    data.folder.write("VM_campaigns.json", campaign::encodeCampaignsFile(file));

    // At Mire (no starport DM) the supplier's modifier is Jamison's Broker 3.
    const CliRun run = runCli(data.folder, "market --hex 0,0,1911 --campaign spin "
                                           "--categories cargo --roll supplier=2 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto market = json::parse(run.out).get<trade::TradeMarket>();
    EXPECT_EQ(market.checks.at(0).modifier, 3);
    EXPECT_EQ(market.generatedOn.dayYearText(), "100-1106");
    EXPECT_EQ(market.inputs.negotiator, spin.tradeNegotiator);
    EXPECT_EQ(market.inputs.supplierBrokerSkill, 4);

    // Typed-in skills stand in for the player's.
    const CliRun outsider = runCli(data.folder, "market --hex 0,0,1911 --campaign SPIN "
                                                "--categories cargo --roll supplier=2 "
                                                "--negotiator admin=5 --json");
    ASSERT_EQ(outsider.exitCode, 0) << outsider.err;
    EXPECT_EQ(json::parse(outsider.out).get<trade::TradeMarket>().checks.at(0).modifier, 5);
}

TEST(TradeCli, UnreadableMarketsAreReportedAndReplacedOnSave) {
    TradeData data;
    data.record.tradeMarkets = {R"({"coordinates": {"column": 19, "row": 10}})"};
    data.write();
    const std::string before = data.folder.read("Universes/" + data.record.id.toString() + ".json");
    const CliRun looked = data.run("market --hex 0,0,1910 --categories mail");
    ASSERT_EQ(looked.exitCode, 0) << looked.err;
    EXPECT_NE(looked.err.find("This universe's trade markets could not be read"), std::string::npos)
        << looked.err;
    EXPECT_EQ(data.folder.read("Universes/" + data.record.id.toString() + ".json"), before);

    const CliRun saved = data.run("market --hex 0,0,1910 --categories mail --save");
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const auto markets = data.markets();
    EXPECT_FALSE(markets.unreadable());
    ASSERT_EQ(markets.markets.size(), 1u);
}

TEST(TradeCli, RefusesBadRequests) {
    TradeData data;
    const struct {
        std::string arguments;
        int exitCode;
        std::string message;
    } rows[] = {
        {"market --hex 0,0,1910 --roll haggle=3", 2, "--roll \"haggle=3\": NAME must be one of"},
        {"market --hex 0,0,1910 --roll mail=13", 2, "the total on two dice, 2 to 12"},
        {"market --hex 0,0,1910 --negotiator charm=3", 2,
         "--negotiator \"charm=3\" is not SKILL=N"},
        {"market --hex 0,0,1910 --categories cargo,gossip", 2, "--categories \"gossip\""},
        {"market --hex 0,0,1910 --range 7", 2, "--range \"7\" must be a whole number from 1 to 6"},
        {"market --hex 0,0,2010", 1, "The system at 00-2010 has no main world to trade with."},
        {"market --hex 0,0,0101", 1, "There is no system at 00-0101."},
        {"market --hex 0,0,1910 --campaign NONE", 1, "No campaign with the code NONE."},
        {"market", 2, "market needs --hex SX,SY,CCRR"},
        {"quote --hex 0,0,1910 --good 11 --roll 10", 2, "quote needs one of --buy and --sell"},
        {"quote --hex 0,0,1910 --good 66 --buy --roll 10", 2, "--good \"66\" is not a traded good"},
        {"quote --hex 0,0,1910 --good 11 --buy --roll 19", 2, "from 3 to 18"},
    };
    for (const auto& row : rows) {
        const CliRun run = data.run(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.arguments << '\n' << run.err;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << row.arguments << '\n' << run.err;
    }
    EXPECT_TRUE(data.markets().markets.empty());
}
