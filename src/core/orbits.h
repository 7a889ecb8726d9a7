#pragma once

#include "core/code_table.h"

#include <optional>
#include <string_view>

namespace velmora::core {

// Orbit numbers around a star; the raw value is the orbit number itself.
// starOrbitP is the primary's own place, or a companion in close orbit.
// clang-format off
enum class Orbits {
    starOrbitP = -1,
    starOrbit0, starOrbit1, starOrbit2, starOrbit3, starOrbit4, starOrbit5, starOrbit6, starOrbit7,
    starOrbit8, starOrbit9, starOrbit10, starOrbit11, starOrbit12, starOrbit13, starOrbit14,
    starOrbit15, starOrbit16, starOrbit17, starOrbit18, starOrbit19, starOrbit20
};
// clang-format on

inline constexpr int firstOrbitNumber = -1;
inline constexpr int lastOrbitNumber = 20;

constexpr int rawValue(Orbits orbit) {
    return static_cast<int>(orbit);
}

constexpr std::optional<Orbits> orbitsFromRawValue(int number) {
    if (number < firstOrbitNumber || number > lastOrbitNumber)
        return std::nullopt;
    return static_cast<Orbits>(number);
}

// Satellite orbits around a parent body. planetOrbit0 is the place of a body that
// orbits its star directly; the lettered orbits belong to satellites.
// clang-format off
enum class PlanetOrbits {
    planetOrbit0, planetOrbitA, planetOrbitB, planetOrbitC, planetOrbitD, planetOrbitE,
    planetOrbitF, planetOrbitG, planetOrbitH, planetOrbitI, planetOrbitJ, planetOrbitK,
    planetOrbitL, planetOrbitM, planetOrbitN, planetOrbitO, planetOrbitP, planetOrbitQ,
    planetOrbitR, planetOrbitS, planetOrbitT, planetOrbitU, planetOrbitV, planetOrbitW,
    planetOrbitX, planetOrbitY, planetOrbitZ
};
// clang-format on

inline constexpr auto planetOrbitsTable = makeRawValueTable<PlanetOrbits>(
    std::pair{PlanetOrbits::planetOrbit0, "0"}, std::pair{PlanetOrbits::planetOrbitA, "A"},
    std::pair{PlanetOrbits::planetOrbitB, "B"}, std::pair{PlanetOrbits::planetOrbitC, "C"},
    std::pair{PlanetOrbits::planetOrbitD, "D"}, std::pair{PlanetOrbits::planetOrbitE, "E"},
    std::pair{PlanetOrbits::planetOrbitF, "F"}, std::pair{PlanetOrbits::planetOrbitG, "G"},
    std::pair{PlanetOrbits::planetOrbitH, "H"}, std::pair{PlanetOrbits::planetOrbitI, "I"},
    std::pair{PlanetOrbits::planetOrbitJ, "J"}, std::pair{PlanetOrbits::planetOrbitK, "K"},
    std::pair{PlanetOrbits::planetOrbitL, "L"}, std::pair{PlanetOrbits::planetOrbitM, "M"},
    std::pair{PlanetOrbits::planetOrbitN, "N"}, std::pair{PlanetOrbits::planetOrbitO, "O"},
    std::pair{PlanetOrbits::planetOrbitP, "P"}, std::pair{PlanetOrbits::planetOrbitQ, "Q"},
    std::pair{PlanetOrbits::planetOrbitR, "R"}, std::pair{PlanetOrbits::planetOrbitS, "S"},
    std::pair{PlanetOrbits::planetOrbitT, "T"}, std::pair{PlanetOrbits::planetOrbitU, "U"},
    std::pair{PlanetOrbits::planetOrbitV, "V"}, std::pair{PlanetOrbits::planetOrbitW, "W"},
    std::pair{PlanetOrbits::planetOrbitX, "X"}, std::pair{PlanetOrbits::planetOrbitY, "Y"},
    std::pair{PlanetOrbits::planetOrbitZ, "Z"});

static_assert(isInCaseOrder(planetOrbitsTable) && hasDistinctTexts(planetOrbitsTable));

constexpr std::string_view rawValue(PlanetOrbits orbit) {
    return textAt(planetOrbitsTable, orbit);
}

constexpr std::optional<PlanetOrbits> planetOrbitsFromRawValue(std::string_view text) {
    return planetOrbitsTable.value(text);
}

constexpr bool isSatelliteOrbit(PlanetOrbits orbit) {
    return orbit != PlanetOrbits::planetOrbit0;
}

} // namespace velmora::core
