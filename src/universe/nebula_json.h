#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::universe {

struct Nebula;
enum class NebulaType;

// {"id", "name", "type", "hexes"}, all required.
void to_json(nlohmann::json& json, const Nebula& nebula);
void from_json(const nlohmann::json& json, Nebula& nebula);

void to_json(nlohmann::json& json, const NebulaType& type);
void from_json(const nlohmann::json& json, NebulaType& type);

} // namespace velmora::universe
