#pragma once

// Reading the fields of records from a JsonDocument, with the checks the campaign
// and trade files want: a whole number that does not fit its field, a fraction where
// a count belongs or a text where a number belongs fails the document with a
// DecodeError naming the key, rather than reading as something else. A key whose
// value is null counts as missing.

#include "core/decode_error.h"
#include "core/json_document.h"
#include "core/uuid.h"

#include <cmath>
#include <concepts>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace velmora::core::json_fields {

[[noreturn]] inline void fail(const char* key, const char* problem) {
    throw DecodeError(std::string("\"") + key + "\" " + problem);
}

inline void requireObject(const JsonValue& value, const char* what) {
    if (!value.isObject())
        throw DecodeError(std::string(what) + " is not an object");
}

inline std::optional<JsonValue> present(const JsonValue& object, const char* key) {
    auto value = object.member(key);
    if (value && value->isNull())
        value.reset();
    return value;
}

inline JsonValue required(const JsonValue& object, const char* key) {
    auto value = object.member(key);
    if (!value)
        throw DecodeError(std::string("Missing key \"") + key + "\"");
    return *value;
}

template <std::signed_integral T>
T whole(const JsonValue& value, const char* key) {
    if (!value.isNumber())
        fail(key, "is not a number");
    const auto number = value.wholeNumber();
    if (!number) {
        const double real = value.asDouble();
        if (std::isfinite(real) && std::trunc(real) != real)
            fail(key, "is not a whole number");
        fail(key, "is out of range");
    }
    if (*number < std::numeric_limits<T>::min() || *number > std::numeric_limits<T>::max())
        fail(key, "is out of range");
    return static_cast<T>(*number);
}

template <std::signed_integral T>
T requiredWhole(const JsonValue& object, const char* key) {
    return whole<T>(required(object, key), key);
}

template <std::signed_integral T>
T wholeOr(const JsonValue& object, const char* key, T fallback) {
    const auto value = present(object, key);
    return value ? whole<T>(*value, key) : fallback;
}

inline double number(const JsonValue& value, const char* key) {
    if (!value.isNumber())
        fail(key, "is not a number");
    return value.asDouble();
}

inline double numberOr(const JsonValue& object, const char* key, double fallback) {
    const auto value = present(object, key);
    return value ? number(*value, key) : fallback;
}

inline bool flagOr(const JsonValue& object, const char* key, bool fallback) {
    const auto value = present(object, key);
    if (!value)
        return fallback;
    if (!value->isBool())
        fail(key, "is not true or false");
    return value->asBool();
}

inline std::string text(const JsonValue& value, const char* key) {
    if (!value.isString())
        fail(key, "is not a text");
    return std::string(value.asString());
}

inline std::string requiredText(const JsonValue& object, const char* key) {
    return text(required(object, key), key);
}

inline std::string textOr(const JsonValue& object, const char* key, std::string fallback) {
    const auto value = present(object, key);
    return value ? text(*value, key) : fallback;
}

inline std::optional<std::string> optionalText(const JsonValue& object, const char* key) {
    const auto value = present(object, key);
    if (!value)
        return std::nullopt;
    return text(*value, key);
}

inline Uuid uuid(const JsonValue& value, const char* key) {
    const std::string written = text(value, key);
    const auto parsed = Uuid::fromString(written);
    if (!parsed)
        throw DecodeError("Invalid UUID: " + written);
    return *parsed;
}

inline Uuid requiredUuid(const JsonValue& object, const char* key) {
    return uuid(required(object, key), key);
}

inline std::optional<Uuid> optionalUuid(const JsonValue& object, const char* key) {
    const auto value = present(object, key);
    if (!value)
        return std::nullopt;
    return uuid(*value, key);
}

// A missing or null list reads as empty; each element is read by `read(value, out)`.
template <typename T, typename Read>
void listOr(const JsonValue& object, const char* key, std::vector<T>& out, Read read) {
    out.clear();
    const auto list = present(object, key);
    if (!list)
        return;
    if (!list->isArray())
        fail(key, "is not a list");
    out.reserve(list->size());
    list->forEach([&](const JsonValue& element) { read(element, out.emplace_back()); });
}

} // namespace velmora::core::json_fields
