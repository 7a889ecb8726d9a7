#include "core/core_json.h"

#include "core/json_record_rules.h"
#include "core/json_support.h"

namespace velmora::core {

void to_json(Json& json, const Uuid& uuid) {
    JsonTreeWriter out(json);
    writeJson(out, uuid);
}

void from_json(const Json& json, Uuid& uuid) {
    readJson(JsonTreeValue(json), uuid);
}

void to_json(Json& json, const GalacticCoordinates& coordinates) {
    JsonTreeWriter out(json);
    writeJson(out, coordinates);
}

void from_json(const Json& json, GalacticCoordinates& coordinates) {
    readJson(JsonTreeValue(json), coordinates);
}

void to_json(Json& json, const TechnologyLevel& level) {
    JsonTreeWriter out(json);
    writeJson(out, level);
}

void from_json(const Json& json, TechnologyLevel& level) {
    readJson(JsonTreeValue(json), level);
}

} // namespace velmora::core
