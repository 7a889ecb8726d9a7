#include "core/json_document.h"

#include "core/decode_error.h"
#include "core/simdjson_type_name.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace velmora::core {

namespace {

namespace dom = simdjson::dom;

static_assert(sizeof(dom::element) <= 16 && alignof(dom::element) <= 8 &&
              std::is_trivially_copyable_v<dom::element>);

dom::element elementOf(const std::array<std::byte, 16>& storage) {
    dom::element element;
    std::memcpy(static_cast<void*>(&element), storage.data(), sizeof element);
    return element;
}

[[noreturn]] void wrongType(dom::element element, const char* expected) {
    throw DecodeError(std::string("Expected a ") + expected + ", found " +
                      simdjsonTypeName(element.type()));
}

} // namespace

struct JsonDocument::Parser {
    dom::parser parser;
    std::vector<char> padded;
};

JsonDocument::JsonDocument() : m_parser(std::make_unique<Parser>()) {}
JsonDocument::~JsonDocument() = default;

JsonValue JsonDocument::parse(std::string_view text) {
    // The parser reads whole blocks past the end of the text, so it gets a copy
    // with room after it.
    auto& padded = m_parser->padded;
    if (padded.size() < text.size() + simdjson::SIMDJSON_PADDING)
        padded.resize(text.size() + simdjson::SIMDJSON_PADDING);
    std::memcpy(padded.data(), text.data(), text.size());
    std::memset(padded.data() + text.size(), 0, simdjson::SIMDJSON_PADDING);
    dom::element root;
    if (const auto error = m_parser->parser.parse(padded.data(), text.size(), false).get(root))
        throw DecodeError(std::string("Invalid JSON: ") + simdjson::error_message(error));
    JsonValue value;
    std::memcpy(value.m_element.data(), static_cast<const void*>(&root), sizeof root);
    return value;
}

std::optional<JsonValue> JsonValue::member(std::string_view key) const {
    const dom::element element = elementOf(m_element);
    if (element.type() != dom::element_type::OBJECT)
        return std::nullopt;
    std::optional<JsonValue> found;
    for (const dom::key_value_pair field : dom::object(element)) {
        const std::string_view name = field.key;
        if (name.size() == key.size() && name == key) {
            found.emplace(JsonValue());
            std::memcpy(found->m_element.data(), static_cast<const void*>(&field.value),
                        sizeof field.value);
        }
    }
    return found;
}

bool JsonValue::isNull() const {
    return elementOf(m_element).type() == dom::element_type::NULL_VALUE;
}
bool JsonValue::isObject() const {
    return elementOf(m_element).type() == dom::element_type::OBJECT;
}
bool JsonValue::isArray() const {
    return elementOf(m_element).type() == dom::element_type::ARRAY;
}
bool JsonValue::isString() const {
    return elementOf(m_element).type() == dom::element_type::STRING;
}
bool JsonValue::isBool() const {
    return elementOf(m_element).type() == dom::element_type::BOOL;
}
bool JsonValue::isNumber() const {
    const auto type = elementOf(m_element).type();
    return type == dom::element_type::INT64 || type == dom::element_type::UINT64 ||
           type == dom::element_type::DOUBLE;
}

int JsonValue::asInt() const {
    const dom::element element = elementOf(m_element);
    switch (element.type()) {
    case dom::element_type::INT64:
        return static_cast<int>(int64_t(element));
    case dom::element_type::UINT64:
        return static_cast<int>(uint64_t(element));
    case dom::element_type::DOUBLE: {
        const double number = double(element);
        if (!(number > static_cast<double>(std::numeric_limits<int>::min()) - 1.0 &&
              number < static_cast<double>(std::numeric_limits<int>::max()) + 1.0))
            throw DecodeError("A number is out of range: " + simdjson::to_string(element));
        return static_cast<int>(number);
    }
    case dom::element_type::BOOL:
        return bool(element) ? 1 : 0;
    default:
        wrongType(element, "number");
    }
}

double JsonValue::asDouble() const {
    const dom::element element = elementOf(m_element);
    switch (element.type()) {
    case dom::element_type::INT64:
        return static_cast<double>(int64_t(element));
    case dom::element_type::UINT64:
        return static_cast<double>(uint64_t(element));
    case dom::element_type::DOUBLE:
        return double(element);
    default:
        wrongType(element, "number");
    }
}

bool JsonValue::asBool() const {
    const dom::element element = elementOf(m_element);
    if (element.type() != dom::element_type::BOOL)
        wrongType(element, "boolean");
    return bool(element);
}

std::string_view JsonValue::asString() const {
    const dom::element element = elementOf(m_element);
    if (element.type() != dom::element_type::STRING)
        wrongType(element, "string");
    return std::string_view(element);
}

std::optional<std::int64_t> JsonValue::wholeNumber() const {
    const dom::element element = elementOf(m_element);
    switch (element.type()) {
    case dom::element_type::INT64:
        return int64_t(element);
    case dom::element_type::UINT64: {
        const std::uint64_t number = uint64_t(element);
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return std::nullopt;
        return static_cast<std::int64_t>(number);
    }
    case dom::element_type::DOUBLE: {
        const double number = double(element);
        // -2^63 is exact as a double, and so is 2^63, the first value past the top.
        constexpr double lowest = -9223372036854775808.0;
        if (!(number >= lowest && number < -lowest) || std::trunc(number) != number)
            return std::nullopt;
        return static_cast<std::int64_t>(number);
    }
    default:
        return std::nullopt;
    }
}

std::size_t JsonValue::size() const {
    const dom::element element = elementOf(m_element);
    if (element.type() == dom::element_type::ARRAY)
        return dom::array(element).size();
    if (element.type() == dom::element_type::OBJECT)
        return dom::object(element).size();
    return 0;
}

void JsonValue::visitElements(void (*visit)(void*, const JsonValue&), void* context) const {
    const dom::element element = elementOf(m_element);
    if (element.type() != dom::element_type::ARRAY)
        wrongType(element, "list");
    JsonValue value;
    for (const dom::element item : dom::array(element)) {
        std::memcpy(value.m_element.data(), static_cast<const void*>(&item), sizeof item);
        visit(context, value);
    }
}

void JsonValue::visitMembers(void (*visit)(void*, std::string_view, const JsonValue&),
                             void* context) const {
    const dom::element element = elementOf(m_element);
    if (element.type() != dom::element_type::OBJECT)
        wrongType(element, "object");
    JsonValue value;
    for (const dom::key_value_pair field : dom::object(element)) {
        std::memcpy(value.m_element.data(), static_cast<const void*>(&field.value),
                    sizeof field.value);
        visit(context, field.key, value);
    }
}

std::string JsonValue::compactText() const {
    return simdjson::to_string(elementOf(m_element));
}

} // namespace velmora::core
