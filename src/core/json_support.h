#pragma once

// Helpers for the JSON readers and writers beside each record. Include only from
// *_json.cpp files: this pulls in the whole JSON library.

#include "core/decode_error.h"
#include "core/raw_value_table.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::core {

using Json = nlohmann::json;

// Whether a JSON number converts to an int. Beyond an int's range the conversion
// is undefined, and no count, code or coordinate in these files is that large.
constexpr bool fitsInt(double number) {
    return number > static_cast<double>(std::numeric_limits<int>::min()) - 1.0 &&
           number < static_cast<double>(std::numeric_limits<int>::max()) + 1.0;
}

// Refuses a value holding a number too large for an int anywhere within it: the
// records read their counts, ratings and coordinates as ints, and the tree
// converts a larger number undefined. Their few fractions are never that large.
inline void refuseNumbersBeyondInt(const Json& value) {
    std::vector<const Json*> pending{&value};
    while (!pending.empty()) {
        const Json& next = *pending.back();
        pending.pop_back();
        if (next.is_number_float() && !fitsInt(next.get<double>()))
            throw DecodeError("A number is out of range");
        if (next.is_structured()) {
            for (const Json& element : next)
                pending.push_back(&element);
        }
    }
}

// A read-only view of a JSON tree value for the shared record rules
// (core/json_record_rules.h). Wrong types fail with the library's own type errors.
class JsonTreeValue {
public:
    explicit JsonTreeValue(const Json& json) : m_json(&json) {}

    std::optional<JsonTreeValue> member(std::string_view key) const {
        if (!m_json->is_object())
            return std::nullopt;
        const auto it = m_json->find(key);
        if (it == m_json->end())
            return std::nullopt;
        return JsonTreeValue(*it);
    }
    // The tree's objects are already indexed by key.
    JsonTreeValue fields() const { return *this; }
    bool isNull() const { return m_json->is_null(); }
    bool isObject() const { return m_json->is_object(); }
    bool isArray() const { return m_json->is_array(); }
    bool isString() const { return m_json->is_string(); }
    bool isBool() const { return m_json->is_boolean(); }
    int asInt() const { return m_json->get<int>(); }
    double asDouble() const { return m_json->get<double>(); }
    bool asBool() const { return m_json->get<bool>(); }
    const std::string& asString() const { return m_json->get_ref<const std::string&>(); }
    std::size_t size() const { return m_json->size(); }
    template <typename Visit>
    void forEach(Visit&& visit) const {
        for (const Json& element : *m_json)
            visit(JsonTreeValue(element));
    }
    std::string compactText() const { return m_json->dump(); }

private:
    const Json* m_json;
};

// Builds a JSON tree from the shared record rules' writer calls.
class JsonTreeWriter {
public:
    explicit JsonTreeWriter(Json& root) : m_root(root) {}

    void beginObject() { m_open.push_back(&place(Json::object())); }
    void endObject() { m_open.pop_back(); }
    void beginArray() { m_open.push_back(&place(Json::array())); }
    void endArray() { m_open.pop_back(); }
    void key(std::string_view key) { m_key = key; }
    void value(int number) { place(Json(number)); }
    void value(double number) { place(Json(number)); }
    void value(bool flag) { place(Json(flag)); }
    void value(std::string_view text) { place(Json(text)); }

private:
    Json& place(Json&& value) {
        if (m_open.empty()) {
            m_root = std::move(value);
            return m_root;
        }
        Json& parent = *m_open.back();
        if (parent.is_array()) {
            auto& elements = parent.get_ref<Json::array_t&>();
            return elements.emplace_back(std::move(value));
        }
        auto& object = parent.get_ref<Json::object_t&>();
        return object.insert_or_assign(std::move(m_key), std::move(value)).first->second;
    }

    Json& m_root;
    std::vector<Json*> m_open;
    std::string m_key;
};

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
