#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::universe {

enum class FactionColor;

// Written as the case name ("orangeRed"); an unknown name fails the document.
void to_json(nlohmann::json& json, const FactionColor& color);
void from_json(const nlohmann::json& json, FactionColor& color);

} // namespace velmora::universe
