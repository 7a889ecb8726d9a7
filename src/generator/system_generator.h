#pragma once

#include "core/random_source.h"
#include "core/star.h"
#include "core/star_system.h"
#include "core/technology_level.h"
#include "core/world_data.h"

#include <optional>

namespace velmora::generator {

// The main world as rolled around its primary, and the counts the filler places.
struct MainWorldRoll {
    core::WorldData world;
    int gasGiants = 0;
    int planetoidBelts = 0;
};

// The main world of a system with the given primary: its orbit near the habitable
// zone, whether it is a moon, the counts, its starport, bases and full profile.
// With `rollTechLevel` the level is rolled and `techLevel` is its maximum;
// otherwise `techLevel` is used as it is. Its scale is always that of `techLevel`.
MainWorldRoll rollMainWorld(const core::Star& primary, core::TechnologyLevel techLevel,
                            bool rollTechLevel, core::RandomSource& random);

// A whole system from dice: stars, the main world, and every other body placed by
// the filler. The name, awareness groups and survey flag are the caller's to set.
core::StarSystem generateSystem(std::optional<core::Star> primary, bool addCompanion,
                                core::TechnologyLevel techLevel, bool rollTechLevel,
                                core::RandomSource& random);

} // namespace velmora::generator
