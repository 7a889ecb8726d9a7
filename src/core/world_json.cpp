#include "core/world_json.h"

#include "core/json_record_rules.h"
#include "core/json_support.h"

namespace velmora::core {

// The rules live in json_record_rules.h, shared with the universe's fast reader and
// writer; these give them to the JSON tree.

void to_json(Json& json, const UWP& uwp) {
    JsonTreeWriter out(json);
    writeJson(out, uwp);
}

void from_json(const Json& json, UWP& uwp) {
    readJson(JsonTreeValue(json), uwp);
}

void to_json(Json& json, const WorldData& world) {
    JsonTreeWriter out(json);
    writeJson(out, world);
}

void from_json(const Json& json, WorldData& world) {
    readJson(JsonTreeValue(json), world);
}

void to_json(Json& json, const Star& star) {
    JsonTreeWriter out(json);
    writeJson(out, star);
}

void from_json(const Json& json, Star& star) {
    readJson(JsonTreeValue(json), star);
}

void to_json(Json& json, const StarSystem& system) {
    JsonTreeWriter out(json);
    writeJson(out, system);
}

void from_json(const Json& json, StarSystem& system) {
    readJson(JsonTreeValue(json), system);
}

void to_json(Json& json, const HexData& hex) {
    JsonTreeWriter out(json);
    writeJson(out, hex);
}

void from_json(const Json& json, HexData& hex) {
    readJson(JsonTreeValue(json), hex);
}

} // namespace velmora::core
