#include "trade/trade_market.h"
#include "trade/trade_pricing.h"
#include "trade/trade_skill_set.h"
#include "trade_test_support.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::trade;
using velmora::testing::worldHex;
using velmora::testing::WorldPlan;
using C = core::TradeClass;
using Component = TradeQuote::Component;

namespace {

TradeWorldProfile world(std::vector<C> codes, int lawLevel = 0,
                        std::vector<core::WorldTag> tags = {},
                        core::Starport port = core::Starport::typeC) {
    WorldPlan plan;
    plan.tradeClasses = std::move(codes);
    plan.lawLevel = lawLevel;
    plan.tags = std::move(tags);
    plan.starport = port;
    return *tradeWorldProfile(worldHex(plan));
}

} // namespace

TEST(TradeQuote, PurchaseAndSaleWorkedByHand) {
    // Common Electronics (Cr20,000) bought at an In Ht world, Broker 1 against the
    // supplier's 2: purchase DM is the larger of In +2 and Ht +3, so 3; no sale DM
    // applies. Modifier 1 + 3 - 0 - 2 = 2; a roll of 10 makes 12: 80%, Cr16,000.
    const TradeQuote bought =
        purchaseQuote(*tradeGood(11), world({C::industrial, C::highTechnology}), 1, 2, 10);
    EXPECT_EQ(bought.diceCount, 3);
    EXPECT_EQ(bought.dice, 10);
    EXPECT_EQ(bought.modifier, 2);
    EXPECT_EQ(bought.percent, 80);
    EXPECT_EQ(bought.pricePerTon, 16'000);
    EXPECT_EQ(bought.components, (std::vector<Component>{{"Broker", 1},
                                                         {"Purchase DM (Common Electronics)", 3},
                                                         {"Sale DM (here)", 0},
                                                         {"Supplier's Broker", -2}}));

    // Sold at a Ni Po world, Broker 0 against 0: sale DM max(Ni +2, Po +1) = 2. A
    // roll of 11 makes 13: 110%, Cr22,000.
    const TradeQuote sold = saleQuote(*tradeGood(11), world({C::nonIndustrial, C::poor}), 0, 0, 11);
    EXPECT_EQ(sold.modifier, 2);
    EXPECT_EQ(sold.percent, 110);
    EXPECT_EQ(sold.pricePerTon, 22'000);
    EXPECT_EQ(sold.components, (std::vector<Component>{{"Broker", 0},
                                                       {"Sale DM (Common Electronics)", 2},
                                                       {"Purchase DM (there)", 0},
                                                       {"Buyer's Broker", 0}}));
    EXPECT_EQ(sold.totalFor(30), 660'000);

    // Common Consumables (Cr500) bought at an Ag As world: the purchase DMs Ag +3 and
    // As -4 both apply and the larger counts (+3); the sale DM As +1 applies.
    // Broker 0, supplier 1: 0 + 3 - 1 - 1 = 1; roll 4 makes 5: 115%, Cr575.
    const TradeQuote consumables =
        purchaseQuote(*tradeGood(15), world({C::agricultural, C::asteroid}), 0, 1, 4);
    EXPECT_EQ(consumables.modifier, 1);
    EXPECT_EQ(consumables.pricePerTon, 575);
}

TEST(TradeQuote, BannedWeaponsSellForTheLawsDistance) {
    const TradeGood& weapons = *tradeGood(24);
    const struct {
        int law;
        std::vector<core::WorldTag> tags;
        int sale;
    } rows[] = {
        {9, {}, 6},                          // |9 - 3| = 6 beats no applicable DM
        {3, {core::WorldTag::amberZone}, 2}, // |3 - 3| = 0 is below Amber +2
        {5, {core::WorldTag::redZone}, 4},   // Red +4 beats |5 - 3| = 2
        {12, {core::WorldTag::redZone}, 9},  // |12 - 3| = 9 beats Red +4
        {0, {}, 3},                          // below the ban as well: |0 - 3|
    };
    for (const auto& row : rows)
        EXPECT_EQ(saleDM(weapons, world({}, row.law, row.tags)), row.sale) << row.law;

    // Bought at an In Ht world of law 9 with Broker 2 against 1: P = Ht +2, S = 6;
    // 2 + 2 - 6 - 1 = -3; a roll of 8 makes 5: 115% of Cr150,000 = Cr172,500.
    const TradeQuote quote =
        purchaseQuote(weapons, world({C::industrial, C::highTechnology}, 9), 2, 1, 8);
    EXPECT_EQ(quote.modifier, -3);
    EXPECT_EQ(quote.pricePerTon, 172'500);
    EXPECT_EQ(quote.components[2], (Component{"Sale DM (here)", -6}));

    // Other goods ignore the law level; illegal cybernetics take the best of Ri +8
    // and Red +6 at a red rich world.
    EXPECT_EQ(saleDM(*tradeGood(65), world({}, 15)), 0);
    EXPECT_EQ(saleDM(*tradeGood(62), world({C::rich}, 0, {core::WorldTag::redZone})), 8);
    EXPECT_EQ(purchaseDM(*tradeGood(62), world({C::rich})), 0);
}

TEST(TradeQuote, BuyerSearchDM) {
    TradeSkillSet seller;
    seller.broker = 2;
    // Starport C +2, Broker 2, two failures this month: 2 + 2 - 2 = 2.
    const TradeWorldProfile port = world({}, 0, {}, core::Starport::typeC);
    EXPECT_EQ(buyerDM(seller, port, 2), 2);
    // The next month the failures no longer count.
    EXPECT_EQ(buyerDM(seller, port, 0), 4);
    seller.carouse = 5;
    EXPECT_EQ(buyerDM(seller, world({}, 0, {}, core::Starport::typeA), 1), 10);
}

TEST(CargoProspects, AverageBestAndWorstRolls) {
    // Two tons of Radioactives (Cr1,000,000) bought at Cr400,000 a ton, to an Ag
    // world: sale DM Ag -3, no purchase DM there; Broker 0, supplier Broker 3, so
    // the modifier is 0 - 3 - 0 - 3 = -6.
    //   average 11 - 6 = 5: 65% -> Cr650,000 a ton, Cr1,300,000;
    //   best 18 - 6 = 12: 105% -> Cr2,100,000;
    //   worst 3 - 6 = -3, below -2: 10% -> Cr200,000.
    CargoOffer offer;
    offer.goodD66 = 45;
    offer.tons = 2;
    offer.purchasePricePerTon = 400'000;
    const std::vector<MarketDestination> destinations = {{world({C::agricultural}), 2, 0},
                                                         {world({C::industrial}), 4, 1}};
    const auto prospects = cargoProspects(offer, 0, 3, destinations);
    ASSERT_EQ(prospects.size(), 2u);
    EXPECT_EQ(prospects[0].parsecs, 2);
    EXPECT_EQ(prospects[0].purchaseCost, 800'000);
    EXPECT_EQ(prospects[0].expectedRevenue, 1'300'000);
    EXPECT_EQ(prospects[0].bestRevenue, 2'100'000);
    EXPECT_EQ(prospects[0].worstRevenue, 200'000);
    EXPECT_EQ(prospects[0].expectedProfit(), 500'000);
    // An In world: sale DM +3, so 0 + 3 - 3 = 0; average 11: 100% -> Cr2,000,000.
    EXPECT_EQ(prospects[1].expectedRevenue, 2'000'000);

    offer.goodD66 = 67;
    EXPECT_TRUE(cargoProspects(offer, 0, 0, destinations).empty());
}
