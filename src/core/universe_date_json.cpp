#include "core/universe_date_json.h"

#include "core/json_fields.h"
#include "core/json_text_writer.h"
#include "core/json_tree_bridge.h"
#include "core/universe_date.h"

namespace velmora::core {

void readJson(const JsonValue& json, UniverseDate& out) {
    using namespace json_fields;
    requireObject(json, "A date");
    UniverseDate date;
    date.id = requiredUuid(json, "id");
    date.day = requiredWhole<int>(json, "day");
    date.year = requiredWhole<int>(json, "year");
    date.hour = requiredWhole<int>(json, "hour");
    date.minute = requiredWhole<int>(json, "minute");
    out = date;
}

void writeJson(JsonTextWriter& out, const UniverseDate& date) {
    out.beginObject();
    out.key("day");
    out.value(date.day);
    out.key("hour");
    out.value(date.hour);
    out.key("id");
    out.value(date.id.toString());
    out.key("minute");
    out.value(date.minute);
    out.key("year");
    out.value(date.year);
    out.endObject();
}

void to_json(Json& json, const UniverseDate& date) {
    recordToTree(json, date);
}

void from_json(const Json& json, UniverseDate& date) {
    recordFromTree(json, date);
}

} // namespace velmora::core
