#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::universe {

struct Faction;
struct FactionAsset;
struct FactionNote;
struct Stardate;
enum class FactionCategory;
enum class FactionTag;
enum class AssetCategory;
enum class AssetType;

// Factions are read leniently: only "id" is required, every other key takes the
// record's default when missing. "short" holds Faction::shortName.
void to_json(nlohmann::json& json, const Faction& faction);
void from_json(const nlohmann::json& json, Faction& faction);

// Every key is optional. Without "maxHP" the asset is taken to be undamaged: its
// maximum is the "hp" just read.
void to_json(nlohmann::json& json, const FactionAsset& asset);
void from_json(const nlohmann::json& json, FactionAsset& asset);

void to_json(nlohmann::json& json, const FactionNote& note);
void from_json(const nlohmann::json& json, FactionNote& note);

// {"year", "day", "hour", "minute"}; missing keys keep the defaults.
void to_json(nlohmann::json& json, const Stardate& date);
void from_json(const nlohmann::json& json, Stardate& date);

// Enumerations are written as their case names; an unknown name fails the document.
void to_json(nlohmann::json& json, const FactionCategory& category);
void from_json(const nlohmann::json& json, FactionCategory& category);
void to_json(nlohmann::json& json, const FactionTag& tag);
void from_json(const nlohmann::json& json, FactionTag& tag);
void to_json(nlohmann::json& json, const AssetCategory& category);
void from_json(const nlohmann::json& json, AssetCategory& category);
void to_json(nlohmann::json& json, const AssetType& type);
void from_json(const nlohmann::json& json, AssetType& type);

} // namespace velmora::universe
