#pragma once

#include "core/code_table.h"

#include <optional>
#include <string_view>

namespace velmora::campaign {

// Where the party's ship is in its travels.
enum class TravelState { landed, docked, orbit, transit, hyperspace };

// The raw value is the case name.
inline constexpr auto travelStateTable = core::makeRawValueTable<TravelState>(
    std::pair{TravelState::landed, "landed"}, std::pair{TravelState::docked, "docked"},
    std::pair{TravelState::orbit, "orbit"}, std::pair{TravelState::transit, "transit"},
    std::pair{TravelState::hyperspace, "hyperspace"});

inline constexpr auto travelStateNames = core::makeRawValueTable<TravelState>(
    std::pair{TravelState::landed, "On Planet / Landed"},
    std::pair{TravelState::docked, "Docked at Starport"}, std::pair{TravelState::orbit, "In Orbit"},
    std::pair{TravelState::transit, "In-System Transit"},
    std::pair{TravelState::hyperspace, "In Hyperspace"});

static_assert(core::isInCaseOrder(travelStateTable) && core::hasDistinctTexts(travelStateTable));
static_assert(core::isInCaseOrder(travelStateNames) && core::hasDistinctTexts(travelStateNames));

constexpr std::string_view rawValue(TravelState state) {
    return core::textAt(travelStateTable, state);
}

constexpr std::optional<TravelState> travelStateFromRawValue(std::string_view text) {
    return travelStateTable.value(text);
}

// "On Planet / Landed", "Docked at Starport", "In Orbit", "In-System Transit",
// "In Hyperspace".
constexpr std::string_view displayName(TravelState state) {
    return core::textAt(travelStateNames, state);
}

} // namespace velmora::campaign
