#include "core/decode_error.h"
#include "trade/trade_market.h"
#include "trade/trade_market_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace velmora;
using namespace velmora::trade;
using nlohmann::json;

namespace {

const char* const generatedOn =
    R"({"day": 40, "hour": 9, "id": "3F2504E0-4F89-11D3-9A0C-0305E82C3301", "minute": 5, "year": 1105})";

std::string marketText(const std::string& more) {
    return std::string(
               R"({"coordinates": {"sectorX": -1, "sectorY": 2, "column": 19, "row": 10},)") +
           R"("generatedOn": )" + generatedOn + more + "}";
}

} // namespace

TEST(TradeMarketJson, MissingKeysTakeTheirDefaults) {
    const TradeMarket market = decodeTradeMarket(marketText(""));
    EXPECT_EQ(market.coordinates, (core::GalacticCoordinates{-1, 2, 19, 10}));
    EXPECT_EQ(market.generatedOn.day, 40);
    EXPECT_EQ(market.inputs, TradeInputs{});
    EXPECT_EQ(market.inputs.negotiator.outsideSkills()->socialStanding, 7);
    EXPECT_FALSE(market.blackMarket);
    EXPECT_EQ(market.supplierAttempts, 0);
    EXPECT_EQ(market.mailContainers, 0);
    EXPECT_TRUE(market.checks.empty());
    EXPECT_NE(market.id, decodeTradeMarket(marketText("")).id) << "a new id each time";

    // Records inside with only their essential keys.
    const TradeMarket sparse = decodeTradeMarket(marketText(R"(,
        "inputs": {"negotiator": {"player": {"_0": "3F2504E0-4F89-11D3-9A0C-0305E82C3302"}},
                   "manualRolls": {"supplier": 9, "mail": null}},
        "passengerOffers": [{"destination": {"column": 3, "row": 4}, "passageClass": "low"}],
        "freightLots": [{"destination": {}, "size": "incidental", "tons": 4}],
        "cargoOffers": [{"goodD66": 62, "illegal": true}],
        "checks": [{"step": "blackMarketSupplier"}])"));
    EXPECT_TRUE(sparse.inputs.negotiator.isPlayer());
    EXPECT_EQ(sparse.inputs.manualRolls.supplier, 9);
    EXPECT_EQ(sparse.inputs.manualRolls.mail, std::nullopt);
    EXPECT_EQ(sparse.inputs.supplierBrokerSkill, 2);
    ASSERT_EQ(sparse.passengerOffers.size(), 1u);
    EXPECT_EQ(sparse.passengerOffers[0].passageClass, PassageClass::low);
    EXPECT_EQ(sparse.passengerOffers[0].count, 0);
    EXPECT_EQ(sparse.freightLots.at(0).tons, 4);
    EXPECT_TRUE(sparse.cargoOffers.at(0).illegal);
    ASSERT_EQ(sparse.checks.size(), 1u);
    const TradeCheck& check = sparse.checks[0];
    EXPECT_EQ(check.step, TradeCheck::Step::blackMarketSupplier);
    EXPECT_EQ(check.source, TradeCheck::Source::rolled);
    EXPECT_EQ(check.target, std::nullopt);
    EXPECT_TRUE(check.succeeded()) << "no target, nothing to fail";
}

TEST(TradeMarketJson, RoundTripsEveryField) {
    TradeMarket market;
    market.coordinates = {3, -4, 32, 40};
    market.generatedOn.day = 300;
    market.inputs.negotiator = TradeSkillSource::outside({1, 2, 3, 4, 5, 6, 7, 8});
    market.inputs.steward = TradeSkillSource::player(core::Uuid::generate());
    market.inputs.supplierBrokerSkill = 4;
    market.inputs.shipDesignID = core::Uuid::generate();
    market.inputs.manualRolls.passengerLow = 2;
    market.inputs.manualRolls.blackMarketSupplier = 12;
    market.blackMarket = true;
    market.supplierAttempts = 1;
    market.supplierAttemptsMonth = 14'369;
    market.blackMarketAttempts = 2;
    market.blackMarketAttemptsMonth = 14'370;
    market.passengerOffers = {{core::Uuid::generate(), {0, 0, 1, 2}, PassageClass::high, 3, 9'000}};
    market.freightLots = {
        {core::Uuid::generate(), {0, 0, 1, 2}, FreightLot::Size::major, 40, 1'000}};
    market.mailContainers = 5;
    market.cargoOffers = {{core::Uuid::generate(), 45, 3, 1'250'000, false}};
    TradeCheck check;
    check.step = TradeCheck::Step::mail;
    check.source = TradeCheck::Source::entered;
    check.dice = 11;
    check.modifier = -2;
    check.target = 12;
    check.label = "Mail \u2014 Regina";
    market.checks = {check};

    const std::string text = encodeTradeMarket(market);
    EXPECT_EQ(text.find('\n'), std::string::npos) << "kept on one line";
    EXPECT_EQ(decodeTradeMarket(text), market);
    // The keys are the fields' names.
    const json tree = json::parse(text);
    for (const char* key :
         {"id", "coordinates", "generatedOn", "inputs", "blackMarket", "supplierAttempts",
          "supplierAttemptsMonth", "blackMarketAttempts", "blackMarketAttemptsMonth",
          "passengerOffers", "freightLots", "mailContainers", "cargoOffers", "checks"})
        EXPECT_TRUE(tree.contains(key)) << key;
    EXPECT_EQ(tree["checks"][0]["step"], "mail");
    EXPECT_EQ(tree["passengerOffers"][0]["passageClass"], "high");
    EXPECT_EQ(tree["inputs"]["manualRolls"],
              (json{{"blackMarketSupplier", 12}, {"passengerLow", 2}}));
    EXPECT_EQ(tree["inputs"]["negotiator"]["outside"]["_0"]["carouse"], 3);

    json viaTree;
    to_json(viaTree, market);
    TradeMarket back;
    from_json(viaTree, back);
    EXPECT_EQ(back, market);
}

TEST(TradeMarketJson, RefusesWhatIsNotAMarket) {
    const struct {
        std::string text;
        std::string message;
    } rows[] = {
        {"[]", "A trade market is not an object"},
        {R"({"generatedOn": )" + std::string(generatedOn) + "}", "Missing key \"coordinates\""},
        {R"({"coordinates": {}})", "Missing key \"generatedOn\""},
        {marketText(R"(,"checks": [{"dice": 3}])"), "Missing key \"step\""},
        {marketText(R"(,"checks": [{"step": "haggle"}])"),
         "Unknown TradeCheck.Step raw value: haggle"},
        {marketText(R"(,"inputs": {"steward": {"player": {}, "outside": {}}})"),
         "Invalid number of keys found, expected one."},
        {marketText(R"(,"passengerOffers": [{"destination": {}, "passageClass": "steerage"}])"),
         "Unknown PassageClass raw value: steerage"},
        {marketText(R"(,"freightLots": [{"size": "major"}])"), "Missing key \"destination\""},
        {marketText(R"(,"cargoOffers": [{"goodD66": 67}])"), "\"goodD66\" 67 is not a row"},
        {marketText(R"(,"mailContainers": "3")"), "\"mailContainers\" is not a number"},
        {marketText(R"(,"supplierAttempts": 1.5)"), "\"supplierAttempts\" is not a whole number"},
        {marketText(R"(,"checks": {})"), "\"checks\" is not a list"},
        {"{\"coordinates\": ", ""},
    };
    for (const auto& row : rows) {
        try {
            decodeTradeMarket(row.text);
            ADD_FAILURE() << "read: " << row.text;
        } catch (const core::DecodeError& error) {
            EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos)
                << error.what();
        }
    }
}
