#include "trade/market_generation.h"
#include "trade_test_support.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::trade;
using velmora::testing::ScriptedTradeDice;
using velmora::testing::worldHex;
using velmora::testing::WorldPlan;
using C = core::TradeClass;
using Step = TradeCheck::Step;

namespace {

MarketRequest requestAt(const std::vector<core::HexData>& hexes, core::GalacticCoordinates at,
                        std::set<TradeCategory> categories) {
    MarketRequest request;
    request.hexes = hexes;
    request.coordinates = at;
    request.date = core::campaignStartDate();
    request.categories = std::move(categories);
    return request;
}

TradeMarket generated(const MarketRequest& request, ScriptedTradeDice& dice) {
    auto market = generateMarket(request, dice.roller());
    EXPECT_TRUE(dice.exhausted()) << "rolls left over";
    return market.value();
}

} // namespace

TEST(MarketGeneration, PassengersWorkedByHand) {
    // Origin: starport A (+2), population 8 (+3), no zone: passenger traffic DM 5.
    // Negotiator Broker 2, Streetwise 1, Steward 1; the steward has Steward 0.
    // Modifiers: high 2 + 1 - 4 + 5 = 4, middle and basic 8, low 9.
    // Near: 1 parsec, starport C (0), population 6 (+1): DM +1, no distance DM.
    // Far: 3 parsecs, starport X (-3), population 1 (-4): DM -7, and -2 for distance.
    const core::GalacticCoordinates origin{0, 0, 10, 10};
    WorldPlan o{origin, "Origin", core::Starport::typeA, 8, core::TechnologyLevel::ttl12};
    WorldPlan near{{0, 0, 10, 11}, "Near", core::Starport::typeC, 6};
    WorldPlan far{{0, 0, 10, 13}, "Far", core::Starport::typeX, 1};
    WorldPlan beyond{{0, 0, 10, 14}, "Beyond", core::Starport::typeA, 9};
    // The far world comes first in the universe, so its offers come first.
    const std::vector<core::HexData> hexes = {worldHex(far), worldHex(o),
                                              velmora::testing::emptyHex({0, 0, 10, 12}),
                                              worldHex(near), worldHex(beyond)};
    MarketRequest request = requestAt(hexes, origin, {TradeCategory::passengers});
    request.negotiator.broker = 2;
    request.negotiator.streetwise = 1;
    request.negotiator.steward = 1;
    request.range = 3;
    request.label = "Origin, 001-1105";

    ScriptedTradeDice dice;
    // high 7: total 11; far 11 - 7 - 2 = 2 -> 1 die; near 11 + 1 = 12 -> 5 dice.
    // middle 5: total 13; far 4 -> 2 dice; near 14 -> 5 dice.
    // basic 8: total 16; far 7 -> 3 dice; near 17 -> 7 dice.
    // low 2: total 11; far 2 -> 1 die; near 12 -> 5 dice.
    dice.twoD = {7, 5, 8, 2};
    dice.nD = {3, 17, 7, 20, 10, 24, 4, 15};
    const TradeMarket market = generated(request, dice);
    EXPECT_EQ(dice.nDCounts, (std::vector<int>{1, 5, 2, 5, 3, 7, 1, 5}));

    ASSERT_EQ(market.checks.size(), 4u);
    EXPECT_EQ(market.checks[0].step, Step::passengersHigh);
    EXPECT_EQ(market.checks[0].modifier, 4);
    EXPECT_EQ(market.checks[1].modifier, 8);
    EXPECT_EQ(market.checks[2].modifier, 8);
    EXPECT_EQ(market.checks[3].modifier, 9);
    EXPECT_EQ(market.checks[3].label, "Passengers Low \u2014 Origin, 001-1105");
    for (const TradeCheck& check : market.checks) {
        EXPECT_EQ(check.source, TradeCheck::Source::rolled);
        EXPECT_EQ(check.target, std::nullopt);
        EXPECT_EQ(check.diceCount, 2);
    }

    // Fares: 3 parsecs high 21,000, middle 14,000, basic 5,000, low 2,200;
    // 1 parsec 9,000, 6,500, 2,000, 700.
    const struct {
        core::GalacticCoordinates to;
        PassageClass passage;
        int count;
        int fare;
    } expected[] = {
        {far.coordinates, PassageClass::high, 3, 21'000},
        {near.coordinates, PassageClass::high, 17, 9'000},
        {far.coordinates, PassageClass::middle, 7, 14'000},
        {near.coordinates, PassageClass::middle, 20, 6'500},
        {far.coordinates, PassageClass::basic, 10, 5'000},
        {near.coordinates, PassageClass::basic, 24, 2'000},
        {far.coordinates, PassageClass::low, 4, 2'200},
        {near.coordinates, PassageClass::low, 15, 700},
    };
    ASSERT_EQ(market.passengerOffers.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const PassengerOffer& offer = market.passengerOffers[i];
        EXPECT_EQ(offer.destination, expected[i].to) << i;
        EXPECT_EQ(offer.passageClass, expected[i].passage) << i;
        EXPECT_EQ(offer.count, expected[i].count) << i;
        EXPECT_EQ(offer.creditsEach, expected[i].fare) << i;
    }
    EXPECT_TRUE(market.freightLots.empty());
    EXPECT_TRUE(market.cargoOffers.empty());
}

TEST(MarketGeneration, FreightWorkedByHand) {
    // Origin: starport C (0), population 6 (+2), TL8 (0), amber (-2): freight DM 0.
    // Negotiator Streetwise 3: major 3 - 4 = -1, minor 3, incidental 5.
    // Busy: 2 parsecs, starport A +2, population 9 +4, TL12 +2: +8, -1 for distance.
    // Dead: 1 parsec, starport X, population 0, TL3, red: -14.
    const core::GalacticCoordinates origin{0, 0, 5, 5};
    WorldPlan o{origin, "Origin", core::Starport::typeC, 6, core::TechnologyLevel::ttl8};
    o.tags = {core::WorldTag::amberZone};
    WorldPlan busy{{0, 0, 5, 7}, "Busy", core::Starport::typeA, 9, core::TechnologyLevel::ttl12};
    WorldPlan dead{{0, 0, 5, 6}, "Dead", core::Starport::typeX, 0, core::TechnologyLevel::ttl3};
    dead.tags = {core::WorldTag::redZone};
    const std::vector<core::HexData> hexes = {worldHex(o), worldHex(dead), worldHex(busy)};
    MarketRequest request = requestAt(hexes, origin, {TradeCategory::freight});
    request.negotiator.streetwise = 3;
    request.inputs.manualRolls.freightMinor = 2;

    ScriptedTradeDice dice;
    // major 2: total 1; dead -13 -> none; busy 1 + 8 - 1 = 8 -> 3 dice: 3 lots.
    // minor entered 2: total 5; dead -9; busy 12 -> 5 dice (11 would be 4): 5 lots.
    // incidental 2: total 7; dead -7; busy 14 -> 5 dice: 5 lots.
    dice.twoD = {2, 2};
    dice.nD = {3, 4, 1, 6, 5, 1, 2, 3, 4, 5, 5, 6, 6, 6, 6, 6};
    const TradeMarket market = generated(request, dice);
    // The lots of each size, then a die for the tons of each lot.
    EXPECT_EQ(dice.nDCounts, (std::vector<int>{3, 1, 1, 1, 5, 1, 1, 1, 1, 1, 5, 1, 1, 1, 1, 1}));

    ASSERT_EQ(market.checks.size(), 3u);
    EXPECT_EQ(market.checks[0].modifier, -1);
    EXPECT_EQ(market.checks[1].source, TradeCheck::Source::entered);
    EXPECT_EQ(market.checks[1].dice, 2);
    EXPECT_EQ(market.checks[1].modifier, 3);
    EXPECT_EQ(market.checks[2].modifier, 5);

    // Tons: major 10 a pip, minor 5, incidental 1; 2 parsecs pay Cr1,600 a ton.
    std::vector<std::pair<FreightLot::Size, int>> lots;
    for (const FreightLot& lot : market.freightLots) {
        EXPECT_EQ(lot.destination, busy.coordinates);
        EXPECT_EQ(lot.creditsPerTon, 1'600);
        lots.emplace_back(lot.size, lot.tons);
    }
    using S = FreightLot::Size;
    EXPECT_EQ(lots, (std::vector<std::pair<S, int>>{{S::major, 40},
                                                    {S::major, 10},
                                                    {S::major, 60},
                                                    {S::minor, 5},
                                                    {S::minor, 10},
                                                    {S::minor, 15},
                                                    {S::minor, 20},
                                                    {S::minor, 25},
                                                    {S::incidental, 6},
                                                    {S::incidental, 6},
                                                    {S::incidental, 6},
                                                    {S::incidental, 6},
                                                    {S::incidental, 6}}));
}

TEST(MarketGeneration, MailCheck) {
    // Origin B (+1), population 5, TL5 (-1): freight DM 0, mail DM 0; TL below 6
    // takes -4. Naval rank 3 and Social Standing 10 (+1) make 0 + 3 + 1 - 4 = 0.
    const core::GalacticCoordinates origin{0, 0, 1, 1};
    WorldPlan o{origin, "Origin", core::Starport::typeB, 5, core::TechnologyLevel::ttl5};
    const std::vector<core::HexData> hexes = {worldHex(o)};
    const struct {
        int dice;
        bool armed;
        int modifier;
        std::vector<int> containers; // the 1D for the containers, when rolled
        int expected;
    } rows[] = {
        {12, false, 0, {4}, 4}, // a natural 12 with modifier 0 succeeds
        {11, false, 0, {}, 0},
        {10, true, 2, {1}, 1}, // an armed ship +2
    };
    for (const auto& row : rows) {
        MarketRequest request = requestAt(hexes, origin, {TradeCategory::mail});
        request.negotiator.navalRank = 3;
        request.negotiator.socialStanding = 10;
        request.shipArmed = row.armed;
        ScriptedTradeDice dice;
        dice.twoD = {row.dice};
        dice.nD = {row.containers.begin(), row.containers.end()};
        const TradeMarket market = generated(request, dice);
        ASSERT_EQ(market.checks.size(), 1u);
        EXPECT_EQ(market.checks[0].modifier, row.modifier);
        EXPECT_EQ(market.checks[0].target, 12);
        EXPECT_EQ(market.mailContainers, row.expected);
    }
}

TEST(MarketGeneration, CargoWorkedByHand) {
    // An asteroid world of population 2 (tons take -3), starport C (+2), TL7.
    // Negotiator Broker 1, supplier Broker 2: supplier modifier 1 + 2 = 3.
    const core::GalacticCoordinates origin{0, 0, 1, 1};
    WorldPlan o{origin, "Rock", core::Starport::typeC, 2, core::TechnologyLevel::ttl7};
    o.tradeClasses = {C::asteroid};
    const std::vector<core::HexData> hexes = {worldHex(o)};
    MarketRequest request = requestAt(hexes, origin, {TradeCategory::cargo});
    request.negotiator.broker = 1;
    request.inputs.supplierBrokerSkill = 2;

    ScriptedTradeDice dice;
    dice.twoD = {8}; // 8 + 3 = 11 against 8: a supplier
    // Rows 11-16 (2D - 3), then the As rows 31, 42, 44, 45 and 53 (1D - 3):
    //   11: 7 -> 4 x 10 = 40      12: 3 -> 0      13: 2 -> -1, so 0
    //   14: 12 -> 9 x 20 = 180    15: 5 -> 2 x 20 = 40    16: 4 -> 1 x 20 = 20
    //   31: 6 -> 3 x 5 = 15       42: 2 -> 0      44: 5 -> 2 x 1 = 2
    //   45: 4 -> 1 x 1 = 1        53: 3 -> 0
    // Two D66 rolls (population 2): 63 needs a contact and is rolled again, as 66,
    // which adds nothing; then 11, whose 2D 10 adds 7 x 10 = 70 to row 11.
    dice.nD = {7, 3, 2, 12, 5, 4, 6, 2, 5, 4, 3, 10};
    dice.d66 = {63, 66, 11};
    // Prices (law 0, no zone), Broker 1 against 2:
    //   11: no DMs: -1; 3D 10 -> 9: 95% of 20,000 = 19,000
    //   14: no DMs: -1; 3D 12 -> 11: 85% of 5,000 = 4,250
    //   15: purchase As -4, sale As +1: 1 - 4 - 1 - 2 = -6; 3D 11 -> 5: 115% of 500 = 575
    //   16: purchase As +4: 3; 3D 8 -> 11: 85% of 1,000 = 850
    //   31: purchase As +2: 1; 3D 9 -> 10: 90% of 20,000 = 18,000
    //   44: purchase As +3: 2; 3D 3 -> 5: 115% of 50,000 = 57,500
    //   45: purchase As +2: 1; 3D 18 -> 19: 45% of 1,000,000 = 450,000
    dice.threeD = {10, 12, 11, 8, 9, 3, 18};
    const TradeMarket market = generated(request, dice);

    ASSERT_EQ(market.checks.size(), 1u);
    EXPECT_EQ(market.checks[0].step, Step::supplier);
    EXPECT_EQ(market.checks[0].modifier, 3);
    EXPECT_EQ(market.checks[0].target, 8);
    EXPECT_EQ(market.supplierAttempts, 0);
    const struct {
        int d66;
        int tons;
        int price;
    } expected[] = {{11, 110, 19'000}, {14, 180, 4'250}, {15, 40, 575},   {16, 20, 850},
                    {31, 15, 18'000},  {44, 2, 57'500},  {45, 1, 450'000}};
    ASSERT_EQ(market.cargoOffers.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(market.cargoOffers[i].goodD66, expected[i].d66) << i;
        EXPECT_EQ(market.cargoOffers[i].tons, expected[i].tons) << i;
        EXPECT_EQ(market.cargoOffers[i].purchasePricePerTon, expected[i].price) << i;
        EXPECT_FALSE(market.cargoOffers[i].illegal);
    }
}

TEST(MarketGeneration, BlackMarketContactComesFirstAndAddsIllegalRows) {
    // A Ht world of population 1 (tons -3), starport A (+6). Streetwise 2: the
    // contact's modifier 2 + 6 = 8, the supplier's 8 as well.
    const core::GalacticCoordinates origin{0, 0, 1, 1};
    WorldPlan o{origin, "Den", core::Starport::typeA, 1, core::TechnologyLevel::ttl14};
    o.tradeClasses = {C::highTechnology};
    const std::vector<core::HexData> hexes = {worldHex(o)};
    MarketRequest request = requestAt(hexes, origin, {TradeCategory::cargo});
    request.negotiator.streetwise = 2;
    request.blackMarket = true;
    request.inputs.manualRolls.blackMarketSupplier = 2;

    ScriptedTradeDice dice;
    dice.twoD = {3};
    // Rows 11-16 and the Ht rows 21-25, 32, 36 and 56 all come to nothing; the one
    // D66 roll, 63, stays with a contact found: 1D 6 - 3 = 3 tons. The contact adds
    // the Ht illegal rows 62 (5 -> 2 tons) and 65 (4 -> 1 x 5 = 5 tons), and one
    // more row 60 + 1D: a 6 is Exotics, which adds nothing.
    dice.nD = {2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 6, 5, 4, 6};
    dice.d66 = {63};
    dice.threeD = {10, 10, 10};
    const TradeMarket market = generated(request, dice);

    ASSERT_EQ(market.checks.size(), 2u);
    EXPECT_EQ(market.checks[0].step, Step::blackMarketSupplier);
    EXPECT_EQ(market.checks[0].source, TradeCheck::Source::entered);
    EXPECT_EQ(market.checks[0].modifier, 8);
    EXPECT_EQ(market.checks[1].step, Step::supplier);
    EXPECT_TRUE(market.blackMarket);
    std::vector<std::pair<int, int>> offers;
    for (const CargoOffer& offer : market.cargoOffers) {
        EXPECT_TRUE(offer.illegal);
        offers.emplace_back(offer.goodD66, offer.tons);
    }
    EXPECT_EQ(offers, (std::vector<std::pair<int, int>>{{62, 2}, {63, 3}, {65, 5}}));
}

TEST(MarketGeneration, FailedSearchesCountWithinTheirMonth) {
    // Starport B (+4), Broker 1, one failure earlier this month: 1 + 4 - 1 = 4.
    const core::GalacticCoordinates origin{0, 0, 1, 1};
    WorldPlan o{origin, "Port", core::Starport::typeB, 5, core::TechnologyLevel::ttl7};
    const std::vector<core::HexData> hexes = {worldHex(o)};
    MarketRequest request = requestAt(hexes, origin, {TradeCategory::cargo});
    request.negotiator.broker = 1;
    request.negotiator.admin = 4; // counts only at TL8 or more
    TradeMarket before;
    before.coordinates = origin;
    before.supplierAttempts = 1;
    before.supplierAttemptsMonth = tradeMonth(request.date);
    request.previous = &before;

    ScriptedTradeDice dice;
    dice.twoD = {3}; // 3 + 4 = 7 against 8
    const TradeMarket failed = generated(request, dice);
    EXPECT_EQ(failed.checks.at(0).modifier, 4);
    EXPECT_FALSE(failed.checks[0].succeeded());
    EXPECT_TRUE(failed.cargoOffers.empty());
    EXPECT_EQ(failed.supplierAttempts, 2);
    EXPECT_EQ(failed.supplierAttemptsMonth, tradeMonth(request.date));
    EXPECT_NE(supplierNotice(failed).find("No supplier found this attempt"), std::string::npos);

    // Four weeks on, a new month: the failures no longer count (1 + 4).
    request.previous = &failed;
    request.date = request.date.adding(28 * core::minutesPerDay);
    ScriptedTradeDice again;
    again.twoD = {2};
    const TradeMarket nextMonth = generated(request, again);
    EXPECT_EQ(nextMonth.checks.at(0).modifier, 5);
    EXPECT_EQ(nextMonth.supplierAttempts, 1);

    // At TL8 Admin counts among the skills: 4 rather than Broker 1, at a world
    // without a starport (no DM), so the roll of 2 still fails.
    const std::vector<core::HexData> advanced = {
        worldHex({origin, "Port", core::Starport::typeX, 5, core::TechnologyLevel::ttl8})};
    request.hexes = advanced;
    request.previous = nullptr;
    ScriptedTradeDice third;
    third.twoD = {2};
    EXPECT_EQ(generated(request, third).checks.at(0).modifier, 4);
}

TEST(MarketGeneration, CategoriesNotRolledKeepThePreviousResult) {
    const core::GalacticCoordinates origin{0, 0, 1, 1};
    WorldPlan o{origin, "Port", core::Starport::typeB, 5, core::TechnologyLevel::ttl7};
    const std::vector<core::HexData> hexes = {worldHex(o), worldHex({{0, 0, 1, 2}, "Next"})};
    MarketRequest request = requestAt(hexes, origin, allTradeCategories);

    TradeMarket before;
    before.coordinates = origin;
    before.supplierAttempts = 1;
    before.supplierAttemptsMonth = 7;
    CargoOffer legal{core::Uuid::generate(), 11, 40, 18'000, false};
    CargoOffer contraband{core::Uuid::generate(), 63, 2, 90'000, true};
    before.cargoOffers = {legal, contraband};
    TradeCheck supplier;
    supplier.step = Step::supplier;
    supplier.dice = 9;
    TradeCheck oldMail;
    oldMail.step = Step::mail;
    before.checks = {oldMail, supplier};
    before.mailContainers = 3;
    request.previous = &before;

    // Regenerating passengers, freight and mail only: the cargo offers, both of
    // them, the supplier's check and its counter stay; mail is rolled afresh.
    request.categories = {TradeCategory::passengers, TradeCategory::freight, TradeCategory::mail};
    request.inputs.manualRolls.supplier = 12; // a roll for a step not made is not used
    ScriptedTradeDice dice;
    // Passengers: port B +1, population 5: DM 1; Next: starport C, population 5: 0.
    // Each class totals at most 12 + 1 + 1 = 14 minus 4 for high, so rolls of 2
    // give results of -1 to 4; freight rolls of 2 likewise stay small.
    dice.twoD = {2, 2, 2, 2, 2, 2, 2, 2};
    // high -1, middle 3 -> 1 die, basic 3 -> 1 die, low 4 -> 2 dice;
    // freight DMs: origin 1 + 0 + 0 = 1, Next 0 + 0 + 0 = 0 (TL8): major -1,
    // minor 3 -> 1 die: 1 lot of 3 x 5 tons; incidental 5 -> 2 dice: 2 lots.
    dice.nD = {1, 1, 2, 1, 3, 2, 5, 6};
    const TradeMarket market = generated(request, dice);
    EXPECT_EQ(market.cargoOffers, before.cargoOffers);
    EXPECT_EQ(market.supplierAttempts, 1);
    EXPECT_EQ(market.supplierAttemptsMonth, 7);
    EXPECT_EQ(market.mailContainers, 0); // 2 against 12 fails
    ASSERT_EQ(market.checks.size(), 9u);
    EXPECT_EQ(market.checks.back(), supplier);
    EXPECT_NE(market.checks[7].id, oldMail.id);
    EXPECT_EQ(market.checks[7].step, Step::mail);
}

TEST(MarketGeneration, NoMarketWithoutAMainWorld) {
    const std::vector<core::HexData> hexes = {velmora::testing::emptyHex({0, 0, 1, 1})};
    ScriptedTradeDice dice;
    EXPECT_FALSE(generateMarket(requestAt(hexes, {0, 0, 1, 1}, allTradeCategories), dice.roller()));
    EXPECT_FALSE(generateMarket(requestAt(hexes, {0, 0, 2, 2}, allTradeCategories), dice.roller()));
}

TEST(MarketDestinations, FoundByBlockAsAScanWouldFindThem) {
    // Hexes scattered over four sectors around the origin of the grid, in no
    // particular order; the index must give what a scan of every hex gives, in the
    // universe's order, at every range and across sector borders.
    std::vector<core::HexData> hexes;
    unsigned state = 12345;
    const auto next = [&] { return state = state * 1103515245u + 12345u, (state >> 8) % 1000; };
    for (int i = 0; i < 600; ++i) {
        const int column = static_cast<int>(next() % 64);
        const int row = static_cast<int>(next() % 80);
        const core::GalacticCoordinates at =
            core::GalacticCoordinates::fromGlobal(column - 32, row - 40);
        hexes.push_back(i % 7 == 0 ? velmora::testing::emptyHex(at) : worldHex({at}));
    }
    const core::HexBlockIndex index(hexes);
    for (const core::GalacticCoordinates origin :
         {core::GalacticCoordinates{0, 0, 1, 1}, core::GalacticCoordinates{-1, 0, 32, 40},
          core::GalacticCoordinates{0, 1, 16, 20}}) {
        for (int range = 1; range <= 6; ++range) {
            std::vector<std::pair<std::size_t, int>> scanned;
            for (std::size_t i = 0; i < hexes.size(); ++i) {
                const int parsecs = core::distance(origin, hexes[i].coordinates);
                if (parsecs <= range && hexes[i].coordinates != origin &&
                    tradeWorldProfile(hexes[i]))
                    scanned.emplace_back(i, parsecs);
            }
            std::vector<std::pair<std::size_t, int>> found;
            for (const MarketDestination& d : marketDestinations(hexes, index, origin, range))
                found.emplace_back(d.hexPosition, d.parsecs);
            EXPECT_EQ(found, scanned) << origin.description() << " range " << range;
        }
    }
    // The range is held to 1-6.
    EXPECT_EQ(marketDestinations(hexes, index, {0, 0, 1, 1}, 9).size(),
              marketDestinations(hexes, index, {0, 0, 1, 1}, 6).size());
}
