#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sector_io {

// One world line of a sector file: column name → text.
using SecRow = std::map<std::string, std::string, std::less<>>;

// The value under the first of the names that is present and not empty, else "".
std::string_view rowValue(const SecRow& row, std::initializer_list<std::string_view> names);

// The first line that is neither empty nor a comment holds a tab and names a "Hex"
// column: the tab-delimited flavour. Anything else is read by columns when a header
// stands over a ruler of dashes, else as the fixed-column flavour.
bool isTabDelimited(std::string_view text);

// The world rows of a sector file, and how many lines looked like a world (a data
// line of a table, or a fixed-column line with a hex in it) yet gave no row.
struct SecTable {
    std::vector<SecRow> rows;
    std::size_t unreadableLines = 0;
};
SecTable readSecTable(std::string_view text);

// Every world row of the text, in any flavour.
std::vector<SecRow> secRows(std::string_view text);

// The tab-delimited flavour: a header row, then one row per line. The map service
// may hand it over wrapped in a JSON string, which is unwrapped first.
std::vector<SecRow> tabDelimitedRows(std::string_view text);

// The column-delimited layout most sector files circulate in today: a header row,
// a ruler of dashes whose runs give each column's span, then one world a line, with
// no tabs. Its columns are renamed to the tab flavour's ("B" is "Bases", "Stellar"
// is "Stars"), so both make the same rows. Nothing when the text has no ruler.
std::optional<SecTable> columnDelimitedTable(std::string_view text);

// The fixed-column flavour, read by tokens rather than columns, since files in the
// wild rarely keep to the columns: "Name", "Hex", "UWP", "Bases", "Remarks",
// "Zone", "PBG", "Allegiance" and "Stars".
SecTable legacyTable(std::string_view text);
// One legacy line; an empty row when the line holds no world. Many files write an
// unnamed world with its hex number in the name column ("0104   0104 X110000-6 …"):
// when the first hex found leaves a line that cannot be read, the search goes on
// after it, and a name that only repeats the hex means the world has none.
SecRow legacyRow(std::string_view line);

} // namespace velmora::sector_io
