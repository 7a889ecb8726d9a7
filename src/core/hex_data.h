#pragma once

#include "core/galactic_coordinates.h"
#include "core/star_system.h"
#include "core/uuid.h"

#include <string>

namespace velmora::core {

// One occupied hex.
struct HexData {
    Uuid id;
    GalacticCoordinates coordinates;
    StarSystem starSystem;
    std::string notes;

    friend bool operator==(const HexData&, const HexData&) = default;
};

} // namespace velmora::core
