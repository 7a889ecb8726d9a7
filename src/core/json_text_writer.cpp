#include "core/json_text_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace velmora::core {

namespace {

constexpr std::size_t indentStep = 2;

// Characters that cannot be copied into a string literal as they are; bytes from
// 0x80 up are copied once the text around them is known to be UTF-8.
constexpr std::array<bool, 256> needsEscape = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c)
        table[static_cast<std::size_t>(c)] = true;
    table['"'] = true;
    table['\\'] = true;
    return table;
}();

// The length of the well-formed UTF-8 sequence at `at`, or 0: no overlong forms, no
// surrogates, nothing past U+10FFFF.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t left = text.size() - at;
    const auto continuation = [&](std::size_t i) { return (byte(at + i) & 0xC0) == 0x80; };
    if (lead >= 0xC2 && lead <= 0xDF)
        return left >= 2 && continuation(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !continuation(1) || !continuation(2))
            return 0;
        const unsigned char second = byte(at + 1);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F))
            return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !continuation(1) || !continuation(2) || !continuation(3))
            return 0;
        const unsigned char second = byte(at + 1);
        if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
            return 0;
        return 4;
    }
    return 0;
}

// No control character, quote, backslash or non-ASCII byte among the eight at `p`.
bool isPlainAscii(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t highs = 0x8080808080808080u;
    const auto hasZeroByte = [](std::uint64_t w) { return (w - ones) & ~w & highs; };
    const std::uint64_t below0x20 = (word - ones * 0x20) & ~word & highs;
    return ((word & highs) | below0x20 | hasZeroByte(word ^ (ones * '"')) |
            hasZeroByte(word ^ (ones * '\\'))) == 0;
}

void appendControl(std::string& out, unsigned char c) {
    switch (c) {
    case '\b':
        out.append("\\b");
        return;
    case '\t':
        out.append("\\t");
        return;
    case '\n':
        out.append("\\n");
        return;
    case '\f':
        out.append("\\f");
        return;
    case '\r':
        out.append("\\r");
        return;
    case '"':
        out.append("\\\"");
        return;
    case '\\':
        out.append("\\\\");
        return;
    default:
        break;
    }
    constexpr char digits[] = "0123456789abcdef";
    const char escaped[] = {'\\', 'u', '0', '0', digits[c >> 4], digits[c & 0xF]};
    out.append(escaped, sizeof escaped);
}

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out.push_back('"');
    std::size_t plainFrom = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        // Names, ids and notes are mostly plain ASCII: pass over eight such bytes at once.
        if (i + 8 <= text.size() && isPlainAscii(text.data() + i)) {
            i += 8;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (needsEscape[c]) {
                out.append(text.data() + plainFrom, i - plainFrom);
                appendControl(out, c);
                plainFrom = i + 1;
            }
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) {
            // Let the tree report the byte exactly as it always has.
            (void)nlohmann::json(std::string(text)).dump();
            throw std::invalid_argument("invalid UTF-8 in JSON text");
        }
        i += length;
    }
    out.append(text.data() + plainFrom, text.size() - plainFrom);
    out.push_back('"');
}

void appendJsonNumber(std::string& out, double number) {
    if (!std::isfinite(number)) {
        out.append("null");
        return;
    }
    std::array<char, 64> buffer;
    const char* end =
        nlohmann::detail::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    out.append(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

JsonTextWriter::JsonTextWriter(std::string& out, int indent) : m_out(out), m_indent(indent) {
    m_levels.reserve(8);
}

void JsonTextWriter::newLine(std::size_t depth) {
    m_out.push_back('\n');
    m_out.append(static_cast<std::size_t>(m_indent) + depth * indentStep, ' ');
}

void JsonTextWriter::startValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty())
        return;
    Level& level = m_levels.back();
    if (level.object)
        throw std::logic_error("JSON object value written without a key");
    if (!level.empty)
        m_out.push_back(',');
    level.empty = false;
    newLine(m_levels.size());
}

void JsonTextWriter::key(std::string_view key) {
    if (m_levels.empty() || !m_levels.back().object || m_afterKey)
        throw std::logic_error("JSON key written outside an object");
    Level& level = m_levels.back();
    if (!level.empty) {
        if (!(std::string_view(level.lastKey) < key))
            throw std::logic_error("JSON key out of order: " + std::string(key));
        m_out.push_back(',');
    }
    level.empty = false;
    level.lastKey = key;
    newLine(m_levels.size());
    appendJsonString(m_out, key);
    m_out.append(": ");
    m_afterKey = true;
}

void JsonTextWriter::beginObject() {
    startValue();
    m_out.push_back('{');
    m_levels.push_back({true, true, std::string()});
}

void JsonTextWriter::endObject() {
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty)
        newLine(m_levels.size());
    m_out.push_back('}');
}

void JsonTextWriter::beginArray() {
    startValue();
    m_out.push_back('[');
    m_levels.push_back({false, true, std::string()});
}

void JsonTextWriter::endArray() {
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty)
        newLine(m_levels.size());
    m_out.push_back(']');
}

void JsonTextWriter::value(int number) {
    startValue();
    std::array<char, 16> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    m_out.append(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
}

void JsonTextWriter::value(std::int64_t number) {
    startValue();
    std::array<char, 24> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    m_out.append(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
}

void JsonTextWriter::value(double number) {
    startValue();
    appendJsonNumber(m_out, number);
}

void JsonTextWriter::value(bool flag) {
    startValue();
    m_out.append(flag ? "true" : "false");
}

void JsonTextWriter::value(std::string_view text) {
    startValue();
    appendJsonString(m_out, text);
}

} // namespace velmora::core
