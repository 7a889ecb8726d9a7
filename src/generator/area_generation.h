#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "core/random_source.h"
#include "core/technology_level.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::generator {

// A whole sector, or one of its sixteen subsectors ('A'-'P', row by row from the
// top left, 8 columns by 10 rows each).
struct GenerationArea {
    int sectorX = 0;
    int sectorY = 0;
    std::optional<char> subsector;
};

bool isSubsectorLetter(char letter);
// The hexes of the area in hex-number order: column by column, rows downwards.
std::vector<core::GalacticCoordinates> hexesOf(const GenerationArea& area);
// What the Edit menu calls saving a generated area: "Generate Subsector C", or for a
// whole sector its name when it has one ("Generate Spinward Marches").
std::string areaEditName(const GenerationArea& area, const std::string& sectorName = {});
// "subsector C of sector 00" or "sector 00".
std::string areaDescription(const GenerationArea& area);

struct AreaOptions {
    int densityPercent = 50;
    // Areas are filled without a referee at each hex, so the level is rolled by
    // default, this being its maximum.
    core::TechnologyLevel techLevel = core::TechnologyLevel::ttl15;
    bool rollTechLevel = true;
    // A companion star on 2D6 of 10 or more: about one system in six.
    bool rollCompanions = true;
};

// A system in each empty hex of the area with the given chance; hexes for which
// `isOccupied` answers true are left alone and roll nothing. Every new system
// gets a generated name that is not in `takenNames` nor used twice in the area.
std::vector<core::HexData>
generateArea(const GenerationArea& area, const AreaOptions& options,
             const std::function<bool(const core::GalacticCoordinates&)>& isOccupied,
             std::set<std::string> takenNames, core::RandomSource& random);

} // namespace velmora::generator
