#include "trade/trade_json_support.h"

#include "core/json_record_rules.h"
#include "core/json_text_writer.h"

namespace velmora::trade::json_support {

core::GalacticCoordinates coordinates(const core::JsonValue& json, const char* key) {
    if (!json.isObject())
        core::json_fields::fail(key, "is not an object");
    core::GalacticCoordinates read;
    core::readJson(json, read);
    return read;
}

void member(core::JsonTextWriter& out, const char* key, int value) {
    out.key(key);
    out.value(value);
}

void member(core::JsonTextWriter& out, const char* key, bool value) {
    out.key(key);
    out.value(value);
}

void member(core::JsonTextWriter& out, const char* key, std::string_view value) {
    out.key(key);
    out.value(value);
}

void member(core::JsonTextWriter& out, const char* key, const core::GalacticCoordinates& value) {
    out.key(key);
    core::writeJson(out, value);
}

} // namespace velmora::trade::json_support
