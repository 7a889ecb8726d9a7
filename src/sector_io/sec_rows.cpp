#include "sector_io/sec_rows.h"

#include "sector_io/sec_text.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

namespace velmora::sector_io {

namespace {

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return pieces;
}

// Tokens of a fixed-column line. A tab counts as a space: hand-edited files mix
// them, and a tab is never part of a code.
std::vector<std::string_view> tokens(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && text[at] != ' ' && text[at] != '\t')
            ++at;
        if (at > start)
            result.push_back(text.substr(start, at - start));
    }
    return result;
}

std::string joined(const std::vector<std::string_view>& pieces, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to && i < pieces.size(); ++i) {
        if (!text.empty())
            text += ' ';
        text += pieces[i];
    }
    return text;
}

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    });
    return result;
}

// Where the four-digit hex stands in a legacy line: at the start, or the first run
// of exactly four digits further on.
std::optional<std::size_t> hexPosition(std::string_view line) {
    const auto digit = [&](std::size_t i) { return i < line.size() && isAsciiDigit(line[i]); };
    if (digit(0) && digit(1) && digit(2) && digit(3) && !digit(4))
        return 0;
    for (std::size_t end = 5; end <= line.size(); ++end) {
        const std::size_t start = end - 4;
        if (digit(start) && digit(start + 1) && digit(start + 2) && digit(start + 3) &&
            !digit(start - 1) && !digit(end))
            return start;
    }
    return std::nullopt;
}

bool isThreeDigits(std::string_view token) {
    return token.size() == 3 && std::all_of(token.begin(), token.end(), isAsciiDigit);
}

} // namespace

std::string_view rowValue(const SecRow& row, std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        if (const auto it = row.find(name); it != row.end() && !it->second.empty())
            return it->second;
    }
    return {};
}

bool isTabDelimited(std::string_view text) {
    for (const std::string_view line : nonEmptyLines(text)) {
        if (line.starts_with('#'))
            continue;
        return line.find('\t') != std::string_view::npos &&
               upper(line).find("HEX") != std::string::npos;
    }
    return false;
}

std::vector<SecRow> secRows(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return isTabDelimited(text) ? tabDelimitedRows(text) : legacyRows(text);
}

std::vector<SecRow> tabDelimitedRows(std::string_view text) {
    std::string unwrapped;
    if (trimmed(text).starts_with('"')) {
        try {
            unwrapped = nlohmann::json::parse(trimmed(text)).get<std::string>();
            text = unwrapped;
        } catch (const nlohmann::json::exception&) {
            // Not a JSON string after all: read the text as it came.
        }
    }
    std::vector<SecRow> rows;
    std::vector<std::string_view> header;
    bool haveHeader = false;
    for (const std::string_view line : nonEmptyLines(text)) {
        if (line.starts_with('#'))
            continue;
        const auto fields = splitAt(line, '\t');
        if (!haveHeader) {
            header = fields;
            haveHeader = true;
            continue;
        }
        SecRow row;
        const std::size_t count = std::min(header.size(), fields.size());
        for (std::size_t i = 0; i < count; ++i)
            row.insert_or_assign(std::string(header[i]), std::string(fields[i]));
        rows.push_back(std::move(row));
    }
    return rows;
}

SecRow legacyRow(std::string_view line) {
    if (line.empty() || line.starts_with('#') || line.starts_with('$') || line.size() < 4)
        return {};
    const auto hexAt = hexPosition(line);
    if (!hexAt)
        return {};
    std::vector<std::string_view> parts = tokens(line.substr(*hexAt + 4));
    if (parts.empty())
        return {};

    const std::string_view uwp = parts.front();
    if (uwp.size() < 7 || std::any_of(uwp.begin(), uwp.end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return {};
    std::size_t next = 1;
    std::string_view bases;
    if (next < parts.size() && parts[next].size() == 1)
        bases = parts[next++];

    std::size_t pbgAt = next;
    while (pbgAt < parts.size() && !isThreeDigits(parts[pbgAt]))
        ++pbgAt;
    if (pbgAt == parts.size())
        return {};
    std::size_t remarksEnd = pbgAt;
    std::string_view zone;
    if (remarksEnd > next && parts[remarksEnd - 1].size() == 1)
        zone = parts[--remarksEnd];

    SecRow row;
    row["Name"] = std::string(trimmed(line.substr(0, *hexAt)));
    row["Hex"] = std::string(line.substr(*hexAt, 4));
    row["UWP"] = std::string(uwp);
    row["Bases"] = std::string(bases);
    row["Remarks"] = joined(parts, next, remarksEnd);
    row["Zone"] = std::string(zone);
    row["PBG"] = std::string(parts[pbgAt]);
    row["Allegiance"] = pbgAt + 1 < parts.size() ? std::string(parts[pbgAt + 1]) : std::string();
    row["Stars"] = joined(parts, pbgAt + 2, parts.size());
    return row;
}

std::vector<SecRow> legacyRows(std::string_view text) {
    std::vector<SecRow> rows;
    for (const std::string_view line : splitLines(text)) {
        SecRow row = legacyRow(line);
        if (!row.empty())
            rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace velmora::sector_io
