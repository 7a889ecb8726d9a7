#include "core/hex_data.h"
#include "core/json_record_rules.h"
#include "core/json_support.h"
#include "core/json_text_writer.h"
#include "core/world_json.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>
#include <string>

using namespace velmora::core;
using velmora::testing::TemporaryFolder;

namespace {

std::string written(const auto& record, int indent = 0) {
    std::string text;
    JsonTextWriter out(text, indent);
    writeJson(out, record);
    return text;
}

// Strings that need every kind of escape, and the characters the tree writes as they are.
const std::string trickyTexts[] = {
    "",
    "plain ASCII, long enough to pass the eight-byte fast path twice over",
    "quote \" and backslash \\ and slash /",
    "\b\f\n\r\t",
    std::string("nul \0 inside", 12),
    "\x01\x02\x1e\x1f controls",
    "delete \x7f is copied",
    "Régina, Ço, naïve, Æsir",
    "日本語のテキスト",
    "emoji \xF0\x9F\x9A\x80 and \xF0\x9F\x98\x80!",
    "edges: \xC2\x80 \xDF\xBF \xE0\xA0\x80 \xEF\xBF\xBF \xF0\x90\x80\x80 \xF4\x8F\xBF\xBF",
    "12345678\"12345678\\12345678\n",
    "tab\tin the middle of eight",
};

} // namespace

TEST(JsonTextWriter, StringsAreEscapedExactlyAsTheTreeEscapesThem) {
    for (const std::string& text : trickyTexts) {
        std::string ours;
        appendJsonString(ours, text);
        EXPECT_EQ(ours, Json(text).dump()) << text;
        // And inside a document, as a key and as a value.
        std::string document;
        JsonTextWriter out(document);
        out.beginObject();
        out.key(text);
        out.value(std::string_view(text));
        out.endObject();
        EXPECT_EQ(document, Json({{text, text}}).dump(2)) << text;
    }
}

TEST(JsonTextWriter, TextThatIsNotUtf8FailsAsTheTreeFails) {
    const std::string broken[] = {
        "\xff",
        "lone continuation \x80",
        "cut short \xE6\x97",
        "overlong \xC0\xAF",
        "surrogate \xED\xA0\x80",
        "past U+10FFFF \xF4\x90\x80\x80",
        "12345678\xC3",
    };
    for (const std::string& text : broken) {
        std::string ours;
        EXPECT_THROW(appendJsonString(ours, text), Json::type_error) << text;
        EXPECT_THROW((void)Json(text).dump(), Json::type_error) << text;
    }
}

TEST(JsonTextWriter, NumbersAreWrittenExactlyAsTheTreeWritesThem) {
    const double doubles[] = {
        0.95,
        1e-7,
        1.0,
        0.0,
        -0.0,
        1.36,
        0.1,
        1.0 / 3.0,
        2.5,
        -120.0,
        48.5,
        1e15,
        1e16,
        1e17,
        123456789012345678.0,
        1.7976931348623157e308,
        5e-324,
        2.2250738585072014e-308,
        0.0001,
        0.00001,
        9007199254740993.0,
        3.14159e-5,
        -7.25e21,
        100.0,
        1e21,
        1e22,
    };
    for (const double number : doubles) {
        std::string ours;
        JsonTextWriter(ours).value(number);
        EXPECT_EQ(ours, Json(number).dump()) << number;
    }
    const double unwritable[] = {std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN()};
    for (const double number : unwritable) {
        std::string ours;
        appendJsonNumber(ours, number);
        EXPECT_EQ(ours, "null");
        EXPECT_EQ(ours, Json(number).dump());
    }
    const int integers[] = {
        0, -1, 7, 8766, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    for (const int number : integers) {
        std::string ours;
        JsonTextWriter(ours).value(number);
        EXPECT_EQ(ours, Json(number).dump()) << number;
    }
}

TEST(JsonTextWriter, RecordsMatchTheTreesIndentedDump) {
    HexData hex = velmora::testing::sampleHex();
    WorldData& main = hex.starSystem.stars[0].worlds[0];
    main.name = trickyTexts[9];
    main.notes = trickyTexts[3] + trickyTexts[2] + trickyTexts[5];
    main.image = trickyTexts[8];
    main.uwp.density = 1e-7;
    main.prevalentRace = Race::custom("Grél \"the\" elder");
    hex.starSystem.stars[1].mass = 1.0;
    hex.starSystem.stars[1].worlds.clear(); // an empty list
    hex.notes = trickyTexts[10];

    EXPECT_EQ(written(hex), Json(hex).dump(2));
    EXPECT_EQ(written(main), Json(main).dump(2));
    EXPECT_EQ(written(main.uwp), Json(main.uwp).dump(2));
    EXPECT_EQ(written(hex.coordinates), Json(hex.coordinates).dump(2));

    // Pasted into a document at a depth, every line but the first is indented further.
    std::string nested = Json(hex).dump(2);
    std::string expected;
    for (const char c : nested) {
        expected.push_back(c);
        if (c == '\n')
            expected.append("    ");
    }
    EXPECT_EQ(written(hex, 4), expected);
}

TEST(JsonTextWriter, WrittenFileReadsBackAsTheSameRecord) {
    const TemporaryFolder folder;
    HexData hex = velmora::testing::sampleHex();
    hex.starSystem.name = trickyTexts[4] + trickyTexts[7];
    folder.write("hex.json", written(hex));
    EXPECT_EQ(Json::parse(folder.read("hex.json")).get<HexData>(), hex);
}

TEST(JsonTextWriter, MisuseIsRefusedRatherThanWrittenWrong) {
    struct Case {
        const char* what;
        void (*steps)(JsonTextWriter&);
    };
    const Case cases[] = {
        {"keys out of order",
         [](JsonTextWriter& out) {
             out.beginObject();
             out.key("name");
             out.value(1);
             out.key("id");
         }},
        {"a key given twice",
         [](JsonTextWriter& out) {
             out.beginObject();
             out.key("id");
             out.value(1);
             out.key("id");
         }},
        {"an object value without a key",
         [](JsonTextWriter& out) {
             out.beginObject();
             out.value(1);
         }},
        {"a key in an array",
         [](JsonTextWriter& out) {
             out.beginArray();
             out.key("id");
         }},
    };
    for (const Case& c : cases) {
        std::string text;
        JsonTextWriter out(text);
        EXPECT_THROW(c.steps(out), std::logic_error) << c.what;
    }
}
