#pragma once

#include <string>

namespace velmora::universe {

// The name of one sector of the grid, as imported or typed by the referee.
struct SectorInfo {
    int sectorX = 0;
    int sectorY = 0;
    std::string name;
    std::string abbreviation;

    friend bool operator==(const SectorInfo&, const SectorInfo&) = default;
};

} // namespace velmora::universe
