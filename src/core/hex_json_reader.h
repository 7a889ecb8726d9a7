#pragma once

#include <memory>
#include <string_view>

namespace velmora::core {

struct HexData;

// Reads hexes from JSON text several times faster than the JSON tree can, for
// universes of tens of thousands of hexes. The rules are the same ones the tree's
// from_json uses (core/json_record_rules.h), so both read every file alike. One
// reader per thread; it keeps its buffers from one hex to the next.
class HexJsonReader {
public:
    HexJsonReader();
    ~HexJsonReader();
    HexJsonReader(const HexJsonReader&) = delete;
    HexJsonReader& operator=(const HexJsonReader&) = delete;

    // `text` holds exactly one JSON value. Text that is not JSON, not UTF-8, or not
    // a valid hex throws DecodeError with a description.
    void read(std::string_view text, HexData& hex);
    // Only checks that `text` holds exactly one JSON value, throwing DecodeError when not.
    void check(std::string_view text);

private:
    struct Parser;
    std::unique_ptr<Parser> m_parser;
};

} // namespace velmora::core
