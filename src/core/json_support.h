#pragma once

// Helpers for the JSON readers and writers beside each record. Include only from
// *_json.cpp files: this pulls in the whole JSON library.

#include "core/decode_error.h"
#include "core/raw_value_table.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace velmora::core {

using Json = nlohmann::json;

// The value of an optional key, or the fallback when the key is missing or null.
template <typename T>
T valueOr(const Json& object, const char* key, T fallback) {
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return fallback;
    return it->template get<T>();
}

// Reads an optional key into `out`, leaving it as it is when the key is missing.
template <typename T>
void readOptional(const Json& object, const char* key, T& out) {
    const auto it = object.find(key);
    if (it != object.end() && !it->is_null())
        it->get_to(out);
}

// Reads a required key, failing the document with the key's name when it is missing.
template <typename T>
void readRequired(const Json& object, const char* key, T& out) {
    const auto it = object.find(key);
    if (it == object.end())
        throw DecodeError(std::string("Missing key \"") + key + "\"");
    it->get_to(out);
}

// Enumerations are written as their raw value texts.
template <typename Enum, std::size_t Count>
Json enumToJson(Enum value, const RawValueTable<Enum, Count>& table) {
    return Json(std::string(table.text(value)));
}

template <typename Enum, std::size_t Count>
Enum enumFromJson(const Json& json, const RawValueTable<Enum, Count>& table, const char* typeName) {
    const auto& text = json.get_ref<const std::string&>();
    if (const auto value = table.value(text))
        return *value;
    throw DecodeError(std::string("Unknown ") + typeName + " raw value: " + text);
}

} // namespace velmora::core
