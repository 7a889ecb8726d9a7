#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::universe {

struct Rutter;
enum class RutterAge;

// "id", "start", "end", "mainTradeRoute" and "age" are required. The owner is
// "factionID"; without it, an older file's whole faction object under "faction"
// becomes legacyFaction and its id the factionID. A rutter with neither fails,
// since every rutter belongs to a faction. "faction" is never written.
void to_json(nlohmann::json& json, const Rutter& rutter);
void from_json(const nlohmann::json& json, Rutter& rutter);

void to_json(nlohmann::json& json, const RutterAge& age);
void from_json(const nlohmann::json& json, RutterAge& age);

} // namespace velmora::universe
