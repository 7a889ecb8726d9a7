#include "universe/starmap_label_json.h"

#include "core/core_json.h"
#include "core/json_support.h"
#include "universe/faction_color_json.h"
#include "universe/starmap_label.h"

namespace velmora::universe {

using core::Json;
using core::readRequired;

void to_json(Json& json, const StarmapLabel& label) {
    json = Json{
        {"id", label.id},
        {"text", label.text},
        {"size", label.size},
        {"color", label.color},
        {"angle", label.angle},
        {"position", label.position},
        {"category", label.category},
    };
}

void from_json(const Json& json, StarmapLabel& out) {
    StarmapLabel label;
    readRequired(json, "id", label.id);
    readRequired(json, "text", label.text);
    readRequired(json, "size", label.size);
    readRequired(json, "color", label.color);
    readRequired(json, "angle", label.angle);
    readRequired(json, "position", label.position);
    core::readOptional(json, "category", label.category);
    out = std::move(label);
}

} // namespace velmora::universe
