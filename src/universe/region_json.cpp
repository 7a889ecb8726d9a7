#include "universe/region_json.h"

#include "core/core_json.h"
#include "core/json_support.h"
#include "universe/faction_color_json.h"
#include "universe/region.h"

namespace velmora::universe {

using core::Json;
using core::readRequired;

void to_json(Json& json, const Region& region) {
    json = Json{
        {"id", region.id},           {"name", region.name},     {"color", region.color},
        {"anchors", region.anchors}, {"closed", region.closed},
    };
    if (region.labelCoordinates)
        json["labelCoordinates"] = *region.labelCoordinates;
}

void from_json(const Json& json, Region& out) {
    // Sector files carry regions as JSON too.
    core::refuseNumbersBeyondInt(json);
    Region region;
    readRequired(json, "id", region.id);
    readRequired(json, "name", region.name);
    readRequired(json, "color", region.color);
    readRequired(json, "anchors", region.anchors);
    readRequired(json, "closed", region.closed);
    if (const auto it = json.find("labelCoordinates"); it != json.end() && !it->is_null())
        region.labelCoordinates = it->get<core::GalacticCoordinates>();
    out = std::move(region);
}

void to_json(Json& json, const RegionAnchor& anchor) {
    json = Json{{"hex", anchor.hex}, {"corner", anchor.corner}};
}

void from_json(const Json& json, RegionAnchor& out) {
    RegionAnchor anchor;
    readRequired(json, "hex", anchor.hex);
    readRequired(json, "corner", anchor.corner);
    out = anchor;
}

} // namespace velmora::universe
