#include "trade/trade_good.h"
#include "trade/trade_tables.h"
#include "trade/trade_world_profile.h"
#include "trade_test_support.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::trade;
using velmora::testing::worldHex;
using velmora::testing::WorldPlan;
using C = core::TradeClass;

TEST(TradeTables, PricesAndTrafficAtTheirEdges) {
    const struct {
        int result;
        int purchase;
        int sale;
    } prices[] = {
        {-3, 300, 10}, {-2, 250, 20}, {8, 100, 80}, {11, 85, 100}, {24, 20, 300}, {25, 15, 400},
    };
    for (const auto& row : prices) {
        const PricePercents got = modifiedPricePercent(row.result);
        EXPECT_EQ(got.purchase, row.purchase) << row.result;
        EXPECT_EQ(got.sale, row.sale) << row.result;
    }

    const std::pair<int, int> traffic[] = {{-5, 0}, {1, 0},  {2, 1},  {5, 2},  {8, 3},   {9, 4},
                                           {14, 5}, {16, 6}, {17, 7}, {19, 9}, {20, 10}, {25, 10}};
    for (const auto& [result, dice] : traffic)
        EXPECT_EQ(trafficDice(result), dice) << result;

    // Jumps beyond six parsecs carry nobody and nothing.
    EXPECT_EQ(passagePrice(6, PassageClass::low), 27'000);
    EXPECT_EQ(passagePrice(7, PassageClass::high), std::nullopt);
    EXPECT_EQ(passagePrice(0, PassageClass::high), std::nullopt);
    EXPECT_EQ(freightPricePerTon(1), 1'000);
    EXPECT_EQ(freightPricePerTon(7), std::nullopt);

    const std::pair<int, int> mail[] = {{-10, -2}, {-9, -1}, {-5, -1}, {-4, 0},
                                        {4, 0},    {5, 1},   {9, 1},   {10, 2}};
    for (const auto& [freightDM, dm] : mail)
        EXPECT_EQ(mailDM(freightDM), dm) << freightDM;
}

TEST(TradeTables, GoodsAreFoundByTheirRow) {
    ASSERT_NE(tradeGood(24), nullptr);
    EXPECT_EQ(tradeGood(24)->name, "Advanced Weapons");
    EXPECT_EQ(tradeGood(66)->name, "Exotics");
    EXPECT_EQ(tradeGood(66)->basePrice, 0);
    for (const int notARow : {0, 10, 17, 60, 67, 70})
        EXPECT_EQ(tradeGood(notARow), nullptr) << notARow;
}

TEST(TradeWorldProfile, IsTheMainWorldsTradeView) {
    WorldPlan plan;
    plan.coordinates = {1, -2, 3, 4};
    plan.name = "Regina";
    plan.starport = core::Starport::typeA;
    plan.population = 8;
    plan.techLevel = core::TechnologyLevel::ttl12;
    plan.lawLevel = 9;
    plan.tradeClasses = {C::rich, C::highPopulation};
    plan.tags = {core::WorldTag::amberZone, core::WorldTag::redZone};
    core::HexData hex = worldHex(plan);
    hex.starSystem.name.clear();

    const auto profile = tradeWorldProfile(hex);
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->coordinates, plan.coordinates);
    EXPECT_EQ(profile->systemName, "Unnamed System");
    EXPECT_EQ(profile->worldName, "Regina");
    EXPECT_EQ(profile->techLevel, 12);
    EXPECT_EQ(profile->lawLevel, 9);
    EXPECT_EQ(profile->tradeCodes, (std::set<C>{C::rich, C::highPopulation}));
    // Tagged amber and red: red wins.
    EXPECT_EQ(profile->zone, TradeWorldProfile::Zone::red);

    EXPECT_FALSE(tradeWorldProfile(velmora::testing::emptyHex({0, 0, 1, 1})));
}

TEST(TradeWorldProfile, TrafficDMs) {
    const auto profileOf = [](core::Starport port, int population, core::TechnologyLevel tl,
                              std::vector<core::WorldTag> tags) {
        WorldPlan plan;
        plan.starport = port;
        plan.population = population;
        plan.techLevel = tl;
        plan.tags = std::move(tags);
        return *tradeWorldProfile(worldHex(plan));
    };
    using core::Starport;
    using core::TechnologyLevel;
    const struct {
        TradeWorldProfile world;
        int passengers;
        int freight;
    } rows[] = {
        // X -3, population 0: -4 both; TL3: -1; red: -4 passengers, -6 freight.
        {profileOf(Starport::typeX, 0, TechnologyLevel::ttl3, {core::WorldTag::redZone}), -11, -14},
        // A +2; population 8: +3 passengers, +4 freight; TL12 +2; no zone.
        {profileOf(Starport::typeA, 8, TechnologyLevel::ttl12, {}), 5, 8},
        // B +1; population 6: +1, +2; TL7 0; amber +1 passengers, -2 freight.
        {profileOf(Starport::typeB, 6, TechnologyLevel::ttl7, {core::WorldTag::amberZone}), 3, 1},
        // E -1; population 2: 0; TL6 -1.
        {profileOf(Starport::typeE, 2, TechnologyLevel::ttl6, {}), -1, -2},
        // A spaceport letter of a minor world counts 0.
        {profileOf(Starport::typeF, 5, TechnologyLevel::ttl9, {}), 0, 2},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(passengerTrafficDM(row.world), row.passengers);
        EXPECT_EQ(freightTrafficDM(row.world), row.freight);
    }
    EXPECT_EQ(mailDM(freightTrafficDM(rows[0].world)), -2);
}
