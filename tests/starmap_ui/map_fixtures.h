#pragma once

#include "support/sample_hex.h"
#include "universe/universe_record.h"

namespace velmora::testing {

// A small universe to draw: named systems at known hexes of sector 0,0.
inline universe::UniverseRecord mapUniverse() {
    universe::UniverseRecord universe;
    universe.name = "Test Marches";
    const struct {
        const char* name;
        int column;
        int row;
    } systems[] = {{"Regina", 19, 10}, {"Efate", 17, 5}, {"Jewell", 6, 9}, {"Mora", 31, 24}};
    for (const auto& s : systems) {
        core::HexData hex = sampleHex();
        hex.starSystem.name = s.name;
        hex.starSystem.starfarers = true;
        hex.starSystem.other = false;
        hex.coordinates = {0, 0, s.column, s.row};
        universe.data.push_back(hex);
    }
    return universe;
}

} // namespace velmora::testing
