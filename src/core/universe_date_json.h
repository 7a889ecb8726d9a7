#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::core {

class JsonTextWriter;
class JsonValue;
struct UniverseDate;

// {"day", "hour", "id", "minute", "year"}: every key is required, the numbers are
// whole and within an int. The fields are read as written, not normalised.
void readJson(const JsonValue& json, UniverseDate& date);
void writeJson(JsonTextWriter& out, const UniverseDate& date);

// The same for records kept in the JSON tree.
void to_json(nlohmann::json& json, const UniverseDate& date);
void from_json(const nlohmann::json& json, UniverseDate& date);

} // namespace velmora::core
