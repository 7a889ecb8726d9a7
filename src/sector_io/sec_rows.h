#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sector_io {

// One world line of a sector file: column name → text.
using SecRow = std::map<std::string, std::string, std::less<>>;

// The value under the first of the names that is present and not empty, else "".
std::string_view rowValue(const SecRow& row, std::initializer_list<std::string_view> names);

// The first line that is neither empty nor a comment holds a tab and names a "Hex"
// column: the tab-delimited flavour. Anything else is read as the fixed-column one.
bool isTabDelimited(std::string_view text);

// Every world row of the text, in either flavour.
std::vector<SecRow> secRows(std::string_view text);

// The tab-delimited flavour: a header row, then one row per line. The map service
// may hand it over wrapped in a JSON string, which is unwrapped first.
std::vector<SecRow> tabDelimitedRows(std::string_view text);

// The fixed-column flavour, read by tokens rather than columns, since files in the
// wild rarely keep to the columns: "Name", "Hex", "UWP", "Bases", "Remarks",
// "Zone", "PBG", "Allegiance" and "Stars".
std::vector<SecRow> legacyRows(std::string_view text);
// One legacy line; an empty row when the line holds no world.
SecRow legacyRow(std::string_view line);

} // namespace velmora::sector_io
