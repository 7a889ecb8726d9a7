#include "core/hex_json_reader.h"

#include "core/json_record_rules.h"
#include "core/json_support.h"
#include "core/simdjson_type_name.h"

#include <array>
#include <cstring>
#include <nlohmann/json.hpp>
#include <vector>

namespace velmora::core {

namespace {

namespace dom = simdjson::dom;

class ParsedFields;

// A parsed value for the shared record rules. Conversions follow the JSON tree's:
// any number (or a boolean) reads as an int, any number as a double, and when an
// object repeats a key the last one counts.
class ParsedValue {
public:
    explicit ParsedValue(dom::element element) : m_element(element) {}

    std::optional<ParsedValue> member(std::string_view key) const {
        if (m_element.type() != dom::element_type::OBJECT)
            return std::nullopt;
        std::optional<ParsedValue> found;
        for (const dom::key_value_pair field : dom::object(m_element)) {
            // Most names differ in length or first letter: no call to compare them.
            const std::string_view name = field.key;
            if (name.size() == key.size() && (key.empty() || name[0] == key[0]) && name == key)
                found.emplace(field.value);
        }
        return found;
    }
    ParsedFields fields() const;
    bool isNull() const { return m_element.type() == dom::element_type::NULL_VALUE; }
    bool isObject() const { return m_element.type() == dom::element_type::OBJECT; }
    bool isArray() const { return m_element.type() == dom::element_type::ARRAY; }
    bool isString() const { return m_element.type() == dom::element_type::STRING; }
    bool isBool() const { return m_element.type() == dom::element_type::BOOL; }

    int asInt() const {
        switch (m_element.type()) {
        case dom::element_type::INT64:
            return static_cast<int>(int64_t(m_element));
        case dom::element_type::UINT64:
            return static_cast<int>(uint64_t(m_element));
        case dom::element_type::DOUBLE: {
            const double number = double(m_element);
            if (!fitsInt(number))
                throw DecodeError("A number is out of range: " + simdjson::to_string(m_element));
            return static_cast<int>(number);
        }
        case dom::element_type::BOOL:
            return bool(m_element) ? 1 : 0;
        default:
            wrongType("number");
        }
    }
    double asDouble() const {
        switch (m_element.type()) {
        case dom::element_type::INT64:
            return static_cast<double>(int64_t(m_element));
        case dom::element_type::UINT64:
            return static_cast<double>(uint64_t(m_element));
        case dom::element_type::DOUBLE:
            return double(m_element);
        default:
            wrongType("number");
        }
    }
    bool asBool() const {
        if (m_element.type() != dom::element_type::BOOL)
            wrongType("boolean");
        return bool(m_element);
    }
    std::string_view asString() const {
        if (m_element.type() != dom::element_type::STRING)
            wrongType("string");
        return std::string_view(m_element);
    }
    std::size_t size() const { return isArray() ? dom::array(m_element).size() : 0; }
    template <typename Visit>
    void forEach(Visit&& visit) const {
        for (const dom::element element : dom::array(m_element))
            visit(ParsedValue(element));
    }
    // Written as the tree writes it, so that both readers keep the same text.
    std::string compactText() const {
        return nlohmann::json::parse(simdjson::to_string(m_element)).dump();
    }

private:
    [[noreturn]] void wrongType(const char* expected) const {
        throw DecodeError(std::string("Expected a ") + expected + ", found " +
                          simdjsonTypeName(m_element.type()));
    }

    dom::element m_element;
};

// An object's names and values gathered in one pass, for the two dozen look-ups a
// world's rules make: scanning the object afresh for each would cost more than
// parsing it. The last of repeated names counts, as in member().
class ParsedFields {
public:
    explicit ParsedFields(dom::element element) : m_element(element) {
        if (element.type() != dom::element_type::OBJECT)
            return;
        for (const dom::key_value_pair field : dom::object(element)) {
            if (m_count < m_fields.size())
                m_fields[m_count] = {field.key, field.value};
            ++m_count;
        }
    }

    std::optional<ParsedValue> member(std::string_view key) const {
        if (m_count > m_fields.size())
            return ParsedValue(m_element).member(key);
        for (std::size_t i = m_count; i-- > 0;) {
            const Field& field = m_fields[i];
            if (field.name.size() == key.size() && (key.empty() || field.name[0] == key[0]) &&
                field.name == key)
                return ParsedValue(field.value);
        }
        return std::nullopt;
    }

private:
    struct Field {
        std::string_view name;
        dom::element value;
    };
    dom::element m_element;
    std::array<Field, 32> m_fields;
    std::size_t m_count = 0;
};

ParsedFields ParsedValue::fields() const {
    return ParsedFields(m_element);
}

static_assert(JsonValueView<ParsedValue>);

} // namespace

struct HexJsonReader::Parser {
    dom::parser parser;
    std::vector<char> padded;

    dom::element parse(std::string_view text) {
        // The parser reads whole blocks past the end of the text, so it gets a copy
        // with room after it; one hex is a few kilobytes.
        if (padded.size() < text.size() + simdjson::SIMDJSON_PADDING)
            padded.resize(text.size() + text.size() / 2 + simdjson::SIMDJSON_PADDING);
        std::memcpy(padded.data(), text.data(), text.size());
        std::memset(padded.data() + text.size(), 0, simdjson::SIMDJSON_PADDING);
        dom::element root;
        if (const auto error = parser.parse(padded.data(), text.size(), false).get(root))
            throw DecodeError(std::string("Invalid JSON in a hex: ") +
                              simdjson::error_message(error));
        return root;
    }
};

HexJsonReader::HexJsonReader() : m_parser(std::make_unique<Parser>()) {}
HexJsonReader::~HexJsonReader() = default;

void HexJsonReader::read(std::string_view text, HexData& hex) {
    readJson(ParsedValue(m_parser->parse(text)), hex);
}

void HexJsonReader::check(std::string_view text) {
    (void)m_parser->parse(text);
}

} // namespace velmora::core
