#pragma once

#include "core/core_json.h"

#include <nlohmann/json_fwd.hpp>

namespace velmora::core {

enum class Starport;
enum class Base;
enum class SpectralType;
enum class LuminosityClass;
enum class Orbits;
enum class PlanetOrbits;
enum class WorldType;
enum class TradeClass;
enum class TradeClassCategory;
enum class WorldTag;
enum class WorldTagCategory;
class Race;
struct UWP;
struct WorldData;
struct Star;
struct StarSystem;
struct HexData;

// Enumerations are written as their raw values: texts, except Orbits and
// WorldTagCategory, which are integers. Reading an unknown value fails the document
// with DecodeError "Unknown <Type> raw value: <value>".
void to_json(nlohmann::json& json, const Starport& starport);
void from_json(const nlohmann::json& json, Starport& starport);
void to_json(nlohmann::json& json, const Base& base);
void from_json(const nlohmann::json& json, Base& base);
void to_json(nlohmann::json& json, const SpectralType& type);
void from_json(const nlohmann::json& json, SpectralType& type);
void to_json(nlohmann::json& json, const LuminosityClass& luminosity);
void from_json(const nlohmann::json& json, LuminosityClass& luminosity);
void to_json(nlohmann::json& json, const Orbits& orbit);
void from_json(const nlohmann::json& json, Orbits& orbit);
void to_json(nlohmann::json& json, const PlanetOrbits& orbit);
void from_json(const nlohmann::json& json, PlanetOrbits& orbit);
void to_json(nlohmann::json& json, const WorldType& type);
void from_json(const nlohmann::json& json, WorldType& type);
void to_json(nlohmann::json& json, const TradeClass& tradeClass);
void from_json(const nlohmann::json& json, TradeClass& tradeClass);
void to_json(nlohmann::json& json, const TradeClassCategory& category);
void from_json(const nlohmann::json& json, TradeClassCategory& category);
// Also reads the older spelling "refueling-stop".
void to_json(nlohmann::json& json, const WorldTag& tag);
void from_json(const nlohmann::json& json, WorldTag& tag);
void to_json(nlohmann::json& json, const WorldTagCategory& category);
void from_json(const nlohmann::json& json, WorldTagCategory& category);
// The identity text: "human", "mixedRIM", "custom:<name>".
void to_json(nlohmann::json& json, const Race& race);
void from_json(const nlohmann::json& json, Race& race);

// Records are objects keyed by field name. Required keys fail the document with
// DecodeError when missing; optional keys take their defaults, and the keys of older
// files are read as the records' comments in world_json.cpp describe.
void to_json(nlohmann::json& json, const UWP& uwp);
void from_json(const nlohmann::json& json, UWP& uwp);
void to_json(nlohmann::json& json, const WorldData& world);
void from_json(const nlohmann::json& json, WorldData& world);
void to_json(nlohmann::json& json, const Star& star);
void from_json(const nlohmann::json& json, Star& star);
void to_json(nlohmann::json& json, const StarSystem& system);
void from_json(const nlohmann::json& json, StarSystem& system);
void to_json(nlohmann::json& json, const HexData& hex);
void from_json(const nlohmann::json& json, HexData& hex);

} // namespace velmora::core
