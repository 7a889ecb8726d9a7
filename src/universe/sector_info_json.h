#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::universe {

struct SectorInfo;

// {"sectorX", "sectorY", "name", "abbreviation"}; each may be missing (0 or "").
void to_json(nlohmann::json& json, const SectorInfo& sector);
void from_json(const nlohmann::json& json, SectorInfo& sector);

} // namespace velmora::universe
