#include "core/json_record_rules.h"
#include "core/json_support.h"
#include "core/world_json.h"

namespace velmora::core {

// The codes' rules live in json_record_rules.h, shared with the universe's fast
// reader and writer.

void to_json(Json& json, const Starport& starport) {
    JsonTreeWriter out(json);
    writeJson(out, starport);
}

void from_json(const Json& json, Starport& starport) {
    readJson(JsonTreeValue(json), starport);
}

void to_json(Json& json, const Base& base) {
    JsonTreeWriter out(json);
    writeJson(out, base);
}

void from_json(const Json& json, Base& base) {
    readJson(JsonTreeValue(json), base);
}

void to_json(Json& json, const SpectralType& type) {
    JsonTreeWriter out(json);
    writeJson(out, type);
}

void from_json(const Json& json, SpectralType& type) {
    readJson(JsonTreeValue(json), type);
}

void to_json(Json& json, const LuminosityClass& luminosity) {
    JsonTreeWriter out(json);
    writeJson(out, luminosity);
}

void from_json(const Json& json, LuminosityClass& luminosity) {
    readJson(JsonTreeValue(json), luminosity);
}

void to_json(Json& json, const Orbits& orbit) {
    JsonTreeWriter out(json);
    writeJson(out, orbit);
}

void from_json(const Json& json, Orbits& orbit) {
    readJson(JsonTreeValue(json), orbit);
}

void to_json(Json& json, const PlanetOrbits& orbit) {
    JsonTreeWriter out(json);
    writeJson(out, orbit);
}

void from_json(const Json& json, PlanetOrbits& orbit) {
    readJson(JsonTreeValue(json), orbit);
}

void to_json(Json& json, const WorldType& type) {
    JsonTreeWriter out(json);
    writeJson(out, type);
}

void from_json(const Json& json, WorldType& type) {
    readJson(JsonTreeValue(json), type);
}

void to_json(Json& json, const TradeClass& tradeClass) {
    JsonTreeWriter out(json);
    writeJson(out, tradeClass);
}

void from_json(const Json& json, TradeClass& tradeClass) {
    readJson(JsonTreeValue(json), tradeClass);
}

void to_json(Json& json, const TradeClassCategory& category) {
    JsonTreeWriter out(json);
    writeJson(out, category);
}

void from_json(const Json& json, TradeClassCategory& category) {
    readJson(JsonTreeValue(json), category);
}

void to_json(Json& json, const WorldTag& tag) {
    JsonTreeWriter out(json);
    writeJson(out, tag);
}

void from_json(const Json& json, WorldTag& tag) {
    readJson(JsonTreeValue(json), tag);
}

void to_json(Json& json, const WorldTagCategory& category) {
    JsonTreeWriter out(json);
    writeJson(out, category);
}

void from_json(const Json& json, WorldTagCategory& category) {
    readJson(JsonTreeValue(json), category);
}

void to_json(Json& json, const Race& race) {
    JsonTreeWriter out(json);
    writeJson(out, race);
}

void from_json(const Json& json, Race& race) {
    readJson(JsonTreeValue(json), race);
}

} // namespace velmora::core
