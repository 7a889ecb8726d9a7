#pragma once

// Shared by core's two readers built on simdjson; nothing outside core sees it.

#include <simdjson.h>

namespace velmora::core {

// The JSON name of an element's type, for error messages.
inline const char* simdjsonTypeName(simdjson::dom::element_type type) {
    using simdjson::dom::element_type;
    switch (type) {
    case element_type::ARRAY:
        return "array";
    case element_type::OBJECT:
        return "object";
    case element_type::INT64:
    case element_type::UINT64:
    case element_type::DOUBLE:
        return "number";
    case element_type::STRING:
        return "string";
    case element_type::BOOL:
        return "boolean";
    case element_type::NULL_VALUE:
        return "null";
    }
    return "unknown";
}

} // namespace velmora::core
