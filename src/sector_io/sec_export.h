#pragma once

#include "core/hex_data.h"
#include "core/raw_value_table.h"
#include "universe/region.h"
#include "universe/sector_info.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sector_io {

// The sector a file is written for: where it lies, and its name when it has one.
struct SecSector {
    int sectorX = 0;
    int sectorY = 0;
    std::optional<std::string> name;
    std::string abbreviation;
};

// The classic fixed columns, which other programs read but which cut long fields
// short, or the tab-delimited listing, which keeps every field whole.
enum class SecExportFormat { legacy, tab };

inline constexpr auto secExportFormatTable = core::makeRawValueTable<SecExportFormat>(
    std::pair{SecExportFormat::legacy, "legacy"}, std::pair{SecExportFormat::tab, "tab"});

// The comment lines that carry the regions through a sector file.
inline constexpr std::string_view regionBlockTitle =
    "# [Velmora region data \u2014 ignored by standard parsers]";
inline constexpr std::string_view regionSectorPrefix = "# [REGION_SECTOR] ";
inline constexpr std::string_view regionPrefix = "# [REGION] ";

// A fixed-column sector file of the hexes that have a main world, sorted by column
// and row, with the regions appended as comments other programs skip.
std::string secExportText(std::vector<core::HexData> hexes, const SecSector& sector,
                          const std::vector<universe::Region>& regions);

// One hex's line, or nothing when its system has no main world.
std::optional<std::string> secLine(const core::HexData& hex);

// The same hexes as a tab-delimited listing in the map service's columns (Sector,
// SS, Hex, Name, UWP, Bases, Remarks, Zone, PBG, Allegiance, Stars, {Ix}, (Ex), [Cx],
// Nobility, W, RU). What an import put in a world's notes goes back to its column,
// so an imported sector exported this way imports again with every field as it was.
std::string secTabExportText(std::vector<core::HexData> hexes, const SecSector& sector,
                             const std::vector<universe::Region>& regions);

// The text of either format.
std::string secExportTextAs(SecExportFormat format, std::vector<core::HexData> hexes,
                            const SecSector& sector, const std::vector<universe::Region>& regions);

// The allegiance code of a hex's notes: the last parenthesised text of its
// "Allegiance: " line ("Allegiance: Aslan Hierate (Hrawoao) (AsT2)" gives AsT2), else
// the first parenthesised text anywhere; empty when there is none.
std::string allegianceCode(std::string_view notes);
// The same cut to two characters for the fixed columns; "--" without one.
std::string allegianceCodeFromNotes(std::string_view notes);

// "<abbreviation>.sec", else "<name>.sec", else "sector.sec"; ".tab" for the tab
// listing.
std::string suggestedSecFileName(const universe::SectorInfo* sector,
                                 SecExportFormat format = SecExportFormat::legacy);

// What the export half of the view writes: the hexes of a sector under its name,
// or with no sector records at all, every hex under none. Regions always go along.
std::string secExportTextFor(const std::vector<core::HexData>& allHexes,
                             const universe::SectorInfo* sector,
                             const std::vector<universe::Region>& regions,
                             SecExportFormat format = SecExportFormat::legacy);

// How many lines an export writes: the hexes with a main world.
std::size_t exportedWorldCount(const std::vector<core::HexData>& hexes);
// "Exported 12 worlds to \"Spin.sec\"."
std::string secExportMessage(std::size_t worlds, const std::string& file);

} // namespace velmora::sector_io
