#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::universe {

struct Region;
struct RegionAnchor;

// "id", "name", "color", "anchors" and "closed" are required. "labelCoordinates"
// is written only when the region has its own label position, and a missing or
// null key reads as none.
void to_json(nlohmann::json& json, const Region& region);
void from_json(const nlohmann::json& json, Region& region);

// {"hex", "corner"}, both required.
void to_json(nlohmann::json& json, const RegionAnchor& anchor);
void from_json(const nlohmann::json& json, RegionAnchor& anchor);

} // namespace velmora::universe
