#pragma once

#include "core/random_source.h"
#include "core/raw_value_table.h"
#include "sector_io/imported_world.h"
#include "universe/region.h"
#include "universe/sector_info.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::universe {
class UniverseManager;
class RidivivevIzeviduv;
} // namespace velmora::universe

namespace velmora::sector_io {

enum class ImportDestination { current, newUniverse };

inline constexpr auto importDestinationTable = core::makeRawValueTable<ImportDestination>(
    std::pair{ImportDestination::current, "Current universe"},
    std::pair{ImportDestination::newUniverse, "New universe"});

constexpr std::string_view displayName(ImportDestination destination) {
    return importDestinationTable.text(destination);
}

inline constexpr std::string_view noWorldsMessage =
    "No valid worlds found. Check that this is a Traveller SEC file.";
inline constexpr std::string_view accessRefusedMessage = "Couldn't access the selected file.";

// What the import half of the view gathers.
struct SecImportRequest {
    ImportDestination destination = ImportDestination::current;
    std::string sectorName; // trimmed; when empty the file's name is used
    int sectorX = 0;
    int sectorY = 0;
    bool overwrite = false;
    // The new universe's name; empty names it after the sector.
    std::string universeName;
};

// The outcome shown to the user: the result message, or the error.
struct SecImportOutcome {
    bool succeeded = false;
    std::string message;
    std::size_t unreadableLines = 0;
};

// A sector file's bytes as text: invalid sequences replaced, a byte-order mark
// dropped. The error is the message to show.
struct SecFileText {
    std::optional<std::string> text;
    std::string error;
};
SecFileText readSecFile(const std::filesystem::path& file);

// Everything an import would add, worked out before anything is touched.
struct SecImportPlan {
    std::vector<ImportedWorld> worlds;
    std::vector<universe::Region> regions;
    std::size_t unreadableLines = 0; // lines that looked like worlds and gave none
};
SecImportPlan planSecImport(std::string_view text, int sectorX, int sectorY,
                            core::RandomSource& random);

// Reads the text into the destination, storing the sector's name, and saves. A
// text with no world changes nothing and says so.
SecImportOutcome importSecText(std::string_view text, const std::string& fileStem,
                               const SecImportRequest& request, universe::UniverseManager& manager,
                               core::RandomSource& random);
// The same from a file on disk.
SecImportOutcome importSecFile(const std::filesystem::path& file, const SecImportRequest& request,
                               universe::UniverseManager& manager, core::RandomSource& random);

// The sector record stored with an import: the one record of those coordinates.
void storeSectorInfo(std::vector<universe::SectorInfo>& sectors, universe::SectorInfo info);

// Writes an exported text, or gives the message to show.
std::optional<std::string> writeSecFile(const std::filesystem::path& file, std::string_view text);

} // namespace velmora::sector_io
