#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

namespace velmora::core {
class JsonTextWriter;
class JsonValue;
} // namespace velmora::core

namespace velmora::trade {

struct TradeCheck;
struct TradeInputs;
struct TradeManualRolls;
struct TradeMarket;

// "coordinates" and "generatedOn" are required; every other key may be missing
// and reads as a new id, default inputs, false, 0 or an empty list. Offers must
// name their destination and class or size, cargo a row of the goods table.
void readJson(const core::JsonValue& json, TradeMarket& market);
void writeJson(core::JsonTextWriter& out, const TradeMarket& market);

// Every key may be missing: outsiders with no skills and Social Standing 7, the
// supplier's Broker 2, no ship, no entered rolls.
void readJson(const core::JsonValue& json, TradeInputs& inputs);
void writeJson(core::JsonTextWriter& out, const TradeInputs& inputs);

void readJson(const core::JsonValue& json, TradeManualRolls& rolls);
void writeJson(core::JsonTextWriter& out, const TradeManualRolls& rolls);

// Only "step" is required.
void readJson(const core::JsonValue& json, TradeCheck& check);
void writeJson(core::JsonTextWriter& out, const TradeCheck& check);

// A market from its JSON text; throws core::DecodeError naming what is wrong.
TradeMarket decodeTradeMarket(std::string_view text);
// The market as one line of JSON with sorted keys, as the universe keeps it.
std::string encodeTradeMarket(const TradeMarket& market);

// The same for records kept in the JSON tree.
void to_json(nlohmann::json& json, const TradeMarket& market);
void from_json(const nlohmann::json& json, TradeMarket& market);
void to_json(nlohmann::json& json, const TradeCheck& check);

} // namespace velmora::trade
