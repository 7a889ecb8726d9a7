#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::core {
class JsonTextWriter;
class JsonValue;
} // namespace velmora::core

namespace velmora::trade {

struct TradeSkillSet;
class TradeSkillSource;

// Every key may be missing and reads as the set's default: 0, and 7 for
// "socialStanding".
void readJson(const core::JsonValue& json, TradeSkillSet& skills);
void writeJson(core::JsonTextWriter& out, const TradeSkillSet& skills);

// {"player": {"_0": "<UUID>"}} or {"outside": {"_0": {<skill set>}}}. An object
// with any other number of keys fails with "Invalid number of keys found,
// expected one."
void readJson(const core::JsonValue& json, TradeSkillSource& source);
void writeJson(core::JsonTextWriter& out, const TradeSkillSource& source);

// The same for records kept in the JSON tree.
void to_json(nlohmann::json& json, const TradeSkillSet& skills);
void from_json(const nlohmann::json& json, TradeSkillSet& skills);
void to_json(nlohmann::json& json, const TradeSkillSource& source);
void from_json(const nlohmann::json& json, TradeSkillSource& source);

} // namespace velmora::trade
