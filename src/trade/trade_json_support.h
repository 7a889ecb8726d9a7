#pragma once

// The small readers and writers the trade records' JSON files share. Include only
// from *_json.cpp files in trade.

#include "core/decode_error.h"
#include "core/galactic_coordinates.h"
#include "core/json_fields.h"

#include <string>
#include <string_view>

namespace velmora::core {
class JsonTextWriter;
}

namespace velmora::trade::json_support {

// The coordinates under `key`, which must be an object.
core::GalacticCoordinates coordinates(const core::JsonValue& json, const char* key);

// The code a raw value under `key` names in `table`; an unknown raw value fails
// the document naming the code's type.
template <typename Table>
auto code(const core::JsonValue& object, const char* key, const Table& table, const char* type) {
    const std::string written = core::json_fields::requiredText(object, key);
    const auto known = table.value(written);
    if (!known)
        throw core::DecodeError(std::string("Unknown ") + type + " raw value: " + written);
    return *known;
}

void member(core::JsonTextWriter& out, const char* key, int value);
void member(core::JsonTextWriter& out, const char* key, bool value);
void member(core::JsonTextWriter& out, const char* key, std::string_view value);
void member(core::JsonTextWriter& out, const char* key, const core::GalacticCoordinates& value);

} // namespace velmora::trade::json_support
