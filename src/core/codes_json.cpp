#include "core/base.h"
#include "core/json_support.h"
#include "core/orbits.h"
#include "core/race.h"
#include "core/starport.h"
#include "core/stellar.h"
#include "core/trade_class.h"
#include "core/world_json.h"
#include "core/world_tag.h"
#include "core/world_type.h"

#include <string>

namespace velmora::core {

namespace {

[[noreturn]] void throwUnknown(const char* typeName, const std::string& text) {
    throw DecodeError(std::string("Unknown ") + typeName + " raw value: " + text);
}

} // namespace

void to_json(Json& json, const Starport& starport) {
    json = rawValue(starport);
}

void from_json(const Json& json, Starport& starport) {
    starport = enumFromJson(json, starportTable, "Starport");
}

void to_json(Json& json, const Base& base) {
    json = rawValue(base);
}

void from_json(const Json& json, Base& base) {
    base = enumFromJson(json, baseTable, "Base");
}

void to_json(Json& json, const SpectralType& type) {
    json = rawValue(type);
}

void from_json(const Json& json, SpectralType& type) {
    type = enumFromJson(json, spectralTypeTable, "SpectralType");
}

void to_json(Json& json, const LuminosityClass& luminosity) {
    json = rawValue(luminosity);
}

void from_json(const Json& json, LuminosityClass& luminosity) {
    luminosity = enumFromJson(json, luminosityClassTable, "LuminosityClass");
}

void to_json(Json& json, const Orbits& orbit) {
    json = rawValue(orbit);
}

void from_json(const Json& json, Orbits& orbit) {
    const int number = json.get<int>();
    const auto value = orbitsFromRawValue(number);
    if (!value)
        throwUnknown("Orbits", std::to_string(number));
    orbit = *value;
}

void to_json(Json& json, const PlanetOrbits& orbit) {
    json = rawValue(orbit);
}

void from_json(const Json& json, PlanetOrbits& orbit) {
    orbit = enumFromJson(json, planetOrbitsTable, "PlanetOrbits");
}

void to_json(Json& json, const WorldType& type) {
    json = rawValue(type);
}

void from_json(const Json& json, WorldType& type) {
    type = enumFromJson(json, worldTypeTable, "WorldType");
}

void to_json(Json& json, const TradeClass& tradeClass) {
    json = rawValue(tradeClass);
}

void from_json(const Json& json, TradeClass& tradeClass) {
    tradeClass = enumFromJson(json, tradeClassTable, "TradeClass");
}

void to_json(Json& json, const TradeClassCategory& category) {
    json = rawValue(category);
}

void from_json(const Json& json, TradeClassCategory& category) {
    category = enumFromJson(json, tradeClassCategoryTable, "TradeClassCategory");
}

void to_json(Json& json, const WorldTag& tag) {
    json = rawValue(tag);
}

void from_json(const Json& json, WorldTag& tag) {
    const auto& text = json.get_ref<const std::string&>();
    const auto value = worldTagFromRawValue(text);
    if (!value)
        throwUnknown("WorldTag", text);
    tag = *value;
}

void to_json(Json& json, const WorldTagCategory& category) {
    json = rawValue(category);
}

void from_json(const Json& json, WorldTagCategory& category) {
    const int number = json.get<int>();
    const auto value = worldTagCategoryFromRawValue(number);
    if (!value)
        throwUnknown("WorldTagCategory", std::to_string(number));
    category = *value;
}

void to_json(Json& json, const Race& race) {
    json = race.identity();
}

void from_json(const Json& json, Race& race) {
    const auto& text = json.get_ref<const std::string&>();
    auto value = Race::fromIdentity(text);
    if (!value)
        throwUnknown("Race", text);
    race = std::move(*value);
}

} // namespace velmora::core
