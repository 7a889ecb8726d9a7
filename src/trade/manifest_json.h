#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::core {
class JsonTextWriter;
class JsonValue;
} // namespace velmora::core

namespace velmora::trade {

struct ManifestEntry;
struct ShipManifest;

// Only "id", "kind", "origin" and "acceptedOn" are required; the other keys read
// as 0, false, empty or absent. A "passageClass" this program does not know reads
// as no class. Absent optional fields are left out when writing.
void readJson(const core::JsonValue& json, ManifestEntry& entry);
void writeJson(core::JsonTextWriter& out, const ManifestEntry& entry);

// Every key may be missing: no entries, no fuel, the drop tank still aboard and
// no design.
void readJson(const core::JsonValue& json, ShipManifest& manifest);
void writeJson(core::JsonTextWriter& out, const ShipManifest& manifest);

// The same for records kept in the JSON tree.
void to_json(nlohmann::json& json, const ManifestEntry& entry);
void from_json(const nlohmann::json& json, ManifestEntry& entry);
void to_json(nlohmann::json& json, const ShipManifest& manifest);
void from_json(const nlohmann::json& json, ShipManifest& manifest);

} // namespace velmora::trade
