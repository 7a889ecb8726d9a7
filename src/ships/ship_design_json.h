#pragma once

// A design in JSON, as it sits under "design" in a saved ship's design.json: one
// key per field, named as the field, enumerations as their case names.
//
// Reading: every key is required except "weaponMounts" (missing reads as no
// mounts) and the carried craft's "carriedCraftName", "carriedCraftTonnage" and
// "carriedCraftPrice" (missing reads as no craft); a null counts as missing. Keys
// this version does not know are ignored. A missing key, a value of the wrong kind,
// an enumeration value this version does not know and a value outside what a
// design can hold (a hull of 0 tons or of 10 million, a rating beyond its table)
// fail with a DecodeError whose message names the key's path, such as
// "highGuard.batteryTier" or "weaponMounts[2].mountType".
//
// Writing gives every field; the optional ones only when present.

#include <nlohmann/json_fwd.hpp>
#include <string>

namespace velmora::ships {

struct ShipDesign;
struct WeaponMount;
struct HighGuardOptions;
struct SoftwareSuite;

nlohmann::json toJson(const ShipDesign& design);

// `keyPath` is where the design sits in the document ("design" in a saved ship's
// file), put in front of the keys named by error messages.
ShipDesign shipDesignFromJson(const nlohmann::json& json, const std::string& keyPath = {});

// The same for nlohmann's conversions (json.get<ShipDesign>(), json = design).
void to_json(nlohmann::json& json, const ShipDesign& design);
void from_json(const nlohmann::json& json, ShipDesign& design);
void to_json(nlohmann::json& json, const WeaponMount& mount);
void from_json(const nlohmann::json& json, WeaponMount& mount);
void to_json(nlohmann::json& json, const HighGuardOptions& options);
void from_json(const nlohmann::json& json, HighGuardOptions& options);
void to_json(nlohmann::json& json, const SoftwareSuite& software);
void from_json(const nlohmann::json& json, SoftwareSuite& software);

} // namespace velmora::ships
