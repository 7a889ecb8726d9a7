#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::universe {

struct FactionList;

// {"id", "name", "factionIDs"}: "id" is required, a missing name or id list is empty.
void to_json(nlohmann::json& json, const FactionList& list);
void from_json(const nlohmann::json& json, FactionList& list);

} // namespace velmora::universe
