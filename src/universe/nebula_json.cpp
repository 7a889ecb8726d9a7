#include "universe/nebula_json.h"

#include "core/core_json.h"
#include "core/json_support.h"
#include "universe/nebula.h"

namespace velmora::universe {

using core::Json;
using core::readRequired;

void to_json(Json& json, const Nebula& nebula) {
    json = Json{
        {"id", nebula.id}, {"name", nebula.name}, {"type", nebula.type}, {"hexes", nebula.hexes}};
}

void from_json(const Json& json, Nebula& out) {
    Nebula nebula;
    readRequired(json, "id", nebula.id);
    readRequired(json, "name", nebula.name);
    readRequired(json, "type", nebula.type);
    readRequired(json, "hexes", nebula.hexes);
    out = std::move(nebula);
}

void to_json(Json& json, const NebulaType& type) {
    json = core::enumToJson(type, nebulaTypeTable);
}

void from_json(const Json& json, NebulaType& type) {
    type = core::enumFromJson(json, nebulaTypeTable, "NebulaType");
}

} // namespace velmora::universe
