#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_layout.h"
#include "core/random_source.h"
#include "sector_io/allegiances.h"
#include "sector_io/imported_world.h"
#include "universe/region_anchor.h"
#include "universe/starmap_label.h"

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The map service's answers turned into records. Only text goes in: the web client
// fetches, everything here reads and converts, so all of it is testable offline.
namespace velmora::sector_io {

// Why an import from the map service failed; what() is the text the user sees.
class ImportError : public std::runtime_error {
public:
    enum class Kind { sectorNotFound, httpStatus, network, emptySectorName, badResponse, noWorlds };

    static ImportError sectorNotFound(const std::string& name);
    static ImportError httpStatus(int code);
    static ImportError network(const std::string& text);
    static ImportError emptySectorName();
    static ImportError badResponse();
    static ImportError noWorlds();

    Kind kind() const { return m_kind; }

private:
    ImportError(Kind kind, const std::string& message)
        : std::runtime_error(message), m_kind(kind) {}
    Kind m_kind;
};

// The metadata document, as far as an import reads it.
struct MetaName {
    std::string text;
};
struct MetaRoute {
    std::string start;
    std::string end;
    int startOffsetX = 0;
    int startOffsetY = 0;
    int endOffsetX = 0;
    int endOffsetY = 0;
    std::string allegiance;
    std::optional<double> width;
};
struct MetaLabel {
    std::string text;
    std::string hex;
    std::string color;
    std::string size;
};
struct MetaSubsector {
    std::string name;
    std::string index;
};
struct MetaBorder {
    std::string path;
    std::string allegiance;
    std::string label;
    std::string labelPosition;
    std::string color;
};
struct SectorMetadata {
    std::vector<MetaName> names;
    std::vector<MetaRoute> routes;
    std::vector<MetaLabel> labels;
    std::vector<MetaSubsector> subsectors;
    std::vector<MetaBorder> borders;
    std::string abbreviation;
};

// The sector's position as the service counts it (its y grows downwards).
struct Coordinates {
    int sx = 0;
    int sy = 0;
};

struct T5Allegiance {
    std::string code;
    std::string name;
};

struct ImportedRoute {
    core::GalacticCoordinates start;
    core::GalacticCoordinates end;
    std::string allegiance;
    bool mainTradeRoute = false;
};

struct ImportedRegion {
    std::vector<universe::RegionAnchor> anchors; // one closed loop, in border order
    std::string name;
    std::string allegiance;
    std::optional<core::GalacticCoordinates> labelCoordinates;
    std::string colorHint;
    std::set<core::Cube> cells;
};

// Decoding. Keys may come in any order and a missing key reads as empty text, 0
// or no value; anything that is not JSON of the expected shape is badResponse.
Coordinates decodeCoordinates(std::string_view json);
std::vector<T5Allegiance> decodeAllegiances(std::string_view json);
SectorMetadata decodeSectorMetadata(std::string_view json);

// Code → name; the first entry of a code wins, entries without a code are left out.
AllegianceTable allegianceTable(const std::vector<T5Allegiance>& allegiances);

// The universe's sector for the service's position: the y axis flips.
core::GalacticCoordinates sectorOrigin(const Coordinates& coordinates);

// "CCRR" in the sector at (sectorX, sectorY), moved by whole sectors (the
// service's offsets, whose y grows downwards); nothing unless it is four
// characters with two integer halves.
std::optional<core::GalacticCoordinates> hexInSector(std::string_view hex, int sectorX, int sectorY,
                                                     int offsetX = 0, int offsetY = 0);

// The tab-delimited world rows converted into worlds, counting the rows that gave
// none; noWorlds when none converts.
ImportedWorlds importedWorldsFromTab(std::string_view text, int sectorX, int sectorY,
                                     const AllegianceTable& allegiances,
                                     core::RandomSource& random);

// Conversions of the metadata; entries that do not convert are dropped.
std::vector<ImportedRoute> importedRoutes(const SectorMetadata& metadata, int sectorX, int sectorY);
std::vector<universe::StarmapLabel> importedLabels(const SectorMetadata& metadata, int sectorX,
                                                   int sectorY);
std::vector<universe::StarmapLabel> subsectorLabels(const SectorMetadata& metadata, int sectorX,
                                                    int sectorY);
std::vector<ImportedRegion> importedRegions(const SectorMetadata& metadata, int sectorX,
                                            int sectorY);

// One border; nothing when its path names two distinct hexes or fewer.
std::optional<ImportedRegion> importedRegion(const MetaBorder& border, int sectorX, int sectorY);

// The corners around a connected set of cells, as one closed loop: the outer
// boundary, clockwise, starting at the upper-left corner of the leftmost cell.
std::vector<universe::RegionAnchor> boundaryAnchors(const std::set<core::Cube>& cells);

} // namespace velmora::sector_io
