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

// Where the four-digit hex stands in a legacy line, searching from `from`: at the
// start, or the first run of exactly four digits further on.
std::optional<std::size_t> hexPosition(std::string_view line, std::size_t from = 0) {
    const auto digit = [&](std::size_t i) { return i < line.size() && isAsciiDigit(line[i]); };
    if (from == 0 && digit(0) && digit(1) && digit(2) && digit(3) && !digit(4))
        return 0;
    for (std::size_t end = std::max<std::size_t>(from + 4, 5); end <= line.size(); ++end) {
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

namespace {

bool isLegacyComment(std::string_view line) {
    return line.starts_with('#') || line.starts_with('$');
}

// The row the line gives with its hex at `hexAt`; empty when it gives none.
SecRow legacyRowAt(std::string_view line, std::size_t hexAt) {
    std::vector<std::string_view> parts = tokens(line.substr(hexAt + 4));
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

    const std::string_view hex = line.substr(hexAt, 4);
    const std::string_view name = trimmed(line.substr(0, hexAt));
    SecRow row;
    row["Name"] = name == hex ? std::string() : std::string(name);
    row["Hex"] = std::string(hex);
    row["UWP"] = std::string(uwp);
    row["Bases"] = std::string(bases);
    row["Remarks"] = joined(parts, next, remarksEnd);
    row["Zone"] = std::string(zone);
    row["PBG"] = std::string(parts[pbgAt]);
    row["Allegiance"] = pbgAt + 1 < parts.size() ? std::string(parts[pbgAt + 1]) : std::string();
    row["Stars"] = joined(parts, pbgAt + 2, parts.size());
    return row;
}

// The Second Survey's column names as the tab flavour spells them.
std::string tabColumnName(std::string_view name) {
    static constexpr std::pair<std::string_view, std::string_view> renamed[] = {
        {"B", "Bases"}, {"Z", "Zone"}, {"A", "Allegiance"}, {"Stellar", "Stars"}, {"N", "Nobility"},
    };
    for (const auto& [from, to] : renamed) {
        if (name == from)
            return std::string(to);
    }
    return std::string(name);
}

struct ColumnSpan {
    std::size_t start = 0;
    std::size_t end = 0; // one past the last character; the last column runs to the line's end
};

// The runs of dashes of a ruler line, or nothing when the line is not one.
std::vector<ColumnSpan> rulerSpans(std::string_view line) {
    const std::size_t last = line.find_last_not_of(" \t\r");
    if (last == std::string_view::npos)
        return {};
    line = line.substr(0, last + 1);
    if (line.find('-') == std::string_view::npos ||
        line.find_first_not_of("- ") != std::string_view::npos)
        return {};
    std::vector<ColumnSpan> spans;
    for (std::size_t at = 0; at < line.size();) {
        if (line[at] != '-') {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < line.size() && line[at] == '-')
            ++at;
        spans.push_back({start, at});
    }
    return spans;
}

// The text of one column of a line, counted in characters; a lone "-" marks an
// empty column.
std::string columnText(const std::u32string& line, const ColumnSpan& span, bool last) {
    if (span.start >= line.size())
        return {};
    const std::size_t end = last ? line.size() : std::min(span.end, line.size());
    std::string text(
        trimmed(toUtf8(std::u32string_view(line).substr(span.start, end - span.start))));
    return text == "-" ? std::string() : text;
}

} // namespace

SecRow legacyRow(std::string_view line) {
    if (line.empty() || isLegacyComment(line) || line.size() < 4)
        return {};
    for (auto hexAt = hexPosition(line); hexAt; hexAt = hexPosition(line, *hexAt + 4)) {
        if (SecRow row = legacyRowAt(line, *hexAt); !row.empty())
            return row;
    }
    return {};
}

SecTable legacyTable(std::string_view text) {
    SecTable table;
    for (const std::string_view line : splitLines(text)) {
        SecRow row = legacyRow(line);
        if (!row.empty())
            table.rows.push_back(std::move(row));
        else if (!isLegacyComment(line) && hexPosition(line))
            ++table.unreadableLines;
    }
    return table;
}

std::optional<SecTable> columnDelimitedTable(std::string_view text) {
    const std::vector<std::string_view> lines = nonEmptyLines(text);
    std::size_t headerAt = 0;
    while (headerAt < lines.size() && trimmed(lines[headerAt]).starts_with('#'))
        ++headerAt;
    if (headerAt + 1 >= lines.size())
        return std::nullopt;
    const std::string_view header = lines[headerAt];
    if (upper(header).find("HEX") == std::string::npos)
        return std::nullopt;
    const std::vector<ColumnSpan> spans = rulerSpans(lines[headerAt + 1]);
    if (spans.size() < 2)
        return std::nullopt;

    const std::u32string headerCharacters = toCodePoints(header);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < spans.size(); ++i)
        names.push_back(
            tabColumnName(columnText(headerCharacters, spans[i], i + 1 == spans.size())));

    SecTable table;
    for (std::size_t at = headerAt + 2; at < lines.size(); ++at) {
        const std::string_view line = lines[at];
        if (trimmed(line).empty() || trimmed(line).starts_with('#'))
            continue;
        const std::u32string characters = toCodePoints(line);
        SecRow row;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            if (!names[i].empty())
                row.insert_or_assign(names[i],
                                     columnText(characters, spans[i], i + 1 == spans.size()));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

SecTable readSecTable(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (isTabDelimited(text))
        return {tabDelimitedRows(text), 0};
    if (auto columns = columnDelimitedTable(text))
        return std::move(*columns);
    return legacyTable(text);
}

std::vector<SecRow> secRows(std::string_view text) {
    return readSecTable(text).rows;
}

} // namespace velmora::sector_io
