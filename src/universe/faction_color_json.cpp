#include "universe/faction_color_json.h"

#include "core/json_support.h"
#include "universe/faction_color.h"

namespace velmora::universe {

void to_json(core::Json& json, const FactionColor& color) {
    json = core::enumToJson(color, factionColorTable);
}

void from_json(const core::Json& json, FactionColor& color) {
    color = core::enumFromJson(json, factionColorTable, "FactionColor");
}

} // namespace velmora::universe
