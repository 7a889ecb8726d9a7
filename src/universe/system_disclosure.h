#pragma once

#include "core/star_system.h"
#include "core/world_tag.h"
#include "universe/map_view_settings.h"

#include <optional>
#include <string_view>

namespace velmora::universe {

// What whoever looks at the map may know of a system. The referee knows
// everything. The players know where a system is, its name as written and its
// travel zone, since advisories are posted for every traveller; its profile and its
// factions only once it has been surveyed and the surveyed data is switched on;
// the referee's notes never. The map, the system card, World Info and every export
// ask here, so no screen or file a referee shows can tell the players more than
// another.
struct SystemDisclosure {
    // The profile and everything read from it: the starport, the world's colour
    // and kind, belts, gas giants, bases, stars, trade classes, tags, and the
    // capitals the map gives a world of a billion or more.
    bool profile = true;
    bool factions = true;
    bool notes = true;
    // What is said in place of the withheld details ("Not surveyed"); empty while
    // the profile is shown.
    std::string_view withheldReason;

    friend bool operator==(const SystemDisclosure&, const SystemDisclosure&) = default;
};

inline constexpr std::string_view notSurveyedText = "Not surveyed";
inline constexpr std::string_view surveyHiddenText = "Survey data hidden";

SystemDisclosure systemDisclosure(const MapViewSettings& view, const core::StarSystem& system);

// A world's travel zone, WorldTag::redZone or WorldTag::amberZone, from its own
// tags or its profile's; a red zone outranks an amber one.
std::optional<core::WorldTag> travelZone(const core::WorldData& world);

} // namespace velmora::universe
