#include "core/decode_error.h"
#include "core/json_document.h"
#include "core/json_fields.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora::core;

TEST(JsonDocument, ReadsValuesAsTheTreeWouldAndRefusesBrokenText) {
    JsonDocument document;
    const JsonValue root = document.parse(R"({"a": 1, "b": [true, null, "x"], "a": 2.75})");
    ASSERT_TRUE(root.isObject());
    EXPECT_EQ(root.size(), 3u);
    // A repeated key: the last one counts.
    EXPECT_EQ(root.member("a")->asDouble(), 2.75);
    EXPECT_EQ(root.member("a")->asInt(), 2);
    EXPECT_FALSE(root.member("missing"));
    std::vector<std::string> seen;
    root.member("b")->forEach([&](const JsonValue& element) {
        seen.push_back(element.isBool() ? "bool" : element.isNull() ? "null" : "text");
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"bool", "null", "text"}));
    std::string names;
    root.forEachMember([&](std::string_view name, const JsonValue&) { names += name; });
    EXPECT_EQ(names, "aba");

    for (const char* broken : {"", "{", "[1,]", "{\"a\" 1}", "\"\xff\"", "1 2"})
        EXPECT_THROW(document.parse(broken), DecodeError) << broken;
    EXPECT_THROW(document.parse("\"text\"").asInt(), DecodeError);
    EXPECT_THROW(document.parse("1e300").asInt(), DecodeError);
}

TEST(JsonDocument, WholeNumbersAreExactOrNothing) {
    JsonDocument document;
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"12", 12},
        {"-12", -12},
        {"5.0", 5},
        {"5.5", std::nullopt},
        {"9223372036854775807", 9223372036854775807},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {"9223372036854775808", std::nullopt}, // read as an unsigned number
        {"9.3e18", std::nullopt},
        {"true", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(document.parse(text).wholeNumber(), expected) << text;
}

TEST(JsonFields, SayWhichKeyIsWrongAndHow) {
    JsonDocument document;
    const JsonValue record = document.parse(
        R"({"count": 3.5, "big": 3000000000, "word": 7, "flag": "yes", "gone": null})");
    const auto problem = [&](auto read) {
        try {
            read();
        } catch (const DecodeError& error) {
            return std::string(error.what());
        }
        return std::string("no problem");
    };
    using namespace json_fields;
    EXPECT_EQ(problem([&] { wholeOr(record, "count", 0); }), "\"count\" is not a whole number");
    EXPECT_EQ(problem([&] { wholeOr(record, "big", 0); }), "\"big\" is out of range");
    EXPECT_EQ(wholeOr<std::int64_t>(record, "big", 0), 3'000'000'000);
    EXPECT_EQ(problem([&] { wholeOr(record, "word", std::int64_t{0}); }), "no problem");
    EXPECT_EQ(problem([&] { textOr(record, "word", ""); }), "\"word\" is not a text");
    EXPECT_EQ(problem([&] { flagOr(record, "flag", false); }), "\"flag\" is not true or false");
    EXPECT_EQ(problem([&] { requiredText(record, "name"); }), "Missing key \"name\"");
    // Null is as good as missing.
    EXPECT_EQ(wholeOr(record, "gone", 4), 4);
}
