#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::universe {

struct StarmapLabel;

// {"id", "text", "size", "color", "angle", "position", "category"}. "angle" is a
// plain number of degrees, written with enough digits to read back the same
// double. All keys but "category" are required; a label without one is
// uncategorized.
void to_json(nlohmann::json& json, const StarmapLabel& label);
void from_json(const nlohmann::json& json, StarmapLabel& label);

} // namespace velmora::universe
