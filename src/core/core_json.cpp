#include "core/core_json.h"

#include "core/galactic_coordinates.h"
#include "core/json_support.h"
#include "core/technology_level.h"
#include "core/uuid.h"

namespace velmora::core {

void to_json(Json& json, const Uuid& uuid) {
    json = uuid.toString();
}

void from_json(const Json& json, Uuid& uuid) {
    const auto& text = json.get_ref<const std::string&>();
    const auto parsed = Uuid::fromString(text);
    if (!parsed)
        throw DecodeError("Invalid UUID: " + text);
    uuid = *parsed;
}

void to_json(Json& json, const GalacticCoordinates& c) {
    json = Json{{"sectorX", c.sectorX}, {"sectorY", c.sectorY}, {"column", c.column}, {"row", c.row}};
}

void from_json(const Json& json, GalacticCoordinates& c) {
    c.sectorX = valueOr(json, "sectorX", 0);
    c.sectorY = valueOr(json, "sectorY", 0);
    c.column = valueOr(json, "column", 0);
    c.row = valueOr(json, "row", 0);
}

void to_json(Json& json, const TechnologyLevel& level) {
    json = enumToJson(level, technologyLevelTable);
}

void from_json(const Json& json, TechnologyLevel& level) {
    level = enumFromJson(json, technologyLevelTable, "TechnologyLevel");
}

} // namespace velmora::core
