#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace velmora::core {

// One value of a JsonDocument. It reads as the shared record rules expect of a value
// view (core/json_record_rules.h), and as the readers of documents too large for
// the JSON tree need. A value is valid while its document lives and parses nothing
// else. Wrong types fail with DecodeError.
class JsonValue {
public:
    // The key's value; nothing when the key is missing or this is not an object.
    // When an object repeats a key the last one counts, as in the JSON tree.
    std::optional<JsonValue> member(std::string_view key) const;
    JsonValue fields() const { return *this; }
    bool isNull() const;
    bool isObject() const;
    bool isArray() const;
    bool isString() const;
    bool isBool() const;
    bool isNumber() const;
    // As the JSON tree converts: any number within an int (fractions dropped), or a
    // boolean as 0 or 1.
    int asInt() const;
    double asDouble() const;
    bool asBool() const;
    std::string_view asString() const;
    // The number as a whole 64-bit number, when it is one: an integer within range,
    // or a float without a fraction ("5.0"). Nothing for anything else.
    std::optional<std::int64_t> wholeNumber() const;
    // The elements of an array, or the members of an object.
    std::size_t size() const;
    template <typename Visit>
    void forEach(Visit&& visit) const {
        visitElements(
            [](void* context, const JsonValue& element) {
                (*static_cast<std::remove_reference_t<Visit>*>(context))(element);
            },
            &visit);
    }
    // The members of an object in the order written: visit(name, value).
    template <typename Visit>
    void forEachMember(Visit&& visit) const {
        visitMembers(
            [](void* context, std::string_view name, const JsonValue& value) {
                (*static_cast<std::remove_reference_t<Visit>*>(context))(name, value);
            },
            &visit);
    }
    std::string compactText() const;

private:
    friend class JsonDocument;
    JsonValue() = default;
    void visitElements(void (*visit)(void*, const JsonValue&), void* context) const;
    void visitMembers(void (*visit)(void*, std::string_view, const JsonValue&),
                      void* context) const;

    // The parser's own handle on the value, kept by value so that this header
    // does not pull in the parser.
    alignas(8) std::array<std::byte, 16> m_element{};
};

// JSON text parsed several times faster than the JSON tree parses it, for documents
// of megabytes. Parsing again invalidates the values of the last parse.
class JsonDocument {
public:
    JsonDocument();
    ~JsonDocument();
    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;

    // The document's value. Text that is not exactly one JSON value, or not UTF-8,
    // throws DecodeError with the parser's description.
    JsonValue parse(std::string_view text);

private:
    struct Parser;
    std::unique_ptr<Parser> m_parser;
};

} // namespace velmora::core
