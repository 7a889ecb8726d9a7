#pragma once

#include "core/code_table.h"

#include <optional>
#include <string_view>

namespace velmora::core {

// The kind of body a world is. The raw values mix plain words and phrases because
// that is how the files have always spelled them.
enum class WorldType {
    planet,
    closeSatelliteGG,
    closeSatelliteP,
    farSatelliteGG,
    farSatelliteP,
    asteroidBelt,
    planetoidBelt,
    iceworld,
    radWorld,
    inferno,
    bigWorld,
    worldlet,
    innerWorld,
    stormWorld,
    smallGasGiant,
    largeGasGiant,
    iceGiant,
};

inline constexpr auto worldTypeTable = makeRawValueTable<WorldType>(
    std::pair{WorldType::planet, "planet"},
    std::pair{WorldType::closeSatelliteGG, "Close satellite orbiting a GG"},
    std::pair{WorldType::closeSatelliteP, "Close satellite orbiting a planet"},
    std::pair{WorldType::farSatelliteGG, "Far satellite orbiting a GG"},
    std::pair{WorldType::farSatelliteP, "Far satellite orbiting a planet"},
    std::pair{WorldType::asteroidBelt, "Asteroid belt"},
    std::pair{WorldType::planetoidBelt, "Planetoid belt"},
    std::pair{WorldType::iceworld, "iceworld"}, std::pair{WorldType::radWorld, "radWorld"},
    std::pair{WorldType::inferno, "inferno"}, std::pair{WorldType::bigWorld, "bigWorld"},
    std::pair{WorldType::worldlet, "worldlet"}, std::pair{WorldType::innerWorld, "innerWorld"},
    std::pair{WorldType::stormWorld, "stormWorld"},
    std::pair{WorldType::smallGasGiant, "Small Gas Giant"},
    std::pair{WorldType::largeGasGiant, "Large Gas Giant"},
    std::pair{WorldType::iceGiant, "Ice Giant"});

static_assert(isInCaseOrder(worldTypeTable) && hasDistinctTexts(worldTypeTable));

constexpr std::string_view rawValue(WorldType type) {
    return textAt(worldTypeTable, type);
}

constexpr std::optional<WorldType> worldTypeFromRawValue(std::string_view text) {
    return worldTypeTable.value(text);
}

constexpr bool isSatellite(WorldType type) {
    return type == WorldType::closeSatelliteGG || type == WorldType::closeSatelliteP ||
           type == WorldType::farSatelliteGG || type == WorldType::farSatelliteP;
}

constexpr bool isGasGiant(WorldType type) {
    return type == WorldType::smallGasGiant || type == WorldType::largeGasGiant ||
           type == WorldType::iceGiant;
}

constexpr bool isBelt(WorldType type) {
    return type == WorldType::asteroidBelt || type == WorldType::planetoidBelt;
}

} // namespace velmora::core
