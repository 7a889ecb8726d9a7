#pragma once

#include "core/galactic_coordinates.h"
#include "core/raw_value_table.h"
#include "core/uuid.h"
#include "universe/faction.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::universe {

// How long ago the route was charted.
enum class RutterAge { uncharted, recent, lessThanOne, oneToFive, fivePlus };

inline constexpr auto rutterAgeTable = core::makeRawValueTable<RutterAge>(
    std::pair{RutterAge::uncharted, "uncharted"}, std::pair{RutterAge::recent, "recent"},
    std::pair{RutterAge::lessThanOne, "lessThanOne"}, std::pair{RutterAge::oneToFive, "oneToFive"},
    std::pair{RutterAge::fivePlus, "fivePlus"});

inline constexpr auto rutterAgeTextTable =
    core::makeRawValueTable<RutterAge>(std::pair{RutterAge::uncharted, "Uncharted"},
                                       std::pair{RutterAge::recent, "Recent (< 1 month)"},
                                       std::pair{RutterAge::lessThanOne, "Less than a year"},
                                       std::pair{RutterAge::oneToFive, "One to five years"},
                                       std::pair{RutterAge::fivePlus, "More than five years"});

constexpr std::string_view rawValue(RutterAge age) {
    return rutterAgeTable.text(age);
}

constexpr std::string_view displayName(RutterAge age) {
    return rutterAgeTextTable.text(age);
}

// A charted jump route between two hexes, owned by a faction.
struct Rutter {
    core::Uuid id;
    core::Uuid factionID;
    core::GalacticCoordinates start;
    core::GalacticCoordinates end;
    bool mainTradeRoute = false;
    RutterAge age = RutterAge::uncharted;
    // Older files stored the whole owning faction inside the rutter. It is kept
    // here only until the universe has adopted it into its own faction list.
    std::optional<Faction> legacyFaction;

    friend bool operator==(const Rutter&, const Rutter&) = default;
};

// What the referee calls them: "Rutter", or "Route" in a universe on Traveller
// tech levels.
inline std::string rutterNoun(bool travellerUniverse) {
    return travellerUniverse ? "Route" : "Rutter";
}
// "Rutters" or "Routes".
inline std::string rutterListTitle(bool travellerUniverse) {
    return rutterNoun(travellerUniverse) + "s";
}

} // namespace velmora::universe
