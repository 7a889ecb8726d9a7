#pragma once

#include "core/galactic_coordinates.h"
#include "core/raw_value_table.h"
#include "core/uuid.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::universe {

enum class NebulaType { emission, reflection, dark, planetary, supernovaRemnant };

inline constexpr auto nebulaTypeTable = core::makeRawValueTable<NebulaType>(
    std::pair{NebulaType::emission, "emission"}, std::pair{NebulaType::reflection, "reflection"},
    std::pair{NebulaType::dark, "dark"}, std::pair{NebulaType::planetary, "planetary"},
    std::pair{NebulaType::supernovaRemnant, "supernovaRemnant"});

inline constexpr auto nebulaTypeTextTable = core::makeRawValueTable<NebulaType>(
    std::pair{NebulaType::emission, "Emission"}, std::pair{NebulaType::reflection, "Reflection"},
    std::pair{NebulaType::dark, "Dark"}, std::pair{NebulaType::planetary, "Planetary"},
    std::pair{NebulaType::supernovaRemnant, "Supernova Remnant"});

constexpr std::string_view rawValue(NebulaType type) {
    return nebulaTypeTable.text(type);
}

constexpr std::string_view displayName(NebulaType type) {
    return nebulaTypeTextTable.text(type);
}

// A named set of hexes covered by one kind of nebula.
struct Nebula {
    core::Uuid id;
    std::string name;
    NebulaType type = NebulaType::emission;
    std::vector<core::GalacticCoordinates> hexes;

    friend bool operator==(const Nebula&, const Nebula&) = default;
};

} // namespace velmora::universe
