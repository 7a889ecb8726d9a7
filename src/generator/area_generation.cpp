#include "generator/area_generation.h"

#include "generator/name_generator.h"
#include "generator/secure_random_pool.h"
#include "generator/system_generator.h"
#include "generator/system_naming.h"
#include "generator/world_rolls.h"

#include <algorithm>

namespace velmora::generator {

bool isSubsectorLetter(char letter) {
    return letter >= 'A' && letter <= 'P';
}

std::vector<core::GalacticCoordinates> hexesOf(const GenerationArea& area) {
    int firstColumn = 1, lastColumn = core::sectorColumns;
    int firstRow = 1, lastRow = core::sectorRows;
    if (area.subsector && isSubsectorLetter(*area.subsector)) {
        const int index = *area.subsector - 'A';
        firstColumn = (index % 4) * 8 + 1;
        lastColumn = firstColumn + 7;
        firstRow = (index / 4) * 10 + 1;
        lastRow = firstRow + 9;
    }
    std::vector<core::GalacticCoordinates> hexes;
    hexes.reserve(
        static_cast<std::size_t>((lastColumn - firstColumn + 1) * (lastRow - firstRow + 1)));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row)
            hexes.push_back({area.sectorX, area.sectorY, column, row});
    }
    return hexes;
}

std::string areaDescription(const GenerationArea& area) {
    const std::string sector =
        "sector " + core::GalacticCoordinates{area.sectorX, area.sectorY, 1, 1}.sectorCode();
    if (area.subsector)
        return "subsector " + std::string(1, *area.subsector) + " of " + sector;
    return sector;
}

std::string areaEditName(const GenerationArea& area, const std::string& sectorName) {
    if (area.subsector)
        return "Generate Subsector " + std::string(1, *area.subsector);
    if (!sectorName.empty())
        return "Generate " + sectorName;
    return "Generate Sector " +
           core::GalacticCoordinates{area.sectorX, area.sectorY, 1, 1}.sectorCode();
}

std::vector<core::HexData>
generateArea(const GenerationArea& area, const AreaOptions& options,
             const std::function<bool(const core::GalacticCoordinates&)>& isOccupied,
             std::set<std::string> takenNames, core::RandomSource& random) {
    const auto density = static_cast<std::uint64_t>(std::clamp(options.densityPercent, 0, 100));
    std::vector<core::HexData> created;
    for (const core::GalacticCoordinates& coordinates : hexesOf(area)) {
        if (isOccupied && isOccupied(coordinates))
            continue;
        if (core::randomBelow(random, 100) >= density)
            continue;
        const bool companion = options.rollCompanions && roll2D6(random) >= 10;
        core::HexData hex;
        hex.id = core::Uuid::generate();
        hex.coordinates = coordinates;
        hex.starSystem = generateSystem(std::nullopt, companion, options.techLevel,
                                        options.rollTechLevel, random);
        // A handful of tries is plenty: a repeat among thousands of syllable names is rare.
        std::string name = generateName(random);
        for (int attempt = 0; attempt < 20 && takenNames.contains(name); ++attempt)
            name = generateName(random);
        takenNames.insert(name);
        nameSystem(hex.starSystem, name);
        created.push_back(std::move(hex));
    }
    return created;
}

} // namespace velmora::generator
