#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::core {

struct Uuid;
struct GalacticCoordinates;
enum class TechnologyLevel;

// Identities are written as canonical UUID text.
void to_json(nlohmann::json& json, const Uuid& uuid);
void from_json(const nlohmann::json& json, Uuid& uuid);

// {"sectorX", "sectorY", "column", "row"}; each key may be missing and reads as 0.
void to_json(nlohmann::json& json, const GalacticCoordinates& coordinates);
void from_json(const nlohmann::json& json, GalacticCoordinates& coordinates);

void to_json(nlohmann::json& json, const TechnologyLevel& level);
void from_json(const nlohmann::json& json, TechnologyLevel& level);

} // namespace velmora::core
