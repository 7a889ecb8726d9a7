#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::core {

// Writes JSON text straight into a string, laid out exactly as the JSON tree's
// dump(2) lays it out: two-space indentation, "key": value, numbers and escapes as
// that library writes them. A writer for the shared record rules
// (core/json_record_rules.h), for documents too large to build as a tree first.
// Keys must come in sorted order, as the rules write them; a key out of order is a
// programming error and throws std::logic_error rather than write a file that the
// tree would have ordered differently.
class JsonTextWriter {
public:
    // `indent` is the column the value starts at, for text that is pasted into a
    // larger document at that depth.
    explicit JsonTextWriter(std::string& out, int indent = 0);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view key);
    void value(int number);
    void value(std::int64_t number);
    void value(double number);
    void value(bool flag);
    void value(std::string_view text);

private:
    struct Level {
        bool object = false;
        bool empty = true;
        std::string lastKey;
    };

    void startValue();
    void newLine(std::size_t depth);

    std::string& m_out;
    int m_indent;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};

// `text` as a JSON string literal, quotes included, escaped as the JSON tree's dump
// escapes it: the short escapes for \b \t \n \f \r " and \\, \u00xx for the other
// control characters, and every other character as its UTF-8 bytes. Text that is
// not UTF-8 throws the tree's own error.
void appendJsonString(std::string& out, std::string_view text);

// A number as the JSON tree's dump writes it: the shortest text that reads back the
// same, always with a fraction or an exponent ("1.0", "0.95", "1e-07"), and "null"
// for infinities and NaN.
void appendJsonNumber(std::string& out, double number);

} // namespace velmora::core
