#include "trade/trade_market_json.h"

#include "core/json_fields.h"
#include "core/json_record_rules.h"
#include "core/json_tree_bridge.h"
#include "core/universe_date_json.h"
#include "trade/trade_good.h"
#include "trade/trade_json_support.h"
#include "trade/trade_market.h"
#include "trade/trade_skill_json.h"

#include <algorithm>

namespace velmora::trade {

using namespace core::json_fields;
using namespace json_support;
using core::Json;
using core::JsonTextWriter;
using core::JsonValue;

namespace {

core::Uuid idOrNew(const JsonValue& json) {
    const auto id = optionalUuid(json, "id");
    return id ? *id : core::Uuid::generate();
}

void readOffer(const JsonValue& json, PassengerOffer& offer) {
    requireObject(json, "A passenger offer");
    offer.id = idOrNew(json);
    offer.destination = coordinates(required(json, "destination"), "destination");
    offer.passageClass = code(json, "passageClass", passageClassTable, "PassageClass");
    offer.count = wholeOr(json, "count", 0);
    offer.creditsEach = wholeOr(json, "creditsEach", 0);
}

void writeOffer(JsonTextWriter& out, const PassengerOffer& offer) {
    out.beginObject();
    member(out, "count", offer.count);
    member(out, "creditsEach", offer.creditsEach);
    member(out, "destination", offer.destination);
    member(out, "id", offer.id.toString());
    member(out, "passageClass", rawValue(offer.passageClass));
    out.endObject();
}

void readLot(const JsonValue& json, FreightLot& lot) {
    requireObject(json, "A freight lot");
    lot.id = idOrNew(json);
    lot.destination = coordinates(required(json, "destination"), "destination");
    lot.size = code(json, "size", freightLotSizeTable, "FreightLot.Size");
    lot.tons = wholeOr(json, "tons", 0);
    lot.creditsPerTon = wholeOr(json, "creditsPerTon", 0);
}

void writeLot(JsonTextWriter& out, const FreightLot& lot) {
    out.beginObject();
    member(out, "creditsPerTon", lot.creditsPerTon);
    member(out, "destination", lot.destination);
    member(out, "id", lot.id.toString());
    member(out, "size", rawValue(lot.size));
    member(out, "tons", lot.tons);
    out.endObject();
}

void readCargo(const JsonValue& json, CargoOffer& offer) {
    requireObject(json, "A cargo offer");
    offer.id = idOrNew(json);
    offer.goodD66 = requiredWhole<int>(json, "goodD66");
    if (!tradeGood(offer.goodD66))
        throw core::DecodeError("\"goodD66\" " + std::to_string(offer.goodD66) +
                                " is not a row of the goods table");
    offer.tons = wholeOr(json, "tons", 0);
    offer.purchasePricePerTon = wholeOr(json, "purchasePricePerTon", 0);
    offer.illegal = flagOr(json, "illegal", false);
}

void writeCargo(JsonTextWriter& out, const CargoOffer& offer) {
    out.beginObject();
    member(out, "goodD66", offer.goodD66);
    member(out, "id", offer.id.toString());
    member(out, "illegal", offer.illegal);
    member(out, "purchasePricePerTon", offer.purchasePricePerTon);
    member(out, "tons", offer.tons);
    out.endObject();
}

template <typename T, typename Write>
void list(JsonTextWriter& out, const char* key, const std::vector<T>& items, Write write) {
    out.key(key);
    out.beginArray();
    for (const T& item : items)
        write(out, item);
    out.endArray();
}

} // namespace

void readJson(const JsonValue& json, TradeManualRolls& out) {
    requireObject(json, "The entered rolls");
    TradeManualRolls rolls;
    for (const ManualRollField& field : manualRollFields) {
        const std::string key(field.key);
        if (const auto value = present(json, key.c_str()))
            rolls.*field.roll = whole<int>(*value, key.c_str());
    }
    out = rolls;
}

void writeJson(JsonTextWriter& out, const TradeManualRolls& rolls) {
    // The writer wants its keys sorted, and the table is in the checks' order.
    std::vector<const ManualRollField*> sorted;
    for (const ManualRollField& field : manualRollFields)
        sorted.push_back(&field);
    std::sort(sorted.begin(), sorted.end(),
              [](const ManualRollField* a, const ManualRollField* b) { return a->key < b->key; });
    out.beginObject();
    for (const ManualRollField* field : sorted) {
        if (const auto& value = rolls.*field->roll) {
            out.key(field->key);
            out.value(*value);
        }
    }
    out.endObject();
}

void readJson(const JsonValue& json, TradeInputs& out) {
    requireObject(json, "The market's inputs");
    TradeInputs inputs;
    if (const auto value = present(json, "negotiator"))
        readJson(*value, inputs.negotiator);
    if (const auto value = present(json, "steward"))
        readJson(*value, inputs.steward);
    inputs.supplierBrokerSkill = wholeOr(json, "supplierBrokerSkill", inputs.supplierBrokerSkill);
    inputs.shipDesignID = optionalUuid(json, "shipDesignID");
    if (const auto value = present(json, "manualRolls"))
        readJson(*value, inputs.manualRolls);
    out = std::move(inputs);
}

void writeJson(JsonTextWriter& out, const TradeInputs& inputs) {
    out.beginObject();
    out.key("manualRolls");
    writeJson(out, inputs.manualRolls);
    out.key("negotiator");
    writeJson(out, inputs.negotiator);
    if (inputs.shipDesignID)
        member(out, "shipDesignID", inputs.shipDesignID->toString());
    out.key("steward");
    writeJson(out, inputs.steward);
    member(out, "supplierBrokerSkill", inputs.supplierBrokerSkill);
    out.endObject();
}

void readJson(const JsonValue& json, TradeCheck& out) {
    requireObject(json, "A check");
    TradeCheck check;
    check.step = code(json, "step", tradeCheckStepTable, "TradeCheck.Step");
    check.id = idOrNew(json);
    if (present(json, "source"))
        check.source = code(json, "source", tradeCheckSourceTable, "TradeCheck.Source");
    check.diceCount = wholeOr(json, "diceCount", check.diceCount);
    check.dice = wholeOr(json, "dice", 0);
    check.modifier = wholeOr(json, "modifier", 0);
    if (const auto target = present(json, "target"))
        check.target = whole<int>(*target, "target");
    check.label = textOr(json, "label", "");
    out = std::move(check);
}

void writeJson(JsonTextWriter& out, const TradeCheck& check) {
    out.beginObject();
    member(out, "dice", check.dice);
    member(out, "diceCount", check.diceCount);
    member(out, "id", check.id.toString());
    member(out, "label", check.label);
    member(out, "modifier", check.modifier);
    member(out, "source", rawValue(check.source));
    member(out, "step", rawValue(check.step));
    if (check.target)
        member(out, "target", *check.target);
    out.endObject();
}

void readJson(const JsonValue& json, TradeMarket& out) {
    requireObject(json, "A trade market");
    TradeMarket market;
    market.coordinates = coordinates(required(json, "coordinates"), "coordinates");
    core::readJson(required(json, "generatedOn"), market.generatedOn);
    market.id = idOrNew(json);
    if (const auto inputs = present(json, "inputs"))
        readJson(*inputs, market.inputs);
    market.blackMarket = flagOr(json, "blackMarket", false);
    market.supplierAttempts = wholeOr(json, "supplierAttempts", 0);
    market.supplierAttemptsMonth = wholeOr(json, "supplierAttemptsMonth", 0);
    market.blackMarketAttempts = wholeOr(json, "blackMarketAttempts", 0);
    market.blackMarketAttemptsMonth = wholeOr(json, "blackMarketAttemptsMonth", 0);
    listOr(json, "passengerOffers", market.passengerOffers, readOffer);
    listOr(json, "freightLots", market.freightLots, readLot);
    market.mailContainers = wholeOr(json, "mailContainers", 0);
    listOr(json, "cargoOffers", market.cargoOffers, readCargo);
    listOr(json, "checks", market.checks,
           [](const JsonValue& element, TradeCheck& check) { readJson(element, check); });
    out = std::move(market);
}

void writeJson(JsonTextWriter& out, const TradeMarket& market) {
    out.beginObject();
    member(out, "blackMarket", market.blackMarket);
    member(out, "blackMarketAttempts", market.blackMarketAttempts);
    member(out, "blackMarketAttemptsMonth", market.blackMarketAttemptsMonth);
    list(out, "cargoOffers", market.cargoOffers, writeCargo);
    list(out, "checks", market.checks,
         [](JsonTextWriter& w, const TradeCheck& check) { writeJson(w, check); });
    member(out, "coordinates", market.coordinates);
    list(out, "freightLots", market.freightLots, writeLot);
    out.key("generatedOn");
    core::writeJson(out, market.generatedOn);
    member(out, "id", market.id.toString());
    out.key("inputs");
    writeJson(out, market.inputs);
    member(out, "mailContainers", market.mailContainers);
    list(out, "passengerOffers", market.passengerOffers, writeOffer);
    member(out, "supplierAttempts", market.supplierAttempts);
    member(out, "supplierAttemptsMonth", market.supplierAttemptsMonth);
    out.endObject();
}

TradeMarket decodeTradeMarket(std::string_view text) {
    core::JsonDocument document;
    TradeMarket market;
    readJson(document.parse(text), market);
    return market;
}

std::string encodeTradeMarket(const TradeMarket& market) {
    std::string text;
    JsonTextWriter out(text);
    writeJson(out, market);
    return Json::parse(text).dump();
}

void to_json(Json& json, const TradeMarket& market) {
    core::recordToTree(json, market);
}
void from_json(const Json& json, TradeMarket& market) {
    core::recordFromTree(json, market);
}
void to_json(Json& json, const TradeCheck& check) {
    core::recordToTree(json, check);
}

} // namespace velmora::trade
